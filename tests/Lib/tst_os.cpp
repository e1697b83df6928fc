#include "OS/os.h"

#include "FatalChild.h"
#include "TestBase.h"

#include <QtTest>

#include <csignal>

[[noreturn]] __attribute__((noinline)) static void fatal_child(const char* which)
{
    if (strcmp(which, "block") == 0)
        os_FatalPrintf("block == nullptr\n");
    if (strcmp(which, "cut at 63") == 0)
        os_FatalPrintf("Invalid id (%d) for datatype %d %s", 300, 70, "0123456789abcdefghijklmnopqrstuvwxyz");
    os_Fatal("Out of Memory");
}

class tst_Os : public TestBase {
    Q_OBJECT

private slots:
    // Elapsed means strictly more than the limit; ticks are milliseconds of the wall clock.
    void ticks()
    {
        for (const auto& c : {std::array<u32, 3>{1000, 1000, 0}, {1001, 1000, 1}, {999, 1000, 0}, {0, 0, 0}, {1, 0, 1}}) {
            u32 now = 0;
            bool elapsed;
            do // again when the tick moved during the call
                elapsed = os_TickElapsed(os_GetTick(&now) - c[0], c[1]);
            while (os_GetTickMs() != now);
            QCOMPARE(elapsed, bool(c[2]));
        }
        QVERIFY(os_TickDiff(os_GetTickMs(), u32(QDateTime::currentMSecsSinceEpoch())) < 2000u);
    }
    // A map written under the file's lock and read back; nothing is written without a file.
    void files()
    {
        QTemporaryDir dir;
        const QByteArray path = dir.filePath("map.csv").toLocal8Bit();
        FileWriter writer;
        QCOMPARE(writer.printf("nothing open\n"), -1);
        QCOMPARE(writer.open(qPrintable(dir.filePath("no/such/map.csv")), "w"), int(ZP_ERR_GENERIC));
        QVERIFY(!os_FileExists(path) && writer.open(path, "w") == ZP_OK && os_FileExists(path) && writer.is_open());
        QCOMPARE(writer.printf("%s;%d\n", "Zone5", 105), 10);
        QVERIFY(writer.close() == ZP_OK && writer.close() == ZP_OK && !writer.is_open() && writer.printf("x") == -1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "Zone5;105\n" && os_FileSize(nullptr) == -1);
    }
    // Each step puts (+value), gets (-), drops (x), peeks (?) or clears (C), and reports its
    // result (the element for a get or a peek), then the count, F when full, E when empty.
    void fifo_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<uint>("timeout");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("results");
        QTest::newRow("three") << 3u << 0u << "+11 +22 +33 +44 ? - C - ?"
                               << "0/1 0/2 0/3F 1010/3F 11/3F 11/2 0/0E 1009/0E 1009/0E";
        QTest::newRow("wraps around") << 3u << 0u << "+1 +2 - x +3 +4 +5 - - -" << "0/1 0/2 1/1 0/0E 0/1 0/2 0/3F 3/2 4/1 5/0E";
        QTest::newRow("one, short wait") << 1u << 2u << "- ? +5 +6" << "1009/0E 1009/0E 0/1F 1010/1F";
        QTest::newRow("none") << 0u << 0u << "+1 - ? C" << "1001/0E 1001/0E 1001/0E 1001/0E";
    }
    void fifo()
    {
        QFETCH(uint, count);
        QFETCH(uint, timeout);
        QFETCH(QString, steps);
        QFETCH(QString, results);
        QVERIFY(!os_FifoCreate(3, 0));
        os_Fifo* fifo = os_FifoCreate(count, 4);
        QStringList got;
        for (const QString& step : steps.split(' ')) {
            u32 item = step.mid(1).toUInt();
            const char op = step[0].toLatin1();
            const int rc = op == '+' ? os_FifoPut(fifo, &item, timeout)
                : op == '?'          ? os_FifoPeek(fifo, &item, timeout)
                : op == 'C'          ? os_FifoClear(fifo)
                                     : os_FifoGet(fifo, op == 'x' ? nullptr : &item, timeout);
            got << QString("%1/%2").arg(rc == 0 && (op == '-' || op == '?') ? item : u32(rc)).arg(os_FifoCount(fifo))
                    + (os_FifoIsFull(fifo) ? "F" : "") + (os_FifoIsEmpty(fifo) ? "E" : "");
        }
        os_FifoDelete(fifo);
        QCOMPARE(got.join(' '), results);
    }
    // Logged once with the stack, then an abort; the formatted text is cut at 63 characters.
    void fatal_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("block") << "block == nullptr";
        QTest::newRow("cut at 63") << "Invalid id (300) for datatype 70 0123456789abcdefghijklmnopqrst";
        QTest::newRow("out of memory") << "Out of Memory";
    }
    void fatal()
    {
        QFETCH(QString, message);
        const libtest::ChildRun child = libtest::run_fatal_child(QTest::currentDataTag());
        QVERIFY(child.finished && child.status == QProcess::CrashExit && child.code == SIGABRT);
        const QString out = QString::fromLatin1(child.output), line = "src/Lib/OS/os/os_Fatal:128 E[" + message + "]\n";
        const QString before = out.section(line, 0, 0), stack = out.section(line, 1);
        QVERIFY2(out.count(line) == 1 && before.contains(QRegularExpression("\\[[\\d:.]{12}\\] $")), qPrintable(out));
        QVERIFY2(stack.startsWith("Stack trace (most recent call last):\n") && stack.contains(", in os_Fatal\n")
                     && stack.contains(", in fatal_child"),
                 qPrintable(out));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], libtest::kFatalChildArg) == 0)
        fatal_child(argv[2]);
    QCoreApplication app(argc, argv);
    tst_Os test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_os.moc"
