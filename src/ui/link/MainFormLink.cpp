#include "ui/link/MainFormLink.h"

#include "ui/app/StatusPanel.h"
#include "ui/app/TMainForm.h"
#include "ui/link/Form1ProgressBar.h"

namespace kvq {

LinkWindowKind linkWindowKind(ToolKind kind) {
    switch (kind) {
    case ToolKind::HKVData:
        return LinkWindowKind::HKVData;
    case ToolKind::HKVBilling:
        return LinkWindowKind::HKVBilling;
    case ToolKind::HKVParam:
        return LinkWindowKind::HKVParam;
    case ToolKind::ThermoData:
        return LinkWindowKind::ThermoData;
    case ToolKind::WZData:
        return LinkWindowKind::WZData;
    case ToolKind::WZReadout:
        return LinkWindowKind::WZReadout;
    case ToolKind::WZParam:
        return LinkWindowKind::WZParam;
    case ToolKind::WMBus:
        return LinkWindowKind::WMBus;
    }
    return LinkWindowKind::HKVData;
}

MainFormLink::MainFormLink(TMainForm& form, UserInteraction& ui)
    : form_(form), link_(std::make_unique<LinkController>(ui)),
      progress_(std::make_unique<Form1ProgressBar>(*link_, &form)) {
    LinkController& l = *link_;
    l.setProgress(progress_.get());
    l.setCurrentParamsProvider([&form] { return &form.currentParams(); });
    LinkTexts& t = l.texts();
    t.LabelSIOclose = form.text("LabelSIOclose");
    t.LabelSIOnotClose = form.text("LabelSIOnotClose");
    t.LabelGV = form.text("LabelGV");
    t.LabelDatenGueltig = form.text("LabelDatenGueltig");
    t.LabelDatenFalsch = form.text("LabelDatenFalsch");
    t.LabelFalschesGeraet = form.text("LabelFalschesGeraet");
    l.readPortMap(form.settingsFile());
    syncSettings();

    connect(&l, &LinkController::statusTextChanged, &form, &TMainForm::setStatusText);
    connect(&l, &LinkController::linkStateChanged, &form, &TMainForm::setLinkState);
    connect(&l, &LinkController::statusBarRepaint, &form,
            [this] { form_.setInterfacesOpen(link_->SIO1Open(), link_->SIO2Open()); });
    connect(&l, &LinkController::interfaceDisconnected, &form,
            [this] { form_.setInterfacesOpen(link_->SIO1Open(), link_->SIO2Open()); });
    connect(&l, &LinkController::statusToolTipChanged, &form, [this](int panel, const QString& text) {
        if (StatusPanel* p = form_.statusPanel(panel))
            p->setToolTip(text);
    });
    // The caption becomes the device name and the open tool window shows the record.
    connect(&l, &LinkController::showRecordRequested, &form, &TMainForm::ShowRecordInWindow);

    form.attachLink(&l);
    form.onReopenInterface = [this] { reopenInterface(); };
    form.onCloseInterface = [this] { closeInterface(); };
    // Port lists are filled when the start timer fires: every serial device present gets its number.
    form.onInitPortSettings = [this] {
        syncSettings();
        link_->InitPortSettings(sio1Page_, sio2Page_);
    };
}

MainFormLink::~MainFormLink() {
    form_.onReopenInterface = nullptr;
    form_.onCloseInterface = nullptr;
    form_.onInitPortSettings = nullptr;
    form_.attachLink(nullptr);
    link_->setProgress(nullptr);
    progress_.reset();
}

void MainFormLink::syncSettings() {
    const Settings& s = form_.settings();
    LinkController& l = *link_;
    l.SIO1Active = s.SIO1Active;
    l.SIO2Active = s.SIO2Active;
    l.SIO1Port = demoSio1_ > 0 ? demoSio1_ : s.SIO1Port;
    l.SIO2Port = demoSio2_ > 0 ? demoSio2_ : s.SIO2Port;
    l.PreambleDefault = s.PreambleDefault;
    l.PreambleChecked = form_.interfaceDialog().preamble;
    l.EHKVMin = s.EHKVMin;
    l.EHKVMax = s.EHKVMax;
    l.WMTHERMOMin = s.WMTHERMOMin;
    l.WMTHERMOMax = s.WMTHERMOMax;
    l.WZMin = s.WZMin;
    l.WZMax = s.WZMax;
}

void MainFormLink::reopenInterface() {
    syncSettings();
    link_->ReopenInterface();
    form_.setInterfacesOpen(link_->SIO1Open(), link_->SIO2Open());
}

void MainFormLink::closeInterface() {
    link_->setAnswerTimerEnabled(false);
    link_->CloseInterface();
    form_.setInterfacesOpen(link_->SIO1Open(), link_->SIO2Open());
}

void MainFormLink::toolWindowOpened(ToolKind kind, ToolWindow* window) {
    // The flag routes the received bytes; the roles the window plays come with it.
    link_->setToolWindow(linkWindowKind(kind), dynamic_cast<LinkWindow*>(window));
}

void MainFormLink::toolWindowClosed(ToolKind kind) {
    link_->clearToolWindow(linkWindowKind(kind));
}

void MainFormLink::saveSettings(IniFile& ini) const {
    link_->writePortMap(ini);
}

void MainFormLink::useDemoPorts(const QString& opticalHead, const QString& receiver) {
    if (!opticalHead.isEmpty())
        demoSio1_ = link_->portMap().assignTemporary(opticalHead);
    if (!receiver.isEmpty())
        demoSio2_ = link_->portMap().assignTemporary(receiver);
    syncSettings();
}

} // namespace kvq
