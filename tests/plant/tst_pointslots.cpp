// The points of a loop's address space: every point made once and destroyed once, at an
// address that stays put while more are made, and a loop copy that shares nothing.
#include "plant/OvLoop.h"
#include "plant/PointSlots.h"

#include "TestBase.h"

#include <QtTest>

class tst_PointSlots : public TestBase {
    Q_OBJECT

private slots:
    // Two reserved, four made: the two past the room go elsewhere and the first stay put. The
    // text each point holds is let go when deleteAll, the move assignment and the destructor
    // end it, never through the list it was moved from.
    void ownership()
    {
        const QString text = QString::number(4800);
        PointSlots a;
        a.reserveSlots(2);
        const OvGenericPoint* first = a.emplace(1, 3, 2, 1u);
        for (unsigned address = 2; address <= 4; ++address)
            a.emplace(2, 3, 2, address)->setDescription(text);
        QCOMPARE(a.size(), 4);
        QCOMPARE(a.at(0), first);
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(first->family())
                     .arg(first->cpuIndex())
                     .arg(a.at(3)->address())
                     .arg(a.at(3)->family()),
                 QString("1 3 4 2"));
        {
            PointSlots b;
            b.emplace(*a.at(1));
            PointSlots c(std::move(a));
            QVERIFY(a.isEmpty());
            QCOMPARE(c.at(0), first);
            b = std::move(c);
            QCOMPARE(b.size(), 4);
            QCOMPARE(b.at(3)->description(), text);
            a.emplace(*b.at(2));
        }
        QVERIFY(!text.isDetached());
        a.deleteAll();
        QVERIFY(a.isEmpty());
        QVERIFY(text.isDetached());
    }

    // A copied loop has its own points: 99 of each for a VARN loop, and a change to the copy
    // leaves the original as it was.
    void loopCopy()
    {
        OvLoop loop(1, 2, false, OvLoop::LOOP_VARN500);
        loop.getPoint(4, 1)->setDescription("North");
        OvLoop copy(loop);
        QCOMPARE(copy.sensors().size(), 99);
        QCOMPARE(copy.modules().size(), 99);
        QVERIFY(copy.getPoint(4, 1) != loop.getPoint(4, 1));
        copy.getPoint(4, 1)->setDescription("South");
        QCOMPARE(loop.getPoint(4, 1)->description() + ' ' + copy.getPoint(4, 1)->description(), QString("North South"));
        QCOMPARE(copy.getPoint(98, 2)->address(), 99u);
        QCOMPARE(copy.getPoint(98, 2)->protocol(), 2);
        copy.changeType(OvLoop::LOOP_ZAV200);
        QCOMPARE(copy.sensors().size() + copy.modules().size(), 318);
        QCOMPARE(copy.getPoint(158, 2)->address(), 159u);
    }
};

QTEST_APPLESS_MAIN(tst_PointSlots)
#include "tst_pointslots.moc"
