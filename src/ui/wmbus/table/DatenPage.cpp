#include "ui/wmbus/table/DatenPage.h"

#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "core/wmbus/table/TableColumns.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QHeaderView>
#include <QMenu>

namespace kvq {

using wmbus::DisplayOption;

DatenPage::DatenPage(wmbus::ResultTable& table, UserInteraction& ui, QWidget* parent)
    : QWidget(parent), table_(table), user_(ui) {
    ui_.setupUi(this);
    setObjectName(QStringLiteral("sTabDaten"));

    model_ = new ResultTableModel(table_, wmbus::AllColumns::instance(), this);
    ui_.Verbrauchstabelle->setModel(model_);
    ui_.Verbrauchstabelle->verticalHeader()->hide();
    ui_.Verbrauchstabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ui_.Verbrauchstabelle->horizontalHeader()->setDefaultSectionSize(72);

    auto* options = new QButtonGroup(this);
    options->addButton(ui_.sRBLiveData, static_cast<int>(DisplayOption::LiveAll));
    options->addButton(ui_.sRBLiveDataNew, static_cast<int>(DisplayOption::LiveNewest));
    options->addButton(ui_.sRBEinmalData, static_cast<int>(DisplayOption::Once));
    options->addButton(ui_.sRBAusData, static_cast<int>(DisplayOption::Off));
    connect(options, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Q_EMIT displayOptionChanged(static_cast<DisplayOption>(id));
    });

    SpeicherDatenAlsCsv = new QAction(tr("Speicher Daten als csv"), this);
    SpeicherDatenAlsCsv->setObjectName(QStringLiteral("SpeicherDatenAlsCsv"));
    connect(SpeicherDatenAlsCsv, &QAction::triggered, this, [this] { SpeicherDatenAlsCsvClick(); });
    LeereTabelle = new QAction(tr("leere Tabelle"), this);
    LeereTabelle->setObjectName(QStringLiteral("LeereTabelle"));
    connect(LeereTabelle, &QAction::triggered, this, &DatenPage::LeereTabelleClick);
    ui_.Verbrauchstabelle->addAction(SpeicherDatenAlsCsv);
    ui_.Verbrauchstabelle->addAction(LeereTabelle);
    ui_.Verbrauchstabelle->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(model_, &QAbstractItemModel::rowsInserted, this, &DatenPage::showRowCount);
    connect(model_, &QAbstractItemModel::modelReset, this, &DatenPage::showRowCount);
    showRowCount();
}

DatenPage::~DatenPage() {
    // The view goes before its model.
    delete ui_.Verbrauchstabelle;
}

DisplayOption DatenPage::displayOption() const {
    if (ui_.sRBLiveDataNew->isChecked())
        return DisplayOption::LiveNewest;
    if (ui_.sRBEinmalData->isChecked())
        return DisplayOption::Once;
    if (ui_.sRBAusData->isChecked())
        return DisplayOption::Off;
    return DisplayOption::LiveAll;
}

void DatenPage::setDisplayOption(DisplayOption option) {
    switch (option) {
    case DisplayOption::LiveAll:
        ui_.sRBLiveData->setChecked(true);
        break;
    case DisplayOption::LiveNewest:
        ui_.sRBLiveDataNew->setChecked(true);
        break;
    case DisplayOption::Once:
        ui_.sRBEinmalData->setChecked(true);
        break;
    case DisplayOption::Off:
        ui_.sRBAusData->setChecked(true);
        break;
    }
}

void DatenPage::showRowCount() {
    ui_.LabelAnzahlZeilen->setText(QString::number(model_->rowCount()));
}

QString DatenPage::csvFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("WMBUSLOG")});
}

// Both spellings: file names are case-sensitive outside Windows.
QString DatenPage::csvFilter() {
    return tr("Daten (*.csv *.CSV)");
}

bool DatenPage::SpeicherDatenAlsCsvClick() {
    const QString folder = csvFolder();
    QDir().mkpath(folder);
    const auto chosen = user_.saveFileName(tr("Speicher Daten als csv"), folder, csvFilter());
    if (!chosen || chosen->trimmed().isEmpty())
        return false;
    QString path = *chosen;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".CSV");
    const Status written = wmbus::writeTableCsv(path, table_, wmbus::AllColumns::instance());
    if (!written) {
        user_.message(tr("Die Tabelle wurde nicht gespeichert:\n%1").arg(written.message()), tr("FEHLER"),
                      UserInteraction::Icon::Error);
        return false;
    }
    table_.markSaved();
    return true;
}

void DatenPage::LeereTabelleClick() {
    table_.clear();
}

} // namespace kvq
