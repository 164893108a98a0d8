#include "ui/devices/hca/HcaLayoutWindow.h"

#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaMerge.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/devices/common/SendMaskPanel.h"
#include "ui/devices/hca/HcaMessageTexts.h"
#include "ui/devices/hca/HcaWindowParts.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kvq {

using namespace hca;

HcaLayoutWindow::HcaLayoutWindow(ToolHost& host, QWidget* parent, DeviceChannel* channel, Commands commands)
    : DeviceWindow(host, parent, channel), commands_(commands) {}

void HcaLayoutWindow::afterOpen() {
    fillClientArea(*this);
}

void HcaLayoutWindow::connectCommonHandlers() {
    auto button = [this](const char* n) {
        return requireWidget<QAbstractButton>(*this, QString::fromLatin1(n));
    };
    connect(button("ButtonHoleDaten"), &QAbstractButton::clicked, this,
            &HcaLayoutWindow::ButtonHoleDatenClick);
    connect(button("Button1SendeDaten"), &QAbstractButton::clicked, this,
            &HcaLayoutWindow::Button1SendeDatenClick);
    connect(button("Button2VorEinst"), &QAbstractButton::clicked, this,
            &HcaLayoutWindow::Button2VorEinstClick);
    for (const ServiceCommandInfo& c : serviceCommands()) {
        const ServiceCommand command = c.command;
        connect(button(c.buttonName), &QAbstractButton::clicked, this,
                [this, command] { serviceCommand(command); });
    }
    connectHcaWindowHandlers(*this, {[this](const std::function<void(HcaForm&)>& rule) { update(rule); },
                                     [this] {
                                         collect();
                                         if (form().CheckBoxAutoAES)
                                             DeriveDeviceKey();
                                     },
                                     [this] { DeriveDeviceKey(); }});
    new SendMaskPanel(*this, [this](const SendMaskPanel::Rule& rule) {
        update(rule ? [rule](HcaForm& f) { rule(f); } : std::function<void(HcaForm&)>());
    });
}

void HcaLayoutWindow::apply() {
    applying_ = true;
    applyControls();
    showHcaWindowState(*this, form());
    applying_ = false;
}

void HcaLayoutWindow::update(const std::function<void(HcaForm&)>& rule) {
    if (applying_)
        return;
    collect();
    if (rule)
        rule(form());
    refreshDerived(form());
    apply();
}

void HcaLayoutWindow::ShowRecord() {
    collect();
    showRecord(image(), extendedFirmware(), form(), mapping());
    refreshDerived(form());
    apply();
}

bool HcaLayoutWindow::ReadForm() {
    return readFormWith(deviceKeyDerivation());
}

bool HcaLayoutWindow::readFormWith(const KeyDerivation& derive) {
    collect();
    const auto error = readForm(form(), image(), extendedFirmware(), derive, mapping());
    refreshDerived(form());
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

void HcaLayoutWindow::Button2VorEinstClick() {
    collect();
    applyPresets();
    refreshDerived(form());
    apply();
    FillDateTime();
    // A refused input keeps the presets on the form, with the focus on that input.
    if (ReadForm())
        ShowRecord();
}

void HcaLayoutWindow::FillDateTime() {
    collect();
    fillDateTime(form(), host().clock().localNow(), host().settings().TimeZoneDiff);
    apply();
}

void HcaLayoutWindow::DeriveDeviceKey() {
    collect();
    const auto id = parseIdText(form().Edit1GeraeteID.trimmed());
    if (!id)
        return; // not a number yet: nothing to derive from
    Record bcd{};
    storeId(bcd, off::DeviceId, *id);
    const DeviceKey key = deviceKeyDerivation()(idText(bcd, off::DeviceId));
    storeKey(image(), key);
    form().EditAESKEY = keyText(key);
    refreshDerived(form());
    apply();
}

DeviceWindow::Frame HcaLayoutWindow::readFrame() const {
    return buildReadFrame(commands_.read);
}

int HcaLayoutWindow::readProgressMaximum() const {
    return kReadProgressMax;
}

void HcaLayoutWindow::beforeRead() {
    setWord(image(), off::ModeWord, 0);
}

void HcaLayoutWindow::ButtonHoleDatenClick() {
    requestRead();
}

void HcaLayoutWindow::Button1SendeDatenClick() {
    requestWrite();
}

bool HcaLayoutWindow::takeWrite() {
    collect();
    if (form().CheckBoxAutoTime)
        FillDateTime();
    if (!ReadForm())
        return false;
    pending_ = image();
    setWord(pending_, off::ModeWord, word(pending_, off::ModeWord) & ~md::TestMode);
    return true;
}

void HcaLayoutWindow::MergeAfterRead() {
    collect();
    image() = mergeAfterRead(pending_, image(), form().CheckBox1keineSNrueberschr, form().CheckBoxAutoAES);
    ShowRecord();
}

std::optional<DeviceWindow::Frame> HcaLayoutWindow::mergeWrite() {
    MergeAfterRead();
    // The device's own key was kept by the merge; deriving it anew would replace a key the device
    // may have been given by other means.
    const bool keepKey = form().CheckBox1keineSNrueberschr && form().CheckBoxAutoAES;
    if (!readFormWith(keepKey ? KeyDerivation() : deviceKeyDerivation()))
        return std::nullopt;
    applyStartRule(image());
    return buildWriteFrame(image(), commands_.write);
}

void HcaLayoutWindow::acknowledgedByDevice() {
    collect();
    if (!form().CheckBox1AutoSerNr)
        return;
    if (const auto error = advanceDeviceId(form())) {
        host().userInteraction().message(HcaMessageTexts::text(*error), tr("Fehler"),
                                         UserInteraction::Icon::Warning);
    } else {
        apply();
        ReadForm();
    }
}

void HcaLayoutWindow::serviceCommand(ServiceCommand command) {
    if (command == ServiceCommand::SensorTest)
        sensorTest_ = true;
    sendCommand(buildServiceFrame(command, commands_.serviceSub));
}

void HcaLayoutWindow::showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) {
    const std::pair<const char*, int> timers[] = {{"LabelRefTimer", referenceTimer},
                                                  {"LabelSensor1Timer", sensor1Timer},
                                                  {"LabelSensor2Timer", sensor2Timer}};
    for (const auto& [n, v] : timers)
        requireWidget<QLabel>(*this, QString::fromLatin1(n))->setText(QString::number(v));
}

} // namespace kvq
