#include "ui/wmbus/table/DatenPage.h"

#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "core/wmbus/table/TableColumns.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "ui_DatenPage.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QHeaderView>
#include <QMenu>

namespace kvq {

using wmbus::DisplayOption;

DatenPage::DatenPage(wmbus::ResultTable& table, UserInteraction& ui, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DatenPage>()), table_(table), user_(ui) {
    ui_->setupUi(this);
    sRBLiveData = ui_->sRBLiveData;
    sRBLiveDataNew = ui_->sRBLiveDataNew;
    sRBEinmalData = ui_->sRBEinmalData;
    sRBAusData = ui_->sRBAusData;
    LabelAnzahlZeilen = ui_->LabelAnzahlZeilen;
    PageControlDaten = ui_->PageControlDaten;
    Verbrauchstabelle = ui_->Verbrauchstabelle;
    setObjectName(QStringLiteral("sTabDaten"));

    model_ = new ResultTableModel(table_, wmbus::AllColumns::instance(), this);
    Verbrauchstabelle->setModel(model_);
    Verbrauchstabelle->verticalHeader()->hide();
    Verbrauchstabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    Verbrauchstabelle->horizontalHeader()->setDefaultSectionSize(72);
    Verbrauchstabelle->horizontalHeader()->resizeSection(
        wmbus::AllColumns::RTime,
        fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 00:00:00")) + 12);

    auto* options = new QButtonGroup(this);
    options->addButton(sRBLiveData, static_cast<int>(DisplayOption::LiveAll));
    options->addButton(sRBLiveDataNew, static_cast<int>(DisplayOption::LiveNewest));
    options->addButton(sRBEinmalData, static_cast<int>(DisplayOption::Once));
    options->addButton(sRBAusData, static_cast<int>(DisplayOption::Off));
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
    Verbrauchstabelle->addAction(SpeicherDatenAlsCsv);
    Verbrauchstabelle->addAction(LeereTabelle);
    Verbrauchstabelle->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(model_, &QAbstractItemModel::rowsInserted, this, &DatenPage::showRowCount);
    connect(model_, &QAbstractItemModel::modelReset, this, &DatenPage::showRowCount);
    showRowCount();
}

DatenPage::~DatenPage() {
    // The view goes before its model.
    delete Verbrauchstabelle;
}

DisplayOption DatenPage::displayOption() const {
    if (sRBLiveDataNew->isChecked())
        return DisplayOption::LiveNewest;
    if (sRBEinmalData->isChecked())
        return DisplayOption::Once;
    if (sRBAusData->isChecked())
        return DisplayOption::Off;
    return DisplayOption::LiveAll;
}

void DatenPage::setDisplayOption(DisplayOption option) {
    switch (option) {
    case DisplayOption::LiveAll:
        sRBLiveData->setChecked(true);
        break;
    case DisplayOption::LiveNewest:
        sRBLiveDataNew->setChecked(true);
        break;
    case DisplayOption::Once:
        sRBEinmalData->setChecked(true);
        break;
    case DisplayOption::Off:
        sRBAusData->setChecked(true);
        break;
    }
}

void DatenPage::showRowCount() {
    LabelAnzahlZeilen->setText(QString::number(model_->rowCount()));
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
