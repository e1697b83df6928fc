// Run by CTest expecting exactly the failures below: the base must catch each fault.
#include "OS/TraceLog.h"

#include "TestBase.h"

#include <QtTest>

class tst_TestBase : public TestBase {
    Q_OBJECT

private slots:
    void strayWarning() { qWarning("stray"); }
    void strayTraceError() { log_error("unit", "function", 1, "stray"); }
    void announcedNeverLogged() { expectTraceError("never"); }
    void announcedAndLogged()
    {
        expectWarning("^announced$");
        qWarning("announced");
        expectTraceError("unit/function:2 E\\[announced\\]$");
        log_error("unit", "function", 2, "announced");
        log_error_code("unit", "read", 3, 1000, "read");
        QCOMPARE(traceErrors("/read"), QStringList{"read"});
    }
};

QTEST_APPLESS_MAIN(tst_TestBase)
#include "tst_testbase.moc"
