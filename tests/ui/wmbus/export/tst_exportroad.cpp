// The whole road of the export formats: telegrams received by the recorder and the same telegrams as
// a recording through kvq-wmbus export give the same files, byte for byte.

#include "cli/WmbusCli.h"
#include "core/export/ExportFormatFile.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/export/ExportDataTabs.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "../Telegrams.h"
#include "FakeToolHost.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <sstream>

using namespace kvq;
using test::LinkFields;

namespace {

const QByteArray kRoute =
    "[SETUP]\r\nEDITKEY=\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=Strasse 5\r\nHAUSER=1\r\n"
    "[HAUS1]\r\nNAME=Haus1\r\nANZETAGEN=1\r\nANZS=2\r\n[HAUS1_E1]\r\nNAME=Etage1\r\n"
    "[HAUS1_S1]\r\nRADIOID=12345678\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=Etage1\r\nAESKEY=\r\n"
    "[HAUS1_S2]\r\nRADIOID=23800604\r\nMEDIUM=8\r\nMANCODE=VIP\r\nETAGE=Etage1\r\nAESKEY=\r\n";

const QByteArray kFormats =
    "[Wasser]\r\nRadioID=Zähler\r\nTCount=Zugriff\r\nValue1[1]=Vormonat\r\n"
    "Option_Value1[1]=[M]\r\nUnit1=Einheit\r\nRSSI=Pegel\r\nOption_RSSI=[X]\r\nRTime=Zeit\r\n"
    "FILT_RFIDMAX=99999999\r\nFILT_RFIDMIN=00000000\r\nFILT_MC=CEN\r\nFILT_MEDIUM=07\r\n"
    "FILT_LAENGE=021\r\nFILT_ENABLE=1\r\n"
    "[Heizung]\r\nRadioID=ID\r\nMeterID=Nummer\r\nValue1=HKV\r\nFILT_RFIDMAX=99999999\r\n"
    "FILT_RFIDMIN=00000000\r\nFILT_MC=VIP\r\nFILT_MEDIUM=08\r\nFILT_LAENGE=021\r\nFILT_ENABLE=1\r\n";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

std::vector<std::vector<std::uint8_t>> drive() {
    LinkFields water;
    LinkFields again;
    again.rest = {0x02, 0x00, 0x00, 0x00, 0x04, 0x13, 0x40, 0x30, 0x00, 0x00};
    LinkFields stranger;
    stranger.id[0] = 0x99;
    LinkFields hca;
    hca.m[0] = 0x30; // VIP
    hca.m[1] = 0x59;
    hca.id[0] = 0x04;
    hca.id[1] = 0x06;
    hca.id[2] = 0x80;
    hca.id[3] = 0x23;
    hca.deviceType = 0x08;
    return {test::radioCraftFrame(water), test::radioCraftFrame(stranger), test::radioCraftFrame(hca),
            test::radioCraftFrame(again)};
}

} // namespace

class TestExportRoad : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Value texts take the decimal separator of the user's locale; these checks read German ones.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void recorderAndCommandWriteTheSameFiles();
};

void TestExportRoad::recorderAndCommandWriteTheSameFiles() {
    test::TempDataRoot root;
    QDir dir(root.path());
    QVERIFY(writeFile(dir.filePath("Haus.ROUTE"), kRoute));
    QVERIFY(writeFile(exporting::exportFormatFilePath(), kFormats));
    test::FakeToolHost host;
    host.clockValue.set(QDateTime(QDate(2026, 5, 20), QTime(9, 0)));
    host.settingsValue.AutoLoad = true;
    host.settingsValue.Geraeteliste = dir.filePath("Haus.ROUTE");
    host.settingsValue.CSVPath = dir.filePath("recorder");

    QByteArray replay;
    {
        TFormWMBUSRadioCraft w(host);
        w.afterOpen();
        for (const auto& frame : drive()) {
            w.receiveChunk(frame.data(), std::uint16_t(frame.size()), 0.0);
            replay +=
                QByteArray(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size())).toHex() +
                "\r\n";
        }
        // A tab per format that took a telegram; one row per device, the stranger nowhere.
        auto* tabs = w.findChild<QTabWidget*>("PageControlDaten");
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Wasser"));
        QTableView* view = w.exportTabs()->viewOf(QStringLiteral("Wasser"));
        QVERIFY(view && view->model() == w.exportTabs()->modelOf(QStringLiteral("Wasser")));
        w.exportTabs()->modelOf(QStringLiteral("Wasser"))->flush();
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Value1 / 30.4.2026"));
        QCOMPARE(view->model()->index(0, 1).data().toString(), QStringLiteral("2"));
        w.exportTabs()->exportAllAction()->trigger();
        QVERIFY(host.ui.messages().isEmpty());
    }

    QVERIFY(writeFile(dir.filePath("fahrt.txt"), replay));
    std::ostringstream out, err;
    const int rc = cli::runWmbusCli({"export", "--formats", exporting::exportFormatFilePath(), "--out-dir",
                                     dir.filePath("cli"), "--route", dir.filePath("Haus.ROUTE"), "--now",
                                     "20.05.2026 09:00:00", dir.filePath("fahrt.txt")},
                                    out, err);
    QVERIFY2(rc == cli::kExitOk, err.str().c_str());
    for (const char* name : {"Wasser.csv", "Heizung.csv"}) {
        const QByteArray recorded = readFile(QDir(dir.filePath("recorder")).filePath(name));
        QCOMPARE(readFile(QDir(dir.filePath("cli")).filePath(name)), recorded);
        QCOMPARE(recorded.count("\r\n"), 2);
    }
    QCOMPARE(readFile(QDir(dir.filePath("recorder")).filePath("Wasser.csv")),
             QByteArray("Z\xE4hler;Zugriff;Value1 / 30.4.2026;Einheit;Zeit\r\n"
                        "12345678;2;12,352;m\xB3;20.05.2026 09:00:00\r\n"));
}

QTEST_MAIN(TestExportRoad)
#include "tst_exportroad.moc"
