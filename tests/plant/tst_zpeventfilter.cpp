// Event filters: packed records written by hand from the record layout, encode -> decode over
// the full ranges with the bits the format leaves alone, the factories, the comparisons, the
// descriptions and the labels.
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
    if (auto* c = dynamic_cast<const ZpCPUEventFilter*>(f))
        return QString("%1 cpu %2").arg(f->getType()).arg(c->cpu());
    if (auto* a = dynamic_cast<const ZpAreaEventFilter*>(f))
        return QString("%1 zone %2").arg(f->getType()).arg(a->zone());
    if (auto* p = dynamic_cast<const ZpPointEventFilter*>(f))
        return QString("%1 %2 %3 %4 %5 %6")
            .arg(f->getType())
            .arg(p->cpu())
            .arg(p->loop())
            .arg(p->address())
            .arg(p->sub())
            .arg(p->kind());
    return f ? QString::number(f->getType()) : "null";
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
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("back");
        QTest::newRow("cpu excl 5") << QList<int>{2, 5, 0, 0, 0, 0} << QByteArray("02040000 02c4ffff") << "2 cpu 5";
        QTest::newRow("whole system") << QList<int>{1, 0, 0, 0, 0, 0} << QByteArray("013f0000 01ffffff") << "1 cpu 64";
        QTest::newRow("cpu -1") << QList<int>{2, -1, 0, 0, 0, 0} << QByteArray("00000000 ffffffff") << "null";
        QTest::newRow("every area") << QList<int>{3, 0, 0, 0, 0, 0} << QByteArray("03d10700 03d107ff") << "3 zone 0";
        QTest::newRow("area 2000") << QList<int>{7, 0, 0, 0, 0, 2000} << QByteArray("07d00700 07d007ff")
                                   << "7 zone 2000";
        QTest::newRow("area 2001") << QList<int>{6, 0, 0, 0, 0, 2001} << QByteArray("06d10700 06d107ff") << "6 zone 0";
        QTest::newRow("area -1") << QList<int>{5, 0, 0, 0, 0, -1} << QByteArray("00000000 ffffffff") << "null";
        QTest::newRow("sensor alarm") << QList<int>{8, 3, 6, 1, 2, 0} << QByteArray("08420300 0842c300")
                                      << "8 3 6 1 2 1";
        QTest::newRow("module alarm") << QList<int>{12, 3, 6, 1, 2, 0} << QByteArray("0c422300 0c42e300")
                                      << "12 3 6 1 2 2";
        QTest::newRow("whole point") << QList<int>{9, 1, 1, 5, 0, 0} << QByteArray("09001e04 0900de04")
                                     << "9 1 1 5 0 1";
        QTest::newRow("any address") << QList<int>{11, 1, 1, 0, 0, 0} << QByteArray("0b001e9f 0b00de9f")
                                     << "11 1 1 0 0 1";
        QTest::newRow("last point") << QList<int>{15, 64, 8, 159, 15, 0} << QByteArray("0fff3d9e 0ffffd9e")
                                    << "15 64 8 159 15 2";
        QTest::newRow("point cpu 0") << QList<int>{9, 0, 1, 5, 0, 0} << QByteArray("00000000 ffffffff") << "null";
        QTest::newRow("point loop 0") << QList<int>{13, 1, 0, 5, 0, 0} << QByteArray("00000000 ffffffff") << "null";
        QTest::newRow("type 16") << QList<int>{16, 1, 1, 1, 1, 1} << QByteArray("00000000 ffffffff") << "null";
    }
    void records()
    {
        QFETCH(QList<int>, args);
        QFETCH(QByteArray, records);
        const Filter f = make(args);
        QCOMPARE(encoded(*f, 0) + ' ' + encoded(*f, char(0xff)), records);
        QTEST(fields(decoded(records.left(8)).get()), "back");
        QTEST(fields(decoded(encoded(*f->clone(), 0)).get()), "back");
        for (const char* hex : {"10000000", "ff000000", "00ffffff"})
            QVERIFY(!decoded(hex));
    }

    // Every CPU, loop, address (0 = any), sub-address (0 = whole point), kind and event, and
    // every zone: decode(encode(f)) has f's fields; the bits the record leaves alone survive.
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
                            if (fields(ZpEventFilter::decode(record).get()) != fields(f.get())
                                || record[2] >> 6 != (cpu & 3))
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
        QCOMPARE(fields(ZpAreaTestFilter(2500).clone().get()) + fields(ZpAreaExclFilter(2000).clone().get()),
                 QString("7 zone 06 zone 2000"));
    }

    // Which of a isEqual b, a isCoveredBy b, b isCoveredBy a hold, each filter as create()
    // arguments; the filters of one row a line.
    void comparisons()
    {
        const QList<QList<int>> pairs{
            {2, 1, 0, 0, 0, 0},   {2, 2, 0, 0, 0, 0},   {1, 3, 0, 0, 0, 0},  {2, 3, 0, 0, 0, 0},   {1, 1, 0, 0, 0, 0},
            {1, 2, 0, 0, 0, 0},   {3, 0, 0, 0, 0, 12},  {3, 0, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 12},  {4, 0, 0, 0, 0, 12},
            {8, 1, 2, 15, 3, 0},  {8, 1, 2, 0, 0, 0},   {8, 1, 2, 15, 3, 0}, {8, 1, 2, 15, 0, 0},  {8, 1, 2, 15, 3, 0},
            {8, 1, 2, 0, 2, 0},   {9, 1, 2, 15, 0, 0},  {9, 1, 3, 0, 0, 0},  {10, 1, 2, 15, 0, 0}, {14, 1, 2, 0, 0, 0},
            {11, 1, 2, 15, 0, 0}, {11, 1, 2, 15, 0, 0}, {0, 0, 0, 0, 0, 0},  {0, 0, 0, 0, 0, 0}};
        QStringList results;
        for (int i = 0; i < pairs.size(); i += 2) {
            const Filter a = make(pairs[i]), b = make(pairs[i + 1]);
            results
                << QString("%1%2%3").arg(a->isEqual(b.get())).arg(a->isCoveredBy(b.get())).arg(b->isCoveredBy(a.get()));
            QVERIFY(!a->isEqual(nullptr) && !a->isCoveredBy(nullptr));
        }
        QCOMPARE(results.join(' '), QString("100 000 000 010 000 010 010 000 000 000 111 100"));
    }

    void texts()
    {
        const QStringList descriptions{ZpPointAlarmFilter(15, 1, 2, 3, 1).getDescription(),
                                       ZpPointFailFilter(15, 1, 2, 0, 2).getDescription(),
                                       ZpPointFailFilter(0, 12, 8, 15, 2).getDescription(),
                                       ZpCPUFailEvent(7).getDescription(),
                                       ZpCPUExclEvent(0).getDescription(),
                                       ZpAreaAlarmFilter(0).getDescription(),
                                       ZpAreaAlarmFilter(1234).getDescription(),
                                       ZpEventFilter().getDescription()};
        QCOMPARE(descriptions,
                 (QStringList{" 1: 2:15. 3", " 1: 2:15", "12: 8: 0.15", " 7", "LBL_EVT_FILTER_ALL_SYSTEM",
                              "LBL_EVT_FILTER_ALL_AREA", "1234", ""}));
        const QStringList labels{eventFilterTypeLabel(0),
                                 eventFilterTypeLabel(ZpPointAlarmFilter(1, 1, 1, 0, 1).getType()),
                                 eventFilterTypeLabel(ZpPointAlarmFilter(1, 1, 1, 0, 2).getType()),
                                 eventFilterTypeLabel(7),
                                 eventFilterTypeLabel(15),
                                 eventFilterTypeLabel(16),
                                 eventFilterTypeLabel(0xFFFFFFFF)};
        QCOMPARE(labels,
                 (QStringList{"LBL_EVT_FILTER_NONE", "LBL_EVT_FILTER_ALARM_DET", "LBL_EVT_FILTER_ALARM_MOD",
                              "LBL_EVT_FILTER_TEST_ZONE", "LBL_EVT_FILTER_EXCL_MOD", "", ""}));
    }
};

QTEST_GUILESS_MAIN(tst_ZpEventFilter)
#include "tst_zpeventfilter.moc"
