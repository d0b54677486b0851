#include "support/fixtures.h"

#include <QTest>
#include <cmath>

class LogTableTest : public QObject
{
    Q_OBJECT

private slots:
    void valuesAfterLG_data();
    void valuesAfterLG();
    void indexOutsideTableFails_data();
    void indexOutsideTableFails();
    void filledOnlyByLG();
};

void LogTableTest::valuesAfterLG_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");
    QTest::newRow("0 never written") << 0 << 0.0;
    QTest::newRow("1 never written") << 1 << 0.0;
    QTest::newRow("2") << 2 << 0.30103;
    QTest::newRow("3") << 3 << 0.47712;
    QTest::newRow("5") << 5 << 0.69897;
    QTest::newRow("9") << 9 << 0.95424;
    QTest::newRow("10 never written") << 10 << 0.0;
}

void LogTableTest::valuesAfterLG()
{
    QFETCH(int, index);
    QFETCH(double, expected);
    Dishscope window;
    RecordingReporter reporter;
    FixedClock clock(QDate(2027, 3, 1));
    Module1 module(window, reporter, clock);
    module.LG();
    QCOMPARE(std::round(module.LOGT(index) * 1e5) / 1e5, expected);
    QCOMPARE(module.LN10, std::log(10.0));
    QVERIFY(reporter.messages.isEmpty());
}

void LogTableTest::indexOutsideTableFails_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("11") << 11;
    QTest::newRow("far out") << 32767;
}

void LogTableTest::indexOutsideTableFails()
{
    QFETCH(int, index);
    Dishscope window;
    RecordingReporter reporter;
    FixedClock clock(QDate(2027, 3, 1));
    Module1 module(window, reporter, clock);
    module.LG();
    try {
        module.LOGT(index);
        QFAIL("reading outside the table must fail");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number, int(ErrorNumber::SubscriptOutOfRange));
    }
}

void LogTableTest::filledOnlyByLG()
{
    Dishscope window;
    RecordingReporter reporter;
    FixedClock clock(QDate(2027, 3, 1));
    Module1 module(window, reporter, clock);
    QCOMPARE(module.LOGT(2), 0.0);
    module.LG();
    QVERIFY(module.LOGT(2) > 0.3);
}

BEAMWISE_TEST_MAIN(LogTableTest)
#include "tst_log_table.moc"
