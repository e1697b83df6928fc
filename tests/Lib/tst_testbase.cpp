// Run by CTest expecting exactly the failures below: the base must catch each fault.
#include "OS/TraceLog.h"

#include "TestBase.h"

#include <QtTest>

#include <string>
#include <thread>
#include <vector>

class tst_TestBase : public TestBase {
    Q_OBJECT

private slots:
    void strayWarning() { qWarning("stray"); }
    void strayTraceError() { log_error("unit", "function", 1, "stray"); }
    void announcedNeverLogged() { expectTraceError("never"); }
    // A message longer than the line, cut before its closing bracket; one with a line break.
    void strayCutTraceError() { log_error("unit", "function", 6, "%s", std::string(300, 'c').c_str()); }
    void strayBrokenTraceError() { log_error("unit", "function", 7, "first\nsecond"); }
    void announcedCutAndBroken()
    {
        log_error("unit", "cut", 8, "%s", std::string(300, 'c').c_str());
        log_error_code("unit", "broken", 9, 1000, "first\nsecond");
        const QStringList cut = traceErrors("/cut");
        QVERIFY(cut.size() == 1 && cut[0].size() > 250 && cut[0] == QString(cut[0].size(), 'c'));
        QCOMPARE(traceErrors("/broken"), QStringList{"first\nsecond"});
    }
    void announcedAndLogged()
    {
        expectWarning("^announced$");
        qWarning("announced");
        expectTraceError("unit/function:2 E\\[announced\\]$");
        log_error("unit", "function", 2, "announced");
        log_error_code("unit", "read", 3, 1000, "read");
        QCOMPARE(traceErrors("/read"), QStringList{"read"});
    }
    // Lines written before the trace file rotated still count.
    void acrossRotation()
    {
        log_error("unit", "before", 4, "rotated");
        const std::string line(290, 'x');
        for (int i = 0; i < 7000; ++i)
            log_printf(1, "%s\n", line.c_str());
        log_error("unit", "after", 5, "current");
        QCOMPARE(traceErrors("unit/"), (QStringList{"rotated", "current"}));
    }
    // A worker's messages while the test's thread logs its own (a compile logs while the window
    // repaints): each is recorded once, and an announced warning from a worker counts.
    void messagesFromThreads()
    {
        expectWarning("^from a worker$");
        const int perThread = 300;
        std::vector<std::thread> workers;
        for (int t = 0; t < 4; ++t)
            workers.emplace_back([t] {
                for (int i = 0; i < perThread; ++i)
                    qDebug("worker %d, %d", t, i);
                qWarning("from a worker");
            });
        for (int i = 0; i < perThread; ++i)
            qDebug("test %d", i);
        for (auto& worker : workers)
            worker.join();
        QCOMPARE(messages(QtDebugMsg).size(), 5 * perThread);
        QCOMPARE(messages(QtWarningMsg).size(), 4);
    }
};

QTEST_APPLESS_MAIN(tst_TestBase)
#include "tst_testbase.moc"
