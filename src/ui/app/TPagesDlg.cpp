#include "ui/app/TPagesDlg.h"

#include "ui_TPagesDlg.h"

#include "link/LinkController.h"

#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>

namespace kvq {

TPagesDlg::TPagesDlg(LinkController& link, PortPage& sio1, PortPage& sio2, InterfaceDialogState& state,
                     UserInteraction& ui, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TPagesDlg>()), link_(link), sio1_(sio1), sio2_(sio2),
      state_(state), user_(ui) {
    ui_->setupUi(this);
    // Above the settings window, which stays on top.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    c1_ = {ui_->ComboBoxPortS1,     ui_->ComboBoxBaudS1,   ui_->ComboBoxDataBitsS1, ui_->ComboBoxParityS1,
           ui_->ComboBoxStopBitsS1, ui_->CheckBoxRtsCtsS1, ui_->CheckBoxDtrDsrS1,   ui_->CheckBoxXOnXOffS1,
           ui_->EditBufRS1,         ui_->EditBufTS1};
    c2_ = {ui_->ComboBoxPortS2,     ui_->ComboBoxBaudS2,   ui_->ComboBoxDataBitsS2, ui_->ComboBoxParityS2,
           ui_->ComboBoxStopBitsS2, ui_->CheckBoxRtsCtsS2, ui_->CheckBoxDtrDsrS2,   ui_->CheckBoxXOnXOffS2,
           ui_->EditBufRS2,         ui_->EditBufTS2};
    for (const PageControls* c : {&c1_, &c2_}) {
        // The line settings are shown, not chosen: the devices speak only these.
        c->baud->addItems(baudRateItems());
        c->dataBits->addItems(dataBitsItems());
        c->parity->addItems(parityItems());
        c->stopBits->addItems(stopBitsItems());
    }
    // The switches are kept by the main window; the dialog only carries them.
    ui_->CheckBoxSIO1aktive->hide();
    ui_->CheckBoxSIO2aktive->hide();
    // The receiver's queues keep their sizes.
    for (QToolButton* b : {ui_->CSpinButtonBufRS2Up, ui_->CSpinButtonBufRS2Down, ui_->CSpinButtonBufTS2Up,
                           ui_->CSpinButtonBufTS2Down})
        b->setEnabled(false);

    connect(ui_->SIOOKBtn, &QPushButton::clicked, this, &TPagesDlg::SIOOKBtnClick);
    connect(ui_->SIOCancelBtn, &QPushButton::clicked, this, &TPagesDlg::SIOCancelBtnClick);
    connect(ui_->CSpinButtonBufRS1Up, &QToolButton::clicked, this, &TPagesDlg::CSpinButtonBufRS1UpClick);
    connect(ui_->CSpinButtonBufRS1Down, &QToolButton::clicked, this, &TPagesDlg::CSpinButtonBufRS1DownClick);
    connect(ui_->CSpinButtonBufTS1Up, &QToolButton::clicked, this, &TPagesDlg::CSpinButtonBufTS1UpClick);
    connect(ui_->CSpinButtonBufTS1Down, &QToolButton::clicked, this, &TPagesDlg::CSpinButtonBufTS1DownClick);
    connect(ui_->ButtonR1, &QPushButton::clicked, this, &TPagesDlg::Button1Click);
    connect(ui_->ButtonR2, &QPushButton::clicked, this, &TPagesDlg::Button1Click);
    connect(ui_->CheckBoxSIO1aktive, &QCheckBox::clicked, this, [this](bool on) {
        state_.sio1Active = on;
        CheckBoxSIO1aktiveClick();
    });
    connect(ui_->CheckBoxSIO2aktive, &QCheckBox::clicked, this, [this](bool on) {
        state_.sio2Active = on;
        CheckBoxSIO2aktiveClick();
    });
    showSwitches();
}

TPagesDlg::~TPagesDlg() = default;

void TPagesDlg::showOnlyPage(SerialInterface which) {
    const bool sio1 = which == SerialInterface::SIO1;
    ui_->PageControl1->setTabVisible(0, sio1);
    ui_->PageControl1->setTabVisible(1, !sio1);
    ui_->PageControl1->setCurrentIndex(sio1 ? 0 : 1);
}

int TPagesDlg::PortNr(SerialInterface which) const {
    return link_.portSettings(which).PortNr;
}

void TPagesDlg::setPortNr(SerialInterface which, int portNumber) {
    link_.portSettings(which).PortNr = portNumber;
}

void TPagesDlg::CheckBoxSIO1aktiveClick() {
    state_.sio2Active = !state_.sio1Active;
    showSwitches();
}

void TPagesDlg::CheckBoxSIO2aktiveClick() {
    state_.sio1Active = !state_.sio2Active;
    showSwitches();
}

void TPagesDlg::showSwitches() {
    ui_->CheckBoxSIO1aktive->setChecked(state_.sio1Active);
    ui_->CheckBoxSIO2aktive->setChecked(state_.sio2Active);
    ui_->CheckBoxPreamble->setChecked(state_.preamble);
}

void TPagesDlg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TPagesDlg::changeEvent(QEvent* event) {
    // The dialog lives as long as the program, so a language switch finds it; the port lists are
    // filled anew each time it is shown.
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

void TPagesDlg::FormShow() {
    SelectPort(sio1_.ports, PortNr(SerialInterface::SIO1));
    SelectPort(sio2_.ports, PortNr(SerialInterface::SIO2));
    showPage(c1_, sio1_);
    showPage(c2_, sio2_);
    showSwitches();
    snapshot_ = {sio1_, sio2_, link_.portSettings(SerialInterface::SIO1),
                 link_.portSettings(SerialInterface::SIO2), state_};
}

void TPagesDlg::showPage(const PageControls& c, const PortPage& page) {
    c.port->clear();
    c.port->addItems(page.ports.entries);
    c.port->setCurrentIndex(page.ports.selected);
    c.baud->setCurrentIndex(page.baudIndex);
    c.dataBits->setCurrentIndex(page.dataBitsIndex);
    c.parity->setCurrentIndex(page.parityIndex);
    c.stopBits->setCurrentIndex(page.stopBitsIndex);
    c.rtsCts->setChecked(page.rtsCts);
    c.dtrDsr->setChecked(page.dtrDsr);
    c.xonXoff->setChecked(page.xonXoff);
    c.rxQueue->setText(QString::number(page.rxQueueSize));
    c.txQueue->setText(QString::number(page.txQueueSize));
}

bool TPagesDlg::readPage(const PageControls& c, PortPage& page) {
    if (!takeTypedPort(c, page))
        return false;
    page.ports.entries.clear();
    for (int i = 0; i < c.port->count(); ++i)
        page.ports.entries << c.port->itemText(i);
    page.ports.selected = c.port->currentIndex();
    page.baudIndex = c.baud->currentIndex();
    page.dataBitsIndex = c.dataBits->currentIndex();
    page.parityIndex = c.parity->currentIndex();
    page.stopBitsIndex = c.stopBits->currentIndex();
    page.rtsCts = c.rtsCts->isChecked();
    page.dtrDsr = c.dtrDsr->isChecked();
    page.xonXoff = c.xonXoff->isChecked();
    page.rxQueueSize = c.rxQueue->text().toInt();
    page.txQueueSize = c.txQueue->text().toInt();
    return true;
}

bool TPagesDlg::takeTypedPort(const PageControls& c, PortPage& page) {
    const QString typed = c.port->currentText();
    const QString text = typed.trimmed();
    const int index = c.port->currentIndex();
    if (text.isEmpty() || (index >= 0 && c.port->itemText(index) == typed))
        return true;
    if (const int i = c.port->findText(text); i >= 0) {
        c.port->setCurrentIndex(i);
        return true;
    }
    const QString title = tr("Schnittstelle");
    if (text.startsWith(QLatin1Char('/')) && !QFileInfo::exists(text)) {
        user_.message(tr("Die Schnittstelle %1 gibt es nicht.").arg(text), title,
                      UserInteraction::Icon::Warning);
        return false;
    }
#ifdef Q_OS_WIN
    const int n = portNumberOfEntry(text); // the port named COMn is port n
#else
    const int n = link_.portMap().numberOfTyped(text);
#endif
    if (n <= 0) {
        user_.message(tr("\"%1\" ist keine Schnittstelle. Bitte einen Eintrag der Liste wählen oder den Pfad "
                         "eines Geräts eingeben (z. B. /dev/ttyUSB0).")
                          .arg(text),
                      title, UserInteraction::Icon::Warning);
        return false;
    }
    for (int i = 0; i < c.port->count(); ++i) {
        if (portNumberOfEntry(c.port->itemText(i)) == n) {
            c.port->setCurrentIndex(i);
            return true;
        }
    }
    const QString entry = PortMap::entryText(n, link_.portMap().pathFor(n).value_or(text));
    c.port->addItem(entry);
    c.port->setCurrentIndex(c.port->count() - 1);
    page.ports.entries << entry;
    return true;
}

int TPagesDlg::chosenPort(const PageControls& c) const {
    return portNumberOfEntry(c.port->currentText().trimmed());
}

void TPagesDlg::SIOOKBtnClick() {
    if (!readPage(c1_, sio1_) || !readPage(c2_, sio2_))
        return; // the dialog stays open with what was typed
    setPortNr(SerialInterface::SIO1, ParsePortNumber(sio1_.ports));
    setPortNr(SerialInterface::SIO2, ParsePortNumber(sio2_.ports));
    link_.ApplyPortSettings(sio1_, sio2_);
    state_.preamble = ui_->CheckBoxPreamble->isChecked();
    accept();
}

void TPagesDlg::SIOCancelBtnClick() {
    reject();
}

void TPagesDlg::reject() {
    // Nothing the dialog changed is taken over, the refreshed lists and the preamble box included.
    sio1_ = snapshot_.sio1;
    sio2_ = snapshot_.sio2;
    link_.portSettings(SerialInterface::SIO1) = snapshot_.record1;
    link_.portSettings(SerialInterface::SIO2) = snapshot_.record2;
    state_.preamble = snapshot_.state.preamble;
    showPage(c1_, sio1_);
    showPage(c2_, sio2_);
    showSwitches();
    QDialog::reject();
}

void TPagesDlg::stepQueue(QLineEdit* field, int (*step)(int)) {
    field->setText(QString::number(step(field->text().toInt())));
}

void TPagesDlg::CSpinButtonBufRS1UpClick() {
    stepQueue(ui_->EditBufRS1, doubledQueueSize);
}
void TPagesDlg::CSpinButtonBufRS1DownClick() {
    stepQueue(ui_->EditBufRS1, halvedQueueSize);
}
void TPagesDlg::CSpinButtonBufTS1UpClick() {
    stepQueue(ui_->EditBufTS1, doubledQueueSize);
}
void TPagesDlg::CSpinButtonBufTS1DownClick() {
    stepQueue(ui_->EditBufTS1, halvedQueueSize);
}

void TPagesDlg::Button1Click() {
    const int chosen1 = chosenPort(c1_);
    const int chosen2 = chosenPort(c2_);
    link_.InitPortSettings(sio1_, sio2_);
    SelectPort(sio1_.ports, chosen1);
    SelectPort(sio2_.ports, chosen2);
    showPage(c1_, sio1_);
    showPage(c2_, sio2_);
}

} // namespace kvq
