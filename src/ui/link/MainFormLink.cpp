#include "ui/link/MainFormLink.h"

#include "ui/app/StatusPanel.h"
#include "ui/app/TMainForm.h"
#include "ui/link/Form1ProgressBar.h"

namespace kvq {

MainFormLink::MainFormLink(TMainForm& form, UserInteraction& ui)
    : form_(form), link_(std::make_unique<LinkController>(ui)),
      progress_(std::make_unique<Form1ProgressBar>(*link_, &form)) {
    LinkController& l = *link_;
    l.setProgress(progress_.get());
    l.setCurrentParamsProvider([&form] { return &form.currentParams(); });
    l.setWindowSource([&form]() -> LinkWindow* { return form.currentToolWindow(); });
    // The messages come from the main window's hidden labels, read each time one is shown.
    l.texts().setLabelSource([&form](const char* label) { return form.text(label); });
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
    connect(&form, &TMainForm::languageChanged, &l, &LinkController::retranslateStatus);
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
    link_->setWindowSource(nullptr);
    link_->setProgress(nullptr);
    progress_.reset();
}

void MainFormLink::syncSettings() {
    const Settings& s = form_.settings();
    LinkController& l = *link_;
    l.settings = s.link;
    if (demoSio1_ > 0)
        l.settings.SIO1Port = demoSio1_;
    if (demoSio2_ > 0)
        l.settings.SIO2Port = demoSio2_;
    l.PreambleChecked = form_.interfaceDialog().preamble;
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

void MainFormLink::saveSettings(IniFile& ini) const {
    link_->writePortMap(ini);
}

int MainFormLink::port(SerialInterface which) const {
    const bool sio1 = which == SerialInterface::SIO1;
    const int demo = sio1 ? demoSio1_ : demoSio2_;
    const LinkSettings& s = form_.settings().link;
    return demo > 0 ? demo : (sio1 ? s.SIO1Port : s.SIO2Port);
}

void MainFormLink::choosePorts(int sio1, int sio2) {
    LinkSettings& s = form_.settings().link;
    if (demoSio1_ == 0 || sio1 != demoSio1_) {
        s.SIO1Port = sio1;
        demoSio1_ = 0;
    }
    if (demoSio2_ == 0 || sio2 != demoSio2_) {
        s.SIO2Port = sio2;
        demoSio2_ = 0;
    }
    syncSettings();
}

void MainFormLink::useDemoPorts(const QString& opticalHead, const QString& receiver) {
    if (!opticalHead.isEmpty())
        demoSio1_ = link_->portMap().assignTemporary(opticalHead);
    if (!receiver.isEmpty())
        demoSio2_ = link_->portMap().assignTemporary(receiver);
    syncSettings();
}

} // namespace kvq
