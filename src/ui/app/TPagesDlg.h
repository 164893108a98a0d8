#pragma once
// The interface dialog ("Schnittstelleneinstellungen"): chooses the port of the optical head (SIO1) and
// of the wireless M-Bus receiver (SIO2) and shows their line settings. It works on the link's settings
// records and on the two pages' choices; Cancel gives both back as they were when it was shown.

#include "core/app/UserInteraction.h"
#include "core/link/PortSettings.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class TPagesDlg;
}

namespace kvq {

class LinkController;

// The interface dialog's three switches that the main window reads and sets.
struct InterfaceDialogState {
    bool sio1Active = false; // SIO1 "aktive"
    bool sio2Active = false; // SIO2 "aktive"
    bool preamble = false;   // "Aufweck Preamble"
};

class TPagesDlg : public QDialog {
    Q_OBJECT
public:
    TPagesDlg(LinkController& link, PortPage& sio1, PortPage& sio2, InterfaceDialogState& state,
              UserInteraction& ui, QWidget* parent = nullptr);
    ~TPagesDlg() override;

    // Shows the page of one interface only and makes it the current page.
    void showOnlyPage(SerialInterface which);
    int PortNr(SerialInterface which) const;
    void setPortNr(SerialInterface which, int portNumber);

    // Each "aktive" box sets the other interface's box to the opposite of its own.
    void CheckBoxSIO1aktiveClick();
    void CheckBoxSIO2aktiveClick();
    // The switches as the main window keeps them, shown again.
    void showSwitches();

    void SIOOKBtnClick();
    void SIOCancelBtnClick();
    void CSpinButtonBufRS1UpClick();
    void CSpinButtonBufRS1DownClick();
    void CSpinButtonBufTS1UpClick();
    void CSpinButtonBufTS1DownClick();
    // "R" on either page: both pages back to their defaults, the port lists read anew; the ports chosen
    // in the lists stay chosen where they are still offered.
    void Button1Click();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct PageControls {
        QComboBox* port;
        QComboBox* baud;
        QComboBox* dataBits;
        QComboBox* parity;
        QComboBox* stopBits;
        QCheckBox* rtsCts;
        QCheckBox* dtrDsr;
        QCheckBox* xonXoff;
        QLineEdit* rxQueue;
        QLineEdit* txQueue;
    };
    struct Snapshot {
        PortPage sio1, sio2;
        PortSettingsRecord record1, record2;
        InterfaceDialogState state;
    };

    void FormShow();
    void showPage(const PageControls& c, const PortPage& page);
    // The controls' choices into the page; false (the user told why) when a typed port is refused.
    bool readPage(const PageControls& c, PortPage& page);
    // A port typed into a list: mapped and listed. False (the user told why) when it names no port.
    bool takeTypedPort(const PageControls& c, PortPage& page);
    int chosenPort(const PageControls& c) const;
    void stepQueue(QLineEdit* field, int (*step)(int));

    std::unique_ptr<Ui::TPagesDlg> ui_;
    LinkController& link_;
    PortPage& sio1_;
    PortPage& sio2_;
    InterfaceDialogState& state_;
    UserInteraction& user_;
    PageControls c1_{}, c2_{};
    Snapshot snapshot_;
};

} // namespace kvq
