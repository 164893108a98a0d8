#include "ui/app/StatusPanel.h"
#include "ui/app/TMainForm.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace kvq;

namespace {

// A tool window of the test suite: counts what the main window asks of it.
class ProbeWindow : public ToolWindow {
public:
    ProbeWindow(ToolHost& host, ToolKind kind, bool files) : ToolWindow(host), kind_(kind), files_(files) {
        setObjectName(QStringLiteral("ProbeWindow"));
        setWindowTitle(QStringLiteral("Probe"));
    }
    ToolKind kind() const override { return kind_; }
    void ShowRecord() override { ++shown; }
    void afterOpen() override { familyAtOpen = host().currentParams().Family; }
    bool canLoadFile() const override { return files_; }
    bool canSaveFile() const override { return files_; }
    bool collectRecord() override {
        ++collected;
        if (inputFits)
            host().currentParams().DataWZBRAM[0] = 0xC0; // the controls' value reaches the record
        else
            host().userInteraction().message(QStringLiteral("Eingabe passt nicht"));
        return inputFits;
    }
    int shown = 0;
    int collected = 0;
    bool inputFits = true;
    int familyAtOpen = -1;

private:
    ToolKind kind_;
    bool files_;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QAction* action(QWidget& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsFromSettingsFile();
    void menusCarryTheirCaptions();
    void toolWindowMechanism();
    void waterModuleTicksPreambleAndExitWritesSettings();
    void unwritableSettingsAreReported();
    void parameterFilesThroughTheFileMenu();
};

void TestMainForm::startsFromSettingsFile() {
    test::TempDataRoot root;
    writeFile(root.path() + "/QUELMAR/KVQ/KVQ.INI",
              "[WINDOW]\r\nLEFT=900\r\nWIDTH=933\r\nTOP=10\r\nHEIGHT=600\r\n[Zeitzone]\r\nDiff=-2\r\n"
              "[WMBUS]\r\nSmode=1\r\nTmode=1\r\n");
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {QString(), 1280, false});
    QCOMPARE(form.geometry().left(), 0);
    QCOMPARE(form.geometry().width(), 1260);
    QCOMPARE(form.geometry().top(), 10);
    QCOMPARE(form.statusText(1), QStringLiteral("PC-ZEIT: -2 h"));
    QCOMPARE(form.statusText(3), QString::fromUtf8("Geräteversion:"));
    QVERIFY(!form.settings().Smode);
    QVERIFY(form.settings().Tmode);
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("KVQ Commander  ")));
    QVERIFY(form.AppVersionText().contains(QStringLiteral(" (Build ")));
    QCOMPARE(form.text("LabelDatenFalsch"), QStringLiteral("Falsche Daten!"));
    QCOMPARE(form.text("LabelSIOclose"), QStringLiteral("Schnittstelle wurde geschlossen."));

    // The interface switches come from the file one second after start, and the port lists are filled.
    QVERIFY(!form.interfaceDialog().sio1Active);
    int portListsFilled = 0;
    form.onInitPortSettings = [&] { ++portListsFilled; };
    form.TimerSIOstartTimer();
    QCOMPARE(portListsFilled, 1);
    QVERIFY(form.interfaceDialog().sio1Active);
    QVERIFY(!form.interfaceDialog().sio2Active);
    // Panel 0: ticked but closed is red, open is green.
    QCOMPARE(form.statusPanel(0)->colour(), PanelColour::Red);
    form.setInterfacesOpen(true, false);
    QCOMPARE(form.statusPanel(0)->colour(), PanelColour::Green);
    form.setLinkState(1);
    QCOMPARE(form.statusPanel(4)->colour(), PanelColour::Yellow);
    form.setLinkState(3);
    QCOMPARE(form.statusPanel(4)->colour(), PanelColour::Red);
    form.setLinkState(0);
    QCOMPARE(form.statusPanel(4)->colour(), PanelColour::Neutral);
}

void TestMainForm::menusCarryTheirCaptions() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {QString(), 1280, false});
    QStringList menus;
    for (QAction* a : form.menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{"&Datei", QString::fromUtf8("Geräte"), "Wireless M-Bus", "Setup", "Sprache",
                                 "&Hilfe"}));
    auto* devices = form.findChild<QMenu*>("GeraeteMenu");
    QStringList entries;
    for (QAction* a : devices->actions())
        entries << a->text();
    QCOMPARE(entries,
             (QStringList{QString::fromUtf8("Gerätedaten EHKV"), "Abrechendaten EHKV", "Parameterdaten EHKV",
                          QString::fromUtf8("Gerätedaten WMTHERMO"), QString::fromUtf8("Gerätedaten WZ"),
                          "Abrechendaten WZ", "Parameterdaten WZ"}));
    // Without windows behind them the entries stay disabled, as do the file entries.
    for (QAction* a : devices->actions())
        QVERIFY(!a->isEnabled());
    QVERIFY(!action(form, "FileOpenItem")->isEnabled());
    QCOMPARE(action(form, "FileExitItem")->text(), QStringLiteral("&Beenden"));
    QCOMPARE(action(form, "FileExitItem")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(action(form, "FileSaveAsItem")->text(), QStringLiteral("Speichern &unter..."));
}

void TestMainForm::toolWindowMechanism() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {QString(), 1280, false});
    int reopened = 0;
    form.onReopenInterface = [&] { ++reopened; };
    std::vector<ProbeWindow*> created;
    form.registerToolWindow(ToolKind::HKVData, [&](ToolHost& host, QWidget*) {
        created.push_back(new ProbeWindow(host, ToolKind::HKVData, true));
        return created.back();
    });
    form.registerToolWindow(ToolKind::HKVBilling, [&](ToolHost& host, QWidget*) {
        created.push_back(new ProbeWindow(host, ToolKind::HKVBilling, true));
        return created.back();
    });
    QVERIFY(action(form, "GeraetedatenEHKVItem")->isEnabled());
    QVERIFY(!action(form, "GeraetedatenWZItem")->isEnabled());

    form.currentParams().DataEHKV.bytes[0] = 0x55;
    action(form, "GeraetedatenEHKVItem")->trigger();
    QCOMPARE(created.size(), size_t(1));
    QVERIFY(form.HKVDataOpen());
    QCOMPARE(reopened, 1);
    QVERIFY(form.settings().link.SIO1Active);
    QVERIFY(!form.settings().link.SIO2Active);
    QVERIFY(form.interfaceDialog().sio1Active);
    QCOMPARE(form.currentParams().DataEHKV.bytes[0], 0); // a fresh record for the window
    QCOMPARE(created[0]->familyAtOpen, 0);
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("KVQ Service Console  ")));
    QVERIFY(action(form, "FileOpenItem")->isEnabled());
    QVERIFY(action(form, "FileSaveAsItem")->isEnabled());

    form.currentParams().DeviceName = "FALKOII";
    form.ShowRecordInWindow();
    QCOMPARE(created[0]->shown, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("FALKOII"));

    // The same entry again closes the open window and opens a fresh one with a new record.
    QPointer<ProbeWindow> first = created[0];
    form.currentParams().DataEHKV.bytes[0] = 0x77;
    action(form, "GeraetedatenEHKVItem")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(created.size(), size_t(2));
    QVERIFY(form.HKVDataOpen());
    QCOMPARE(form.currentParams().DataEHKV.bytes[0], 0);

    // The billing window offers only "Speichern unter".
    action(form, "AbrechendatenEHKVItem")->trigger();
    QVERIFY(!form.HKVDataOpen());
    QVERIFY(form.HKVBillingOpen());
    QVERIFY(!action(form, "FileOpenItem")->isEnabled());
    QVERIFY(action(form, "FileSaveAsItem")->isEnabled());

    form.CloseAllToolWindows();
    QVERIFY(!form.HKVBillingOpen());
    QVERIFY(form.currentToolWindow() == nullptr);
    QVERIFY(!action(form, "FileSaveAsItem")->isEnabled());
    form.ShowRecordInWindow(); // nothing open: nothing to show, no crash
}

void TestMainForm::waterModuleTicksPreambleAndExitWritesSettings() {
    test::TempDataRoot root;
    const QString path = root.path() + "/QUELMAR/KVQ/KVQ.INI";
    writeFile(path, "[Keep]\r\nMine=\xE4\r\n[COM]\r\ncom1Preamble=0\r\n[WMBUSMANCODE]\r\nx=QLM\r\n");
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    {
        TMainForm form(ui, clock, {QString(), 1280, false});
        form.registerToolWindow(ToolKind::WZData, [&](ToolHost& host, QWidget*) {
            return new ProbeWindow(host, ToolKind::WZData, false);
        });
        form.TimerSIOstartTimer();
        QVERIFY(!form.interfaceDialog().preamble);
        action(form, "GeraetedatenWZItem")->trigger();
        QVERIFY(form.WZDataOpen());
        QVERIFY(form.interfaceDialog().preamble);
        QCOMPARE(form.currentParams().Family, 2);
        QVERIFY(!form.windowTitle().startsWith(QStringLiteral("KVQ Service Console")));
        form.close();
        QVERIFY(!form.WZDataOpen());
    }
    auto ini = IniFile::load(path);
    QVERIFY(ini.ok());
    QCOMPARE(ini->readString("COM", "com1Preamble"), QStringLiteral("1"));
    QCOMPARE(ini->readString("Keep", "Mine"), QString::fromUtf8("ä"));
    QCOMPARE(ini->keys("WMBUSMANCODE"), QStringList{"MC1"});
    QVERIFY(ini->valueExists("WINDOW", "LEFT"));
    QVERIFY(ini->valueExists("WMBUS", "ScannAn"));
    QVERIFY(ui.messages().isEmpty());
}

void TestMainForm::unwritableSettingsAreReported() {
    test::TempDataRoot root;
    const QString path = root.path() + "/blocked";
    QDir().mkpath(path + "/KVQ.INI"); // a folder where the file should be: the save cannot replace it
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {path + "/KVQ.INI", 1280, false});
    QCOMPARE(ui.messages().size(), 1); // unreadable at start: told, defaults in force
    QCOMPARE(form.settings().windowWidth, 933);
    form.close();
    QCOMPARE(ui.messages().size(), 2);
    QVERIFY(
        ui.lastMessage().startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:")));
}

void TestMainForm::parameterFilesThroughTheFileMenu() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {QString(), 1280, false});
    ProbeWindow* w = nullptr;
    form.registerToolWindow(ToolKind::WZData, [&](ToolHost& host, QWidget*) {
        w = new ProbeWindow(host, ToolKind::WZData, true);
        return w;
    });
    action(form, "GeraetedatenWZItem")->trigger();
    QVERIFY(w);
    PARAmeter& record = form.currentParams();
    record.DeviceName = "WZ Modul";
    record.DataWZBRAM[1] = 0x11;
    const QString folder = root.path() + "/QUELMAR/Parameter";

    // Saving makes the folder, lets the window collect its controls and writes under the family's
    // extension.
    ui.texts.push_back(folder + "/meter1.txt");
    action(form, "FileSaveAsItem")->trigger();
    QCOMPARE(ui.shown.back().kind, QStringLiteral("save"));
    QCOMPARE(ui.shown.back().text, folder);
    QCOMPARE(w->collected, 1);
    QFile saved(folder + "/meter1.WAZ");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray image = saved.readAll();
    QCOMPARE(image.size(), 315);
    QCOMPARE(quint8(image[0]), 0xC0);
    QCOMPARE(quint8(image[1]), 0x11);
    QVERIFY(ui.messages().isEmpty());

    // An input the window refuses: its message, and no file.
    w->inputFits = false;
    ui.texts.push_back(folder + "/refused");
    action(form, "FileSaveAsItem")->trigger();
    QCOMPARE(ui.messages(), QStringList{"Eingabe passt nicht"});
    QVERIFY(!QFile::exists(folder + "/refused.WAZ"));

    // A file of the wrong size: the program's message, the record and the window untouched.
    ui.clear();
    writeFile(folder + "/short.WAZ", QByteArray(314, '\x22'));
    ui.texts.push_back(folder + "/short.WAZ");
    action(form, "FileOpenItem")->trigger();
    QCOMPARE(ui.shown.front().kind, QStringLiteral("open"));
    QCOMPARE(ui.shown.front().title, QStringLiteral("Funkaufsatzmodul WZ  Datei:"));
    QCOMPARE(ui.shown.front().text, folder);
    QCOMPARE(ui.shown.back().title, QStringLiteral("Dateifehler"));
    QCOMPARE(ui.lastMessage(), QString::fromUtf8("Die Datei hat nicht die erwartete Größe!"));
    QCOMPARE(record.DataWZBRAM[1], 0x11);
    QCOMPARE(w->shown, 0);

    // A file that is not there is named in the message.
    ui.texts.push_back(folder + "/missing.WAZ");
    action(form, "FileOpenItem")->trigger();
    QVERIFY(ui.lastMessage().contains(QStringLiteral("missing.WAZ")));
    QCOMPARE(w->shown, 0);

    // A file of the right size is shown as after a device answer, with the device name in the caption.
    form.setWindowTitle(QString());
    ui.texts.push_back(folder + "/meter1.WAZ");
    record.DataWZBRAM[1] = 0;
    action(form, "FileOpenItem")->trigger();
    QCOMPARE(record.DataWZBRAM[1], 0x11);
    QCOMPARE(w->shown, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("WZ Modul"));

    // A parameter folder that cannot be made is reported; the technician may still save elsewhere.
    test::TempDataRoot blocked;
    writeFile(blocked.path() + "/QUELMAR", "a file where the folder belongs");
    ui.clear();
    w->inputFits = true;
    ui.texts.push_back(root.path() + "/elsewhere.bin");
    action(form, "FileSaveAsItem")->trigger();
    QVERIFY(ui.messages().first().contains(QDir::toNativeSeparators(blocked.path() + "/QUELMAR/Parameter")));
    QCOMPARE(QFileInfo(root.path() + "/elsewhere.WAZ").size(), 315);
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
