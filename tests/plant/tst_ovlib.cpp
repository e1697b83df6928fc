// Loop interface boards: creation and switching, the board byte, two loops sharing one device
// block (bytes by hand from the record layout), store-then-load on one- and two-line models and
// every loop protocol, and a block that runs out of records.
#include "plant/OvLib.h"

#include "TestBase.h"
#include "plant/LoopTestSupport.h"
#include "plant/PlantTestSupport.h"

#include "ZpData/Values/DeviceRec.h"

#include <QtTest>

using looptest::typed;

namespace {

QString loopNumbers(const OvLib& lib)
{
    QStringList t;
    for (const OvLoop* loop : lib.loops())
        t << QString::number(loop->loopIndex());
    return t.join(' ');
}

// Record s of DeviceProg block 0, and a record by hand: its head, byte 11 of the empty record
// (240), zeros.
QByteArray record(int s)
{
    return planttest::block(70).mid(2 + 43 * s, 43);
}

QByteArray rec(const char* hexHead)
{
    const QByteArray r = QByteArray::fromHex(hexHead);
    return r + QByteArray(11 - r.size(), '\0') + char(0xF0) + QByteArray(31, '\0');
}

// A sensor, a module and a module with channels at addresses 2, 7 and 9 of the loop, typed
// for its protocol, with names, zones and CBE texts.
void fill(OvLib& lib, const OvLoop& loop)
{
    const int c = loop.ownerCpu();
    const int l = loop.loopIndex();
    // protocol, series, sensor code and row, module code and row, channel module code and count
    static const struct {
        int protocol, series;
        u16 sensor;
        u8 sensorRow;
        u16 module;
        u8 moduleRow;
        u16 channels;
        int count;
    } types[] = {{1, 1, 20, 2, 129, 21, 202, 4}, {2, 1, 30, 4, 130, 46, 133, 2}, {4, 4, 62464, 2, 41984, 22, 43009, 6}};
    const auto& t = types[loop.type()];
    OvGenericPoint s = typed(c, l, 2, t.protocol, 1, t.series, t.sensor, t.sensorRow);
    s.setDescription(QString("S%1").arg(l));
    s.setAreaIndex(l);
    s.setCBE("OR(G1 G2)");
    s.setCheckFlashing(true);
    OvGenericPoint m = typed(c, l, 7, t.protocol, 2, t.series, t.module, t.moduleRow);
    m.setDescription(QString("M%1").arg(l));
    m.setAreaIndex(2000);
    OvGenericPoint ch = typed(c, l, 9, t.protocol, 2, t.series, t.channels, 53, t.count);
    looptest::editChannels(ch, [l](OvGenericSubPoint& sub, int i) {
        sub.setDescription(QString("C%1.%2").arg(l).arg(i + 1));
        sub.setAreaIndex(100 + i);
        sub.setCBE(i == 1 ? QString("OR(G%1)").arg(l) : QString());
    });
    for (const OvGenericPoint* p : {&s, &m, &ch})
        lib.updatePoint(p);
}

// What the conversion does after the boards are stored: every record gets its point's CBE.
void compileCBE(const OvLib& lib, int n)
{
    PanelBlockWrite block(u32(n), 70, 133);
    for (int s = 0; s < 700; ++s) {
        u8* r = block.data() + 2 + 43 * s;
        if (!DeviceRec::is_used(r))
            break;
        const OvLoop* loop = lib.loops().at((r[1] & 0x40) ? 1 : 0);
        const OvGenericPoint* p = loop->getPoint(r[0], DeviceRec::is_module(r) ? 2 : 1);
        (p->subPoints().isEmpty() ? *p : p->subPoints().at(r[8])).parseCBE(r + 11);
    }
}

} // namespace

class TstOvLib : public TestBase {
    Q_OBJECT

    void newPanel(u32 panelType, u8 brand)
    {
        QCOMPARE(g_zpConf->new_config(panelType), 0);
        planttest::resetPanel();
        looptest::setZpxByte(ZpData_v2602::zpx::kSensorBrand, brand);
        looptest::freeDeviceBlocks();
    }

private slots:
    void creation_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("two lines") << 0u << "1 2"
                                   << "3 4";
        QTest::newRow("one line") << 1u << "1"
                                  << "2";
    }
    void creation()
    {
        QFETCH(uint, panelType);
        QFETCH(QString, first);
        QFETCH(QString, second);
        newPanel(panelType, 0);
        const OvLib one(1, 1);
        OvLib two(1, 2);
        QCOMPARE(QString("%1 %2 %3").arg(one.isInstalled()).arg(two.isInstalled()).arg(two.loops().size()),
                 QString("1 0 0"));
        QCOMPARE(loopNumbers(one), first);
        two.setInstalled(true, false);
        QCOMPARE(loopNumbers(two), second);

        // Off and on again keeps loops and points; uninstalling reloads the loops' settings.
        const OvGenericPoint point = typed(1, second.left(1).toInt(), 4, 1, 1, 1, 20, 2);
        // The last two belong to another board and another CPU.
        for (const OvGenericPoint& p :
             {point, typed(1, 1, 5, 1, 1, 1, 20, 2), typed(2, point.loopIndex(), 5, 1, 1, 1, 20, 2)})
            two.updatePoint(&p);
        OvLib copy = two;
        copy.uninstall();
        copy.setInstalled(true, true);
        QCOMPARE(loopNumbers(copy) + QString::number(copy.getActiveCount(7, 3, 3)), second + "0");
        OvLib assigned;
        assigned = two;
        QCOMPARE(assigned.getLoopActiveCount(0, 7, 1, 1) * 10 + assigned.getLoopActiveCount(5, 7, 1, 1), 10);
        QVERIFY(assigned.getPoint(point.loopIndex() - 1, 3, 1)->isValid());
        QVERIFY(!assigned.isLoopEmpty(0) && !assigned.setLoopType(0, 5) && !assigned.setLoopOpen(9, true));
    }

    // The board byte of CPU 2, board 2, over a byte whose bits were all set.
    void boardByte_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("initial");   // board byte the loops are read from
        QTest::addColumn<QString>("loops"); // open:type applied to each loop
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("expected");
        QTest::newRow("closed ADV, open VARN") << 0u << 0 << "0:0 1:1" << true << 0xA3;
        QTest::newRow("APOLLO first: both APOLLO") << 0u << 0x50 << "1:2 1:0" << true << 0xD1;
        QTest::newRow("not installed") << 0u << 0x28 << "0:1 0:1" << false << 0xAE;
        QTest::newRow("one line") << 1u << 0 << "0:1" << true << 0x8B;
        QTest::newRow("undefined type stores VARN") << 0u << 0x78 << "1:9 1:9" << true << 0xA9;
    }
    void boardByte()
    {
        QFETCH(uint, panelType);
        QFETCH(int, initial);
        QFETCH(QString, loops);
        QFETCH(bool, installed);
        QFETCH(int, expected);
        newPanel(panelType, 0);
        looptest::setBoardByte(1, 1, u8(initial));
        OvLib lib(2, 2);
        lib.setInstalled(true, false);
        const QStringList settings = loops.split(' ');
        for (int p = 0; p < settings.size(); ++p) {
            lib.setLoopType(unsigned(p), settings[p].section(':', 1).toInt());
            lib.setLoopOpen(unsigned(p), settings[p].section(':', 0, 0) == "1");
        }
        lib.setInstalled(installed, false);
        looptest::setBoardByte(1, 1, 0xFF);
        QCOMPARE(lib.storeToPanel(), 0);
        QCOMPARE(int(u8(planttest::block(2).at(int(looptest::boardOffset(1, 1))))), expected);
        // An installed board takes the first free block; one that is not takes none.
        QCOMPARE(planttest::block(70).left(2), installed ? QByteArray("\x01\x01") : QByteArray("\xff\xff"));
    }

    // Loop 3's sensor, then its module, then loop 4's sensor, in one block; names beside them.
    void twoLoopsShareBlock()
    {
        newPanel(0, 0);
        OvLib lib(2, 2);
        lib.setInstalled(true, false);
        auto point = [&](int loop, int address, int family, u16 hw, u8 sw, const char* name, int zone, bool flashing) {
            OvGenericPoint p = typed(2, loop, address, 1, family, 1, hw, sw);
            p.setDescription(name);
            p.setAreaIndex(zone);
            p.setCheckTracking(false);
            p.setCheckFlashing(flashing);
            p.setCheckSilenceMod(true);
            p.setCheckAutoSilenceMod(false);
            return p;
        };
        OvGenericPoint s = point(3, 3, 1, 20, 2, "Hall", 7, false);
        s.setSensitivities(4, 2, 8);
        OvGenericPoint second = point(4, 1, 1, 20, 2, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 1, true);
        second.setSensitivities(5, 1, 9);
        for (const OvGenericPoint& p : {second, point(3, 5, 2, 129, 21, "Door", 300, false), s})
            lib.updatePoint(&p);
        QCOMPARE(lib.storeToPanel(), 0);

        QCOMPARE(planttest::block(70).left(2), QByteArray("\x01\x01"));
        QCOMPARE(planttest::block(134).left(2), QByteArray("\x01\x01"));
        QCOMPARE(record(0), rec("0200140002070001040802"));
        QCOMPARE(record(1),
                 rec("0480810015"
                     "2c01"
                     "01000000"));
        QCOMPARE(record(2), rec("0050140002010001050901"));
        QCOMPARE(record(3), rec("0010"));
        QCOMPARE(planttest::block(134).mid(2, 4 * 32),
                 QByteArray("Hall").leftJustified(32, '\0') + QByteArray("Door").leftJustified(32, '\0')
                     + "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" + QByteArray(32, '\0'));
        QCOMPARE(planttest::block(71).left(2), QByteArray("\xff\xff"));

        // Names are taken only from a name block bound to the same CPU and board.
        const OvLib back(1, 1, 0);
        PanelBlockWrite(0, 134, 197).data()[1] = 2;
        const OvLib unnamed(1, 1, 0);
        QCOMPARE(back.loops()[0]->getPoint(2, 1)->description(), QString("Hall"));
        QCOMPARE(unnamed.loops()[0]->getPoint(2, 1)->description(), QString());
    }

    void roundTrip_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("brand");
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("two lines, ADV and VARN") << 0u << 0 << QList<int>{0, 1};
        QTest::newRow("two lines, VARN and ADV") << 0u << 0 << QList<int>{1, 0};
        QTest::newRow("two lines, APOLLO") << 0u << 4 << QList<int>{2, 2};
        QTest::newRow("one line, VARN") << 1u << 0 << QList<int>{1};
        QTest::newRow("one line, ADV") << 1u << 0 << QList<int>{0};
    }
    void roundTrip()
    {
        QFETCH(uint, panelType);
        QFETCH(int, brand);
        QFETCH(QList<int>, types);
        newPanel(panelType, u8(brand));
        OvLib lib(3, 2);
        lib.setInstalled(true, false);
        QCOMPARE(lib.loops().size(), types.size());
        for (int p = 0; p < types.size(); ++p) {
            lib.setLoopType(unsigned(p), types[p]);
            QCOMPARE(lib.loops()[p]->type(), types[p]);
            lib.setLoopOpen(unsigned(p), p == 0);
            fill(lib, *lib.loops()[p]);
        }
        QCOMPARE(lib.storeToPanel(), 0);
        compileCBE(lib, 0);

        const OvLib back(2, 1, 0);
        QVERIFY(back.isInstalled());
        QCOMPARE(loopNumbers(back), loopNumbers(lib));
        for (int p = 0; p < types.size(); ++p) {
            const OvLoop& a = *lib.loops()[p];
            const OvLoop& b = *back.loops()[p];
            auto state = [](const OvLoop& l) {
                return QString("%1 %2 %3").arg(l.type()).arg(l.isOpen()).arg(l.getActiveCount(7, 3, 3));
            };
            QCOMPARE(state(b), state(a));
            QVERIFY(b.getPoint(1, 1)->isEqual(*a.getPoint(1, 1)) && b.getPoint(6, 2)->isEqual(*a.getPoint(6, 2)));
            const QList<OvGenericSubPoint>& want = a.getPoint(8, 2)->subPoints();
            const QList<OvGenericSubPoint>& got = b.getPoint(8, 2)->subPoints();
            QCOMPARE(got.size(), want.size());
            for (int i = 0; i < want.size(); ++i)
                QVERIFY2(got.at(i).isEqual(want.at(i)), qPrintable(QString::number(i)));
            QCOMPARE(got.at(1).cbe(), QString("OR(G%1)").arg(a.loopIndex()));
        }
    }

    // Reading a board logs one line per slot and the address byte of each used record.
    void loadLines()
    {
        newPanel(1, 0);
        OvLib lib(3, 2);
        lib.setInstalled(true, false);
        lib.setLoopType(0, 0);
        const int loop = lib.loops()[0]->loopIndex();
        const OvGenericPoint sensor = typed(3, loop, 2, 1, 1, 1, 20, 2);
        const OvGenericPoint module = typed(3, loop, 7, 1, 2, 1, 129, 21);
        lib.updatePoint(&sensor);
        lib.updatePoint(&module);
        QCOMPARE(lib.storeToPanel(), 0);
        reset();
        const OvLib back(2, 1, 0);
        const QStringList lines = messages(QtDebugMsg).filter(QRegularExpression("^LOAD POINT LIB "));
        QCOMPARE(lines.size(), 700);
        QCOMPARE(lines.mid(0, 2),
                 QStringList(
                     {"LOAD POINT LIB 1 CPU 2installed true type: 0", "LOAD POINT LIB 1 CPU 2installed true type: 1"}));
        QCOMPARE(lines.filter(QRegularExpression("^LOAD POINT LIB 1 CPU 2installed false type: [01]$")).size(), 698);
        QCOMPARE(messages(QtInfoMsg).filter(">>> b.addr"), QStringList({">>> b.addr =  1", ">>> b.addr =  6"}));
    }

    // Loop 1 fills 699 records (159 sensors, 135 modules of four channels); loop 2 adds the rest.
    void blockFull_data()
    {
        QTest::addColumn<int>("extraOnLoop1"); // plain modules after the channels of loop 1
        QTest::addColumn<int>("sensors");      // on loop 2
        QTest::addColumn<int>("modules");      // of four channels, on loop 2
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("critical");
        QTest::newRow("700 records") << 0 << 1 << 0 << 0 << QString();
        QTest::newRow("701 records") << 0 << 2 << 0 << 1
                                     << "^Device block 0 full: CPU 1 LIB 1 loop 2, 1 device records left out$";
        QTest::newRow("channels past the end")
            << 0 << 1 << 1 << 4 << "^Device block 0 full: CPU 1 LIB 1 loop 2, 4 device";
        QTest::newRow("no free record for loop 2")
            << 1 << 1 << 0 << 1 << "^Device block 0 full: CPU 1 LIB 1 loop 2 not stored, 1 device records left out$";
    }
    void blockFull()
    {
        QFETCH(int, extraOnLoop1);
        QFETCH(int, sensors);
        QFETCH(int, modules);
        QFETCH(int, skipped);
        QFETCH(QString, critical);
        newPanel(0, 0);
        OvLib lib(1, 1);
        auto add = [&](int loop, int from, int to, int family, u16 hw, u8 sw, int channels) {
            for (int a = from; a <= to; ++a) {
                const OvGenericPoint p = typed(1, loop, a, 1, family, 1, hw, sw, channels);
                lib.updatePoint(&p);
            }
        };
        add(1, 1, 159, 1, 20, 2, 0);
        add(1, 1, 135, 2, 202, 53, 4);
        add(1, 136, 135 + extraOnLoop1, 2, 129, 21, 0);
        add(2, 1, sensors, 1, 20, 2, 0);
        add(2, 1, modules, 2, 202, 53, 4);
        QCOMPARE(lib.loops()[0]->recordCount(), 699 + extraOnLoop1);

        QList<QByteArray> before;
        for (u32 t = 71; t < 198; ++t)
            before << (t == 134 ? QByteArray() : planttest::block(t));
        if (!critical.isEmpty())
            expectWarning(critical);
        QCOMPARE(lib.storeToPanel(), skipped);
        for (u32 t = 71; t < 198; ++t)
            QVERIFY2(t == 134 || planttest::block(t) == before.at(int(t - 71)), qPrintable(QString::number(t)));
        // The last record holds the last point that fitted: loop 1's module or loop 2's sensor 1.
        QCOMPARE(record(699).left(2), extraOnLoop1 ? QByteArray("\x87\x80") : QByteArray("\x00\x40", 2));
    }
};

QTEST_GUILESS_MAIN(TstOvLib)
#include "tst_ovlib.moc"
