#include "ui/wmbus/export/ExportPage.h"

#include "core/app/Clock.h"
#include "core/app/UserInteraction.h"
#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/TelegramResult.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvq {

using exporting::ExportColumn;
using exporting::ExportFilter;
using exporting::ExportFormat;
using exporting::ExportFormatListe;

namespace {

// Qt's mask letters for the classic masks: '0' there is an optional digit, '9' a required one, 'A' a
// letter; the blank character follows the ';'.
struct MaskRow {
    const char* name;
    const char* caption;
    const char* mask;
    QChar blank;
};
constexpr MaskRow kMasks[] = {
    {"MaskEditRFIDMin", QT_TRANSLATE_NOOP("kvq::ExportPage", "Funk-ID von:"), "00000000;*", u'*'},
    {"MaskEditRFIDMax", QT_TRANSLATE_NOOP("kvq::ExportPage", "Funk-ID bis:"), "99999990;0", QChar()},
    {"MaskEditMC", QT_TRANSLATE_NOOP("kvq::ExportPage", "Hersteller:"), ">AAA;_", u'_'},
    {"MaskEditMedium", QT_TRANSLATE_NOOP("kvq::ExportPage", "Medium:"), "00;_", u'_'},
    {"MaskEditLaenge", QT_TRANSLATE_NOOP("kvq::ExportPage", "Länge:"), "000;_", u'_'},
};

QString maskedText(const QLineEdit* edit, QChar blank) {
    QString t = edit->displayText();
    if (!blank.isNull())
        t.remove(blank);
    return t;
}

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& headings) {
    auto* g = new QTableWidget(0, int(headings.size()), parent);
    g->setObjectName(QLatin1String(name));
    g->setHorizontalHeaderLabels(headings);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

QString cell(const QTableWidget* g, int row, int column) {
    const QTableWidgetItem* item = g->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

ExportPage::ExportPage(UserInteraction& ui, const Clock& clock, QWidget* parent)
    : QWidget(parent), ui_(ui), clock_(clock), path_(exporting::exportFormatFilePath()) {
    setObjectName(QStringLiteral("sTabExport"));
    buildControls();
    setEditable(false);
}

void ExportPage::buildControls() {
    ListBoxExportFormate = new QListWidget(this);
    ListBoxExportFormate->setObjectName(QStringLiteral("ListBoxExportFormate"));
    ListBoxExportFormate->setAccessibleName(tr("Export-Formate"));
    EditNewFormatName = new QLineEdit(this);
    EditNewFormatName->setObjectName(QStringLiteral("EditNewFormatName"));
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(EditNewFormatName);
    CheckBoxEditMode = new QCheckBox(tr("Edit-Mode"), this);
    CheckBoxEditMode->setObjectName(QStringLiteral("CheckBoxEditMode"));
    ButtonEdit = new QPushButton(tr("Edit"), this);
    ButtonEdit->setObjectName(QStringLiteral("ButtonEdit"));
    ButtonDel = new QPushButton(tr("Del"), this);
    ButtonDel->setObjectName(QStringLiteral("ButtonDel"));
    ButtonSave = new QPushButton(tr("Save"), this);
    ButtonSave->setObjectName(QStringLiteral("ButtonSave"));
    SButtonWizard = new QPushButton(tr("Wizard"), this);
    SButtonWizard->setObjectName(QStringLiteral("SButtonWizard"));
    NeuesExportFormat = new QAction(tr("neues Export-Format"), this);
    NeuesExportFormat->setObjectName(QStringLiteral("NeuesExportFormat"));
    ButtonNeuesExportFormat = new QPushButton(NeuesExportFormat->text(), this);
    ButtonNeuesExportFormat->setObjectName(QStringLiteral("ButtonNeuesExportFormat"));
    ImageSave = new QLabel(this);
    ImageSave->setObjectName(QStringLiteral("ImageSave"));
    ImageSave->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(24, 24));
    ImageSave->setToolTip(tr("Export-Format geändert"));
    ImageSave->hide();

    GroupBoxFilter = new QGroupBox(tr("Filter-Regeln"), this);
    GroupBoxFilter->setObjectName(QStringLiteral("GroupBoxFilter"));
    auto* filterForm = new QFormLayout(GroupBoxFilter);
    QLineEdit** edits[] = {&MaskEditRFIDMin, &MaskEditRFIDMax, &MaskEditMC, &MaskEditMedium, &MaskEditLaenge};
    for (std::size_t i = 0; i < std::size(kMasks); ++i) {
        auto* e = new QLineEdit(GroupBoxFilter);
        e->setObjectName(QLatin1String(kMasks[i].name));
        e->setInputMask(QLatin1String(kMasks[i].mask));
        auto* label = new QLabel(tr(kMasks[i].caption), GroupBoxFilter);
        label->setBuddy(e);
        filterForm->addRow(label, e);
        *edits[i] = e;
        connect(e, &QLineEdit::textEdited, this, &ExportPage::markChanged);
    }

    StringGridSampleData = grid(this, "StringGridSampleData", {tr("Name"), tr("Wert")});
    StringGridSampleData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridSpalten = grid(this, "StringGridSpalten", {tr("Old"), tr("New"), tr("Option")});
    StringGridVorschau = grid(this, "StringGridVorschau", {});
    StringGridVorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridVorschau->horizontalHeader()->setStretchLastSection(false);
    auto labelled = [this](const QString& caption, QWidget* w) {
        auto* box = new QVBoxLayout;
        auto* l = new QLabel(caption, this);
        l->setBuddy(w);
        box->addWidget(l);
        box->addWidget(w, 1);
        return box;
    };

    auto* left = new QVBoxLayout;
    left->addWidget(ListBoxExportFormate, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(EditNewFormatName, 1);
    nameRow->addWidget(ImageSave);
    left->addLayout(nameRow);
    left->addWidget(ButtonNeuesExportFormat);
    left->addWidget(CheckBoxEditMode);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ButtonEdit, ButtonDel, ButtonSave, SButtonWizard})
        buttons->addWidget(b);
    left->addLayout(buttons);
    left->addWidget(GroupBoxFilter);

    auto* grids = new QGridLayout;
    grids->addLayout(labelled(tr("Beispiel-Daten:"), StringGridSampleData), 0, 0);
    grids->addLayout(labelled(tr("neue Spaltenbezeichnungen:"), StringGridSpalten), 0, 1);
    grids->addLayout(labelled(tr("Ergebniss-Vorschau:"), StringGridVorschau), 1, 0, 1, 2);
    grids->setRowStretch(0, 3);
    grids->setRowStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(grids, 1);

    connect(ListBoxExportFormate, &QListWidget::itemClicked, this, &ExportPage::ListBoxExportFormateClick);
    connect(ListBoxExportFormate, &QListWidget::itemChanged, this, &ExportPage::itemTicked);
    connect(ButtonEdit, &QPushButton::clicked, this, &ExportPage::ButtonEditClick);
    connect(ButtonDel, &QPushButton::clicked, this, &ExportPage::ButtonDelClick);
    connect(ButtonSave, &QPushButton::clicked, this, &ExportPage::ButtonSaveClick);
    connect(SButtonWizard, &QPushButton::clicked, this, &ExportPage::SButtonWizardClick);
    connect(NeuesExportFormat, &QAction::triggered, this, &ExportPage::NeuesExportFormatClick);
    connect(ButtonNeuesExportFormat, &QPushButton::clicked, NeuesExportFormat, &QAction::trigger);
    connect(CheckBoxEditMode, &QCheckBox::toggled, this, &ExportPage::setEditable);
    connect(EditNewFormatName, &QLineEdit::textEdited, this, &ExportPage::markChanged);
    connect(StringGridSpalten, &QTableWidget::itemChanged, this, [this] {
        markChanged();
        updatePreview();
    });
}

void ExportPage::loadFormats() {
    QStringList messages;
    auto list = ExportFormatListe::load(path_, &messages);
    if (!list.ok()) {
        ui_.message(list.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    loading_ = true;
    ListBoxExportFormate->clear();
    for (int i = 0; i < list->size(); ++i) {
        auto* item = new QListWidgetItem(list->at(i).name(), ListBoxExportFormate);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(list->at(i).filter().enabled ? Qt::Checked : Qt::Unchecked);
    }
    loading_ = false;
}

void ExportPage::ListBoxExportFormateClick() {
    const QListWidgetItem* item = ListBoxExportFormate->currentItem();
    if (!item)
        return;
    auto list = ExportFormatListe::load(path_);
    if (!list.ok() || list->indexOf(item->text()) < 0)
        return;
    showFormat(list->at(list->indexOf(item->text())));
}

void ExportPage::showFormat(const ExportFormat& format) {
    loading_ = true;
    shownName_ = format.name();
    EditNewFormatName->setText(format.name());
    setColumns(format.columns());
    setFilter(format.filter());
    loading_ = false;
    ImageSave->hide();
    updatePreview();
}

void ExportPage::setColumns(const std::vector<ExportColumn>& columns) {
    const bool wasLoading = loading_;
    loading_ = true;
    StringGridSpalten->setRowCount(0);
    StringGridSpalten->setRowCount(int(columns.size()));
    for (int r = 0; r < int(columns.size()); ++r) {
        const ExportColumn& c = columns[std::size_t(r)];
        StringGridSpalten->setItem(r, 0, new QTableWidgetItem(c.source));
        StringGridSpalten->setItem(r, 1, new QTableWidgetItem(c.heading));
        StringGridSpalten->setItem(r, 2, new QTableWidgetItem(c.option));
    }
    loading_ = wasLoading;
    updatePreview();
}

std::vector<ExportColumn> ExportPage::editedColumns() const {
    std::vector<ExportColumn> out;
    for (int r = 0; r < StringGridSpalten->rowCount(); ++r)
        if (const QString old = cell(StringGridSpalten, r, 0); !old.isEmpty())
            out.push_back({old, cell(StringGridSpalten, r, 1), cell(StringGridSpalten, r, 2)});
    return out;
}

ExportFilter ExportPage::editedFilter() const {
    ExportFilter f;
    f.rfidMin = maskedText(MaskEditRFIDMin, kMasks[0].blank);
    f.rfidMax = maskedText(MaskEditRFIDMax, kMasks[1].blank);
    f.mc = maskedText(MaskEditMC, kMasks[2].blank);
    f.medium = maskedText(MaskEditMedium, kMasks[3].blank);
    f.laenge = maskedText(MaskEditLaenge, kMasks[4].blank);
    const auto items = ListBoxExportFormate->findItems(shownName_, Qt::MatchFixedString);
    f.enabled = shownName_.isEmpty() || items.isEmpty() || items.front()->checkState() == Qt::Checked;
    return f;
}

void ExportPage::setFilter(const ExportFilter& f) {
    MaskEditRFIDMin->setText(f.rfidMin);
    MaskEditRFIDMax->setText(f.rfidMax);
    MaskEditMC->setText(f.mc);
    MaskEditMedium->setText(f.medium);
    MaskEditLaenge->setText(f.laenge);
}

void ExportPage::setEditable(bool on) {
    StringGridSpalten->setEditTriggers(on ? QAbstractItemView::AllEditTriggers
                                          : QAbstractItemView::NoEditTriggers);
    for (QLineEdit* e : {MaskEditRFIDMin, MaskEditRFIDMax, MaskEditMC, MaskEditMedium, MaskEditLaenge})
        e->setReadOnly(!on);
}

void ExportPage::ButtonEditClick() {
    ListBoxExportFormateClick();
    CheckBoxEditMode->setChecked(true);
}

void ExportPage::ButtonDelClick() {
    const QListWidgetItem* item = ListBoxExportFormate->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    if (!ui_.question(tr("Soll das Export-Format \"%1\" gelöscht werden?").arg(name), tr("Löschen?")))
        return;
    if (const Status s = ExportFormatListe::deleteFormat(path_, name); !s) {
        ui_.message(s.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    if (shownName_.compare(name, Qt::CaseInsensitive) == 0) {
        shownName_.clear();
        ImageSave->hide();
    }
    loadFormats();
    Q_EMIT formatsChanged();
}

bool ExportPage::ButtonSaveClick() {
    const QString name = EditNewFormatName->text().trimmed();
    const ExportFormat format(name, editedColumns(), editedFilter());
    const QString oldName = shownName_.compare(name, Qt::CaseInsensitive) == 0 ? QString() : shownName_;
    if (const Status s = ExportFormatListe::saveFormat(path_, format, oldName); !s) {
        ui_.message(s.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return false;
    }
    shownName_ = name;
    ImageSave->hide();
    loadFormats();
    const auto items = ListBoxExportFormate->findItems(name, Qt::MatchFixedString);
    if (!items.isEmpty())
        ListBoxExportFormate->setCurrentItem(items.front());
    Q_EMIT formatsChanged();
    return true;
}

void ExportPage::SButtonWizardClick() {
    std::vector<exporting::SampleField> sample;
    for (int r = 0; r < StringGridSampleData->rowCount(); ++r)
        if (const QString name = cell(StringGridSampleData, r, 0); !name.isEmpty())
            sample.push_back({name, cell(StringGridSampleData, r, 1)});
    StringGridSpalten->setHorizontalHeaderLabels({tr("Alt"), tr("Neu"), tr("Option")});
    setColumns(exporting::wizardColumns(sample));
    CheckBoxEditMode->setChecked(true);
    markChanged();
}

void ExportPage::newFormatFromTelegram(const Sample& from) {
    const auto sample = exporting::sampleFields(from.row, from.telegram);
    StringGridSampleData->setRowCount(0);
    StringGridSampleData->setRowCount(int(sample.size()));
    for (int r = 0; r < int(sample.size()); ++r) {
        StringGridSampleData->setItem(r, 0, new QTableWidgetItem(sample[std::size_t(r)].name));
        StringGridSampleData->setItem(r, 1, new QTableWidgetItem(sample[std::size_t(r)].value));
    }
    loading_ = true;
    shownName_.clear();
    ListBoxExportFormate->setCurrentItem(nullptr);
    EditNewFormatName->clear();
    setColumns({});
    setFilter(exporting::sampleFilter(from.telegram));
    loading_ = false;
    CheckBoxEditMode->setChecked(true);
    markChanged();
}

void ExportPage::NeuesExportFormatClick() {
    const std::optional<Sample> sample = source_ ? source_() : std::nullopt;
    if (!sample) {
        ui_.message(tr("Es wurde noch kein Telegramm empfangen."), tr("INFO"));
        return;
    }
    newFormatFromTelegram(*sample);
}

void ExportPage::itemTicked(QListWidgetItem* item) {
    if (loading_ || !item)
        return;
    // The tick is the format's FILT_ENABLE and is stored at once.
    auto list = ExportFormatListe::load(path_);
    const int i = list.ok() ? list->indexOf(item->text()) : -1;
    if (i < 0)
        return;
    ExportFormat f = list->at(i);
    f.setEnabled(item->checkState() == Qt::Checked);
    if (const Status s = ExportFormatListe::saveFormat(path_, f, {}); !s) {
        ui_.message(s.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    Q_EMIT formatsChanged();
}

void ExportPage::markChanged() {
    if (!loading_)
        ImageSave->show();
}

bool ExportPage::hasUnsavedChange() const {
    return !ImageSave->isHidden();
}

bool ExportPage::queryClose() {
    if (!hasUnsavedChange())
        return true;
    if (!ui_.question(tr("Soll das Export-Format gespeichert werden?"), tr("Speichern?")))
        return true;
    return ButtonSaveClick();
}

void ExportPage::updatePreview() {
    const ExportFormat format(QString(), editedColumns(), {});
    const auto headings = format.headings(clock_.localNow().date());
    StringGridVorschau->setColumnCount(int(headings.size()));
    StringGridVorschau->setRowCount(1);
    for (int c = 0; c < int(headings.size()); ++c)
        StringGridVorschau->setItem(0, c, new QTableWidgetItem(headings[std::size_t(c)]));
}

} // namespace kvq
