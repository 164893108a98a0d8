// The "Sprache" menu and "Hilfe" of the main window: which entries show, what a switch changes and
// stores, what a missing translation leaves alone, the language remembered for the next start and the
// manual handed to the desktop. The translations are small catalogues compiled here, so the wiring is
// checked independently of how far the real catalogues are.

#include "core/app/LanguageFiles.h"
#include "ui/app/Language.h"
#include "ui/app/StatusPanel.h"
#include "ui/app/TMainForm.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvq;

namespace {

// A tool window of the test suite; the switch closes it.
class ProbeWindow : public ToolWindow {
public:
    explicit ProbeWindow(ToolHost& host) : ToolWindow(host) { setWindowTitle(QStringLiteral("Probe")); }
    ToolKind kind() const override { return ToolKind::HKVData; }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A catalogue for a few texts of the main window and the link, compiled as kvq_<name>.qm.
bool compileCatalogue(const QString& folder, const QString& name) {
    const QString ts = QDir(folder).filePath(QStringLiteral("kvq_%1.ts").arg(name));
    writeFile(ts, R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context><name>kvq::TMainForm</name>
<message><source>&amp;Datei</source><translation>&amp;Fichier</translation></message>
<message><source>Schnittstelle wurde geschlossen.</source><translation>Interface fermée.</translation></message>
<message><source>PC-ZEIT:</source><translation>HEURE PC :</translation></message>
<message><source>Geräteversion:</source><translation>Version appareil :</translation></message>
</context>
<context><name>kvq::LinkTexts</name>
<message><source>Error</source><translation>Erreur</translation></message>
</context>
</TS>
)");
    QProcess lrelease;
    lrelease.start(QStringLiteral(KVQ_LRELEASE),
                   {QStringLiteral("-silent"), ts, QStringLiteral("-qm"),
                    QDir(folder).filePath(QStringLiteral("kvq_%1.qm").arg(name))});
    return lrelease.waitForFinished(30000) && lrelease.exitCode() == 0;
}

QAction* action(QWidget& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

QString fileMenuTitle(TMainForm& form) {
    return form.menuBar()->actions().value(0) ? form.menuBar()->actions().value(0)->text() : QString();
}

// The main window over a data root, a shipped-data folder and a remembered-language file of its own.
struct Bench {
    test::TempDataRoot root;
    QTemporaryDir shipped;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    QString remembered = root.path() + QStringLiteral("/user/kvq-user.ini");
    std::vector<QUrl> opened;
    bool openSucceeds = true;

    TMainForm::Options options(Translations* translations = nullptr) {
        TMainForm::Options o;
        o.desktopWidth = 1280;
        o.registerBuiltinWindows = false;
        o.translations = translations;
        o.rememberedLanguagePath = remembered;
        o.shippedFolders = {shipped.path()};
        o.openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return openSucceeds;
        };
        return o;
    }
    QString translations() const { return shipped.filePath(QStringLiteral("translations")); }
};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reserveEntriesFollowTheSettings();
    void switchRetranslatesAndRemembers();
    void missingTranslationChangesAndStoresNothing();
    void failureToRememberIsReported();
    void rememberedLanguageAppliesAtStart();
    void helpOpensTheManualOfTheLanguage();
};

// A reserve entry shows its NAME; "----" or no NAME at all hides it.
void TestLanguage::reserveEntriesFollowTheSettings() {
    Bench b;
    writeFile(b.root.path() + "/QUELMAR/KVQ/KVQ.INI",
              "[LANG1]\r\nNAME=Fran\xe7"
              "ais\r\nCODE=1036\r\nISONAME=FRA\r\n[LANG3]\r\nNAME=----\r\n"
              "[LANG4]\r\nCODE=1040\r\nISONAME=ITA\r\n");
    TMainForm form(b.ui, b.clock, b.options());
    QCOMPARE(action(form, "LangDeutschItem")->text(), QStringLiteral("Deutsch"));
    QVERIFY(action(form, "LangDeutschItem")->isChecked());
    QCOMPARE(action(form, "LangEnglishItem")->text(), QStringLiteral("English"));
    QVERIFY(action(form, "LangEnglishItem")->isVisible());
    QCOMPARE(action(form, "LangReserve1Item")->text(), QString::fromUtf8("Français"));
    QVERIFY(action(form, "LangReserve1Item")->isVisible());
    QVERIFY(!action(form, "LangReserve2Item")->isVisible()); // no section
    QVERIFY(!action(form, "LangReserve3Item")->isVisible()); // NAME=----
    QVERIFY(!action(form, "LangReserve4Item")->isVisible()); // no NAME
    const auto entries = languageMenuEntries(form.settings());
    QCOMPARE(entries[2].code, 1036);
    QCOMPARE(entries[2].abbreviation, QStringLiteral("FRA"));
}

// A reserve language: the tool window closes, the main window, its hidden labels and the link's status
// text change in place, the interface switches come from the settings again, the help file stays, and
// the choice is remembered. "Deutsch" brings the German texts back and its help file.
void TestLanguage::switchRetranslatesAndRemembers() {
    Bench b;
    writeFile(b.root.path() + "/QUELMAR/KVQ/KVQ.INI",
              "[LANG2]\r\nNAME=Fran\xe7"
              "ais\r\nCODE=1036\r\nISONAME=FRA\r\n[Zeitzone]\r\nDiff=2\r\n");
    QVERIFY(compileCatalogue(b.translations(), QStringLiteral("fr")));
    TMainForm form(b.ui, b.clock, b.options());
    form.registerToolWindow(ToolKind::HKVData, [](ToolHost& h, QWidget*) { return new ProbeWindow(h); });
    form.OpenToolWindow(ToolKind::HKVData); // no port is mapped: the link shows "Error"
    QVERIFY(form.currentToolWindow());
    QCOMPARE(form.statusText(0), QStringLiteral("Error"));
    const QString caption = form.windowTitle();
    form.interfaceDialog().sio1Active = false;
    form.settings().link.SIO1Active = true;

    action(form, "LangReserve2Item")->trigger();
    QVERIFY(!form.currentToolWindow());
    QCOMPARE(fileMenuTitle(form), QStringLiteral("&Fichier"));
    QCOMPARE(form.text("LabelSIOclose"), QString::fromUtf8("Interface fermée."));
    QCOMPARE(form.statusText(0), QStringLiteral("Erreur"));
    QCOMPARE(form.statusText(1), QStringLiteral("HEURE PC : +2 h"));
    QCOMPARE(form.statusText(3), QStringLiteral("Version appareil :"));
    QVERIFY(form.interfaceDialog().sio1Active);
    QCOMPARE(form.windowTitle(), QStringLiteral("KVQ Commander  ") + form.AppVersionText());
    QVERIFY(caption != form.windowTitle());
    QCOMPARE(form.settings().helpFile, QStringLiteral("KVQ_Help_de.chm"));
    QCOMPARE(readRememberedLanguage(b.remembered), QStringLiteral("FRA"));
    QVERIFY(action(form, "LangReserve2Item")->isChecked());
    QVERIFY(!action(form, "LangDeutschItem")->isChecked());
    // The device entries and the file menu keep their state through the rebuilt menus.
    QVERIFY(action(form, "GeraetedatenEHKVItem")->isEnabled());
    QVERIFY(!action(form, "GeraetedatenWZItem")->isEnabled());
    QVERIFY(!action(form, "FileOpenItem")->isEnabled());

    action(form, "LangDeutschItem")->trigger();
    QCOMPARE(fileMenuTitle(form), QStringLiteral("&Datei"));
    QCOMPARE(form.text("LabelSIOclose"), QStringLiteral("Schnittstelle wurde geschlossen."));
    QCOMPARE(form.statusText(1), QStringLiteral("PC-ZEIT: +2 h"));
    QCOMPARE(readRememberedLanguage(b.remembered), QStringLiteral("DE"));
    QCOMPARE(form.settings().helpFile, QStringLiteral("KVQ_Help_de.chm"));
    QVERIFY(action(form, "LangDeutschItem")->isChecked());
    QVERIFY2(b.ui.messages().isEmpty(), qPrintable(b.ui.messages().join(u'|')));
}

// "English" without its file changes and stores nothing; "Deutsch" without any file still stores "DE".
void TestLanguage::missingTranslationChangesAndStoresNothing() {
    Bench b;
    TMainForm form(b.ui, b.clock, b.options());
    action(form, "LangEnglishItem")->trigger();
    QCOMPARE(fileMenuTitle(form), QStringLiteral("&Datei"));
    QCOMPARE(form.translations().active(), QStringLiteral("DE"));
    QCOMPARE(form.settings().helpFile, QStringLiteral("KVQ_Help_de.chm"));
    QVERIFY(action(form, "LangDeutschItem")->isChecked());
    QVERIFY(!QFile::exists(b.remembered));

    action(form, "LangDeutschItem")->trigger();
    QCOMPARE(readRememberedLanguage(b.remembered), QStringLiteral("DE"));
    QVERIFY(b.ui.messages().isEmpty());
}

// A remembered-language file that cannot be written is reported; the switch itself stands.
void TestLanguage::failureToRememberIsReported() {
    Bench b;
    QVERIFY(QDir().mkpath(b.remembered)); // a folder where the file belongs
    TMainForm form(b.ui, b.clock, b.options());
    action(form, "LangDeutschItem")->trigger();
    QCOMPARE(b.ui.messages().size(), 1);
    QVERIFY2(b.ui.lastMessage().contains(QStringLiteral("kvq-user.ini")), qPrintable(b.ui.lastMessage()));
}

// The language stored by the last run is active before the main window is made.
void TestLanguage::rememberedLanguageAppliesAtStart() {
    Bench b;
    QVERIFY(compileCatalogue(b.translations(), QStringLiteral("en")));
    QVERIFY(rememberLanguage(b.remembered, QStringLiteral("ENG")).ok());
    Translations translations({b.translations()});
    applyRememberedLanguage(translations, b.remembered);
    QCOMPARE(translations.active(), QStringLiteral("ENG"));
    TMainForm form(b.ui, b.clock, b.options(&translations));
    QCOMPARE(fileMenuTitle(form), QStringLiteral("&Fichier"));
    QCOMPARE(form.text("LabelSIOclose"), QString::fromUtf8("Interface fermée."));
    QVERIFY(action(form, "LangEnglishItem")->isChecked());

    // An abbreviation without a file leaves German.
    QVERIFY(rememberLanguage(b.remembered, QStringLiteral("XYZ")).ok());
    Translations none({b.translations()});
    applyRememberedLanguage(none, b.remembered);
    QCOMPARE(none.active(), QStringLiteral("DE"));
}

// "Hilfe" hands the manual of the help file in use to the desktop; English brings the English manual.
void TestLanguage::helpOpensTheManualOfTheLanguage() {
    Bench b;
    TMainForm form(b.ui, b.clock, b.options());
    action(form, "HelpContentsItem")->trigger();
    QCOMPARE(b.opened.size(), std::size_t(0));
    QCOMPARE(b.ui.messages().size(), 1); // not installed: said so

    writeFile(b.shipped.filePath(QStringLiteral("manual/de/index.html")), "<html></html>");
    writeFile(b.shipped.filePath(QStringLiteral("manual/en/index.html")), "<html></html>");
    QVERIFY(compileCatalogue(b.translations(), QStringLiteral("en")));
    QCOMPARE(action(form, "HelpContentsItem")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    action(form, "HelpContentsItem")->trigger();
    QCOMPARE(b.opened.size(), std::size_t(1));
    QCOMPARE(b.opened.back(),
             QUrl::fromLocalFile(b.shipped.filePath(QStringLiteral("manual/de/index.html"))));

    action(form, "LangEnglishItem")->trigger();
    QCOMPARE(form.settings().helpFile, QStringLiteral("KVQ_Help_eng.chm"));
    action(form, "HelpContentsItem")->trigger();
    QCOMPARE(b.opened.back(),
             QUrl::fromLocalFile(b.shipped.filePath(QStringLiteral("manual/en/index.html"))));

    b.openSucceeds = false;
    b.ui.clear();
    action(form, "HelpContentsItem")->trigger();
    QCOMPARE(b.ui.messages().size(), 1);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
