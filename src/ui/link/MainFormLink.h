#pragma once
// The serial link as the main window holds it: the link controller and the progress window, kept in
// step with the main window's settings, status bar, current record and open tool window.

#include "core/link/PortSettings.h"
#include "link/LinkController.h"
#include "ui/app/ToolWindow.h"

#include <QObject>
#include <memory>

namespace kvq {

class Form1ProgressBar;
class IniFile;
class TMainForm;

class MainFormLink : public QObject {
    Q_OBJECT
public:
    MainFormLink(TMainForm& form, UserInteraction& ui);
    ~MainFormLink() override;

    LinkController& link() { return *link_; }
    Form1ProgressBar& progressWindow() { return *progress_; }

    // From the main window.
    void saveSettings(IniFile& ini) const;

    // Demo mode: the optical head (and the receiver) are simulators on these terminals, for this run
    // only; the ports chosen in the settings stay as they are.
    void useDemoPorts(const QString& opticalHead, const QString& receiver);
    bool demo() const { return demoSio1_ > 0 || demoSio2_ > 0; }

    // The interface dialog's page of one interface.
    PortPage& page(SerialInterface which) { return which == SerialInterface::SIO1 ? sio1Page_ : sio2Page_; }
    // The port an interface opens now (a demo's simulator, else the one of the settings).
    int port(SerialInterface which) const;
    // Ports chosen in the interface dialog; a port other than the demo's ends the demo's hold on it.
    void choosePorts(int sio1, int sio2);

private:
    void syncSettings();
    void reopenInterface();
    void closeInterface();

    TMainForm& form_;
    std::unique_ptr<LinkController> link_;
    std::unique_ptr<Form1ProgressBar> progress_;
    int demoSio1_ = 0, demoSio2_ = 0;
    // The interface dialog's port pages (port lists and line-setting choices).
    PortPage sio1Page_, sio2Page_;
};

} // namespace kvq
