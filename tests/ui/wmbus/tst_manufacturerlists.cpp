#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/FilterPage.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "RecordingPort.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvq;

namespace {

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void trigger(QWidget& w, const char* action) {
    auto* a = w.findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class TestManufacturerLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterListFollowsMainList();
    void newFlagIdTakesThreeCharacters();
    void deleteRemovesFromBothLists();
    void ticksDecideTheFilter();
    void receivedCodesListedOnceInOrder();
    void descriptionFromFile();
};

void TestManufacturerLists::filterListFollowsMainList() {
    test::FakeToolHost host;
    host.settingsValue.manufacturerCodes = {QStringLiteral("QLM"), QStringLiteral("KAM")};
    TFormWMBUSRadioCraft w(host);
    auto* list = w.findChild<QListWidget*>("ComboBoxManCode");
    QVERIFY(list);
    QCOMPARE(items(list), (QStringList{"QLM", "KAM"}));
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
}

void TestManufacturerLists::newFlagIdTakesThreeCharacters() {
    test::FakeToolHost host;
    host.settingsValue.manufacturerCodes = {QStringLiteral("QLM")};
    TFormWMBUSRadioCraft w(host);
    auto* list = w.findChild<QListWidget*>("ComboBoxManCode");

    host.ui.texts = {QStringLiteral("ab"), QStringLiteral("abcd"), std::nullopt, QStringLiteral("abc")};
    for (int i = 0; i < 4; ++i)
        trigger(w, "NEWFlagID");
    QCOMPARE(items(list), (QStringList{"QLM", "ABC"}));
    QCOMPARE(host.settingsValue.manufacturerCodes, (QStringList{"QLM", "ABC"}));
    QCOMPARE(host.ui.shown.size(), std::size_t(4));
    QCOMPARE(host.ui.shown[0].kind, QStringLiteral("input"));
    QCOMPARE(host.ui.shown[0].title, QStringLiteral("Flag ID"));
    QCOMPARE(host.ui.shown[0].text, QStringLiteral("Input 3 Character:"));
    QVERIFY(host.ui.messages().isEmpty()); // wrong lengths are ignored silently
}

void TestManufacturerLists::deleteRemovesFromBothLists() {
    test::FakeToolHost host;
    host.settingsValue.manufacturerCodes = {QStringLiteral("QLM"), QStringLiteral("KAM"),
                                            QStringLiteral("QLM")};
    TFormWMBUSRadioCraft w(host);
    auto* list = w.findChild<QListWidget*>("ComboBoxManCode");

    trigger(w, "DeleteFlagID"); // nothing selected
    QCOMPARE(items(list).size(), 3);

    list->setCurrentRow(2);
    trigger(w, "DeleteFlagID");
    QCOMPARE(items(list), (QStringList{"QLM", "KAM"}));
    QCOMPARE(host.settingsValue.manufacturerCodes, (QStringList{"QLM", "KAM"}));
    QCOMPARE(w.filterPage()->filter().codes(), (QStringList{"QLM", "KAM"}));

    list->setCurrentRow(0);
    trigger(w, "DeleteFlagID");
    QCOMPARE(host.settingsValue.manufacturerCodes, (QStringList{"KAM"}));
}

void TestManufacturerLists::ticksDecideTheFilter() {
    test::FakeToolHost host;
    host.settingsValue.manufacturerCodes = {QStringLiteral("QLM"), QStringLiteral("KAM")};
    TFormWMBUSRadioCraft w(host);
    auto* list = w.findChild<QListWidget*>("ComboBoxManCode");
    const auto& filter = w.filterPage()->filter();
    QVERIFY(filter.passes("XYZ")); // nothing ticked: everyone passes
    list->item(1)->setCheckState(Qt::Checked);
    QVERIFY(filter.passes("KAM"));
    QVERIFY(!filter.passes("QLM"));
    // Deleting the ticked code leaves no tick: everyone passes again.
    list->setCurrentRow(1);
    trigger(w, "DeleteFlagID");
    QVERIFY(filter.passes("QLM"));
    // A new code after a deletion is ticked in its own row.
    host.ui.texts = {QStringLiteral("kam")};
    trigger(w, "NEWFlagID");
    list->item(1)->setCheckState(Qt::Checked);
    QVERIFY(filter.passes("KAM"));
    QVERIFY(!filter.passes("QLM"));
}

void TestManufacturerLists::receivedCodesListedOnceInOrder() {
    test::FakeToolHost host;
    TFormWMBUSRadioCraft w(host);
    w.noteManufacturer(0x0CAE); // CEN
    w.noteManufacturer(0x0443); // ABC
    w.noteManufacturer(0x8CAE); // bit 15 set: still CEN
    QCOMPARE(items(w.analysePage()->ListBoxHersteller), (QStringList{"CEN", "ABC"}));
}

void TestManufacturerLists::descriptionFromFile() {
    test::FakeToolHost host;
    TFormWMBUSRadioCraft w(host);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mbusMANCODE.txt"));
    w.setManufacturerDescriptionFile(path);
    w.noteManufacturer(0x0443);
    w.noteManufacturer(0x0CAE);
    auto* list = w.analysePage()->ListBoxHersteller;
    auto* info = w.analysePage()->LabelHerstellerInfo;

    list->setCurrentRow(0);
    w.ListBoxHerstellerClick();
    QVERIFY(host.ui.lastMessage().startsWith(QStringLiteral("File ")));
    QVERIFY(host.ui.lastMessage().endsWith(QStringLiteral("mbusMANCODE.txt missing!")));
    QVERIFY(info->text().isEmpty());
    QCOMPARE(list->currentRow(), 0);

    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[MANCODE]\r\nABC=Alpha Beta, Street 1, Town\r\n");
    f.close();
    w.ListBoxHerstellerClick();
    QCOMPARE(info->text(), QStringLiteral("Alpha Beta\n Street 1, Town"));
    list->setCurrentRow(1);
    w.ListBoxHerstellerClick();
    QCOMPARE(info->text(), QStringLiteral("keine Information"));
}

QTEST_MAIN(TestManufacturerLists)
#include "tst_manufacturerlists.moc"
