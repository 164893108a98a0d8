// The settings window and the interface dialog inside the main window: what OK takes over, what
// Abbruch and Cancel leave alone, and how the controls hang together.

#include "core/app/IniFile.h"
#include "link/LinkController.h"
#include "ui/app/TFormSetup.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TPagesDlg.h"
#include "ui/link/MainFormLink.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QToolButton>
#include <QtTest>

using namespace kvq;

namespace {

struct Rig {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm main{ui, clock, {QString(), 1280, false}};

    Rig() {
        main.setGeometry(40, 30, 933, 723);
        main.TimerSIOstartTimer();
    }
    TFormSetup* openSetup() {
        main.findChild<QAction*>(QStringLiteral("SetupItem"))->trigger();
        return main.setupWindow();
    }
    template <typename T> static T* child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    IniFile savedFile() const {
        auto loaded = IniFile::load(main.settingsPath());
        return loaded.ok() ? std::move(loaded).value() : IniFile();
    }
};

QListWidgetItem* modeItem(TFormSetup* w, int row) {
    return Rig::child<QListWidget>(w, "CheckListBoxWMBUSmode")->item(row);
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timeZoneGoesToThePanelAndTheFile();
    void atMostOneModeAndTheReceiverPictures();
    void choosersAndAbbruch();
    void cancelRestoresTheInterfacePage();
    void typedPathIsMapped();
    void dialogWithinTheFirstSecondHasItsPorts();
};

void TestSetup::timeZoneGoesToThePanelAndTheFile() {
    Rig rig;
    QVERIFY(rig.main.findChild<QAction*>(QStringLiteral("SetupItem"))->isEnabled());
    TFormSetup* w = rig.openSetup();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(w->pos(), rig.main.geometry().topLeft() + QPoint(100, 50));
    QCOMPARE(Rig::child<QComboBox>(w, "ComboBoxZeitzone")->currentText(), QStringLiteral("0"));

    Rig::child<QComboBox>(w, "ComboBoxZeitzone")->setCurrentText(QStringLiteral("+2"));
    Rig::child<QPushButton>(w, "ButtonOK")->click();
    QTRY_VERIFY(!rig.main.setupWindow()); // closed and freed
    QCOMPARE(rig.main.statusText(1), QStringLiteral("Zeitzone:+2 h"));
    QCOMPARE(rig.main.settings().TimeZoneDiff, 2);
    // Written at once, not only at exit.
    QCOMPARE(rig.savedFile().readInteger(QStringLiteral("Zeitzone"), QStringLiteral("Diff"), 0), 2);

    w = rig.openSetup();
    QCOMPARE(Rig::child<QComboBox>(w, "ComboBoxZeitzone")->currentText(), QStringLiteral("+2"));
    Rig::child<QComboBox>(w, "ComboBoxZeitzone")->setCurrentText(QStringLiteral("-3"));
    Rig::child<QPushButton>(w, "ButtonOK")->click();
    QCOMPARE(rig.main.statusText(1), QStringLiteral("Zeitzone:-3 h"));
    QCOMPARE(rig.savedFile().readInteger(QStringLiteral("Zeitzone"), QStringLiteral("Diff"), 0), -3);
}

void TestSetup::atMostOneModeAndTheReceiverPictures() {
    Rig rig;
    TFormSetup* w = rig.openSetup();
    QCOMPARE(modeItem(w, 0)->checkState(), Qt::Checked); // T/C by default
    modeItem(w, 1)->setCheckState(Qt::Checked);
    QCOMPARE(modeItem(w, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(modeItem(w, 1)->checkState(), Qt::Checked);
    QCOMPARE(modeItem(w, 2)->checkState(), Qt::Unchecked);

    auto* receiver = Rig::child<QComboBox>(w, "ComboBoxReceiver");
    auto* imageReceiver = Rig::child<QLabel>(w, "ImageReceiver");
    auto* imageSma = Rig::child<QLabel>(w, "ImageAMBERsma");
    auto* imageAmber = Rig::child<QLabel>(w, "ImageAMBER");
    QVERIFY(!imageReceiver->isHidden() && imageSma->isHidden() && imageAmber->isHidden());
    receiver->setCurrentText(QStringLiteral("868MHz AMB8465-M"));
    QVERIFY(imageReceiver->isHidden() && imageSma->isHidden() && !imageAmber->isHidden());
    QVERIFY(!imageAmber->pixmap().isNull());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(modeItem(w, i)->checkState(), Qt::PartiallyChecked);
        QVERIFY(!(modeItem(w, i)->flags() & Qt::ItemIsEnabled));
    }
    receiver->setCurrentIndex(1);
    QVERIFY(!imageSma->isHidden() && imageAmber->isHidden());
    // Back to the maker's receiver: the modes come back as they were ticked.
    receiver->setCurrentIndex(0);
    QVERIFY(modeItem(w, 1)->flags() & Qt::ItemIsEnabled);
    QCOMPARE(modeItem(w, 1)->checkState(), Qt::Checked);
    QCOMPARE(modeItem(w, 0)->checkState(), Qt::Unchecked);

    Rig::child<QPushButton>(w, "ButtonOK")->click();
    const Settings& s = rig.main.settings();
    QVERIFY(s.Smode && !s.Tmode && !s.Cmode);
    QCOMPARE(s.RECEIVERTYPE, 0);
    QCOMPARE(rig.savedFile().readString(QStringLiteral("WMBUS"), QStringLiteral("Smode"), {}),
             QStringLiteral("1"));
}

void TestSetup::choosersAndAbbruch() {
    Rig rig;
    rig.main.settings().CSVPath = QStringLiteral("/srv/csv");
    TFormSetup* w = rig.openSetup();
    rig.ui.texts.push_back(QStringLiteral("/home/techniker/Routen/haus.txt"));
    Rig::child<QPushButton>(w, "ButtonAutoListe")->click();
    QCOMPARE(Rig::child<QLineEdit>(w, "EditWMBUSZaehlerListe")->text(),
             QStringLiteral("/home/techniker/Routen/haus.ROUTE"));
    QVERIFY(rig.ui.shown.back().text.contains(QStringLiteral("QUELMAR")));
    rig.ui.texts.push_back(std::nullopt); // cancelled: the field stays
    Rig::child<QPushButton>(w, "ButtonAutoListe")->click();
    QCOMPARE(Rig::child<QLineEdit>(w, "EditWMBUSZaehlerListe")->text(),
             QStringLiteral("/home/techniker/Routen/haus.ROUTE"));

    QCOMPARE(Rig::child<QLabel>(w, "OptLabelConspfad")->text(), QStringLiteral("/srv/csv"));
    rig.ui.texts.push_back(QStringLiteral("/srv/abrechnung"));
    Rig::child<QPushButton>(w, "ButtonDIR")->click();
    QCOMPARE(rig.ui.shown.back().kind, QStringLiteral("folder"));
    QCOMPARE(rig.ui.shown.back().text, QStringLiteral("/srv/csv")); // it starts at the folder shown
    QCOMPARE(Rig::child<QLabel>(w, "OptLabelConspfad")->text(), QStringLiteral("/srv/abrechnung"));
    Rig::child<QCheckBox>(w, "CheckBoxWMBUS_auto_HausListe_Load")->setChecked(true);
    Rig::child<QComboBox>(w, "ComboBoxZeitzone")->setCurrentText(QStringLiteral("+4"));

    Rig::child<QPushButton>(w, "ButtonAbbruch")->click();
    QTRY_VERIFY(!rig.main.setupWindow());
    const Settings& s = rig.main.settings();
    QCOMPARE(s.CSVPath, QStringLiteral("/srv/csv"));
    QVERIFY(s.Geraeteliste.isEmpty());
    QVERIFY(!s.AutoLoad);
    QCOMPARE(s.TimeZoneDiff, 0);
    QVERIFY2(!QFile::exists(rig.main.settingsPath()), "nothing written");
}

void TestSetup::cancelRestoresTheInterfacePage() {
    Rig rig;
    rig.main.interfaceDialog().preamble = true; // as a water-meter window leaves it
    TFormSetup* w = rig.openSetup();
    Rig::child<QPushButton>(w, "ButtonSIO1")->click();
    TPagesDlg* dlg = rig.main.PagesDlg();
    QVERIFY(dlg->isVisible());
    auto* preamble = Rig::child<QCheckBox>(dlg, "CheckBoxPreamble");
    QVERIFY2(!preamble->isChecked(), "the box shows the stored default");
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Schnittstelleneinstellungen"));
    auto* pages = Rig::child<QTabWidget>(dlg, "PageControl1");
    QVERIFY(pages->isTabVisible(0) && !pages->isTabVisible(1));
    QVERIFY(!Rig::child<QComboBox>(dlg, "ComboBoxBaudS1")->isEnabled());
    QCOMPARE(Rig::child<QComboBox>(dlg, "ComboBoxBaudS1")->currentText(), QStringLiteral("2400"));

    auto* rx = Rig::child<QLineEdit>(dlg, "EditBufRS1");
    QCOMPARE(rx->text(), QStringLiteral("4096"));
    Rig::child<QToolButton>(dlg, "CSpinButtonBufRS1Up")->click();
    QCOMPARE(rx->text(), QStringLiteral("8192"));
    preamble->setChecked(false);
    Rig::child<QPushButton>(dlg, "SIOCancelBtn")->click();
    QVERIFY(!dlg->isVisible());
    QCOMPARE(rx->text(), QStringLiteral("4096"));
    LinkController& link = rig.main.linkWiring()->link();
    QCOMPARE(link.portSettings(SerialInterface::SIO1).RxQueueSize, 4096);
    QVERIFY2(rig.main.interfaceDialog().preamble, "Cancel leaves the preamble in use");
    QVERIFY2(!link.SIO1Open() && !link.SIO2Open(), "Cancel opens nothing");

    // The receiver page: its spin buttons do nothing. OK takes the doubled queue of SIO1 over.
    Rig::child<QPushButton>(w, "ButtonSIO2")->click();
    QVERIFY(!pages->isTabVisible(0) && pages->isTabVisible(1));
    QVERIFY(!Rig::child<QToolButton>(dlg, "CSpinButtonBufRS2Up")->isEnabled());
    QCOMPARE(Rig::child<QLineEdit>(dlg, "EditBufRS2")->text(), QStringLiteral("8192"));
    Rig::child<QToolButton>(dlg, "CSpinButtonBufRS1Up")->click();
    Rig::child<QPushButton>(dlg, "SIOOKBtn")->click();
    QVERIFY(!dlg->isVisible());
    QCOMPARE(link.portSettings(SerialInterface::SIO1).RxQueueSize, 8192);
    QCOMPARE(link.portSettings(SerialInterface::SIO2).RxQueueSize, 8192);
}

void TestSetup::typedPathIsMapped() {
    Rig rig;
    QTemporaryFile device;
    QVERIFY(device.open());
    TFormSetup* w = rig.openSetup();
    Rig::child<QPushButton>(w, "ButtonSIO1")->click();
    TPagesDlg* dlg = rig.main.PagesDlg();
    auto* ports = Rig::child<QComboBox>(dlg, "ComboBoxPortS1");

    ports->setEditText(QStringLiteral("/dev/kvq-no-such-head"));
    Rig::child<QPushButton>(dlg, "SIOOKBtn")->click();
    QVERIFY2(dlg->isVisible(), "a path that is not there is refused");
    QVERIFY(rig.ui.lastMessage().contains(QStringLiteral("/dev/kvq-no-such-head")));

    ports->setEditText(device.fileName());
    Rig::child<QPushButton>(dlg, "SIOOKBtn")->click();
    QVERIFY(!dlg->isVisible());
    LinkController& link = rig.main.linkWiring()->link();
    const int n = link.portMap().numberOf(device.fileName());
    QVERIFY(n > 0);
    QCOMPARE(rig.main.settings().link.SIO1Port, n);
    QCOMPARE(ports->currentText(), PortMap::entryText(n, device.fileName()));
    // OK reopened the active interface on the typed port (the file is no terminal, so it fails).
    QCOMPARE(rig.main.statusText(0), QStringLiteral("Error"));

    Rig::child<QPushButton>(w, "ButtonOK")->click();
    QCOMPARE(rig.savedFile().readString(QStringLiteral("PORTMAP"), QStringLiteral("COM%1").arg(n), {}),
             device.fileName());
    QCOMPARE(rig.savedFile().readInteger(QStringLiteral("COM"), QStringLiteral("com1"), 0), n);
}

void TestSetup::dialogWithinTheFirstSecondHasItsPorts() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    QTemporaryFile device;
    QVERIFY(device.open());
    TMainForm main{ui, clock, {QString(), 1280, false}};
    main.linkWiring()->link().portMap().setPath(3, device.fileName());
    main.settings().link.SIO1Port = 3;
    // The start timer has not struck yet.
    main.ShowInterfaceDialog(SerialInterface::SIO1);
    TPagesDlg* dlg = main.PagesDlg();
    QCOMPARE(Rig::child<QComboBox>(dlg, "ComboBoxPortS1")->currentText(),
             PortMap::entryText(3, device.fileName()));
    Rig::child<QPushButton>(dlg, "SIOOKBtn")->click();
    QCOMPARE(main.settings().link.SIO1Port, 3);
}

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
