#include "OS/TraceLog.h"

#include "TestBase.h"

#include <QtTest>

#include <thread>
#include <vector>

static const int kPrefixLength = 15; // "[hh:mm:ss.mmm] "

// The text with "P" for each time prefix.
static QString stamped(QString text)
{
    return text.replace(QRegularExpression("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\] "), "P");
}

static QString read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? stamped(QString::fromLatin1(file.readAll())) : "<missing>";
}

// Stays on the stack: the work after the call keeps it from becoming a loop.
__attribute__((noinline)) static int deep(int depth, const char* message)
{
    volatile int after = depth ? deep(depth - 1, message) : (log_error("u", "f", 7, "%s", message), 0);
    return after + 1;
}

// The global logger writes to the base's trace file, read back through trace(); rotation is
// checked on a logger of its own.
class tst_TraceLog : public TestBase {
    Q_OBJECT

private slots:
    void transcript()
    {
        QString expected;
        for (int channel = -1; channel <= 68; ++channel) {
            QCOMPARE(g_logger().is_enabled(channel), channel == 1);
            g_logger().enable_channel(channel);
            const bool on = channel >= 1 && channel <= 67;
            QCOMPARE(log_printf(channel, "%d on\n", channel), on ? kPrefixLength + 6 - (channel < 10) : 0);
            g_logger().disable_channel(channel);
            QCOMPARE(g_logger().print(channel, "off\n"), channel == 1 ? kPrefixLength + 4 : 0);
            expected += (on ? QString("P%1 on\n").arg(channel) : QString()) + (channel == 1 ? "Poff\n" : "");
        }
        QCOMPARE(g_logger().print(1, "a"), kPrefixLength + 1);
        QCOMPARE(g_logger().print(1, "b\nc"), 3); // a newline anywhere starts a line
        g_logger().print(1, "d\n");
        log_location("src/Lib/ZpData/ZpConf", "add", 201, "ZpConf Signal full!\n");
        g_logger().print(1, "start ");
        log_location("u", "f", 3, "%s %d\n", "middle", 7);
        // Messages are cut at 299 characters, location messages at 300.
        log_printf(1, "%s\n", qPrintable(QString(400, 'x')));
        log_location("u", "f", 3, "%s\n", qPrintable(QString(400, 'y')));
        g_logger().print(1, "\n");
        const QTime now = QDateTime::currentDateTimeUtc().time();
        expected += "Pab\ncPd\nPsrc/Lib/ZpData/ZpConf/add:201 ZpConf Signal full!\nPstart middle 7\n";
        expected += "P" + QString(299, 'x') + QString(300, 'y');
        QCOMPARE(stamped(trace()), expected + "\n");
        // The prefix is UTC now, allowing for a slow machine and midnight in between.
        const QTime stamp = QTime::fromString(trace().section('[', -1).left(12), "hh:mm:ss.zzz");
        QVERIFY((now.msecsSinceStartOfDay() - stamp.msecsSinceStartOfDay() + 86400000) % 86400000 < 5000);
    }
    // Muted, no channel writes, not even 1, and error lines never reach the trace.
    void muted()
    {
        g_logger().enable_channel(5);
        g_logger().set_muted(true);
        const int written = log_printf(1, "one\n") + log_printf(5, "five\n") + g_logger().print(1, "p\n");
        const bool enabled = g_logger().is_enabled(1) || g_logger().is_enabled(5);
        log_location("u", "f", 3, "where\n");
        log_error("u", "f", 4, "error\n");
        log_error_text("u", "f", 5, "text\n");
        g_logger().set_muted(false);
        g_logger().disable_channel(5);
        QCOMPARE(written, 0);
        QVERIFY(!enabled);
        QCOMPARE(g_logger().print(1, "after\n"), kPrefixLength + 6);
        QCOMPARE(stamped(trace()), QString("Pafter\n"));
    }
    // A file is appended to; one byte past the limit it is moved to ".0", replacing the older one,
    // before the write.
    void rotation()
    {
        QTemporaryDir dir;
        TraceLog log;
        QCOMPARE(log.open_file("", true) + log.open_file(qPrintable(dir.filePath("no/such/t.log")), true), 2000);
        for (const int size : {2000000, 2000001}) {
            const QString path = dir.filePath(QString::number(size)), kept(size, 'x');
            QFile current(path), older(path + ".0");
            QVERIFY(current.open(QIODevice::WriteOnly) && current.write(kept.toLatin1()) == size && current.flush());
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older\n") == 6 && older.flush());
            QCOMPARE(log.open_file(path.toStdString(), true), 0);
            log.print_file(1, "new\n");
            log.close_file();
            QCOMPARE(read_file(path), size > 2000000 ? "Pnew\n" : kept + "Pnew\n");
            QCOMPARE(read_file(path + ".0"), size > 2000000 ? kept : "older\n");
        }
    }
    // Lines written by several threads at once (a compile's worker logs while the window's
    // thread does): each line has its one time prefix and its text whole.
    void threads()
    {
        const int perThread = 2000;
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t)
            writers.emplace_back([t] {
                for (int i = 0; i < perThread; ++i)
                    log_printf(1, "thread %d line %d\n", t, i);
            });
        for (auto& writer : writers)
            writer.join();
        const QStringList lines = stamped(trace()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4 * perThread);
        const QRegularExpression line("^Pthread \\d line \\d+$");
        for (const QString& text : lines)
            QVERIFY2(line.match(text).hasMatch(), qPrintable(text));
    }
    // An error line is cut to 300 bytes but keeps its newline, so "|" starts a line.
    void lines_data()
    {
        QTest::addColumn<bool>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected"); // up to the stack trace of an error line
        const auto row = [](const char* name, bool code, const QString& message, const QString& expected) {
            QTest::newRow(name) << code << message << expected;
        };
        const QString x(400, 'x'), e = "Pu/f:7 E[", code = "]:Unknown(-1) \nP|\n";
        row("ends in newline", false, "bad\n", e + "bad]\n");
        row("only the last newline", false, "two\n\n", e + "two\n]\n");
        row("empty", false, "", "Pu/f:7 E\n");
        row("289", false, x.left(289) + "\n", e + x.left(289) + "]\n");
        row("290", false, x.left(290) + "\n", e + x.left(290) + "\n");
        row("code", true, "bad\n", e + "bad" + code);
        row("code 276", true, x.left(276) + "\n", e + x.left(276) + code);
        row("code 277", true, x.left(277) + "\n", e + x.left(277) + "]:Unknown(-1)\nP|\n");
        row("code 400", true, x + "\n", e + x.left(290) + "\nP|\n");
    }
    void lines()
    {
        QFETCH(bool, code);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        if (code)
            log_error_code("u", "f", 7, -1, "%s", qPrintable(message));
        else
            QCOMPARE(deep(40, qPrintable(message)), 41);
        g_logger().print(1, "|\n");
        traceErrors("u/f:7");
        const QString log = trace();
        QCOMPARE(stamped(log.left(log.indexOf("Stack trace (most recent call last):\n"))), expected);
        // The deepest 32 frames, the caller's among them, before the next line.
        QCOMPARE(log.count(QRegularExpression("^#\\d+ ", QRegularExpression::MultilineOption)), code ? 0 : 32);
        QVERIFY2(code || (log.contains(", in log_error_text\n") && log.contains("tst_tracelog.cpp\", line ")),
                 qPrintable(log));
        QCOMPARE(stamped(log.section('\n', -2)), "P|\n");
    }
};

QTEST_APPLESS_MAIN(tst_TraceLog)
#include "tst_tracelog.moc"
