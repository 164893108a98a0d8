#pragma once
// The settings window ("Einstellungen"): the time zone of the optical-head tools, the two interface
// dialogs and the start options of the wireless M-Bus recorder. OK takes the choices over and writes
// the settings file at once; Abbruch takes nothing over.

#include "core/app/Settings.h"
#include "core/app/UserInteraction.h"
#include "core/link/PortSettings.h"
#include "ui/app/TPagesDlg.h"

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class TFormSetup;
}

namespace kvq {

// What the settings window needs of the main window.
class SetupHost {
public:
    virtual ~SetupHost() = default;
    virtual Settings& settings() = 0;
    virtual UserInteraction& userInteraction() = 0;
    virtual InterfaceDialogState& interfaceDialog() = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    // The interface dialog for one interface (opened without blocking).
    virtual void ShowInterfaceDialog(SerialInterface which) = 0;
    // Writes the settings file now, as at exit.
    virtual void SaveSettings() = 0;
    // The recorder, when open, applies the start options anew.
    virtual void startOptionsChanged() = 0;
};

class TFormSetup : public QWidget {
    Q_OBJECT
public:
    explicit TFormSetup(SetupHost& host, QWidget* parent = nullptr);
    ~TFormSetup() override;

    void InitFromMain();
    void ComboBoxZeitzoneChange();
    void ButtonAutoListeClick();
    void ButtonDIRClick();
    void ComboBoxReceiverChange();
    void CheckListBoxWMBUSmodeClickCheck(int item);
    void ButtonSIO1Click();
    void ButtonSIO2Click();
    void ButtonOKClick();
    void ButtonAbbruchClick();

    int timeZoneOffset() const { return offset_; }

private:
    void setModeItems(bool tc, bool s, bool c);

    std::unique_ptr<Ui::TFormSetup> ui_;
    SetupHost& host_;
    int offset_ = 0;              // the chosen time-zone offset
    std::array<bool, 3> ticks_{}; // the mode ticks while a receiver greys them
    bool greyed_ = false;
};

} // namespace kvq
