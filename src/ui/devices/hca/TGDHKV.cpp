#include "ui/devices/hca/TGDHKV.h"
#include "ui_TGDHKV.h"

#include "core/devices/hca/HcaFields.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/common/InputFilter.h"
#include "ui/devices/common/SendMaskPanel.h"
#include "ui/devices/hca/HcaMonthTable.h"
#include "ui/devices/order/TFormBestellung.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimeEdit>

namespace kvq {

using namespace hca;

namespace {

void setGroupColour(QGroupBox* g, const QColor& background, const QColor& text) {
    QPalette p = g->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    g->setPalette(p);
}

} // namespace

TGDHKV::TGDHKV(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TGDHKVForm>()) {
    buildControls();
    bindControls();
    connectHandlers();
    // The controls start from the form's initial values, as a designed form would.
    refreshDerived(form_);
    apply();
    FormCreate();
}

TGDHKV::~TGDHKV() = default;

QSize TGDHKV::sizeHint() const {
    return ui_->TGDHKVContent->sizeHint();
}

void TGDHKV::buildControls() {
    ui_->setupUi(this);
    // The month table follows the values above it in the tab order.
    buildMonthTable(*ui_->GridMonatswerte, ui_->EditTempMax, false);
    // The weekday boxes show the weekday of the device date; set by the date, never by a click.
    for (const char* n : kWeekdayShownBoxes)
        control(n)->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QPlainTextEdit* log : {ui_->Memo1, ui_->Memo2})
        log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    attachLogs(ui_->Memo1, ui_->Memo2);
    // The record size, for the order comparison.
    auto* size = new QLabel(this);
    size->setObjectName(QStringLiteral("Label25"));
    size->hide();
}

void TGDHKV::afterOpen() {
    // The window takes the whole client area of the main window (it scrolls where that is smaller).
    // It is not maximised, which would put its caption into the main window's.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea())
        sub->setGeometry(QRect(QPoint(0, 0), sub->mdiArea()->viewport()->size()));
}

// ---------------------------------------------------------------------------------------------
// Form state and widgets

void TGDHKV::bindControls() {
    using fields::element;
    using fields::member;
    binder_.bind(*this, hcaFields());
    // Beside the table: the battery year, the key and the schedule's charge and capacity.
    const std::pair<const char*, QString HcaForm::*> edits[] = {{"Edit1BattJahr", &HcaForm::Edit1BattJahr},
                                                                {"EditAESKEY", &HcaForm::EditAESKEY},
                                                                {"EditLadung", &HcaForm::EditLadung},
                                                                {"EditLadungmax", &HcaForm::EditLadungmax}};
    for (const auto& [n, m] : edits)
        binder_.bindEdit(*this, QString::fromLatin1(n), member(m));
    const std::pair<const char*, QString HcaForm::*> labels[] = {
        {"LabelStichdatum", &HcaForm::LabelStichdatum},
        {"LabelFehlerdatum", &HcaForm::LabelFehlerdatum},
        {"LabelZyklusNr", &HcaForm::LabelZyklusNr},
        {"LabelAnzTage", &HcaForm::LabelAnzTage},
        {"LabelAnzSendungen", &HcaForm::LabelAnzSendungen},
        {"LabelmAh1", &HcaForm::LabelmAh1},
        {"LabelmAh11", &HcaForm::LabelmAh11}};
    for (const auto& [n, m] : labels)
        binder_.bindLabel(*this, QString::fromLatin1(n), member(m));
    const std::pair<const char*, bool HcaForm::*> buttons[] = {
        {"CheckBox1keineSNrueberschr", &HcaForm::CheckBox1keineSNrueberschr},
        {"CheckBox1AutoSerNr", &HcaForm::CheckBox1AutoSerNr},
        {"CheckBoxKorrEdit", &HcaForm::CheckBoxKorrEdit},
        {"RadioButtonPSkala", &HcaForm::RadioButtonPSkala},
        {"CheckBoxAutoTime", &HcaForm::CheckBoxAutoTime},
        {"CheckBoxFunkUpdate", &HcaForm::CheckBoxFunkUpdate},
        {"CheckBoxAutoAES", &HcaForm::CheckBoxAutoAES}};
    for (const auto& [n, m] : buttons)
        binder_.bindButton(*this, QString::fromLatin1(n), member(m));
    for (std::size_t i = 0; i < kFreeMonthBoxes.size(); ++i)
        binder_.bindButton(*this, QString::fromLatin1(kFreeMonthBoxes[i]), element(&HcaForm::freeMonths, i));
    const std::pair<const char*, bool HcaForm::*> enabled[] = {
        {"EditKQ", &HcaForm::EditKQEnabled},
        {"Edit1TempOffset", &HcaForm::Edit1TempOffsetEnabled},
        {"EditAESKEY", &HcaForm::EditAESKEYEnabled},
        {"CheckBoxShortProt", &HcaForm::CheckBoxShortProtEnabled},
        {"CheckBoxAESM7", &HcaForm::CheckBoxAESM7Enabled},
        {"Edit1GeraeteID", &HcaForm::identityEditsEnabled},
        {"EditFunkID", &HcaForm::identityEditsEnabled},
        {"Edit1BattJahr", &HcaForm::identityEditsEnabled},
        {"Edit1BattMon", &HcaForm::identityEditsEnabled}};
    for (const auto& [n, m] : enabled)
        binder_.bindEnabled(*this, QString::fromLatin1(n), member(m));
    binder_.bindTime(*this, QStringLiteral("sTimePicker1"), member(&HcaForm::sTimePicker1));
    binder_.bindDate(*this, QStringLiteral("sDateEdit1"), member(&HcaForm::sDateEdit1));
}

void TGDHKV::collect() {
    binder_.collect(form_);
}

void TGDHKV::apply() {
    HcaForm& f = form_;
    applying_ = true;
    binder_.apply(f);
    ui_->RadioButton_Funk_S1->setText(f.RadioButton_Funk_S1Caption);
    QWidget* funk = ui_->GroupBoxFunk;
    funk->setVisible(f.GroupBoxFunkVisible);
    funk->setEnabled(f.GroupBoxFunkVisible);
    setGroupColour(ui_->GroupBoxTestmode, f.GroupBoxTestmodeRed ? QColor(Qt::red) : QColor(0xA0, 0xA0, 0xA4),
                   Qt::black);
    // Red with white writing stays readable where red on red would not.
    setGroupColour(ui_->GroupBox16, f.GroupBox16Red ? QColor(Qt::red) : QColor(0xC0, 0xC0, 0xC0),
                   f.GroupBox16Red ? QColor(Qt::white) : QColor(Qt::black));
    applying_ = false;
}

void TGDHKV::update(const std::function<void(HcaForm&)>& rule) {
    if (applying_)
        return;
    collect();
    if (rule)
        rule(form_);
    refreshDerived(form_);
    apply();
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TGDHKV::connectHandlers() {
    auto onClick = [this](const char* n, std::function<void(HcaForm&)> rule) {
        connect(control<QAbstractButton>(n), &QAbstractButton::clicked, this, [this, rule] { update(rule); });
    };
    // A radio button is selected by a click; the rules clear its alternatives.
    auto onSelect = [this](const char* n, std::function<void(HcaForm&)> rule) {
        QAbstractButton* b = control<QAbstractButton>(n);
        connect(b, &QAbstractButton::clicked, this, [this, b, rule] {
            b->setChecked(true);
            update(rule);
        });
    };

    connect(ui_->ButtonHoleDaten, &QAbstractButton::clicked, this, &TGDHKV::ButtonHoleDatenClick);
    connect(ui_->Button1SendeDaten, &QAbstractButton::clicked, this, &TGDHKV::Button1SendeDatenClick);
    connect(ui_->Button2VorEinst, &QAbstractButton::clicked, this, &TGDHKV::Button2VorEinstClick);
    connect(ui_->Button1, &QAbstractButton::clicked, this, &TGDHKV::Button1Click);
    for (const ServiceCommandInfo& c : serviceCommands()) {
        const ServiceCommand command = c.command;
        connect(control<QAbstractButton>(c.buttonName), &QAbstractButton::clicked, this,
                [this, command] { serviceCommand(command); });
    }

    // Identification numbers: digits only; the radio ID follows the device ID.
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR", "EditFunkID"})
        keepFiltered(control<QLineEdit>(n), filterIdInput);
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR"}) {
        QLineEdit* e = control<QLineEdit>(n);
        connect(e, &QLineEdit::textChanged, this, [this] { update(onIdTextChanged); });
        e->installEventFilter(this);
    }
    for (const char* n : {"EditK1", "EditK2", "EditKQ", "EditDeltaT", "Edit1Zaehlerst", "Edit1ZaehlerstVorj",
                          "Edit1Verbrauch", "Edit1VorVerbrauch"})
        keepFiltered(control<QLineEdit>(n), filterNumberInput);
    keepFiltered(ui_->EditAESKEY, filterKeyInput);
    connect(ui_->Edit1BattJahr, &QLineEdit::textChanged, this, [this] { update(onBattJahrChange); });
    for (const char* n : {"Edit1Zaehlerst", "Edit1ZaehlerstVorj"}) {
        connect(control<QLineEdit>(n), &QLineEdit::editingFinished, this, [this] {
            if (reportingMeterConflict_)
                return;
            collect();
            if (const auto conflict = meterReadingConflict(form_)) {
                reportingMeterConflict_ = true;
                host().userInteraction().message(*conflict, tr("Fehler"), UserInteraction::Icon::Error);
                reportingMeterConflict_ = false;
            }
        });
    }
    connect(ui_->ComboBoxStartmonat, &QComboBox::activated, this, [this] { update(onStartmonatChange); });
    connect(ui_->sDateEdit1, &QDateEdit::dateChanged, this, &TGDHKV::sDateEdit1CloseUp);

    onClick("CheckBox1AutoSerNr", onAutoSerNrClick);
    onClick("CheckBox1keineSNrueberschr", onKeineSNClick);
    onClick("CheckBoxFunkUpdate", onKeineSNClick);
    for (const char* n : {"CheckBoxFunk", "CheckBoxAESenable", "CheckBoxAESM7", "CheckBoxKorrEdit"})
        onClick(n, nullptr);
    connect(ui_->CheckBoxAutoAES, &QAbstractButton::clicked, this, [this] {
        update(nullptr);
        if (form_.CheckBoxAutoAES)
            DeriveDeviceKey();
    });
    onSelect("RadioButtonESkala", [](HcaForm& f) { onScaleSelected(f, true); });
    onSelect("RadioButtonPSkala", [](HcaForm& f) { onScaleSelected(f, false); });
    onSelect("RadioButtonSTMon", [](HcaForm& f) { f.RadioButtonSTJahr = false; });
    onSelect("RadioButtonSTJahr", [](HcaForm& f) { f.RadioButtonSTMon = false; });
    onClick("CheckBoxZweiFuehle", onSensorClick);
    onClick("CheckBoxFernf", onSensorClick);
    onClick("CheckBoxSonderAnz", onSonderAnzClick);
    onSelect("RadioButton1StartMenue", [](HcaForm& f) { onCommandSelected(f, Command::Working); });
    onSelect("RadioButton2Stromtest", [](HcaForm& f) { onCommandSelected(f, Command::CurrentTest); });
    onSelect("RadioButton3Lager", [](HcaForm& f) { onCommandSelected(f, Command::Storage); });
    onSelect("RadioButtonZeit", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Time); });
    onSelect("RadioButtonZaehler", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Meter); });
    onSelect("RadioButtonTemp", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Temps); });
    onSelect("RadioButtonTestMode", onTestModeSelected);
    for (int i = 0; i < 4; ++i)
        onClick(kFreeMonthBoxes[i], [i](HcaForm& f) { onFreeMonthClick(f, i); });
    onClick("CheckBoxMessfrei_Enabled", onMessfreiEnabledClick);
    new SendMaskPanel(*this, [this](const SendMaskPanel::Rule& rule) {
        update(rule ? [rule](HcaForm& f) { rule(f); } : std::function<void(HcaForm&)>());
    });
}

bool TGDHKV::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const QString n = watched->objectName();
        if (n == QLatin1String("Edit1GeraeteID") || n == QLatin1String("EditSerienNR")) {
            collect();
            if (form_.CheckBoxAutoAES)
                DeriveDeviceKey();
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void TGDHKV::FormCreate() {
    control<QLabel>("Label25")->setText(QStringLiteral("165"));
    Button2VorEinstClick();
    ShowRecord();
}

void TGDHKV::ShowRecord() {
    collect();
    showRecord(host().currentParams().DataEHKV, form_);
    refreshDerived(form_);
    apply();
}

hca::KeyDerivation TGDHKV::keyDerivation() const {
    return [](const QString& idText) {
        const crypto::DeviceKey k = crypto::DeriveDeviceKey(idText.toStdString());
        DeviceKey key;
        std::copy(k.key.begin(), k.key.end(), key.begin());
        return key;
    };
}

bool TGDHKV::ReadForm() {
    return readFormWith(keyDerivation());
}

bool TGDHKV::readFormWith(const KeyDerivation& derive) {
    collect();
    const auto error = readForm(form_, host().currentParams().DataEHKV, derive);
    refreshDerived(form_);
    apply();
    if (error) {
        host().userInteraction().message(error->message, tr("Fehler"), UserInteraction::Icon::Error);
        if (QWidget* w = findChild<QWidget*>(error->control))
            w->setFocus();
        return false;
    }
    return true;
}

void TGDHKV::Button2VorEinstClick() {
    collect();
    applyPresets(form_);
    refreshDerived(form_);
    apply();
    FillDateTime();
    ReadForm();
    ShowRecord();
}

void TGDHKV::FillDateTime() {
    collect();
    fillDateTime(form_, host().clock().localNow(), host().settings().TimeZoneDiff);
    apply();
}

void TGDHKV::sDateEdit1CloseUp() {
    update(showWeekday);
}

void TGDHKV::DeriveDeviceKey() {
    collect();
    const auto id = parseIdText(form_.Edit1GeraeteID.trimmed());
    if (!id)
        return; // not a number yet: nothing to derive from
    Record bcd{};
    storeId(bcd, off::DeviceId, *id);
    const DeviceKey key = keyDerivation()(idText(bcd, off::DeviceId));
    storeKey(host().currentParams().DataEHKV.bytes, key);
    form_.EditAESKEY = keyText(key);
    refreshDerived(form_);
    apply();
}

// ---------------------------------------------------------------------------------------------
// Read, merge, write

DeviceWindow::Frame TGDHKV::readFrame() const {
    return buildReadFrame();
}

int TGDHKV::readProgressMaximum() const {
    return kReadProgressMax;
}

void TGDHKV::beforeRead() {
    setWord(host().currentParams().DataEHKV.bytes, off::ModeWord, 0);
}

void TGDHKV::ButtonHoleDatenClick() {
    requestRead();
}

void TGDHKV::Button1SendeDatenClick() {
    requestWrite();
}

bool TGDHKV::takeWrite() {
    collect();
    if (form_.CheckBoxAutoTime)
        FillDateTime();
    if (!ReadForm())
        return false;
    pending_ = host().currentParams().DataEHKV.bytes;
    setWord(pending_, off::ModeWord, word(pending_, off::ModeWord) & ~md::TestMode);
    return true;
}

void TGDHKV::MergeAfterRead() {
    collect();
    DataEHKVImage& image = host().currentParams().DataEHKV;
    image.bytes =
        mergeAfterRead(pending_, image.bytes, form_.CheckBox1keineSNrueberschr, form_.CheckBoxAutoAES);
    ShowRecord();
}

std::optional<DeviceWindow::Frame> TGDHKV::mergeWrite() {
    MergeAfterRead();
    // The device's own key was kept by the merge; deriving it anew would replace a key the device
    // may have been given by other means.
    const bool keepKey = form_.CheckBox1keineSNrueberschr && form_.CheckBoxAutoAES;
    if (!readFormWith(keepKey ? KeyDerivation() : keyDerivation()))
        return std::nullopt;
    DataEHKVImage& image = host().currentParams().DataEHKV;
    applyStartRule(image.bytes);
    return buildWriteFrame(image.bytes);
}

void TGDHKV::acknowledgedByDevice() {
    collect();
    if (!form_.CheckBox1AutoSerNr)
        return;
    if (const auto error = advanceDeviceId(form_)) {
        host().userInteraction().message(*error, tr("Fehler"), UserInteraction::Icon::Warning);
    } else {
        apply();
        ReadForm();
    }
}

void TGDHKV::serviceCommand(ServiceCommand command) {
    if (command == ServiceCommand::SensorTest)
        sensorTest_ = true;
    sendCommand(buildServiceFrame(command));
}

void TGDHKV::Button1Click() {
    orderWindow().showFor(*this, host().clock());
}

TFormBestellung& TGDHKV::orderWindow() {
    if (!orderWindow_)
        orderWindow_ = new TFormBestellung(this);
    return *orderWindow_;
}

// ---------------------------------------------------------------------------------------------
// Sensor timers

void TGDHKV::showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) {
    ui_->LabelRefTimer->setText(QString::number(referenceTimer));
    ui_->LabelSensor1Timer->setText(QString::number(sensor1Timer));
    ui_->LabelSensor2Timer->setText(QString::number(sensor2Timer));
}

// ---------------------------------------------------------------------------------------------

ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent) {
    return new TGDHKV(host, parent);
}

} // namespace kvq
