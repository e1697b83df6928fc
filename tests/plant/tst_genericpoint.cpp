// Loop points: type defaults and type changes, channels, the 43-byte device record against
// hand-written bytes, record round trips on every loop protocol (the APOLLO one over two saves),
// and the CBE check and compile into the record.
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"

#include "TestBase.h"

#include <QtTest>

#include <functional>

namespace {

using Build = std::function<OvGenericPoint()>;
using Pack = std::function<QByteArray()>;

// Address 5 of the second line of a board on CPU 1, loop 2.
OvGenericPoint typed(int protocol, int family, int series, u16 hw, u8 sw, int subCount = 0)
{
    OvGenericPoint p(family, 1, 2, 5);
    p.setPointType(PointType(protocol, family, series, hw, sw, subCount));
    return p;
}

// What the loop writer leaves before the point writes itself: an emptied record with the
// address and the line bit.
QByteArray emptyRecord(const OvGenericPoint& p)
{
    QByteArray rec(int(DeviceRec::kSize), '\0');
    DeviceRec::clear(reinterpret_cast<u8*>(rec.data()));
    rec[0] = char(p.address() - 1);
    rec[1] = char(rec[1] | ((p.loopIndex() - 1) & 1 ? DeviceRec::kLineBit : 0));
    return rec;
}

QByteArray pack(const OvGenericPoint& p)
{
    QByteArray rec = emptyRecord(p);
    u8* bytes = reinterpret_cast<u8*>(rec.data());
    p.packRecord(bytes);
    p.parseCBE(bytes + 11);
    return rec;
}

// One record per valid channel, or the point's own.
QList<QByteArray> write(const OvGenericPoint& p)
{
    QList<QByteArray> records;
    if (p.subPoints().isEmpty())
        records << pack(p);
    for (const OvGenericSubPoint& c : p.subPoints()) {
        if (c.isValid())
            records << pack(c);
    }
    return records;
}

// Reads records back as the loop loader does: a module record with byte 8 set or a device of
// several channels becomes a channel.
OvGenericPoint read(const QList<QByteArray>& records, u32 loopType, int family)
{
    OvGenericPoint p(family, 1, 2, 5);
    for (const QByteArray& rec : records) {
        const OvGenericPoint r(1, 2, reinterpret_cast<const u8*>(rec.constData()), loopType);
        if (records.size() == 1 && get_sub_num(r.hwType()) < 2)
            return r;
        p.updateSubPoint(OvGenericSubPoint(r, u8(rec[8]) + 1));
    }
    return p;
}

QByteArray hex(const char* text)
{
    QByteArray rec = QByteArray::fromHex(text);
    rec.append(QByteArray(int(DeviceRec::kSize) - rec.size(), '\0'));
    return rec;
}

} // namespace

Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(Pack)

class TstGenericPoint : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QCOMPARE(g_zpConf->new_config(0), 0);
    }

    void defaults()
    {
        const OvGenericPoint sensor(1, 1, 2, 5);
        QCOMPARE(sensor.inputType(), 1);
        QVERIFY(sensor.checkAudit());
        QCOMPARE(sensor.sensNormal() * 100 + sensor.sensLow() * 10 + sensor.sensHigh(), 111);
        QCOMPARE(sensor.areaIndex(), -1);
        QVERIFY(!sensor.isValid());
        QCOMPARE(OvGenericPoint(2, 1, 2, 5).inputType(), 0);
        // A listed type (attribute bit 9) needs a zone; the empty type does not.
        QVERIFY(!typed(1, 1, 1, 20, 2).isAreaAssigned());
        QVERIFY(OvGenericPoint(1, 1, 1, 5).isAreaAssigned());
        QVERIFY(!typed(1, 1, 1, 20, 2).isComplete(1));
        QCOMPARE(typed(1, 1, 1, 20, 2).getAreaIndex(-1), -1);
    }

    void typeDefaults_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("hw");
        QTest::addColumn<int>("sw");
        QTest::addColumn<QList<int>>("levels"); // normal, low, high, alert level
        QTest::newRow("PHOT 20 raised") << 1 << 20 << 2 << QList<int>{5, 1, 9, 0};
        QTest::newRow("PHOT 0x4003 raised") << 2 << 0x4003 << 2 << QList<int>{5, 1, 9, 0};
        QTest::newRow("PHOT 0x4003 series 1") << 1 << 0x4003 << 2 << QList<int>{2, 1, 6, 0};
        QTest::newRow("THER without levels") << 1 << 51 << 3 << QList<int>{1, 1, 1, 0};
        QTest::newRow("MULTI alert level") << 1 << 30 << 4 << QList<int>{1, 1, 1, 4};
        QTest::newRow("CON module") << 1 << 129 << 22 << QList<int>{1, 1, 1, 0};
    }
    void typeDefaults()
    {
        QFETCH(int, series);
        QFETCH(int, hw);
        QFETCH(int, sw);
        QFETCH(QList<int>, levels);
        const OvGenericPoint p = typed(1, sw == 22 ? 2 : 1, series, u16(hw), u8(sw));
        QCOMPARE((QList<int>{p.sensNormal(), p.sensLow(), p.sensHigh(), p.alertLevelRAVI()}), levels);
        const PointType type(1, sw == 22 ? 2 : 1, series, u16(hw), u8(sw), 0);
        QVERIFY(p.isValid() && p.isSameType(&type));
    }

    // A series-1 point serves no kind 2, a series-2 point no kind 1; an empty point serves all.
    void usableFor_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("kinds"); // usable for kinds 0, 1, 2 and 3
        QTest::newRow("empty") << 0 << "1111";
        QTest::newRow("series 1") << 1 << "1101";
        QTest::newRow("series 2") << 2 << "1011";
    }
    void usableFor()
    {
        QFETCH(int, series);
        QFETCH(QString, kinds);
        const OvGenericPoint p = series ? typed(1, 1, series, 20, 2) : OvGenericPoint(1, 1, 1, 5);
        QCOMPARE(p.isValid(), series != 0);
        QString usable;
        for (int kind = 0; kind < 4; ++kind)
            usable += p.isUsableFor(kind) ? '1' : '0';
        QCOMPARE(usable, kinds);
    }

    // A point named as a program names it: a channel by sub-address where it shares its module's
    // address, by the loop address it takes where it takes its own (the module is at 5).
    void programName_data()
    {
        QTest::addColumn<int>("protocol"), QTest::addColumn<int>("family"), QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("name");
        QTest::newRow("sensor") << 1 << 1 << 0 << "C1L2S5";
        QTest::newRow("module") << 1 << 2 << 0 << "C1L2M5";
        QTest::newRow("ADV channel 2") << 1 << 2 << 2 << "C1L2M5.2";
        QTest::newRow("VARN channel 2") << 2 << 2 << 2 << "C1L2M6";
    }
    void programName()
    {
        QFETCH(int, protocol);
        QFETCH(int, family);
        QFETCH(int, sub);
        QFETCH(QString, name);
        const OvGenericPoint p = family == 1 ? typed(protocol, 1, 1, 30, 4) : typed(protocol, 2, 1, 133, 53, 2);
        QCOMPARE(Plant::programName(sub ? p.subPoints().at(sub - 1) : p), name);
    }

    // A copy's channels are its own, whether the source had channels or none.
    void copiesOwnChannels()
    {
        const OvGenericPoint m = typed(1, 2, 1, 202, 53, 4);
        OvGenericPoint copy(m);
        const OvGenericSubPoint* first = &m.subPoints().at(0);
        const int before = m.getAreaIndex(1);
        QVERIFY(before != 9);
        copy.setAreaIndex(1, 9);
        QCOMPARE(QString("%1 %2").arg(m.getAreaIndex(1) == before).arg(copy.getAreaIndex(1)), QString("1 9"));
        QCOMPARE(&m.subPoints().at(0), first);

        const OvGenericPoint plain = typed(1, 1, 1, 20, 2);
        OvGenericPoint grown(plain);
        grown = m;
        QCOMPARE(QString("%1 %2").arg(plain.subPoints().size()).arg(grown.subPoints().size()), QString("0 4"));
        OvGenericPoint empty(plain);
        QVERIFY(empty.subPoints().isEmpty() && empty.isEqual(plain));

        // A channel made from a module takes its fields and its checked code, not its channels.
        OvGenericPoint module = typed(1, 2, 1, 202, 53, 4);
        module.setDescription("East");
        module.setCBEErrorCode(7);
        const OvGenericSubPoint channel(module, 2);
        QCOMPARE(QString("%1 %2 %3 %4 %5 %6")
                     .arg(channel.subPoints().size())
                     .arg(channel.getSubIndex())
                     .arg(channel.description())
                     .arg(channel.hwType())
                     .arg(channel.cbeErrorCode())
                     .arg(channel.address()),
                 QString("0 2 East 202 7 5"));
    }

    // A point without channels keeps the shared empty list through a CBE check and a move:
    // giving it storage of its own would cost an allocation for nearly every point.
    void emptyChannelsStayShared()
    {
        OvGenericPoint sensor = typed(1, 1, 1, 20, 2);
        QVERIFY(sensor.isValid());
        sensor.checkCBE();
        sensor.setLocation(3, 4, 9);
        QVERIFY(!sensor.subPoints().isDetached());
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(sensor.cpuIndex())
                     .arg(sensor.loopIndex())
                     .arg(sensor.address())
                     .arg(sensor.getCBEErrorCode()),
                 QString("3 4 9 0"));
    }

    void channels()
    {
        OvGenericPoint m = typed(1, 2, 1, 202, 53, 4);
        QCOMPARE(m.subPoints().size(), 4);
        QCOMPARE(m.subPoints().at(3).getSubIndex(), 4);
        QCOMPARE(m.getInputType(2), 1);
        QCOMPARE(m.getInputType(4), 3);
        QCOMPARE(m.getValidCount(), 4);
        QCOMPARE(m.getInputCount(), 4);
        m.setAreaIndex(1, 9);
        QCOMPARE(m.getAreaIndex(1), 9);
        QCOMPARE(m.getAreaIndex(4), -1);

        // A copy of the type gets channels of the source's rows.
        OvGenericPoint c(2, 1, 2, 6);
        c.copyType(m);
        QCOMPARE(c.subPoints().size(), 4);
        QCOMPARE(c.address(), 6u);

        // A changed channel marks the module's code unchecked.
        OvGenericSubPoint second = m.subPoints().at(1);
        second.setCBE("OR(G1)");
        QVERIFY(m.updateSubPoint(second));
        QCOMPARE(m.getCBEErrorCode(), 0xFFFF);

        // Refused: sub index 0, another address, another code.
        const OvGenericPoint before = m;
        QVERIFY(!m.updateSubPoint(OvGenericSubPoint(typed(1, 2, 1, 202, 53), 0)));
        QVERIFY(!m.updateSubPoint(OvGenericSubPoint(OvGenericPoint(2, 1, 2, 7), 6)));
        QVERIFY(!m.updateSubPoint(OvGenericSubPoint(typed(1, 2, 1, 201, 53), 6)));
        QVERIFY(m.isEqual(before));

        // Channel 3 on an empty point of a 4-channel code makes channels 1-4.
        OvGenericPoint e(2, 1, 2, 5);
        OvGenericSubPoint third(typed(1, 2, 1, 202, 22), 3);
        third.setDescription("third");
        third.setAreaIndex(5);
        third.setCBE("OR(G1)");
        QVERIFY(!e.updateSubPoint(third));
        QCOMPARE(e.subPoints().size(), 4);
        QCOMPARE(e.subPoints().at(2).description(), QString("third"));
        QCOMPARE(e.swType(), u8(0));
        QCOMPARE(e.inputType(), 3);
        // The device takes the channel's code, not its settings.
        QCOMPARE((QStringList{QString::number(e.hwType()), e.description(), QString::number(e.areaIndex()), e.cbe()}),
                 (QStringList{"202", "", "-1", ""}));

        // Invalid channels only: no area assignment.
        OvGenericPoint invalid = m;
        for (int i = 0; i < 4; ++i) {
            OvGenericSubPoint ch = invalid.subPoints().at(i);
            ch.reset();
            ch.setSWType(0, true);
            invalid.updateSubPoint(ch);
        }
        QCOMPARE(invalid.getValidCount(), 0);
        QVERIFY(!invalid.isAreaAssigned());
    }

    // Bytes written by hand from the record layout: byte 0 address - 1, byte 1 line bit 6 and
    // flags, code, type with class bits, zone, flag byte, levels, program from byte 11.
    void recordBytes_data()
    {
        QTest::addColumn<Pack>("pack");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three-level sensor") << Pack([] {
            OvGenericPoint p = typed(1, 1, 1, 20, 2);
            p.setAreaIndex(7);
            p.setCheckFlashing(true);
            p.setSensitivities(4, 2, 8);
            p.setCBE("OR(G1 G2)");
            return pack(p);
        })
                                            << hex("0450140002070001040802"
                                                   "a2910092 00a1f0");
        QTest::newRow("alert-level sensor") << Pack([] {
            OvGenericPoint p = typed(2, 1, 1, 30, 4);
            p.setCheckAudit(false);
            p.setRaviRadioFlag(true);
            p.setCheckTracking(true);
            p.setAlertLevelRAVI(3);
            return pack(p);
        }) << hex("04601e0044000002030000f0");
        QTest::newRow("fast-input module") << Pack([] {
            OvGenericPoint p = typed(1, 2, 1, 181, 22);
            p.setAreaIndex(12);
            p.setCheckSilenceMod(true);
            p.setFastInput(7, -1, true);
            return pack(p);
        }) << hex("04c0b500160c0005000700f0");
        // A channel writes class 1 for APOLLO and its sub-address in byte 8.
        QTest::newRow("APOLLO channel") << Pack([] {
            OvGenericSubPoint c = typed(4, 2, 4, 43009, 53, 6).subPoints().at(2);
            c.setAreaIndex(300);
            return pack(c);
        }) << hex("04c001a8752c0100020000f0");
    }
    void recordBytes()
    {
        QFETCH(Pack, pack);
        QFETCH(QByteArray, bytes);
        QCOMPARE(pack(), bytes);
    }

    // Written, read back, written again: the same point and the same bytes.
    void roundTrip_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<uint>("loopType");
        auto point = [](int protocol, int family, int series, u16 hw, u8 sw, int area) {
            return Build([=] {
                OvGenericPoint p = typed(protocol, family, series, hw, sw);
                p.setAreaIndex(area);
                p.setCheckTracking(true);
                return p;
            });
        };
        auto channels = [](int protocol, int series, u16 hw, int count, QList<int> rows) {
            return Build([=] {
                OvGenericPoint p = typed(protocol, 2, series, hw, u8(rows.at(0)), count);
                for (int i = 0; i < count; ++i) {
                    OvGenericSubPoint c = p.subPoints().at(i);
                    c.setSWType(u8(rows.at(i)), true);
                    c.setAreaIndex(10 + i);
                    c.setCheckSilenceMod(i % 2 == 0);
                    c.setCBE(i == 0 ? QString() : QString("OR(G%1)").arg(i));
                    p.updateSubPoint(c);
                }
                return p;
            });
        };
        QTest::newRow("ADV three-level") << point(1, 1, 1, 20, 2, 3) << 0u;
        QTest::newRow("ADV series 2") << point(1, 1, 2, 0x4003, 2, 3) << 0u;
        QTest::newRow("VARN alert-level") << point(2, 1, 1, 30, 4, 2000) << 1u;
        QTest::newRow("APOLLO three-level") << point(4, 1, 4, 62464, 2, 1) << 2u;
        QTest::newRow("ADV module") << point(1, 2, 1, 129, 22, 5) << 0u;
        QTest::newRow("VARN module") << point(2, 2, 1, 130, 46, -1) << 1u;
        QTest::newRow("APOLLO module") << point(4, 2, 4, 41984, 22, 5) << 2u;
        QTest::newRow("ADV channels") << channels(1, 1, 202, 4, {53, 53, 22, 21}) << 0u;
        QTest::newRow("VARN channels") << channels(2, 1, 133, 2, {53, 22}) << 1u;
        QTest::newRow("APOLLO channels") << channels(4, 4, 43009, 6, {53, 53, 53, 22, 22, 22}) << 2u;
        QTest::newRow("ADV fast input") << Build([] {
            OvGenericPoint p = typed(1, 2, 1, 182, 22);
            p.setFastInput(3, 158, true);
            p.setCBE("OR(G7)");
            return p;
        }) << 0u;
    }
    void roundTrip()
    {
        QFETCH(Build, build);
        QFETCH(uint, loopType);
        const OvGenericPoint p = build();
        const QList<QByteArray> first = write(p);
        const OvGenericPoint back = read(first, loopType, p.family());
        if (p.subPoints().isEmpty()) {
            QVERIFY(back.isEqual(p));
        } else {
            QCOMPARE(back.subPoints().size(), p.subPoints().size());
            for (int i = 0; i < p.subPoints().size(); ++i)
                QVERIFY2(back.subPoints().at(i).isEqual(p.subPoints().at(i)), qPrintable(QString::number(i)));
            QCOMPARE(back.protocol(), p.protocol());
            QCOMPARE(back.inputType(), 3);
        }
        QCOMPARE(write(back), first);
    }

    // An APOLLO sensor's first save leaves its class bits 0; on an APOLLO loop the record is
    // still an APOLLO point, so every later save writes the same bytes.
    void apolloSecondSave()
    {
        // A point leaves the class bits of an APOLLO record as they were.
        const QByteArray saved = hex("044000f4020100010206 01f0");
        OvGenericPoint fresh = typed(4, 1, 4, 62464, 2);
        fresh.setAreaIndex(1);
        QCOMPARE(pack(fresh), saved);
        const OvGenericPoint first(1, 2, reinterpret_cast<const u8*>(saved.constData()), 2);
        QVERIFY(first.isEqual(fresh));
        const QByteArray written = pack(first);
        QCOMPARE(written, saved);
        const OvGenericPoint second(1, 2, reinterpret_cast<const u8*>(written.constData()), 2);
        QVERIFY(second.isEqual(fresh));
        QCOMPARE(pack(second), saved);
        // Without the loop type the class bits alone name protocol 1.
        QCOMPARE(OvGenericPoint(1, 2, reinterpret_cast<const u8*>(saved.constData())).protocol(), 1);
        QCOMPARE(OvGenericPoint(1, 2, reinterpret_cast<const u8*>(hex("0440").constData())).protocol(), 1);
        QCOMPARE(OvGenericPoint(1, 2, reinterpret_cast<const u8*>(hex("044000f4c2").constData()), 2).protocol(), 0);
    }

    void checkCBE()
    {
        OvGenericPoint p = typed(1, 1, 1, 20, 2);
        p.setCBE("OR(G1 G2)");
        QCOMPARE(p.cbeErrorCode(), 0xFFFF);
        p.checkCBE();
        QCOMPARE(p.cbeErrorCode(), 0);

        // The compiler's fault 0 (unbalanced) at offset 5 is user error 534.
        p.setCBE("OR(G1");
        expectWarning("^CBE ERROR: OR\\(G1\\t.*\\t\\(0\\)\\tat pos: 5$");
        p.checkCBE();
        QCOMPARE(p.cbeErrorCode(), 534);
        // A failed compile leaves the record's program as it was.
        p.setCBE("OR(G1 G2");
        QByteArray rec = emptyRecord(p);
        expectWarning("^CBE ERROR: OR\\(G1 G2\\t.*\\tat pos: 8$");
        p.parseCBE(reinterpret_cast<u8*>(rec.data()) + 11);
        QCOMPARE(rec, emptyRecord(p));

        OvGenericPoint invalid(1, 1, 2, 5);
        invalid.setCBE("OR(G1");
        invalid.checkCBE();
        QCOMPARE(invalid.cbeErrorCode(), 0);

        // A direct list on an input module compiles as a list.
        OvGenericPoint input = typed(1, 2, 1, 130, 46);
        input.setCBE("(G1 G2)");
        input.checkCBE();
        QCOMPARE(input.cbeErrorCode(), 0);
        QCOMPARE(pack(input).mid(11, 8), QByteArray::fromHex("a091009200a1f000"));
    }

    // Each field after its label and a blank; the description quoted with its escapes.
    void dumpText_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Hall 2" << 5 << "\"Hall 2\" \tZona =  5 ";
        QTest::newRow("no area, empty") << "" << -1 << "\"\" \tZona =  -1 ";
        QTest::newRow("quote, backslash") << "a\"b\\c" << 5 << "\"a\\\"b\\\\c\" \tZona =  5 ";
        QTest::newRow("tab") << "a\tb" << 5 << "\"a\\tb\" \tZona =  5 ";
        QTest::newRow("accented") << QString::fromUtf8("caf\xC3\xA9") << 5
                                  << QString::fromUtf8("\"caf\xC3\xA9\" \tZona =  5 ");
    }
    void dumpText()
    {
        QFETCH(QString, description);
        QFETCH(int, area);
        QFETCH(QString, shown);
        OvGenericPoint p = typed(1, 1, 1, 20, 2);
        p.setDescription(description);
        p.setAreaIndex(area);
        p.dump();
        const QString head = "Sensore \tCentrale:  1 \tLoop :  2 \tIndex =  5 \tProtocollo =  1 \tSerie\t\t=  1 "
                             "\tHType =  20 \tSType 2 \tDescrizione =  ";
        QCOMPARE(messages(QtInfoMsg), QStringList{head + shown + " \tSUB SIZE =  0"});
    }

    void dumpLine()
    {
        const QByteArray rec = hex("04c001a8752c0100020000f0");
        const OvGenericPoint r(1, 2, reinterpret_cast<const u8*>(rec.constData()), 2);
        OvGenericSubPoint(r, 3).dump();
        const QStringList lines = messages(QtInfoMsg);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith("Modulo") && lines.at(0).contains("\tZona = ")
                && lines.at(0).contains("\tSUB SIZE = "));
        QVERIFY(lines.at(1).contains("\tSUB INDEX = "));
    }
};

QTEST_GUILESS_MAIN(TstGenericPoint)
#include "tst_genericpoint.moc"
