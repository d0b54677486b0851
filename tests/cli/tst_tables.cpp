#include "cli/csv_table.h"
#include "support/process.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Tables of antennas as users feed them to --batch: faults told on the line an editor
// shows, within bounds made here, cells carried byte for byte in both dialects, records
// that read back the same in English and German, each row read by its columns.

class TablesTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString table(const QByteArray &text)
    {
        static int n = 0;
        const QString file = dir.filePath(QString("t%1.csv").arg(++n));
        return write(file, text) ? file : QString();
    }
    Run batch(const QByteArray &text, const QString &format = "csv",
              const QString &lang = "en_GB.UTF-8")
    {
        return run(BEAMWISE_BINARY, {"--batch", table(text), "--format", format}, lang);
    }

private slots:
    void faultsAreToldOnTheirLine_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<QString>("said");
        const QByteArray mebibyte(bounds::FieldBytes, 'x');
        const std::tuple<const char *, QByteArray, const char *> faults[] = {
                {"unclosed quote", "\"2 m,", "a quote opened here is never closed"},
                {"stray quote", "12\" dish", "a quote stands inside a field"},
                {"long field", mebibyte + 'x', "a field here is longer than 1 MiB"},
                {"many fields", QByteArray(bounds::RowFields, ','),
                 "a row here has more than 10,000 fields"},
                {"long row", (mebibyte + ',').repeated(8), "a row here is longer than 8 MiB"}};
        for (const auto &[name, fault, said] : faults)
            for (const char *end : {"\n", "\r", "\r\n"})
                QTest::newRow(
                        QByteArray(name).append(' ').append(QByteArray(end).toPercentEncoding()))
                        << QByteArray(end) << fault << QString(said);
    }

    // Every line end an editor knows counts, inside a quoted cell too; the records before
    // the fault are out, none after it.
    void faultsAreToldOnTheirLine()
    {
        QFETCH(QByteArray, end);
        QFETCH(QByteArray, fault);
        QFETCH(QString, said);
        const QByteArray before = "diameter,frequency,site" + end + end + "1 m,10 GHz,\"a" + end
                + end + "b\"" + end + "1 m,";
        const Run done = batch(before + fault + end + "2 m,5 GHz" + end);
        const qsizetype line = QString(before).split(QRegularExpression("\r\n|\r|\n")).size();
        QVERIFY2(done.status == 2 && done.bytes.contains("\"a" + end + end + "b\"")
                         && !done.out.contains("2 m")
                         && saidOnce(done, QString(", line %1: %2").arg(line).arg(said)),
                 qPrintable(done.err));
    }

    // A field of 1 MiB and a row of 10,000 fields are still read.
    void boundsHoldTheirLimits()
    {
        const QByteArray field(bounds::FieldBytes, 'x');
        const QByteArray commas(bounds::RowFields - 3, ',');
        const Run done =
                batch("diameter,frequency,site" + commas + "\n1 m,10 GHz," + field + commas + "\n");
        QVERIFY2(done.status == 0 && done.bytes.contains(',' + field + commas + ','),
                 qPrintable(done.err));
    }

    void writtenTablesReadBack_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<char>("separator");
        for (const char *lang : {"en_GB.UTF-8", "de_DE.UTF-8"})
            for (const char separator : {',', ';'})
                QTest::newRow(QByteArray(lang).append(' ').append(separator)) << lang << separator;
    }

    // Whatever bytes a cell holds come out as they went in, quoted where a reader needs
    // it: Python's csv module reads each back. Numbers follow the dialect, not the
    // locale, so that a table Beamwise wrote gives the same records again.
    void writtenTablesReadBack()
    {
        QFETCH(QString, lang);
        QFETCH(char, separator);
        const QByteArray point = separator == ';' ? "," : ".";
        const QList<QByteArray> notes{"\xFF\xFE raw",  " spaced ", "a;b", "a,b", "q\"uote",
                                      "line\r\nbreak", "\t",       "",    "x\ry"};
        QByteArray text =
                QByteArray("site,Diameter,frequency,efficiency\n").replace(',', separator);
        for (const QByteArray &note : notes)
            text += '"' + QByteArray(note).replace('"', "\"\"") + '"' + separator + "1" + point
                    + "2 m" + separator + "\"11" + point + "7 GHz\"" + separator + "55" + point
                    + "5\n";
        const Run first = batch(text, "csv", lang), second = batch(first.bytes, "csv", lang);
        QCOMPARE(second.bytes, first.bytes);
        QCOMPARE(first.status, 0);
        const QByteArray numbers =
                QByteArray("|1.2|11.7|55.5|").replace('.', point).replace('|', separator);
        QCOMPARE(first.bytes.count(numbers), notes.size());
        QProcess python;
        python.start("python3",
                     {"-c",
                      "import csv, sys\n"
                      "read = lambda f: list(csv.reader(open(f, encoding="
                      "'latin-1', newline=''), delimiter=sys.argv[3]))\n"
                      "a, b = read(sys.argv[1]), read(sys.argv[2])\n"
                      "sys.exit(len(a) != len(b) or any(x != y[:len(x)] "
                      "for x, y in zip(a, b)))",
                      table(text), table(first.bytes), QString(separator)});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
