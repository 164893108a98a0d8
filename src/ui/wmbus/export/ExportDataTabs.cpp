#include "ui/wmbus/export/ExportDataTabs.h"

#include "core/app/Clock.h"
#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "ui/wmbus/export/ExportTableModel.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
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
        if (formats_.at(i).table().started())
            ensureTab(formats_.at(i));
    if (!messages.isEmpty())
        ui_.message(messages.join(u'\n'), tr("Exportformat.EXF"), UserInteraction::Icon::Warning);
}

void ExportDataTabs::offer(const wmbus::TelegramResult& telegram) {
    const int taken = formats_.apply(telegram, clock_.localNow());
    if (taken >= 0)
        ensureTab(formats_.at(taken));
}

void ExportDataTabs::ensureTab(exporting::ExportFormat& format) {
    if (tabs_.count(&format))
        return;
    Tab tab;
    tab.page = new QWidget;
    tab.page->setObjectName(QStringLiteral("TabSheet_") + format.name());
    tab.view = new QTableView(tab.page);
    tab.view->setObjectName(QStringLiteral("StringGrid_") + format.name());
    tab.view->setAccessibleName(format.name());
    tab.model = new ExportTableModel(format.table(), tab.page);
    tab.view->setModel(tab.model);
    tab.view->setContextMenuPolicy(Qt::CustomContextMenu);
    tab.view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    auto* layout = new QVBoxLayout(tab.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tab.view);

    auto* menu = new QMenu(tab.view);
    menu->setObjectName(QStringLiteral("PopupMenuExport"));
    QAction* save = menu->addAction(tr("Save Data as csv"));
    save->setObjectName(QStringLiteral("SaveDataAsCsv"));
    QAction* clear = menu->addAction(tr("Delete Data in Table"));
    clear->setObjectName(QStringLiteral("DeleteDataInTable"));
    connect(save, &QAction::triggered, this, [this, &format] { saveTable(format); });
    connect(clear, &QAction::triggered, this, [&format] { format.table().clearRows(); });
    connect(tab.view, &QWidget::customContextMenuRequested, menu,
            [menu, view = tab.view](const QPoint& p) { menu->popup(view->viewport()->mapToGlobal(p)); });

    if (dataTabs_)
        dataTabs_->addTab(tab.page, format.name());
    tabs_.emplace(&format, tab);
}

void ExportDataTabs::saveTable(exporting::ExportFormat& format) {
    const auto path = ui_.saveFileName(
        tr("Save Data as csv"),
        exporting::ExportFormatListe::csvPath(folder_ ? folder_() : QString(), format.name()),
        tr("Daten (*.csv)"));
    if (!path)
        return;
    if (const Status s = format.table().writeCsv(*path); !s)
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
    for (const auto& [format, tab] : tabs_)
        if (format->name() == formatName)
            return tab.view;
    return nullptr;
}

} // namespace kvq
