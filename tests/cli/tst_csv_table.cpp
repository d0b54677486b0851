#include "cli/csv_table.h"

#include <QDir>
#include <QTemporaryFile>
#include <QTest>
#include <future>
#include <unistd.h>

struct Read
{
    QStringList records; // each as "line:field|field"
    CsvTableOutcome outcome;
};

// Gathers the records while going on asks for more after each.
Read readPath(
        const QString &path,
        const std::function<bool(qint64 line)> &goOn = [](qint64) { return true; })
{
    Read read;
    read.outcome = readCsvTable(path, [&](const QStringList &fields, qint64 line) {
        read.records << QString::number(line) + u':' + fields.join(u'|');
        return goOn(line);
    });
    return read;
}

Read readTable(const QByteArray &text)
{
    QTemporaryFile file;
    if (!file.open() || file.write(text) != text.size() || !file.flush())
        qFatal("cannot write a temporary table");
    return readPath(file.fileName());
}

class CsvTableTest : public QObject
{
    Q_OBJECT

private slots:
    // Quoted commas, quotes and line breaks, blank lines and a last row without its line
    // end; with LF or with CRLF line ends and a byte-order mark before the quoted first
    // name, the same records on the same lines.
    void recordsOnTheLinesTheyBegin()
    {
        const QByteArray table =
                "\"diameter\",frequency,site\n1.2 m, 11.7GHz ,\"Mast, north\"\n\n  \n"
                "90cm,1420 MHz,\"The \"\"old\"\" dish\"\n4 ft,3 GHz,\"Roof\nwest\"\n\"\",,\n2 m,10 "
                "GHz,last";
        const QString records = "1:diameter|frequency|site;2:1.2 m|11.7GHz|Mast, north;5:90cm|1420 "
                                "MHz|The \"old\" dish;"
                                "6:4 ft|3 GHz|Roof\nwest;8:||;9:2 m|10 GHz|last";
        for (const QByteArray &text :
             {table, "\xEF\xBB\xBF" + QByteArray(table).replace("\n", "\r\n")}) {
            const Read read = readTable(text);
            QCOMPARE(read.records.join(u';').replace("\r\n", "\n"), records);
            QCOMPARE(read.outcome.kind, CsvTableOutcome::Done);
        }
    }

    // A quote left open or astray refuses the table at the line where its field begins,
    // after the records before it; a file that cannot be read, with the system's reason.
    void unusableTables()
    {
        const Read unclosed = readTable("site\n\"a\nb\"\n\"c\nd\",\"open\ne\n");
        QCOMPARE(unclosed.records.join(u';'), "1:site;2:a\nb");
        QCOMPARE(unclosed.outcome.kind, CsvTableOutcome::UnclosedQuote);
        QCOMPARE(unclosed.outcome.line, 5);
        const Read stray = readTable("site\n\n12\" dish\n");
        QCOMPARE(stray.records.join(u';'), "1:site");
        QCOMPARE(stray.outcome.kind, CsvTableOutcome::StrayQuote);
        QCOMPARE(stray.outcome.line, 3);
        for (const auto &[path, reason] :
             {std::pair{QDir::tempPath() + "/no-such-table.csv", "No such file or directory"},
              std::pair{QDir::tempPath(), "Is a directory"}}) {
            const Read read = readPath(path);
            QCOMPARE(read.records, QStringList());
            QCOMPARE(read.outcome.kind, CsvTableOutcome::ReadFailed);
            QCOMPARE(read.outcome.reason, reason);
        }
    }

    // Standard input is answered row by row, before the input has ended, until told to stop.
    void answersAPipeRowByRow()
    {
        int ends[2];
        QCOMPARE(pipe(ends), 0);
        const int input = dup(STDIN_FILENO);
        QCOMPARE(dup2(ends[0], STDIN_FILENO), STDIN_FILENO);
        close(ends[0]);
        std::promise<void> headerSeen;
        std::future<bool> answeredBeforeTheRest = std::async(std::launch::async, [&] {
            QFile out;
            out.open(ends[1], QIODevice::WriteOnly | QIODevice::Unbuffered, QFile::AutoCloseHandle);
            out.write("d\n"); // shorter than a byte-order mark
            const bool answered = headerSeen.get_future().wait_for(std::chrono::seconds(5))
                    == std::future_status::ready;
            out.write("1 m\n2 m\n3 m\n");
            return answered;
        });
        const Read read = readPath("-", [&](qint64 line) {
            if (line == 1)
                headerSeen.set_value();
            return line < 3;
        });
        QVERIFY(answeredBeforeTheRest.get());
        dup2(input, STDIN_FILENO);
        close(input);
        QCOMPARE(read.records.join(u';'), "1:d;2:1 m;3:2 m");
        QCOMPARE(read.outcome.kind, CsvTableOutcome::Stopped);
    }
};

QTEST_GUILESS_MAIN(CsvTableTest)
#include "tst_csv_table.moc"
