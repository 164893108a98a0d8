#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/table/StoredResult.h"
#include "ui/wmbus/export/ExportPage.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

using namespace kvq;
using namespace kvq::exporting;

namespace {

const QByteArray kFile = "[Heizung]\r\nRadioID=Funknummer\r\nOption_RadioID=\r\nValue2[1]=Vormonat\r\n"
                         "Option_Value2[1]=[M]\r\nRSSI=Pegel\r\nOption_RSSI=[X]\r\nFILT_RFIDMAX=19999999\r\n"
                         "FILT_RFIDMIN=10000000\r\nFILT_MC=QDS\r\nFILT_MEDIUM=08\r\nFILT_LAENGE=046\r\n"
                         "FILT_ENABLE=1\r\n[Wasser]\r\nRadioID=ID\r\nFILT_ENABLE=0\r\n";

QStringList column(const QTableWidget* g, int c) {
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << (g->item(r, c) ? g->item(r, c)->text() : QString());
    return out;
}

QStringList row(const QTableWidget* g, int r) {
    QStringList out;
    for (int c = 0; c < g->columnCount(); ++c)
        out << (g->item(r, c) ? g->item(r, c)->text() : QString());
    return out;
}

} // namespace

class TestExportPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void showEditSaveAndTheCloseQuestion();
    void tickDeleteAndMasks();
    void newFormatFromATelegramWithTheWizard();

private:
    std::unique_ptr<test::TempDataRoot> root_;
    test::ScriptedUserInteraction ui_;
    test::FakeClock clock_{QDateTime(QDate(2026, 5, 20), QTime(9, 0))};
    QString path_;
};

void TestExportPage::init() {
    root_ = std::make_unique<test::TempDataRoot>();
    ui_.clear();
    path_ = exportFormatFilePath();
    QFile f(path_);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kFile);
}

void TestExportPage::showEditSaveAndTheCloseQuestion() {
    ExportPage page(ui_, clock_);
    QCOMPARE(page.MaskEditRFIDMin->text(), QStringLiteral("00000000"));
    QCOMPARE(page.MaskEditRFIDMax->text(), QStringLiteral("99999999"));
    page.loadFormats();
    QListWidget* list = page.ListBoxExportFormate;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);

    list->setCurrentRow(0);
    page.ButtonEditClick();
    QVERIFY(page.CheckBoxEditMode->isChecked());
    QCOMPARE(column(page.StringGridSpalten, 0), (QStringList{"RadioID", "Value2[1]", "RSSI"}));
    QCOMPARE(column(page.StringGridSpalten, 2), (QStringList{"", "[M]", "[X]"}));
    QCOMPARE(page.MaskEditRFIDMin->text(), QStringLiteral("10000000"));
    QCOMPARE(page.MaskEditMC->text(), QStringLiteral("QDS"));
    QCOMPARE(page.MaskEditLaenge->text(), QStringLiteral("046"));
    QCOMPARE(row(page.StringGridVorschau, 0), (QStringList{"Funknummer", "Value2 / 30.4.2026"}));
    QVERIFY(!page.hasUnsavedChange());

    // An edited heading shows the save mark; closing and saying No keeps the file.
    page.StringGridSpalten->item(0, 1)->setText(QStringLiteral("Zähler"));
    QVERIFY(page.ImageSave->isVisibleTo(&page));
    QCOMPARE(row(page.StringGridVorschau, 0).front(), QStringLiteral("Zähler"));
    const auto fileBytes = [&] {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    ui_.answers = {false};
    QVERIFY(page.queryClose());
    QCOMPARE(ui_.shown.back().text, QStringLiteral("Soll das Export-Format gespeichert werden?"));
    QCOMPARE(ui_.shown.back().title, QStringLiteral("Speichern?"));
    QCOMPARE(fileBytes(), kFile);

    // Yes saves: renamed, the old section goes, and what the editor wrote loads back equal.
    page.EditNewFormatName->setText(QStringLiteral("Heizung neu"));
    ui_.answers = {true};
    QVERIFY(page.queryClose());
    QVERIFY(!page.hasUnsavedChange());
    auto saved = ExportFormatListe::load(path_);
    QVERIFY(saved.ok());
    QCOMPARE(saved->size(), 2);
    QCOMPARE(saved->at(0).name(), QStringLiteral("Wasser"));
    const ExportFormat expected(
        "Heizung neu",
        {{"RadioID", "Zähler", ""}, {"Value2[1]", "Vormonat", "[M]"}, {"RSSI", "Pegel", "[X]"}},
        ExportFilter{"10000000", "19999999", "QDS", "08", "046", true});
    QVERIFY(saved->at(1) == expected);
}

void TestExportPage::tickDeleteAndMasks() {
    ExportPage page(ui_, clock_);
    page.loadFormats();
    QSignalSpy changed(&page, &ExportPage::formatsChanged);
    page.ListBoxExportFormate->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(changed.count(), 1);
    QVERIFY(ExportFormatListe::load(path_)->at(1).filter().enabled);

    // Without edit mode the filter cannot be typed into; with it only what the masks allow.
    page.ListBoxExportFormate->setCurrentRow(0);
    page.ListBoxExportFormateClick();
    QTest::keyClicks(page.MaskEditMC, "x");
    QCOMPARE(page.MaskEditMC->text(), QStringLiteral("QDS"));
    page.CheckBoxEditMode->setChecked(true);
    page.MaskEditMC->clear();
    QTest::keyClicks(page.MaskEditMC, "k1am");
    QCOMPARE(page.MaskEditMC->text(), QStringLiteral("KAM"));
    page.MaskEditLaenge->clear();
    QTest::keyClicks(page.MaskEditLaenge, "4a6");
    QCOMPARE(page.MaskEditLaenge->text(), QStringLiteral("46"));
    QVERIFY(page.hasUnsavedChange());

    ui_.answers = {true};
    page.ListBoxExportFormate->setCurrentRow(1);
    page.ButtonDelClick();
    QCOMPARE(ui_.shown.back().kind, QStringLiteral("question"));
    QCOMPARE(page.ListBoxExportFormate->count(), 1);
    QCOMPARE(ExportFormatListe::load(path_)->size(), 1);
    QCOMPARE(changed.count(), 2);
}

void TestExportPage::newFormatFromATelegramWithTheWizard() {
    ExportPage page(ui_, clock_);
    page.loadFormats();
    wmbus::TelegramResult r;
    r.link.l = 46;
    r.link.idText.assign("12345678");
    r.headerIdText.assign("12345678");
    r.link.manufacturer.letters = {'C', 'E', 'N', 0};
    r.deviceType = 7;
    r.values[0] = {"12,5", "m³[2]"};
    r.values[1] = {"3", "h"};
    std::optional<ExportPage::Sample> source = ExportPage::Sample{3, wmbus::StoredResult::fromTelegram(r, 0)};
    page.setTelegramSource([&] { return source; });
    page.NeuesExportFormatClick();
    QCOMPARE(page.StringGridSampleData->rowCount(), 14);
    QCOMPARE(page.StringGridSampleData->item(0, 1)->text(), QStringLiteral("3"));
    QCOMPARE(page.MaskEditRFIDMin->text(), QStringLiteral("12345678"));
    QCOMPARE(page.MaskEditRFIDMax->text(), QStringLiteral("12345678"));
    QCOMPARE(page.MaskEditMedium->text(), QStringLiteral("07"));

    page.SButtonWizardClick();
    QCOMPARE(page.StringGridSpalten->horizontalHeaderItem(0)->text(), QStringLiteral("Alt"));
    QCOMPARE(page.StringGridSpalten->rowCount(), 14);
    QCOMPARE(row(page.StringGridSpalten, 10), (QStringList{"Value1[2]", "12,5", "[M]"}));
    QVERIFY(page.hasUnsavedChange());

    // Saving without a name is refused with a message and nothing is written.
    QVERIFY(!page.ButtonSaveClick());
    QVERIFY(!ui_.lastMessage().isEmpty());
    page.EditNewFormatName->setText(QStringLiteral("Neu"));
    QVERIFY(page.ButtonSaveClick());
    const auto list = ExportFormatListe::load(path_);
    QCOMPARE(list->size(), 3);
    QCOMPARE(list->at(2).columns().size(), std::size_t(14));
    QVERIFY(list->at(2).filter().enabled);

    source.reset();
    page.NeuesExportFormatClick();
    QCOMPARE(ui_.lastMessage(), QStringLiteral("Es wurde noch kein Telegramm empfangen."));
}

QTEST_MAIN(TestExportPage)
#include "tst_exportpage.moc"
