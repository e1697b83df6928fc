// Event filters: packed records written by hand from the record layout, encode -> decode over
// the full ranges with the bits the format leaves alone, the factories, the comparisons and the
// descriptions.
#include "plant/EventFilterLabel.h"
#include "plant/ZpEventFilter.h"

#include "TestBase.h"

#include <QtTest>

namespace {

using Filter = std::unique_ptr<ZpEventFilter>;

QByteArray encoded(const ZpEventFilter& filter, char fill)
{
    QByteArray record(4, fill);
    filter.encode(reinterpret_cast<u8*>(record.data()));
    return record.toHex();
}

Filter decoded(const QByteArray& hex)
{
    return ZpEventFilter::decode(reinterpret_cast<const u8*>(QByteArray::fromHex(hex).constData()));
}

Filter make(const QList<int>& a)
{
    return ZpEventFilter::create(u32(a[0]), a[1], a[2], a[3], a[4], a[5]);
}

// Type code and fields as one text, so a failure shows them all.
QString fields(const ZpEventFilter* f)
{
    if (!f)
        return "null";
    if (auto* c = dynamic_cast<const ZpCPUEventFilter*>(f))
        return QString("%1 cpu %2").arg(f->getType()).arg(c->cpu());
    if (auto* a = dynamic_cast<const ZpAreaEventFilter*>(f))
        return QString("%1 zone %2").arg(f->getType()).arg(a->zone());
    if (auto* p = dynamic_cast<const ZpPointEventFilter*>(f))
        return QString("%1 %2 %3 %4 %5 %6").arg(f->getType()).arg(p->cpu()).arg(p->loop()).arg(p->address())
            .arg(p->sub()).arg(p->kind());
    return QString::number(f->getType());
}

} // namespace

class tst_ZpEventFilter : public TestBase {
    Q_OBJECT

private slots:
    // create(type, cpu, loop, address, sub, zone); its record written over zeros and over ones;
    // what the first decodes to.
    void records_data()
    {
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<QByteArray>("zeros");
        QTest::addColumn<QByteArray>("ones");
        QTest::addColumn<QString>("back");
        QTest::newRow("cpu excl 5") << QList<int>{2, 5, 0, 0, 0, 0} << QByteArray("02040000") << QByteArray("02c4ffff") << "2 cpu 5";
        QTest::newRow("cpu fail 5") << QList<int>{1, 5, 0, 0, 0, 0} << QByteArray("01040000") << QByteArray("01c4ffff") << "1 cpu 5";
        QTest::newRow("whole system") << QList<int>{1, 0, 0, 0, 0, 0} << QByteArray("013f0000") << QByteArray("01ffffff") << "1 cpu 64";
        QTest::newRow("cpu 64") << QList<int>{2, 64, 0, 0, 0, 0} << QByteArray("023f0000") << QByteArray("02ffffff") << "2 cpu 64";
        QTest::newRow("cpu -1") << QList<int>{2, -1, 0, 0, 0, 0} << QByteArray("00000000") << QByteArray("ffffffff") << "null";
        QTest::newRow("every area") << QList<int>{3, 0, 0, 0, 0, 0} << QByteArray("03d10700") << QByteArray("03d107ff") << "3 zone 0";
        QTest::newRow("area 1") << QList<int>{4, 0, 0, 0, 0, 1} << QByteArray("04010000") << QByteArray("040100ff") << "4 zone 1";
        QTest::newRow("area 2000") << QList<int>{7, 0, 0, 0, 0, 2000} << QByteArray("07d00700") << QByteArray("07d007ff") << "7 zone 2000";
        QTest::newRow("area 2001") << QList<int>{6, 0, 0, 0, 0, 2001} << QByteArray("06d10700") << QByteArray("06d107ff") << "6 zone 0";
        QTest::newRow("area -1") << QList<int>{5, 0, 0, 0, 0, -1} << QByteArray("00000000") << QByteArray("ffffffff") << "null";
        QTest::newRow("sensor alarm") << QList<int>{8, 3, 6, 1, 2, 0} << QByteArray("08420300") << QByteArray("0842c300") << "8 3 6 1 2 1";
        QTest::newRow("module alarm") << QList<int>{12, 3, 6, 1, 2, 0} << QByteArray("0c422300") << QByteArray("0c42e300") << "12 3 6 1 2 2";
        QTest::newRow("whole point") << QList<int>{9, 1, 1, 5, 0, 0} << QByteArray("09001e04") << QByteArray("0900de04") << "9 1 1 5 0 1";
        QTest::newRow("any address") << QList<int>{11, 1, 1, 0, 0, 0} << QByteArray("0b001e9f") << QByteArray("0b00de9f") << "11 1 1 0 0 1";
        QTest::newRow("last point") << QList<int>{15, 64, 8, 159, 15, 0} << QByteArray("0fff3d9e") << QByteArray("0ffffd9e") << "15 64 8 159 15 2";
        QTest::newRow("point cpu 0") << QList<int>{9, 0, 1, 5, 0, 0} << QByteArray("00000000") << QByteArray("ffffffff") << "null";
        QTest::newRow("point loop 0") << QList<int>{13, 1, 0, 5, 0, 0} << QByteArray("00000000") << QByteArray("ffffffff") << "null";
        QTest::newRow("type 16") << QList<int>{16, 1, 1, 1, 1, 1} << QByteArray("00000000") << QByteArray("ffffffff") << "null";
    }
    void records()
    {
        QFETCH(QList<int>, args);
        const Filter f = make(args);
        QTEST(encoded(*f, 0), "zeros");
        QTEST(encoded(*f, char(0xff)), "ones");
        QFETCH(QByteArray, zeros);
        QTEST(fields(decoded(zeros).get()), "back");
        QTEST(fields(decoded(encoded(*f->clone(), 0)).get()), "back");
    }

    void undecodable()
    {
        for (const char* hex : {"00000000", "00ffffff", "10000000", "ff000000"})
            QCOMPARE(fields(decoded(hex).get()), QString("null"));
    }

    // Every CPU, loop, address (0 = any), sub-address (0 = whole point), kind and event, and
    // every zone: decode(encode(f)) has f's fields; byte 2 bits 6-7 of a point record survive.
    void roundTrip()
    {
        int failures = 0;
        for (int cpu = 1; cpu <= 64; ++cpu)
            for (int loop = 1; loop <= 8; ++loop)
                for (int address = 0; address <= 159; ++address)
                    for (int sub = 0; sub <= 15; ++sub)
                        for (int kind = 1; kind <= 2; ++kind) {
                            const int type = 8 + (kind - 1) * 4 + (cpu + loop + address + sub) % 4;
                            const Filter f = ZpEventFilter::create(u32(type), cpu, loop, address, sub, 0);
                            u8 record[4] = {0, 0, u8((cpu & 3) << 6), 0};
                            f->encode(record);
                            const Filter back = ZpEventFilter::decode(record);
                            if (fields(back.get()) != fields(f.get()) || (record[2] >> 6) != (cpu & 3))
                                ++failures;
                        }
        for (int zone = 0; zone <= 2000; ++zone) {
            const Filter f = ZpEventFilter::create(u32(3 + zone % 5), 0, 0, 0, 0, zone);
            u8 record[4] = {0, 0, 0, u8(zone)};
            f->encode(record);
            if (fields(ZpEventFilter::decode(record).get()) != fields(f.get()) || record[3] != u8(zone))
                ++failures;
        }
        QCOMPARE(failures, 0);
    }

    void clones()
    {
        QCOMPARE(fields(ZpAreaTestFilter(2500).clone().get()), QString("7 zone 0"));
        QCOMPARE(fields(ZpAreaExclFilter(2000).clone().get()), QString("6 zone 2000"));
        QCOMPARE(fields(ZpCPUExclEvent(7).clone().get()), QString("2 cpu 7"));
        QCOMPARE(fields(ZpPointExclFilter(4, 2, 3, 1, 2).clone().get()), QString("15 2 3 4 1 2"));
        QCOMPARE(fields(ZpEventFilter().clone().get()), QString("0"));
        QCOMPARE(ZpPointAlarmFailFilter(1, 1, 1, 0, 1).getEventMask(), 5u);
    }

    // a isEqual b, a isCoveredBy b, b isCoveredBy a, each filter as create() arguments.
    void comparisons_data()
    {
        QTest::addColumn<QList<int>>("a");
        QTest::addColumn<QList<int>>("b");
        QTest::addColumn<QString>("results");
        QTest::newRow("excl cpus 1 2") << QList<int>{2, 1, 0, 0, 0, 0} << QList<int>{2, 2, 0, 0, 0, 0} << "100";
        QTest::newRow("fail cpus 1 2") << QList<int>{1, 1, 0, 0, 0, 0} << QList<int>{1, 2, 0, 0, 0, 0} << "000";
        QTest::newRow("fail cpu 3 3") << QList<int>{1, 3, 0, 0, 0, 0} << QList<int>{1, 3, 0, 0, 0, 0} << "100";
        QTest::newRow("fail excl") << QList<int>{1, 3, 0, 0, 0, 0} << QList<int>{2, 3, 0, 0, 0, 0} << "000";
        QTest::newRow("zone 12 all") << QList<int>{3, 0, 0, 0, 0, 12} << QList<int>{3, 0, 0, 0, 0, 0} << "010";
        QTest::newRow("alarm fail 12") << QList<int>{3, 0, 0, 0, 0, 12} << QList<int>{4, 0, 0, 0, 0, 12} << "000";
        QTest::newRow("zone 12 12") << QList<int>{5, 0, 0, 0, 0, 12} << QList<int>{5, 0, 0, 0, 0, 12} << "100";
        QTest::newRow("point any") << QList<int>{8, 1, 2, 15, 3, 0} << QList<int>{8, 1, 2, 0, 0, 0} << "010";
        QTest::newRow("point whole") << QList<int>{8, 1, 2, 15, 3, 0} << QList<int>{8, 1, 2, 15, 0, 0} << "010";
        QTest::newRow("any sub 2") << QList<int>{8, 1, 2, 15, 3, 0} << QList<int>{8, 1, 2, 0, 2, 0} << "000";
        QTest::newRow("other loop") << QList<int>{9, 1, 2, 15, 0, 0} << QList<int>{9, 1, 3, 0, 0, 0} << "000";
        QTest::newRow("other cpu") << QList<int>{9, 1, 2, 15, 0, 0} << QList<int>{9, 2, 2, 0, 0, 0} << "000";
        QTest::newRow("sensor module") << QList<int>{10, 1, 2, 15, 0, 0} << QList<int>{14, 1, 2, 0, 0, 0} << "000";
        QTest::newRow("same point") << QList<int>{11, 1, 2, 15, 0, 0} << QList<int>{11, 1, 2, 15, 0, 0} << "111";
        QTest::newRow("sub 1 2") << QList<int>{12, 1, 2, 15, 1, 0} << QList<int>{12, 1, 2, 15, 2, 0} << "000";
        QTest::newRow("cpu zone") << QList<int>{4, 0, 0, 0, 0, 1} << QList<int>{1, 1, 0, 0, 0, 0} << "000";
        QTest::newRow("empty empty") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0, 0} << "100";
    }
    void comparisons()
    {
        QFETCH(QList<int>, a);
        QFETCH(QList<int>, b);
        const Filter fa = make(a), fb = make(b);
        QString results;
        for (bool r : {fa->isEqual(fb.get()), fa->isCoveredBy(fb.get()), fb->isCoveredBy(fa.get())})
            results += r ? '1' : '0';
        QTEST(results, "results");
        QVERIFY(!fa->isEqual(nullptr) && !fa->isCoveredBy(nullptr));
    }

    void descriptions()
    {
        QCOMPARE(ZpPointAlarmFilter(15, 1, 2, 3, 1).getDescription(), QString(" 1: 2:15. 3"));
        QCOMPARE(ZpPointFailFilter(15, 1, 2, 0, 2).getDescription(), QString(" 1: 2:15"));
        QCOMPARE(ZpPointFailFilter(0, 12, 8, 15, 2).getDescription(), QString("12: 8: 0.15"));
        QCOMPARE(ZpCPUFailEvent(7).getDescription(), QString(" 7"));
        QCOMPARE(ZpCPUExclEvent(0).getDescription(), QString("LBL_EVT_FILTER_ALL_SYSTEM"));
        QCOMPARE(ZpAreaAlarmFilter(0).getDescription(), QString("LBL_EVT_FILTER_ALL_AREA"));
        QCOMPARE(ZpAreaAlarmFilter(1234).getDescription(), QString("1234"));
        QCOMPARE(ZpEventFilter().getDescription(), QString());
    }

    void labels()
    {
        QCOMPARE(eventFilterTypeLabel(0), QString("LBL_EVT_FILTER_NONE"));
        QCOMPARE(eventFilterTypeLabel(ZpPointAlarmFilter(1, 1, 1, 0, 1).getType()), QString("LBL_EVT_FILTER_ALARM_DET"));
        QCOMPARE(eventFilterTypeLabel(ZpPointAlarmFilter(1, 1, 1, 0, 2).getType()), QString("LBL_EVT_FILTER_ALARM_MOD"));
        QCOMPARE(eventFilterTypeLabel(7), QString("LBL_EVT_FILTER_TEST_ZONE"));
        QCOMPARE(eventFilterTypeLabel(15), QString("LBL_EVT_FILTER_EXCL_MOD"));
        QCOMPARE(eventFilterTypeLabel(16), QString());
        QCOMPARE(eventFilterTypeLabel(0xFFFFFFFF), QString());
    }
};

QTEST_GUILESS_MAIN(tst_ZpEventFilter)
#include "tst_zpeventfilter.moc"
