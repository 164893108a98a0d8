#include "ui/wmbus/export/ExportDataTabs.h"

#include "core/app/Clock.h"
#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include <QAction>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kvq {

ExportDataTabs::ExportDataTabs(QTabWidget& dataTabs, UserInteraction& ui, const Clock& clock, QObject* parent)
    : QObject(parent), dataTabs_(&dataTabs), ui_(ui), clock_(clock) {
    exportAll_ = new QAction(tr("Exportiere Daten als formatierte Daten in csv"), this);
    exportAll_->setObjectName(QStringLiteral("ExportiereDatenAlsFormatierteDaten"));
    connect(exportAll_, &QAction::triggered, this, [this] { exportAll(folder_ ? folder_() : QString()); });
}

ExportDataTabs::~ExportDataTabs() {
    dropTabs();
}

void ExportDataTabs::dropTabs() {
    for (auto& [format, tab] : tabs_) {
        if (dataTabs_ && tab.page)
            dataTabs_->removeTab(dataTabs_->indexOf(tab.page));
        delete tab.page; // the model goes with the page and lets go of the table
    }
    tabs_.clear();
}

void ExportDataTabs::reload(const QString& path) {
    QStringList messages;
    auto fresh = exporting::ExportFormatListe::load(path, &messages);
    if (!fresh.ok()) {
        ui_.message(fresh.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    dropTabs();
    formats_.adopt(std::move(fresh.value()));
    for (int i = 0; i < formats_.size(); ++i)
        if (formats_.sheet(i).started())
            ensureTab(i);
    if (!messages.isEmpty())
        ui_.message(messages.join(u'\n'), tr("Exportformat.EXF"), UserInteraction::Icon::Warning);
}

void ExportDataTabs::offer(const wmbus::TelegramResult& telegram) {
    const int taken = formats_.apply(telegram, clock_.localNow());
    if (taken >= 0)
        ensureTab(taken);
}

void ExportDataTabs::ensureTab(int index) {
    exporting::ExportSheet& sheet = formats_.sheet(index);
    if (tabs_.count(&sheet))
        return;
    const QString name = formats_.at(index).name();
    Tab tab;
    tab.page = new QWidget;
    tab.page->setObjectName(QStringLiteral("TabSheet_") + name);
    tab.view = new QTableView(tab.page);
    tab.view->setObjectName(QStringLiteral("StringGrid_") + name);
    tab.view->setAccessibleName(name);
    tab.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tab.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    tab.model = new ResultTableModel(sheet.table(), sheet, tab.page);
    tab.view->setModel(tab.model);
    tab.view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* layout = new QVBoxLayout(tab.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tab.view);

    auto* save = new QAction(tr("Save Data as csv"), tab.view);
    save->setObjectName(QStringLiteral("SaveDataAsCsv"));
    auto* clear = new QAction(tr("Delete Data in Table"), tab.view);
    clear->setObjectName(QStringLiteral("DeleteDataInTable"));
    tab.view->addAction(save);
    tab.view->addAction(clear);
    connect(save, &QAction::triggered, this, [this, &sheet, name] { saveTable(sheet, name); });
    connect(clear, &QAction::triggered, this, [&sheet] { sheet.table().clear(); });

    if (dataTabs_)
        dataTabs_->addTab(tab.page, name);
    tabs_.emplace(&sheet, tab);
}

void ExportDataTabs::saveTable(const exporting::ExportSheet& sheet, const QString& name) {
    const auto path = ui_.saveFileName(
        tr("Save Data as csv"), exporting::ExportFormatListe::csvPath(folder_ ? folder_() : QString(), name),
        tr("Daten (*.csv)"));
    if (!path)
        return;
    if (const Status s = sheet.writeCsv(*path); !s)
        ui_.message(s.message(), tr("Fehler"), UserInteraction::Icon::Error);
}

void ExportDataTabs::exportAll(const QString& folder) {
    const auto failures = formats_.writeAll(folder);
    if (failures.empty())
        return;
    QStringList lines;
    for (const auto& f : failures)
        lines << tr("Export-Format %1: %2").arg(f.format, f.message);
    ui_.message(lines.join(u'\n'), tr("Fehler"), UserInteraction::Icon::Error);
}

QTableView* ExportDataTabs::viewOf(const QString& formatName) const {
    const int i = formats_.indexOf(formatName);
    const auto it = i < 0 ? tabs_.end() : tabs_.find(&formats_.sheet(i));
    return it == tabs_.end() ? nullptr : it->second.view;
}

ResultTableModel* ExportDataTabs::modelOf(const QString& formatName) const {
    const int i = formats_.indexOf(formatName);
    const auto it = i < 0 ? tabs_.end() : tabs_.find(&formats_.sheet(i));
    return it == tabs_.end() ? nullptr : it->second.model;
}

} // namespace kvq
