#include "ui/devices/watermodule/TGDWZBRAM.h"

#include "core/devices/watermodule/WzFields.h"
#include "core/devices/watermodule/WzFormMapping.h"
#include "core/devices/watermodule/WzFormRules.h"
#include "core/devices/watermodule/WzRules.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/order/TFormBestellungWZ.h"
#include "ui/devices/watermodule/TFormBramData.h"
#include "ui/devices/watermodule/WzWindowParts.h"
#include "ui/firmware/TFormBootLoader.h"
#include "ui_TGDWZBRAM.h"

#include <QRegularExpressionValidator>
#include <QTimer>

namespace kvq {

using namespace wz;

TGDWZBRAM::TGDWZBRAM(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TGDWZBRAM>()) {
    ui_->setupUi(this);
    buildWzMonthRows(*ui_->MonthRows);
    attachLogs(ui_->Memo1, ui_->Memo2);
    bindForm();
    connectHandlers();

    setupWzHistoryGrid(*ui_->History);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TGDWZBRAM::Timer1Timer);
    Timer1->start();

    firmwareWindow_ = [this](BootloaderByteSink*& openWindow) {
        showBootLoaderWindow(this->host(), this, openWindow);
    };
    sensorWindowShow_ = [this] {
        TFormBramData window(*this, this->host().userInteraction(), this);
        window.exec();
    };
    Button2VorEinstClick();
    Timer1Timer();
}

TGDWZBRAM::~TGDWZBRAM() = default;

QSize TGDWZBRAM::sizeHint() const {
    return layout() ? layout()->sizeHint() : DeviceWindow::sizeHint();
}

void TGDWZBRAM::bindForm() {
    using fields::member;
    binder_.bind(*this, wzFields());
    bindWzModuleControls(binder_, *this);
    for (auto [name, m] : {std::pair{"EditSerienNR", &WzForm::EditSerienNR},
                           {"Edit1Temperatur", &WzForm::Edit1Temperatur},
                           {"EditLadung", &WzForm::EditLadung},
                           {"EditLadungmax", &WzForm::EditLadungmax}})
        binder_.bindEdit(*this, QString::fromLatin1(name), member(m));
    for (auto [name, m] : {std::pair{"LabelZyklusNr", &WzForm::LabelZyklusNr},
                           {"LabelAnzTage", &WzForm::LabelAnzTage},
                           {"LabelAnzSendungen", &WzForm::LabelAnzSendungen},
                           {"LabelmAh1", &WzForm::LabelmAh1},
                           {"LabelmAh11", &WzForm::LabelmAh11}})
        binder_.bindLabel(*this, QString::fromLatin1(name), member(m));
    for (auto [name, m] : {std::pair{"CheckBoxAutoAES", &WzForm::CheckBoxAutoAES},
                           {"CheckBoxSensortest", &WzForm::CheckBoxSensortest},
                           {"RadioButtonLED_AUS", &WzForm::RadioButtonLED_AUS},
                           {"CheckBoxAutoTime", &WzForm::CheckBoxAutoTime},
                           {"CheckBox1AutoSerNr", &WzForm::CheckBox1AutoSerNr},
                           {"CheckBox1keineSNrueberschr", &WzForm::CheckBox1keineSNrueberschr}})
        binder_.bindButton(*this, QString::fromLatin1(name), member(m));
    for (const char* name : {"Edit1GeraeteID", "EditFunkID", "Edit1BattMon", "Edit1BattJahr"})
        binder_.bindEnabled(*this, QString::fromLatin1(name), member(&WzForm::identityEditsEnabled));

    // The charge edits take a decimal comma too: their own presets ("0,9") carry one.
    auto* decimals = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), this);
    for (QLineEdit* e : {ui_->Edit1Temperatur, ui_->EditLadung, ui_->EditLadungmax})
        e->setValidator(decimals);
}

void TGDWZBRAM::apply() {
    binder_.apply(form_);
    {
        const QSignalBlocker block(ui_->ComboBoxStichTag);
        ui_->ComboBoxStichTag->setCurrentIndex(form_.ComboBoxStichTag);
    }
    showWzHistory(*ui_->History, form_);
    ui_->GroupBoxSendemaske->setVisible(form_.GroupBoxSendemaskeVisible);
    ui_->GroupBoxTestmode->setStyleSheet(
        form_.GroupBoxTestmodeRed ? QStringLiteral("QGroupBox#GroupBoxTestmode { background: #f08080; }")
                                  : QStringLiteral("QGroupBox#GroupBoxTestmode { background: #d8d8d8; }"));
    ui_->GroupBoxHaeufigkeiten->setStyleSheet(
        form_.GroupBoxHaeufigkeitenRed
            ? QStringLiteral("QGroupBox#GroupBoxHaeufigkeiten { background: red; }"
                             " QGroupBox#GroupBoxHaeufigkeiten, "
                             "QGroupBox#GroupBoxHaeufigkeiten QLabel { color: red; }")
            : QString());
}

void TGDWZBRAM::update(const std::function<void(WzForm&)>& rule) {
    binder_.collect(form_);
    form_.ComboBoxStichTag = ui_->ComboBoxStichTag->currentIndex();
    if (rule)
        rule(form_);
    refreshDerived(form_);
    apply();
}

void TGDWZBRAM::connectHandlers() {
    auto onClick = [this](QAbstractButton* b, void (*rule)(WzForm&)) {
        connect(b, &QAbstractButton::clicked, this, [this, rule] { update(rule); });
    };
    connectWzSendMask(*this, [this](void (*rule)(WzForm&)) { update(rule); });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             ui_->CheckBoxAESenable, ui_->CheckBoxAutoAES, ui_->CheckBoxFunk, ui_->CheckBoxSensortest,
             ui_->CheckBoxMessDatenAusgabe, ui_->RadioButtonLED_Puls, ui_->RadioButtonSenden,
             ui_->RadioButtonLED_AUS})
        onClick(b, nullptr);
    onClick(ui_->CheckBox1AutoSerNr, onAutoSerNrClick);
    onClick(ui_->CheckBox1keineSNrueberschr, onKeineSNClick);

    auto onEdit = [this](QLineEdit* e, void (*rule)(WzForm&)) {
        connect(e, &QLineEdit::textEdited, this, [this, rule] { update(rule); });
    };
    onEdit(ui_->EditLadung, updateSchedule);
    onEdit(ui_->EditLadungmax, updateSchedule);
    onEdit(ui_->Edit1BattJahr, onBattJahrChange);
    onEdit(findChild<QLineEdit*>(monthMonthEditName(0)), onFirstMonthChange);
    connect(ui_->sDateEdit1, &QDateEdit::dateChanged, this, [this] { update(onDateCloseUp); });
    for (QLineEdit* e : {ui_->Edit1Zaehlerst, ui_->Edit1ZaehlerstVorj})
        connect(e, &QLineEdit::editingFinished, this, &TGDWZBRAM::checkReadings);

    connect(ui_->ButtonHoleDaten, &QPushButton::clicked, this, &TGDWZBRAM::ButtonHoleDatenClick);
    connect(ui_->GetHistory, &QPushButton::clicked, this, &TGDWZBRAM::GetHistoryClick);
    connect(ui_->Button1SendeDaten, &QPushButton::clicked, this, &TGDWZBRAM::Button1SendeDatenClick);
    connect(ui_->Button2VorEinst, &QPushButton::clicked, this, &TGDWZBRAM::Button2VorEinstClick);
    connect(ui_->ButtonBestellcheck, &QPushButton::clicked, this, &TGDWZBRAM::ButtonBestellcheckClick);
    connect(ui_->ButtonBootL, &QPushButton::clicked, this, &TGDWZBRAM::ButtonBootLClick);
    for (const WzCommandInfo& c : commands()) {
        if (c.command == WzCommand::Bootloader)
            continue;
        auto* b = findChild<QPushButton*>(QString::fromLatin1(c.buttonName));
        Q_ASSERT(b);
        if (c.command == WzCommand::MeasurementOn)
            connect(b, &QPushButton::clicked, this, &TGDWZBRAM::ButtonMessdatenANClick);
        else
            connect(b, &QPushButton::clicked, this, [this, cmd = c.command] { sendChange(cmd); });
    }
}

void TGDWZBRAM::reportInputError(const InputError& error) {
    host().userInteraction().message(error.message, tr("Fehler"), UserInteraction::Icon::Warning);
    if (auto* w = findChild<QWidget*>(error.control))
        w->setFocus();
}

void TGDWZBRAM::checkReadings() {
    if (reportingReadings_)
        return; // the message box itself ends the editing once more
    if (!dueReadingExceedsReading(ui_->Edit1Zaehlerst->text(), ui_->Edit1ZaehlerstVorj->text()))
        return;
    reportingReadings_ = true;
    host().userInteraction().message(tr("Stichtagszählerstand darf nicht größer als der Zählerstand sein!"),
                                     tr("Fehler"), UserInteraction::Icon::Warning);
    reportingReadings_ = false;
}

void TGDWZBRAM::ShowImage() {
    binder_.collect(form_);
    PARAmeter& p = host().currentParams();
    wz::ShowImage(p.DataWZBRAM, QString::fromStdString(p.VersionText), form_);
    apply();
}

bool TGDWZBRAM::CollectFormToImage() {
    binder_.collect(form_);
    form_.ComboBoxStichTag = ui_->ComboBoxStichTag->currentIndex();
    if (const auto error = wz::CollectFormToImage(form_, host().currentParams().DataWZBRAM, scheduleCache_)) {
        reportInputError(*error);
        return false;
    }
    apply();
    return true;
}

void TGDWZBRAM::SetCurrentTime() {
    update([this](WzForm& f) {
        wz::SetCurrentTime(f, host().clock().utcNow(), host().settings().TimeZoneDiff);
    });
}

void TGDWZBRAM::Timer1Timer() {
    const QDateTime now = moduleLocalTime(host().clock().utcNow(), host().settings().TimeZoneDiff);
    ui_->LabelTimeNow->setText(now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))); // notr: a date format
}

void TGDWZBRAM::beforeRead() {
    clearRxLog();
    // The module reports its own option word A; a stale one must not survive a failed read.
    setWord(host().currentParams().DataWZBRAM, off::OptionsA, 0);
}

void TGDWZBRAM::ButtonHoleDatenClick() {
    requestRead();
}

void TGDWZBRAM::GetHistoryClick() {
    clearRxLog();
    channel().beginRequest(kHistoryProgressMax, DeviceChannel::Progress::Loading);
    channel().sendFrame(buildHistoryRequest());
}

void TGDWZBRAM::Button1SendeDatenClick() {
    sendInProgress_ = true;
    if (ui_->CheckBoxAutoTime->isChecked())
        update([this](WzForm& f) {
            SetCurrentTimeForWrite(f, host().clock().utcNow(), host().settings().TimeZoneDiff);
        });
    if (!CollectFormToImage()) {
        sendInProgress_ = false; // nothing the module could take: nothing is sent
        return;
    }
    clearRxLog();
    channel().beginRequest(kWriteProgressMax, DeviceChannel::Progress::Sending);
    channel().sendFrame(buildWriteRequest(host().currentParams().DataWZBRAM));
    sendInProgress_ = false;
}

void TGDWZBRAM::acknowledgedByDevice() {
    binder_.collect(form_);
    if (form_.CheckBox1AutoSerNr) {
        if (const auto error = advanceDeviceId(form_))
            host().userInteraction().message(*error, tr("Fehler"), UserInteraction::Icon::Warning);
        apply();
    }
    CollectFormToImage();
}

void TGDWZBRAM::sendChange(WzCommand command) {
    sendCommand(buildChangeRequest(command));
}

void TGDWZBRAM::ButtonBootLClick() {
    if (!host().userInteraction().question(
            tr("Wollen Sie den BOOTLOADER starten um eine neue Software einzuspielen?"),
            tr("A C H T U N G !")))
        return;
    sendChange(WzCommand::Bootloader);
    if (firmwareWindow_)
        firmwareWindow_(bootLoader_);
    bootLoader_ = nullptr;
}

void TGDWZBRAM::ButtonMessdatenANClick() {
    sendChange(WzCommand::MeasurementOn);
    if (SensorWindowOpen() || !sensorWindowShow_)
        return;
    sensorWindowShow_();
}

wz::Image& TGDWZBRAM::moduleImage() {
    return host().currentParams().DataWZBRAM;
}

void TGDWZBRAM::Button2VorEinstClick() {
    update([this](WzForm& f) { applyPresets(f, host().clock().utcNow(), host().settings().TimeZoneDiff); });
    if (CollectFormToImage())
        ShowImage();
}

void TGDWZBRAM::ButtonBestellcheckClick() {
    orderWindow().showFor(*this, host().clock());
}

TFormBestellungWZ& TGDWZBRAM::orderWindow() {
    if (!orderWindow_)
        orderWindow_ = new TFormBestellungWZ(this);
    return *orderWindow_;
}

ToolWindow* createWzDataWindow(ToolHost& host, QWidget* parent) {
    return new TGDWZBRAM(host, parent);
}

} // namespace kvq
