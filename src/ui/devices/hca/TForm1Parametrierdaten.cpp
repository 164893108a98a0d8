#include "ui/devices/hca/TForm1Parametrierdaten.h"
#include "ui_TForm1Parametrierdaten.h"

#include "core/devices/hca/HcaBilling.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/log/WriteLog.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/common/InputFilter.h"
#include "ui/devices/common/SendMaskPanel.h"
#include "ui/devices/hca/HcaMessageTexts.h"
#include "ui/devices/hca/HcaWindowParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace kvq {

using namespace hca;

namespace {

const QString kVariantFile = QStringLiteral("Radiovarianten.ini");

QString variantName(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace

TForm1Parametrierdaten::TForm1Parametrierdaten(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TForm1ParametrierdatenForm>()) {
    ui_->setupUi(this);
    buildVariantRows();
    // The weekday boxes show the weekday of the device date; set by the date, never by a click.
    for (const char* n : kWeekdayShownBoxes)
        requireWidget<QWidget>(*this, QString::fromLatin1(n))->setAttribute(Qt::WA_TransparentForMouseEvents);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TForm1Parametrierdaten::Timer1Timer);
    bindControls();
    connectHandlers();
    refreshDerived(form_);
    applyScaleKValues(form_);
    apply();
    FormCreate();
    timer1_->start();
}

TForm1Parametrierdaten::~TForm1Parametrierdaten() = default;

void TForm1Parametrierdaten::afterOpen() {
    fillClientArea(*this);
}

QSize TForm1Parametrierdaten::sizeHint() const {
    return ui_->TForm1ParametrierdatenContent->sizeHint();
}

void TForm1Parametrierdaten::buildVariantRows() {
    QWidget* previous = ui_->CheckBoxWriteLog;
    for (int i = 1; i <= variants::kVariantCount; ++i) {
        auto* load = new QPushButton(tr("Variante %1").arg(i), ui_->GroupBoxVarianten);
        load->setObjectName(variantName("ButtonSV", i));
        auto* text = new QLineEdit(ui_->GroupBoxVarianten);
        text->setObjectName(variantName("EditVar", i));
        text->setAccessibleName(tr("Bezeichnung Variante %1").arg(i));
        text->setMinimumWidth(220);
        auto* save = new QToolButton(ui_->GroupBoxVarianten);
        save->setObjectName(variantName("SpeedButtonSaveV", i));
        save->setText(tr("Speichern"));
        save->setAccessibleName(tr("Variante %1 speichern").arg(i));
        ui_->GridVarianten->addWidget(load, i - 1, 0);
        ui_->GridVarianten->addWidget(text, i - 1, 1);
        ui_->GridVarianten->addWidget(save, i - 1, 2);
        for (QWidget* w :
             {static_cast<QWidget*>(load), static_cast<QWidget*>(text), static_cast<QWidget*>(save)}) {
            setTabOrder(previous, w);
            previous = w;
        }
        connect(load, &QAbstractButton::clicked, this, [this, i] { ButtonSVClick(i); });
        connect(save, &QAbstractButton::clicked, this, [this, i] { SpeedButtonSaveVClick(i); });
    }
}

void TForm1Parametrierdaten::bindControls() {
    using fields::element;
    using fields::member;
    binder_.bind(*this, paramFields());
    for (std::size_t i = 0; i < kClockEdits.size(); ++i)
        binder_.bindEdit(*this, QString::fromLatin1(kClockEdits[i]), element(&ParamForm::clock, i));
    binder_.bindEdit(*this, QStringLiteral("Edit1SerienNr"), member(&ParamForm::Edit1SerienNr));
    const std::pair<const char*, QString HcaForm::*> edits[] = {{"EditAESKEY", &HcaForm::EditAESKEY},
                                                                {"EditLadung", &HcaForm::EditLadung},
                                                                {"EditLadungmax", &HcaForm::EditLadungmax}};
    for (const auto& [n, m] : edits)
        binder_.bindEdit(*this, QString::fromLatin1(n), member(m));
    bindHcaScheduleLabels(binder_, *this);
    binder_.bindButton(*this, QStringLiteral("CheckBoxAutoTime"), member(&HcaForm::CheckBoxAutoTime));
    binder_.bindButton(*this, QStringLiteral("RadioButtonPSkala"), member(&HcaForm::RadioButtonPSkala));
    binder_.bindButton(*this, QStringLiteral("CheckBoxEditFunkID"), member(&ParamForm::CheckBoxEditFunkID));
    binder_.bindButton(*this, QStringLiteral("CheckBoxWriteLog"), member(&ParamForm::CheckBoxWriteLog));
    for (std::size_t i = 0; i < kFreeMonthBoxes.size(); ++i)
        binder_.bindButton(*this, QString::fromLatin1(kFreeMonthBoxes[i]), element(&HcaForm::freeMonths, i));
    for (int i = 0; i < variants::kVariantCount; ++i)
        binder_.bindEdit(*this, variantName("EditVar", i + 1),
                         element(&ParamForm::variantTexts, std::size_t(i)));
    binder_.bindEnabled(*this, QStringLiteral("EditFunkID"), member(&ParamForm::CheckBoxEditFunkID));
    binder_.bindEnabled(*this, QStringLiteral("EditAESKEY"), member(&HcaForm::EditAESKEYEnabled));
    binder_.bindEnabled(*this, QStringLiteral("CheckBoxShortProt"),
                        member(&HcaForm::CheckBoxShortProtEnabled));
    binder_.bindEnabled(*this, QStringLiteral("CheckBoxAESM7"), member(&HcaForm::CheckBoxAESM7Enabled));
}

void TForm1Parametrierdaten::connectHandlers() {
    auto onClick = [this](QAbstractButton* b, std::function<void(ParamForm&)> rule) {
        connect(b, &QAbstractButton::clicked, this, [this, rule] { update(rule); });
    };
    // A radio button is selected by a click; the rules clear its alternatives.
    auto onSelect = [this](QAbstractButton* b, std::function<void(ParamForm&)> rule) {
        connect(b, &QAbstractButton::clicked, this, [this, b, rule] {
            b->setChecked(true);
            update(rule);
        });
    };
    connect(ui_->ButtonHoleDaten, &QAbstractButton::clicked, this,
            &TForm1Parametrierdaten::ButtonHoleDatenClick);
    connect(ui_->Button1SendeDaten, &QAbstractButton::clicked, this,
            &TForm1Parametrierdaten::Button1SendeDatenClick);
    connect(ui_->ButtonLagerMode, &QAbstractButton::clicked, this,
            &TForm1Parametrierdaten::ButtonLagerModeClick);
    connect(ui_->Button1ResetError, &QAbstractButton::clicked, this,
            &TForm1Parametrierdaten::Button1ResetErrorClick);

    for (QLineEdit* e : {ui_->EditK1, ui_->EditK2, ui_->EditKQ})
        keepFiltered(e, filterNumberInput);
    keepFiltered(ui_->EditFunkID, filterIdInput);
    keepFiltered(ui_->EditAESKEY, filterKeyInput);
    connect(ui_->ComboBoxStartmonat, &QComboBox::activated, this,
            [this] { update([](ParamForm& f) { onStartmonatChange(f); }); });
    onSelect(ui_->RadioButtonESkala, [](ParamForm& f) { onScaleSelected(f, true); });
    onSelect(ui_->RadioButtonPSkala, [](ParamForm& f) { onScaleSelected(f, false); });
    onSelect(ui_->RadioButtonSTMon, [](ParamForm& f) { f.RadioButtonSTJahr = false; });
    onSelect(ui_->RadioButtonSTJahr, [](ParamForm& f) { f.RadioButtonSTMon = false; });
    for (int i = 0; i < 4; ++i)
        onClick(requireWidget<QAbstractButton>(*this, QString::fromLatin1(kFreeMonthBoxes[i])),
                [i](ParamForm& f) { onFreeMonthClick(f, i); });
    onClick(ui_->CheckBoxMessfrei_Enabled, [](ParamForm& f) { onMessfreiEnabledClick(f); });
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(ui_->CheckBoxAESenable),
                               static_cast<QAbstractButton*>(ui_->CheckBoxAESM7),
                               static_cast<QAbstractButton*>(ui_->CheckBoxEditFunkID)})
        onClick(b, nullptr);
    new SendMaskPanel(*this, [this](const SendMaskPanel::Rule& rule) {
        update(rule ? [rule](ParamForm& f) { rule(f); } : std::function<void(ParamForm&)>());
    });
}

void TForm1Parametrierdaten::FormCreate() {
    // The descriptions live beside the setups in the user's data folder: a program folder is not
    // writable everywhere, and what a technician saved is what the next start shows.
    if (const auto texts = variants::loadDescriptions(variants::variantFilePath(kVariantFile))) {
        for (int i = 0; i < variants::kVariantCount; ++i)
            if (!(*texts)[i].isEmpty())
                form_.variantTexts[i] = (*texts)[i];
        apply();
    }
    logPath_ = log::parameterWriteLogPath(host().clock().localNow().date());
    if (const Status made = log::ensureLogFile(logPath_, log::parameterWriteLogHeader()); !made) {
        logPath_.clear();
        host().userInteraction().message(tr("Die Log-Datei kann nicht angelegt werden, es wird ohne Log "
                                            "gearbeitet:\n%1")
                                             .arg(made.message()),
                                         tr("Fehler"), UserInteraction::Icon::Error);
    }
    ui_->Button1SendeDaten->setEnabled(false);
}

Record& TForm1Parametrierdaten::image() {
    return host().currentParams().DataEHKV.bytes;
}

bool TForm1Parametrierdaten::extendedFirmware() const {
    return host().currentParams().DataEHKV.ExtVersionFlag;
}

QString TForm1Parametrierdaten::hiddenText(const char* label) const {
    return requireWidget<QLabel>(*this, QString::fromLatin1(label))->text();
}

void TForm1Parametrierdaten::apply() {
    applying_ = true;
    binder_.apply(form_);
    ui_->RadioButton_Funk_S1->setText(form_.RadioButton_Funk_S1Caption);
    ui_->GroupBoxRadio->setVisible(form_.GroupBoxRadioVisible);
    ui_->GroupBoxRadio->setEnabled(form_.GroupBoxRadioVisible);
    for (QWidget* w : {static_cast<QWidget*>(ui_->EditK1), static_cast<QWidget*>(ui_->EditK2),
                       static_cast<QWidget*>(ui_->EditKQ), static_cast<QWidget*>(ui_->LabelK1),
                       static_cast<QWidget*>(ui_->LabelK2), static_cast<QWidget*>(ui_->LabelKQ)}) {
        w->setVisible(form_.kEditsShown);
        w->setEnabled(form_.kEditsShown);
    }
    QPalette p = ui_->GroupBox16->palette();
    p.setColor(QPalette::Window, form_.GroupBox16Red ? QColor(Qt::red) : QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::WindowText, form_.GroupBox16Red ? QColor(Qt::white) : QColor(Qt::black));
    ui_->GroupBox16->setPalette(p);
    applying_ = false;
}

void TForm1Parametrierdaten::update(const std::function<void(ParamForm&)>& rule) {
    if (applying_)
        return;
    collect();
    if (rule)
        rule(form_);
    refreshDerived(form_);
    applyScaleKValues(form_);
    apply();
    // Only a schedule the battery carries for eleven years may be written.
    ui_->Button1SendeDaten->setEnabled(!form_.GroupBox16Red);
}

void TForm1Parametrierdaten::ShowRecord() {
    if (idBeforeRead_) {
        Record& r = image();
        if (!std::equal(idBeforeRead_->begin(), idBeforeRead_->end(), r.begin() + off::DeviceId))
            std::fill_n(r.begin() + off::SerialNumber, 4, 0); // another allocator's, not this one's
        idBeforeRead_.reset();
    }
    collect();
    showParamRecord(image(), extendedFirmware(), form_);
    refreshDerived(form_);
    apply();
    ui_->Button1SendeDaten->setEnabled(!form_.GroupBox16Red);
}

bool TForm1Parametrierdaten::readForm() {
    collect();
    const auto error = readParamForm(form_, image(), extendedFirmware());
    refreshDerived(form_);
    apply();
    if (error) {
        host().userInteraction().message(HcaMessageTexts::text(*error), tr("Fehler"),
                                         UserInteraction::Icon::Error);
        if (QWidget* w = findChild<QWidget*>(error->control))
            w->setFocus();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Read, write and commands

void TForm1Parametrierdaten::ButtonHoleDatenClick() {
    requestRead();
}

DeviceWindow::Frame TForm1Parametrierdaten::readFrame() const {
    return buildReadFrame(0x08, kSentRecordCount);
}

int TForm1Parametrierdaten::readProgressMaximum() const {
    return kReadProgressMax;
}

void TForm1Parametrierdaten::beforeRead() {
    setWord(image(), off::ModeWord, 0);
    idBeforeRead_.emplace();
    std::copy_n(image().begin() + off::DeviceId, 4, idBeforeRead_->begin());
}

void TForm1Parametrierdaten::Button1SendeDatenClick() {
    if (!writeConfirmed_) {
        const QString text = hiddenText("Label2");
        const QString caption = hiddenText("Label4");
        if (!host().userInteraction().question(text, caption))
            return;
        writeConfirmed_ = true;
    }
    requestWrite();
}

bool TForm1Parametrierdaten::takeWrite() {
    writeSent_ = false;
    if (!readForm())
        return false;
    pending_ = image();
    return true;
}

std::optional<DeviceWindow::Frame> TForm1Parametrierdaten::mergeWrite() {
    if (!sameDevice(pending_, image())) {
        const QString text = hiddenText("Label13");
        const QString caption = hiddenText("Label4");
        host().userInteraction().message(text, caption, UserInteraction::Icon::Warning);
        return std::nullopt;
    }
    collect();
    image() = mergeParamWrite(pending_, image(), !form_.CheckBoxEditFunkID);
    ShowRecord();
    if (!readForm())
        return std::nullopt;
    applyStartRule(image());
    writeSent_ = true;
    return buildWriteFrame(image());
}

void TForm1Parametrierdaten::acknowledgedByDevice() {
    if (!writeSent_)
        return; // the acknowledgement of a command
    writeSent_ = false;
    collect();
    if (!form_.CheckBoxWriteLog || logPath_.isEmpty())
        return;
    const QString today = localeDateText(host().clock().localNow().date(), QLocale());
    if (const Status logged = log::appendLogLine(logPath_, paramLogFields(form_, today)); !logged)
        host().userInteraction().message(logged.message(), tr("Fehler"), UserInteraction::Icon::Warning);
}

void TForm1Parametrierdaten::requestFailed() {
    DeviceWindow::requestFailed();
    writeSent_ = false;
    idBeforeRead_.reset();
}

void TForm1Parametrierdaten::ButtonLagerModeClick() {
    writeSent_ = false;
    sendCommand(buildServiceFrame(ServiceCommand::StorageMode));
}

void TForm1Parametrierdaten::Button1ResetErrorClick() {
    collect();
    form_.CheckBox1MessFehler = form_.CheckBox1Sabotage = form_.CheckBox1LowBatt = false;
    form_.CheckBox1CSfehler = form_.CheckBoxHFError = form_.CheckBoxRESET = false;
    apply();
    if (readForm())
        ShowRecord();
}

void TForm1Parametrierdaten::Timer1Timer() {
    if (!ui_->CheckBoxAutoTime->isChecked())
        return;
    collect();
    fillDateTime(form_, host().clock().localNow(), host().settings().TimeZoneDiff);
    clockToEdits(form_);
    // Only the clock: an edit being typed in keeps its cursor.
    for (std::size_t i = 0; i < kClockEdits.size(); ++i)
        requireWidget<QLineEdit>(*this, QString::fromLatin1(kClockEdits[i]))->setText(form_.clock[i]);
    for (std::size_t i = 0; i < kWeekdayShownBoxes.size(); ++i)
        requireWidget<QAbstractButton>(*this, QString::fromLatin1(kWeekdayShownBoxes[i]))
            ->setChecked(form_.weekdayShown[i]);
}

// ---------------------------------------------------------------------------------------------
// Setup variants

void TForm1Parametrierdaten::ButtonSVClick(int number) {
    const auto variant = variants::loadVariant(variants::variantFilePath(kVariantFile), number);
    if (!variant) {
        host().userInteraction().message(variant.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    update([&](ParamForm& f) {
        applyVariant(f, *variant);
        if (!variant->text.isEmpty())
            f.variantTexts[number - 1] = variant->text;
    });
}

void TForm1Parametrierdaten::SpeedButtonSaveVClick(int number) {
    collect();
    if (form_.variantTexts[number - 1].trimmed().isEmpty()) {
        requireWidget<QLineEdit>(*this, variantName("EditVar", number))->setFocus();
        const QString text = hiddenText("LabelSetupName");
        host().userInteraction().message(text, tr("INFO"));
        return;
    }
    const QString question = hiddenText("LabelSpeichern");
    if (!host().userInteraction().question(question, tr("INFO")))
        return;
    const Status saved = variants::saveVariant(variants::variantFilePath(kVariantFile), number,
                                               variantFromForm(form_), form_.variantTexts);
    if (!saved)
        host().userInteraction().message(saved.message(), tr("Fehler"), UserInteraction::Icon::Error);
}

ToolWindow* createHkvParamWindow(ToolHost& host, QWidget* parent) {
    return new TForm1Parametrierdaten(host, parent);
}

} // namespace kvq
