#include "core/wmbus/TelegramResult.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/HexMonitor.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "RecordingPort.h"
#include "Telegrams.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QtTest>

using namespace kvq;
using test::LinkFields;
using test::operator+;

namespace {

void feed(TFormWMBUSRadioCraft& w, const std::vector<std::uint8_t>& bytes) {
    w.receiveChunk(bytes.data(), static_cast<std::uint16_t>(bytes.size()), 0.0);
}

QString label(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QString hexLine(const std::vector<std::uint8_t>& bytes) {
    QString s;
    for (std::uint8_t b : bytes)
        s += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return s;
}

struct Window {
    test::FakeToolHost host;
    TFormWMBUSRadioCraft w{host};
    explicit Window(int receiverType = 0) {
        host.settingsValue.RECEIVERTYPE = receiverType;
        w.afterOpen();
        w.resize(900, 640);
        w.show(); // the monitor's screen of lines follows its laid-out height
    }
    HexMonitor* monitor() { return w.findChild<HexMonitor*>("RichEdit1"); }
};

} // namespace

class TestAnalysePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Value texts take the decimal separator of the user's locale; these checks read German ones.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void twoTelegramsInOneChunk();
    void telegramSplitOverChunks();
    void linkLayerTexts();
    void decodedHeaderAndValues();
    void compactFrameWithoutValuesSaysWhy();
    void otherCFieldIsSkipped();
    void amberFramingAndRssi();
    void stopKeepsBytesUntilReleased();
    void triggerStopsAfterItsTelegram();
    void monitorHoldsOneScreen();
    void modeSResetsCounters();
    void rawTextOnlyWhileAnalyseShown();
};

void TestAnalysePage::twoTelegramsInOneChunk() {
    Window t;
    LinkFields a, b;
    b.id[0] = 0x11;
    b.id[1] = b.id[2] = b.id[3] = 0x00;
    const auto fa = test::radioCraftFrame(a), fb = test::radioCraftFrame(b);
    feed(t.w, std::vector<std::uint8_t>{0x00, 0x68} + fa + fb + std::vector<std::uint8_t>{0x68});
    QCOMPARE(t.w.telegramCount(), 2u);
    QCOMPARE(label(t.w, "LabelAnzahlProtokolle"), QStringLiteral("2"));
    QCOMPARE(label(t.w, "LabelFunkID"), QStringLiteral("00000011"));
    QCOMPARE(t.monitor()->lineCount(), 2);
    QCOMPARE(t.monitor()->lineText(0), hexLine(fa));
    QCOMPARE(t.monitor()->lineText(1), hexLine(fb));
    // The trailing 0x68 starts the next telegram once the rest arrives.
    const auto rest = std::vector<std::uint8_t>(fa.begin() + 1, fa.end());
    feed(t.w, rest);
    QCOMPARE(t.w.telegramCount(), 3u);
    QCOMPARE(label(t.w, "LabelFunkID"), QStringLiteral("12345678"));

    // Colours of the fields on the monitor line.
    HexMonitor* m = t.monitor();
    const int rssiAt = int(fa.size()) - 2;
    QCOMPARE(m->byteColour(0, 0), QColor(255, 0, 0));
    QCOMPARE(m->byteColour(0, 1), QColor(232, 94, 17));
    QCOMPARE(m->byteColour(0, 2), QColor(255, 255, 255));
    QCOMPARE(m->byteColour(0, 3), QColor(192, 220, 192));
    QCOMPARE(m->byteColour(0, 5), QColor(128, 128, 0));
    QCOMPARE(m->byteColour(0, 10), QColor(255, 255, 0));
    QCOMPARE(m->byteColour(0, rssiAt), QColor(0, 255, 255));
    QCOMPARE(m->byteColour(0, rssiAt + 1), QColor(255, 0, 0));
}

void TestAnalysePage::telegramSplitOverChunks() {
    Window t;
    const auto f = test::radioCraftFrame(LinkFields{});
    feed(t.w, std::vector<std::uint8_t>(f.begin(), f.begin() + 7));
    QCOMPARE(t.w.telegramCount(), 0u);
    QCOMPARE(t.monitor()->lineCount(), 0);
    feed(t.w, std::vector<std::uint8_t>(f.begin() + 7, f.end()));
    QCOMPARE(t.w.telegramCount(), 1u);
    QCOMPARE(t.monitor()->lineCount(), 1);
}

void TestAnalysePage::linkLayerTexts() {
    Window t;
    LinkFields f;
    f.id[0] = 0x1A;
    f.id[1] = f.id[2] = f.id[3] = 0x00;
    f.c = 0x46;
    feed(t.w, test::radioCraftFrame(f));
    QCOMPARE(label(t.w, "LabelFunkID"), QStringLiteral("26"));
    QCOMPARE(label(t.w, "LabelMC"), QStringLiteral("CEN"));
    QCOMPARE(label(t.w, "LabelCF"), QStringLiteral("46"));
    QCOMPARE(label(t.w, "LabelCI"), QStringLiteral("7A"));
    QCOMPARE(label(t.w, "LabelLenght"), QString::number(10 + f.rest.size() + 1));
    QCOMPARE(label(t.w, "LabelRSSI"), QStringLiteral("-69"));
    QCOMPARE(label(t.w, "LabelRSSI1"), QStringLiteral("-69"));
    QCOMPARE(t.w.findChild<QProgressBar*>("ProgressBarRSSI1")->value(), -69);
    auto* heard = t.w.analysePage()->ListBoxHersteller;
    QCOMPARE(heard->count(), 1);
    QCOMPARE(heard->item(0)->text(), QStringLiteral("CEN"));
    f.m[0] = 0x43;
    f.m[1] = 0x04;
    feed(t.w, test::radioCraftFrame(f));
    feed(t.w, test::radioCraftFrame(f));
    QCOMPARE(heard->count(), 2);
    QCOMPARE(heard->item(1)->text(), QStringLiteral("ABC"));
}

void TestAnalysePage::compactFrameWithoutValuesSaysWhy() {
    Window t;
    auto* page = t.w.findChild<AnalysePage*>();
    QVERIFY(page);
    wmbus::TelegramResult r;
    r.compact = wmbus::CompactOutcome::CrcMismatch;
    page->showValues(r);
    QVERIFY(page->LabelWerteHinweis->isVisible());
    QVERIFY(page->LabelWerteHinweis->text().contains(QStringLiteral("CRC")));
    r.compact = wmbus::CompactOutcome::Expanded;
    page->showValues(r);
    QVERIFY(!page->LabelWerteHinweis->isVisible());
}

void TestAnalysePage::decodedHeaderAndValues() {
    Window t;
    auto* grid = t.w.findChild<QTableWidget*>("StringGridWerte");
    feed(t.w, test::radioCraftFrame(LinkFields{}));
    QCOMPARE(label(t.w, "LabelDEVICE"), QStringLiteral("7_Water"));
    QCOMPARE(label(t.w, "LabelSerienID"), QStringLiteral("12345678"));
    QCOMPARE(label(t.w, "LabelCounter"), QStringLiteral("1"));
    QCOMPARE(label(t.w, "LabelAES"), QStringLiteral("no"));
    QCOMPARE(grid->rowCount(), 20);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("12,345"));
    QCOMPARE(grid->item(0, 1)->text(), QString::fromUtf8("m³"));
    QVERIFY(grid->item(1, 0)->text().isEmpty());

    // Long header: its device type and ID are shown; a reserved medium hides the serial ID.
    LinkFields longHeader;
    longHeader.ci = 0x72;
    longHeader.rest = {0x21, 0x43, 0x65, 0x87, 0xAE, 0x0C, 0x01, 0x30, 0x05,
                       0x00, 0x00, 0x00, 0x04, 0x13, 0x01, 0x00, 0x00, 0x00};
    feed(t.w, test::radioCraftFrame(longHeader));
    QCOMPARE(label(t.w, "LabelDEVICE"), QStringLiteral("48_Reserved"));
    QVERIFY(label(t.w, "LabelSerienID").isEmpty());
    QCOMPARE(label(t.w, "LabelCounter"), QStringLiteral("5"));
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("0,001"));

    // Ticking another manufacturer in the filter list keeps this one's values out.
    t.host.ui.texts = {QStringLiteral("kam")};
    t.w.findChild<QAction*>("NEWFlagID")->trigger();
    t.w.findChild<QListWidget*>("ComboBoxManCode")->item(0)->setCheckState(Qt::Checked);
    feed(t.w, test::radioCraftFrame(LinkFields{}));
    QCOMPARE(t.w.telegramCount(), 3u);
    QCOMPARE(label(t.w, "LabelDEVICE"), QStringLiteral("7_Water"));
    QVERIFY(grid->item(0, 0)->text().isEmpty());
}

void TestAnalysePage::otherCFieldIsSkipped() {
    Window t;
    LinkFields f;
    f.c = 0x08;
    feed(t.w, test::radioCraftFrame(f));
    QCOMPARE(t.w.telegramCount(), 0u);
    QCOMPARE(t.monitor()->lineCount(), 0);
    // A good telegram right behind it is still found.
    feed(t.w, test::radioCraftFrame(LinkFields{}));
    QCOMPARE(t.w.telegramCount(), 1u);
}

void TestAnalysePage::amberFramingAndRssi() {
    Window t(2);
    QCOMPARE(t.w.framing(), wmbus::Framing::Amber);
    LinkFields f;
    auto bad = test::amberFrame(f);
    bad.back() ^= 0x01; // wrong checksum
    const auto good = test::amberFrame(f);
    feed(t.w, bad + good);
    QCOMPARE(t.w.telegramCount(), 1u);
    QCOMPARE(label(t.w, "LabelRSSI"), QStringLiteral("-134"));
    // Below the bar's range: the bar shows its lowest value.
    QCOMPARE(t.w.findChild<QProgressBar*>("ProgressBarRSSI1")->value(), -107);
    QCOMPARE(t.monitor()->lineText(0), hexLine(good));
    QCOMPARE(t.monitor()->byteColour(0, 1), QColor(255, 0, 0)); // 0xFF 0x03 both red
    QCOMPARE(t.monitor()->byteColour(0, 2), QColor(232, 94, 17));
    QCOMPARE(t.monitor()->byteColour(0, int(good.size()) - 2), QColor(0, 255, 255));
}

void TestAnalysePage::stopKeepsBytesUntilReleased() {
    for (int type : {0, 1}) {
        Window t(type);
        auto* stop = t.w.findChild<QPushButton*>("sBitBtnStop");
        QCOMPARE(stop->text(), QString::fromUtf8("STOP Daten vom Empfänger"));
        stop->setChecked(true);
        QVERIFY(t.w.stopSwitch());
        const auto f = type == 0 ? test::radioCraftFrame(LinkFields{}) : test::amberFrame(LinkFields{});
        feed(t.w, f + f);
        QCOMPARE(t.w.telegramCount(), 0u);
        QCOMPARE(t.monitor()->lineCount(), 0);
        stop->setChecked(false);
        QCOMPARE(t.w.telegramCount(), 2u);
    }
}

void TestAnalysePage::triggerStopsAfterItsTelegram() {
    Window t;
    auto* trigger = t.w.findChild<QCheckBox*>("StartTrigger");
    auto* stop = t.w.findChild<QPushButton*>("sBitBtnStop");
    stop->setChecked(true);
    trigger->setChecked(true);
    QVERIFY(!stop->isChecked()); // the trigger releases STOP
    t.w.findChild<QLineEdit*>("EditTgFunkID")->setText(QStringLiteral("26"));

    LinkFields other, wanted;
    wanted.id[0] = 0x1A;
    wanted.id[1] = wanted.id[2] = wanted.id[3] = 0x00;
    feed(t.w, test::radioCraftFrame(other) + test::radioCraftFrame(wanted) + test::radioCraftFrame(other));
    QCOMPARE(t.w.telegramCount(), 2u);
    QCOMPARE(label(t.w, "LabelFunkID"), QStringLiteral("26"));
    QVERIFY(!trigger->isChecked());
    QVERIFY(stop->isChecked());
    QVERIFY(t.w.stopSwitch());
    feed(t.w, test::radioCraftFrame(other));
    QCOMPARE(t.w.telegramCount(), 2u);

    // Switching STOP on switches the trigger off.
    stop->setChecked(false);
    trigger->setChecked(true);
    stop->setChecked(true);
    QVERIFY(!trigger->isChecked());

    // An empty trigger ID matches nothing.
    Window u;
    u.w.findChild<QCheckBox*>("StartTrigger")->setChecked(true);
    feed(u.w, test::radioCraftFrame(other));
    QVERIFY(!u.w.stopSwitch());
}

void TestAnalysePage::monitorHoldsOneScreen() {
    Window t;
    HexMonitor* m = t.monitor();
    m->setFixedHeight(10 * HexMonitor::kLineHeight + 5);
    QCOMPARE(m->maxLines(), 10);
    QSignalSpy dropped(m, &HexMonitor::lineDropped);
    std::vector<std::uint8_t> all;
    LinkFields f;
    for (int i = 0; i < 30; ++i) {
        f.id[0] = static_cast<std::uint8_t>(i);
        all = all + test::radioCraftFrame(f);
    }
    feed(t.w, all);
    QCOMPARE(t.w.telegramCount(), 30u);
    QCOMPARE(m->lineCount(), 10);
    QCOMPARE(dropped.count(), 20);
    f.id[0] = 29;
    QCOMPARE(m->lineText(9), hexLine(test::radioCraftFrame(f)));
    f.id[0] = 0;
    QCOMPARE(dropped.first().first().toString(), hexLine(test::radioCraftFrame(f)));
}

void TestAnalysePage::modeSResetsCounters() {
    Window t;
    feed(t.w, test::radioCraftFrame(LinkFields{}));
    t.w.monitorByte(QStringLiteral("68 "));
    QCOMPARE(t.w.telegramCount(), 1u);
    QCOMPARE(t.w.byteCount(), 1u);
    t.w.StartModeTC();
    QCOMPARE(t.w.telegramCount(), 1u);
    t.w.StartModeC();
    QCOMPARE(t.w.byteCount(), 1u);
    t.w.StartModeS();
    QCOMPARE(t.w.telegramCount(), 0u);
    QCOMPARE(t.w.byteCount(), 0u);
    QCOMPARE(label(t.w, "LabelAnzahlProtokolle"), QStringLiteral("0"));
    QCOMPARE(label(t.w, "LabeCountByte"), QStringLiteral("0"));
}

void TestAnalysePage::rawTextOnlyWhileAnalyseShown() {
    Window t;
    auto* memo = t.w.findChild<QPlainTextEdit*>("MemoRX");
    t.w.monitorByte(QStringLiteral("68 "));
    t.w.monitorByte(QStringLiteral("0A "));
    QVERIFY(memo->toPlainText().isEmpty()); // shown with the chunk
    feed(t.w, {0x68, 0x0A});
    QCOMPARE(memo->toPlainText(), QStringLiteral("68 0A "));
    auto* pages = t.w.findChild<QTabWidget*>("PageControlMain");
    pages->setCurrentIndex(1);
    t.w.monitorByte(QStringLiteral("44 "));
    t.w.analysePage()->flushRaw();
    QCOMPARE(memo->toPlainText(), QStringLiteral("68 0A "));
    QCOMPARE(label(t.w, "LabeCountByte"), QStringLiteral("3"));

    // A day of raw text does not grow without bound.
    pages->setCurrentIndex(0);
    for (int i = 0; i < 100000; ++i) {
        t.w.monitorByte(QStringLiteral("5A "));
        if (i % 1000 == 999)
            t.w.analysePage()->flushRaw();
    }
    QCOMPARE(memo->document()->blockCount(), AnalysePage::kMaxRawLines);
    QVERIFY(memo->document()->firstBlock().text().size() == AnalysePage::kRawLineChars);
    QVERIFY(memo->toPlainText().endsWith(QStringLiteral("5A 5A ")));
    // The raw text waits for no chunk for long.
    t.w.monitorByte(QStringLiteral("16 "));
    QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().endsWith(QStringLiteral("16 ")), 30000);
}

QTEST_MAIN(TestAnalysePage)
#include "tst_analysepage.moc"
