#include "ui/wmbus/export/ExportPage.h"

#include "core/app/Clock.h"
#include "core/app/UserInteraction.h"
#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/TelegramResult.h"

#include "ui_ExportPage.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace kvq {

using exporting::ExportColumn;
using exporting::ExportFilter;
using exporting::ExportFormat;
using exporting::ExportFormatListe;

namespace {

// The masks of the form put Qt's letters in place of the classic ones ('0' there is an optional
// digit, 'A' a letter); these are their blank characters, which are no part of a filter text.
const QChar kRfidMinBlank = u'*';
const QChar kFieldBlank = u'_';

QString maskedText(const QLineEdit* edit, QChar blank) {
    QString t = edit->displayText();
    if (!blank.isNull())
        t.remove(blank);
    return t;
}

QString cell(const QTableWidget* g, int row, int column) {
    const QTableWidgetItem* item = g->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

ExportPage::ExportPage(UserInteraction& ui, const Clock& clock, QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Ui::ExportPage>()), ui_(ui), clock_(clock),
      path_(exporting::exportFormatFilePath()) {
    form_->setupUi(this);
    // Screen readers speak an input by its caption.
    for (QLabel* label : findChildren<QLabel*>())
        if (QWidget* input = label->buddy(); input && input->accessibleName().isEmpty())
            input->setAccessibleName(label->text().remove(u'&').remove(u':').trimmed());
    setObjectName(QStringLiteral("sTabExport"));
    buildControls();
    setFilter(ExportFilter()); // "00000000" to "99999999" until a format or telegram fills them
    setEditable(false);
}

ExportPage::~ExportPage() = default;

void ExportPage::buildControls() {
    ListBoxExportFormate = form_->ListBoxExportFormate;
    EditNewFormatName = form_->EditNewFormatName;
    CheckBoxEditMode = form_->CheckBoxEditMode;
    ButtonEdit = form_->ButtonEdit;
    ButtonDel = form_->ButtonDel;
    ButtonSave = form_->ButtonSave;
    SButtonWizard = form_->SButtonWizard;
    ButtonNeuesExportFormat = form_->ButtonNeuesExportFormat;
    GroupBoxFilter = form_->GroupBoxFilter;
    MaskEditRFIDMin = form_->MaskEditRFIDMin;
    MaskEditRFIDMax = form_->MaskEditRFIDMax;
    MaskEditMC = form_->MaskEditMC;
    MaskEditMedium = form_->MaskEditMedium;
    MaskEditLaenge = form_->MaskEditLaenge;
    StringGridSampleData = form_->StringGridSampleData;
    StringGridSpalten = form_->StringGridSpalten;
    StringGridVorschau = form_->StringGridVorschau;
    ImageSave = form_->ImageSave;

    NeuesExportFormat = new QAction(tr("neues Export-Format"), this);
    NeuesExportFormat->setObjectName(QStringLiteral("NeuesExportFormat"));
    ImageSave->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(24, 24));
    StringGridSampleData->setColumnCount(2);
    StringGridSampleData->setHorizontalHeaderLabels({tr("Name"), tr("Wert")});
    StringGridSpalten->setColumnCount(3);
    StringGridSpalten->setHorizontalHeaderLabels({tr("Old"), tr("New"), tr("Option")});
    for (QTableWidget* g : {StringGridSampleData, StringGridSpalten})
        g->horizontalHeader()->setStretchLastSection(true);
    for (QLineEdit* e : {MaskEditRFIDMin, MaskEditRFIDMax, MaskEditMC, MaskEditMedium, MaskEditLaenge})
        connect(e, &QLineEdit::textEdited, this, &ExportPage::markChanged);

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
    f.rfidMin = maskedText(MaskEditRFIDMin, kRfidMinBlank);
    f.rfidMax = maskedText(MaskEditRFIDMax, QChar()); // its blanks are zeros, as typed
    f.mc = maskedText(MaskEditMC, kFieldBlank);
    f.medium = maskedText(MaskEditMedium, kFieldBlank);
    f.laenge = maskedText(MaskEditLaenge, kFieldBlank);
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
