// The data table model: consistent for Qt's model checker through appends, overwrites and resets,
// and announcing a burst of rows as one insert.

#include "core/wmbus/FlagCode.h"
#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/table/TableColumns.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

TelegramResult telegram(const char* id, std::uint8_t access) {
    TelegramResult r;
    r.link.idText.assign(id);
    r.link.manufacturer = unpackFlagCode(*packFlagCode("CEN"));
    r.deviceType = 7;
    r.accessNumber = access;
    r.values[0] = {"1,5", "m³"};
    return r;
}

} // namespace

class TestResultTableModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void passesTheModelTesterThroughEveryChange();
    void burstOfRowsIsOneInsert();
};

void TestResultTableModel::passesTheModelTesterThroughEveryChange() {
    ResultTable table;
    table.store(telegram("00000001", 1), DisplayOption::LiveAll, 1);
    ResultTableModel model(table, AllColumns::instance());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 50);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("RadioID"));
    QCOMPARE(model.index(0, AllColumns::FirstValue + 1).data().toString(), QString::fromUtf8("m³"));

    table.store(telegram("00000002", 1), DisplayOption::LiveAll, 1);
    table.store(telegram("00000001", 7), DisplayOption::LiveNewest, 1); // a row the views know
    table.store(telegram("00000002", 8), DisplayOption::LiveNewest, 1); // a row still pending
    QCOMPARE(model.rowCount(), 1);
    QVERIFY(model.hasPending());
    QTRY_COMPARE(model.rowCount(), 2); // the batch timer
    QCOMPARE(model.index(0, AllColumns::TCount).data().toString(), QStringLiteral("7"));
    QCOMPARE(model.index(1, AllColumns::TCount).data().toString(), QStringLiteral("8"));
    QCOMPARE(model.index(1, AllColumns::Index).data().toString(), QStringLiteral("2"));

    table.store(telegram("00000003", 1), DisplayOption::LiveAll, 1);
    table.clear(); // a pending row goes with the reset
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.hasPending());
    table.assign({StoredResult::fromTelegram(telegram("00000009", 1), 1)});
    QCOMPARE(model.rowCount(), 1);
}

void TestResultTableModel::burstOfRowsIsOneInsert() {
    ResultTable table;
    ResultTableModel model(table, AllColumns::instance());
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    for (int i = 0; i < 500; ++i)
        table.store(telegram("00000001", static_cast<std::uint8_t>(i)), DisplayOption::LiveAll, 1);
    QCOMPARE(inserted.count(), 0);
    model.flush();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.front().at(1).toInt(), 0);
    QCOMPARE(inserted.front().at(2).toInt(), 499);
    // Overwrites of shown rows are one change, spanning the rows touched.
    table.store(telegram("00000001", 1), DisplayOption::LiveNewest, 1);
    table.store(telegram("00000001", 2), DisplayOption::LiveNewest, 1);
    model.flush();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.front().at(0).toModelIndex().row(), 499);
}

QTEST_MAIN(TestResultTableModel)
#include "tst_resulttablemodel.moc"
