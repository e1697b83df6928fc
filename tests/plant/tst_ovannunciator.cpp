// An annunciator or viewer entry: copies that own their filters, equality, filter slots and the
// conflict check between filters.
#include "plant/OvAnnunciator.h"

#include "TestBase.h"

#include <QtTest>

namespace {

OvAnnunciator entry(int address, const QString& name, const QList<const ZpEventFilter*>& filters)
{
    OvAnnunciator a;
    a.setCpuIndex(1);
    a.setAddress(address);
    a.setDescription(name);
    for (const ZpEventFilter* f : filters)
        a.setFilter(-1, *f);
    return a;
}

QStringList types(const OvAnnunciator& a)
{
    QStringList t;
    for (const ZpEventFilter* f : a.filters())
        t << QString::number(f->getType()) + ":" + f->getDescription();
    return t;
}

} // namespace

class tst_OvAnnunciator : public TestBase {
    Q_OBJECT

private slots:
    void copies()
    {
        const ZpAreaAlarmFilter zone12(12);
        const ZpCPUFailEvent cpu3(3);
        OvAnnunciator a = entry(3, "Hall", {&zone12, &cpu3});
        a.setStartingZone(81);
        a.setViewerType(1);
        OvAnnunciator b(a);
        QVERIFY(b.filters().at(0) != a.filters().at(0));
        QCOMPARE(types(b), (QStringList{"3:12", "1: 3"}));
        QCOMPARE(QList<int>({b.cpuIndex(), b.address(), b.startingZone(), b.viewerType()}), QList<int>({1, 3, 81, 1}));
        b.setAddress(4);
        QVERIFY(a == b);
        b.setFilter(1, ZpCPUFailEvent(4));
        QVERIFY(a != b);
        b.copy(b);
        QCOMPARE(types(b), (QStringList{"3:12", "1: 4"}));
        b = OvAnnunciator();
        QCOMPARE(QList<int>({b.cpuIndex(), b.address(), b.startingZone(), b.viewerType(), b.filters().size()}),
                 QList<int>({-1, -1, 1, 0, 0}));
        a.setViewerType(0);
        QVERIFY(a != entry(3, "Hall", {&zone12, &cpu3}));
    }

    void filterSlots()
    {
        OvAnnunciator a;
        a.setFilter(5, ZpAreaFailFilter(1));
        a.setFilter(-1, ZpAreaFailFilter(2));
        a.setFilter(0, ZpAreaTestFilter(3));
        a.setFilter(2, ZpAreaExclFilter(4));
        QCOMPARE(types(a), (QStringList{"7: 3", "4: 2", "6: 4"}));
    }

    // Filters in list order as create() arguments; whether two of them conflict.
    void conflicts_data()
    {
        QTest::addColumn<QList<QList<int>>>("filters");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("none") << QList<QList<int>>{} << false;
        QTest::newRow("one") << QList<QList<int>>{{3, 0, 0, 0, 0, 0}} << false;
        QTest::newRow("zone 0, zone 12") << QList<QList<int>>{{3, 0, 0, 0, 0, 0}, {3, 0, 0, 0, 0, 12}} << true;
        QTest::newRow("zone 12, zone 0") << QList<QList<int>>{{3, 0, 0, 0, 0, 12}, {3, 0, 0, 0, 0, 0}} << true;
        QTest::newRow("alarm, fault 12") << QList<QList<int>>{{3, 0, 0, 0, 0, 12}, {4, 0, 0, 0, 0, 12}} << false;
        QTest::newRow("excl cpus 1 2") << QList<QList<int>>{{2, 1, 0, 0, 0, 0}, {2, 2, 0, 0, 0, 0}} << true;
        QTest::newRow("fail cpus 1 2") << QList<QList<int>>{{1, 1, 0, 0, 0, 0}, {1, 2, 0, 0, 0, 0}} << false;
        QTest::newRow("point, any, apart")
            << QList<QList<int>>{{8, 1, 2, 15, 3, 0}, {1, 1, 0, 0, 0, 0}, {4, 0, 0, 0, 0, 1}, {8, 1, 2, 0, 0, 0}} << true;
        QTest::newRow("empty twice") << QList<QList<int>>{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}} << false;
    }
    void conflicts()
    {
        QFETCH(QList<QList<int>>, filters);
        OvAnnunciator a;
        for (const QList<int>& f : filters)
            a.setFilter(-1, *ZpEventFilter::create(u32(f[0]), f[1], f[2], f[3], f[4], f[5]));
        QTEST(a.hasConflictingFilters(), "conflict");
    }
};

QTEST_APPLESS_MAIN(tst_OvAnnunciator)
#include "tst_ovannunciator.moc"
