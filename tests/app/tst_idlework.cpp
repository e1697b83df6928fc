// Start-up work on a thread of its own at idle priority: what it writes is there once waited for,
// replacing or dropping a running one waits for it first, and nothing is left running.
#include "TestBase.h"
#include "app/IdleWork.h"

#include <QAtomicInt>
#include <QtTest>

class tst_IdleWork : public TestBase {
    Q_OBJECT

private slots:
    void runsAtIdlePriority()
    {
        QThread::Priority priority = QThread::InheritPriority;
        QThread* thread = nullptr;
        IdleWork work([&] {
            priority = QThread::currentThread()->priority();
            thread = QThread::currentThread();
        });
        QVERIFY(work.pending());
        work.wait();
        QVERIFY(!work.pending());
        QCOMPARE(priority, QThread::IdlePriority);
        QVERIFY(thread && thread != QThread::currentThread());
        work.wait(); // a second wait has nothing left to wait for
    }

    // (how the running work is let go): each must wait until it has finished.
    void lettingGoWaits_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("replaced") << 0;
        QTest::newRow("destroyed") << 1;
        QTest::newRow("moved into an empty one, which is destroyed") << 2;
    }
    void lettingGoWaits()
    {
        QFETCH(int, how);
        QAtomicInt done;
        const auto slow = [&done] {
            QThread::msleep(50);
            done.storeRelease(1);
        };
        {
            IdleWork work(slow);
            if (how == 0) {
                work = IdleWork([] {});
                QCOMPARE(done.loadAcquire(), 1);
                QVERIFY(work.pending());
            } else if (how == 2) {
                IdleWork other(std::move(work));
                QVERIFY(!work.pending());
            }
        }
        QCOMPARE(done.loadAcquire(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_IdleWork)
#include "tst_idlework.moc"
