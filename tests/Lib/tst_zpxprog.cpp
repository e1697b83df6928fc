// General programming block (dataType 2, layout 0x2602): defaults, plant-wide values, setters
// with their notices and CRC upkeep, and the conversion from 0x2601. CPU records, boards and
// lines are in tst_zpxprog_cpu.cpp.
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfBlocks.h"
#include "ZpData/ZpxProg.h"
#include "ZpData/crc.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

using ZpData_v2602::ZpxProg;

namespace {

using libtest::NoticeBlock;
using namespace libtest::zpx;

QString notice_text(const std::vector<DataBlock::Notice>& notices)
{
    QStringList parts;
    for (const DataBlock::Notice& n : notices)
        parts << QString("%1/%2/%3/%4").arg(n.kind).arg(n.dataType).arg(n.offset).arg(n.length);
    return parts.join(" ");
}

// Bytes every default block holds, whatever the panel type.
const Rows kCommonDefaults = {
    {0, 0x02}, {1, 0x26}, // data version 0x2602
    // byte 44 of the 17 blocks at 3962
    {4006, 1}, {4060, 1}, {4114, 1}, {4168, 1}, {4222, 1}, {4276, 1}, {4330, 1}, {4384, 1}, {4438, 1},
    {4492, 1}, {4546, 1}, {4600, 1}, {4654, 1}, {4708, 1}, {4762, 1}, {4816, 1}, {4870, 1},
    {5176, 0x02},
    {5182, 5}, {5183, 8}, {5184, 10}, {5185, 20}, {5186, 216},
    {5189, 0x20},
    {5191, 70},
    {5198, 1},
    {5206, 0x2C}, {5207, 0x01},               // 300
    {5208, 0xC7}, {5209, 0x6B},               // 27591
    {5212, 0x0B}, {5213, 0xEC},               // 60427
    {5216, 0xFF}, {5217, 0x18}, {5218, 0x01}, // 71935
    {5220, 255},
    {5221, 1}, {5222, 1}, {5223, 1}, {5224, 1}, {5225, 1},
    {5239, 4},
};

} // namespace

class tst_ZpxProg : public QObject, private libtest::zpx::Fixture {
    Q_OBJECT

private slots:
    void initTestCase();

    void defaults_data();
    void defaults();
    void defaultsWithoutContainer();
    void defaultsAreIdempotent();

    void plantValues_data();
    void plantValues();
    void networkedNeedsNetworkModel();
    void namesAndRepeaters();
    void supervisor_data();
    void supervisor();
    void generalBytes();

    void setterResults_data();
    void setterResults();
    void setterNotices_data();
    void setterNotices();
    void setDefaultNotice();
    void crcUpkeep();
    void setDefaultOnInstalledLayout();
    void detachedSettersDoNotCrash();

    void errorLines();

    void convertFrom2601();
    void convertRefusals_data();
    void convertRefusals();

};

void tst_ZpxProg::initTestCase()
{
    m_conf.reset(new ZpConf(0, 255));
}

// ---------------------------------------------------------------------------------------------
// Defaults

void tst_ZpxProg::defaults_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("otherStatus"); // status byte of CPUs 1 to 63
    QTest::addColumn<Rows>("rows");       // CPU 0, panel type and brand

    // ZP-4800 (type 1): one board of ADV lines.
    QTest::newRow("ZP4800_KALDOREN") << int(kZp4800) << 0x08
                                     << Rows{{4, 0x01}, {6, 10}, {8, 10}, {56, 0x09}, {5246, 0}, {5247, 0}};
    // ZP-4800N (type 9), brand FERNHOLDT.
    QTest::newRow("ZP4800N_FERNHOLDT") << int(kZp4800nFernholdt) << 0x48
                                       << Rows{{4, 0x01}, {6, 10}, {8, 10}, {56, 0x49}, {5246, 12}, {5247, 1}};
    // ZP-4800G (type 10); no brand allowed, so 0.
    QTest::newRow("ZP4800G") << int(kZp4800g) << 0x50
                             << Rows{{4, 0x01}, {6, 10}, {8, 10}, {56, 0x51}, {5246, 15}, {5247, 0}};
    // ZP1300CL (type 3): no ADV, so VARN on both line fields; brand Z.D. KALD.
    QTest::newRow("ZP1300CL") << int(kZp1300cl) << 0x18
                              << Rows{{4, 0x29}, {6, 10}, {8, 10}, {56, 0x19}, {5246, 2}, {5247, 5}};
    // ZP3600CL (type 5): four lines at least, so two boards.
    QTest::newRow("ZP3600CL") << int(kZp3600cl) << 0x28
                              << Rows{{4, 0x29}, {6, 10}, {8, 10}, {9, 0x29}, {11, 10}, {13, 10}, {56, 0x29},
                                      {5246, 4}, {5247, 5}};
    // KVx000 family: ZEL.DET., both line styles set, VARN; KV-1300 (type 6).
    QTest::newRow("KV1300_03") << int(kKv1300) << 0x30
                               << Rows{{4, 0x2F}, {6, 10}, {8, 10}, {56, 0x31}, {5246, 5}, {5247, 3}};
    // KV-1600 (type 7), the first of the model's types.
    QTest::newRow("KV1600_03") << int(kKv1600) << 0x38
                               << Rows{{4, 0x2F}, {6, 10}, {8, 10}, {56, 0x39}, {5246, 6}, {5247, 3}};
    // The family rule wins over the brand list, which starts with APOLLO here.
    QTest::newRow("KV1600_01") << int(kKv1600_01) << 0x38
                               << Rows{{4, 0x2F}, {6, 10}, {8, 10}, {56, 0x39}, {5246, 8}, {5247, 3}};
    // Unknown panel type: no CPU type (UNDEFINED), one board, VARN.
    QTest::newRow("unknown") << 255 << 0x00
                             << Rows{{4, 0x29}, {6, 10}, {8, 10}, {56, 0x01}, {5246, 255}, {5247, 0}};
}

void tst_ZpxProg::defaults()
{
    QFETCH(int, panelType);
    QFETCH(int, otherStatus);
    QFETCH(Rows, rows);

    std::vector<u8> expected(kSize, 0);
    for (const ByteRow& row : kCommonDefaults)
        expected[row.offset] = row.value;
    for (u32 cpu = 1; cpu < 64; ++cpu)
        expected[4 + 61 * cpu + 52] = u8(otherStatus);
    for (const ByteRow& row : rows)
        expected[row.offset] = row.value;

    m_conf->set_panel_type(u32(panelType));
    ZpxProg zpx(m_conf.get(), nullptr, 2);
    QCOMPARE(zpx.size(), kSize);
    QCOMPARE(zpx.version(), u16(0x2602));
    QCOMPARE(zpx.set_default(), 0);
    QCOMPARE(differences(zpx.data(), expected), QString());
}

void tst_ZpxProg::defaultsWithoutContainer()
{
    ZpxProg zpx(nullptr, nullptr, 2);
    QCOMPARE(zpx.set_default(), 0);
    QCOMPARE(zpx.get_panel_type(), u8(255));
    QCOMPARE(zpx.get_cpu_model(), 255u);
    QCOMPARE(zpx.get_cpu_type(0), u8(0));
    QCOMPARE(zpx.is_cpu_installed(0), true);
    QCOMPARE(zpx.data()[4], u8(0x29));
}

void tst_ZpxProg::defaultsAreIdempotent()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    // Scribble over the block; the defaults rebuild every byte.
    memset(zpx->data(), 0x5A, kSize);
    QCOMPARE(zpx->set_default(), 0);
    std::unique_ptr<ZpxProg> fresh = make(kZp4800);
    QCOMPARE(memcmp(zpx->data(), fresh->data(), kSize), 0);
    QCOMPARE(zpx->get_version(), u16(0x2602));
}

// ---------------------------------------------------------------------------------------------
// Plant-wide values of the panel model

void tst_ZpxProg::plantValues_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("networked");
    // model, family, lines per board, has_sib, has_network, is_networked
    QTest::addColumn<QVector<int>>("model");
    // max CPUs, CPU limit, last CPU id
    QTest::addColumn<QVector<int>>("cpus");
    // max lines, plant line limit, last plant line, lines of the model, max boards, plant board
    // limit, last plant board, boards of the model
    QTest::addColumn<QVector<int>>("lines");
    // max zone, zone limit, last zone, devices per zone, max group, group limit, last group
    QTest::addColumn<QVector<int>>("zones");
    // VARN, ADV, APOLLO
    QTest::addColumn<QVector<int>>("protocols");

    QTest::newRow("ZP4800 standalone") << int(kZp4800) << 0 << QVector<int>{0, 0, 2, 1, 1, 0} << QVector<int>{32, 1, 0}
                                       << QVector<int>{64, 8, 7, 8, 32, 4, 3, 4}
                                       << QVector<int>{2001, 501, 500, 32, 1600, 400, 399} << QVector<int>{1, 1, 0};
    QTest::newRow("ZP4800 networked") << int(kZp4800) << 1 << QVector<int>{0, 0, 2, 1, 1, 1} << QVector<int>{32, 32, 31}
                                      << QVector<int>{64, 64, 63, 8, 32, 32, 31, 4}
                                      << QVector<int>{2001, 2001, 2000, 32, 1600, 1600, 1599} << QVector<int>{1, 1, 0};
    QTest::newRow("ZP1600CL flag set") << int(kZp1600cl) << 1 << QVector<int>{5, 1, 2, 1, 0, 0} << QVector<int>{1, 1, 0}
                                       << QVector<int>{2, 2, 1, 2, 1, 1, 0, 1}
                                       << QVector<int>{151, 151, 150, 32, 400, 400, 399} << QVector<int>{1, 0, 0};
    QTest::newRow("KV1300") << int(kKv1300) << 0 << QVector<int>{7, 2, 1, 0, 0, 0} << QVector<int>{1, 1, 0}
                            << QVector<int>{1, 1, 0, 1, 1, 1, 0, 1}
                            << QVector<int>{151, 151, 150, 50, 400, 400, 399} << QVector<int>{1, 0, 1};
    QTest::newRow("KV1600 networked") << int(kKv1600) << 1 << QVector<int>{8, 2, 2, 0, 1, 1} << QVector<int>{64, 64, 63}
                                      << QVector<int>{128, 128, 127, 8, 64, 64, 63, 4}
                                      << QVector<int>{2001, 2001, 2000, 50, 1600, 1600, 1599} << QVector<int>{1, 0, 1};
    QTest::newRow("unknown") << 255 << 1 << QVector<int>{255, 255, 2, 0, 0, 0} << QVector<int>{1, 1, 0}
                             << QVector<int>{1, 1, 0, 1, 1, 1, 0, 1} << QVector<int>{1, 1, 0, 32, 1, 1, 0}
                             << QVector<int>{1, 0, 0};
}

void tst_ZpxProg::plantValues()
{
    QFETCH(int, panelType);
    QFETCH(int, networked);
    QFETCH(QVector<int>, model);
    QFETCH(QVector<int>, cpus);
    QFETCH(QVector<int>, lines);
    QFETCH(QVector<int>, zones);
    QFETCH(QVector<int>, protocols);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType), u8(networked));
    QCOMPARE(QVector<int>({int(zpx->get_cpu_model()), int(zpx->get_panel_family()), int(zpx->get_lines_per_ll()),
                           zpx->has_sib(), zpx->has_network(), zpx->is_networked()}),
             model);
    QCOMPARE(QVector<int>({int(zpx->get_max_cpu_num()), int(zpx->get_cpu_num_limit()), int(zpx->get_last_cpu_id())}),
             cpus);
    QCOMPARE(QVector<int>({int(zpx->get_max_line_num()), int(zpx->get_plant_line_limit()),
                           int(zpx->get_last_plant_line()), int(zpx->get_line_num()), int(zpx->get_max_ll_num()),
                           int(zpx->get_plant_ll_limit()), int(zpx->get_last_plant_ll()), int(zpx->get_ll_num())}),
             lines);
    QCOMPARE(QVector<int>({int(zpx->get_max_zone_num()), int(zpx->get_zone_limit()), int(zpx->get_last_zone()),
                           int(zpx->get_max_dev_per_zone()), int(zpx->get_max_group_num()),
                           int(zpx->get_group_limit()), int(zpx->get_last_group())}),
             zones);
    QCOMPARE(QVector<int>({zpx->has_varn_protocol(), zpx->has_adv_protocol(), zpx->has_apollo_protocol()}),
             protocols);
    QCOMPARE(zpx->get_reserved(), 0);
}

void tst_ZpxProg::networkedNeedsNetworkModel()
{
    // Any non-zero byte counts as networked.
    std::unique_ptr<ZpxProg> zpx = make(kZp4800, 7);
    QCOMPARE(zpx->is_networked(), true);
    QCOMPARE(zpx->get_networked(), u8(7));
    zpx->put_networked(0);
    QCOMPARE(zpx->is_networked(), false);
    QCOMPARE(zpx->get_cpu_num_limit(), 1u);
}

void tst_ZpxProg::namesAndRepeaters()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    u8* d = zpx->data();
    // 32 characters fill the field; the copy is terminated after them.
    memcpy(d + 5144, "IMPIANTO DI PROVA - SEDE CENTRAL", 32);
    d[5176] = 0x04; // the byte after the name holds data, which must not leak into the text
    char name[33];
    memset(name, 'x', sizeof name);
    QCOMPARE(zpx->get_plant_name(name), 0);
    QCOMPARE(QByteArray(name), QByteArray("IMPIANTO DI PROVA - SEDE CENTRAL"));
    QCOMPARE(QByteArray(zpx->get_plant_name().get()), QByteArray("IMPIANTO DI PROVA - SEDE CENTRAL"));
    QCOMPARE(zpx->is_arch_disabled(), true);

    // Repeater 0 at 4880, repeater 7 at 4880 + 7 * 33 = 5111.
    d[4880] = 1;
    memcpy(d + 4881, "RIPETITORE 1", 12);
    d[5111] = 2;
    memcpy(d + 5112, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 32);
    QCOMPARE(zpx->is_repeater_installed(0), true);
    QCOMPARE(zpx->is_repeater_installed(1), false);
    QCOMPARE(zpx->is_repeater_installed(7), true);
    QCOMPARE(zpx->is_repeater_installed(8), false);
    QCOMPARE(zpx->get_repeater_name(0, name), 0);
    QCOMPARE(QByteArray(name), QByteArray("RIPETITORE 1"));
    QCOMPARE(zpx->get_repeater_name(7, name), 0);
    QCOMPARE(QByteArray(name), QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));
    QCOMPARE(QByteArray(zpx->get_repeater_name(7).get()), QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));
    QCOMPARE(zpx->get_repeater_name(8, name), 1013);
    QCOMPARE(QByteArray(name), QByteArray());
    QCOMPARE(QByteArray(zpx->get_repeater_name(8).get()), QByteArray());
}

void tst_ZpxProg::supervisor_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mbAddr");
    QTest::addColumn<int>("mbBaud");
    QTest::addColumn<quint64>("ipNetmask");
    QTest::addColumn<uint>("gateway");

    // Bytes 13 to 24 hold 0x11 ... 0x1C, read by type.
    QTest::newRow("none") << 0 << 0 << 0 << quint64(0) << 0u;
    QTest::newRow("Modbus RTU") << 1 << 0x11 << 0x12 << quint64(0) << 0u;
    QTest::newRow("Modbus TCP") << 2 << 0 << 0 << quint64(0x1817161514131211ull) << 0x1C1B1A19u;
    QTest::newRow("BACnet") << 3 << 0 << 0 << quint64(0x1817161514131211ull) << 0x1C1B1A19u;
    QTest::newRow("unknown type") << 4 << 0 << 0 << quint64(0) << 0u;
}

void tst_ZpxProg::supervisor()
{
    QFETCH(int, type);
    QFETCH(int, mbAddr);
    QFETCH(int, mbBaud);
    QFETCH(quint64, ipNetmask);
    QFETCH(uint, gateway);

    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    u8* s = zpx->data() + 3908;
    for (u8 i = 0; i < 12; ++i)
        s[i] = u8(0xA0 + i);
    s[12] = u8(type);
    for (u8 i = 13; i < 25; ++i)
        s[i] = u8(0x11 + i - 13);

    const ZpData::ZpxSupervisor sup = zpx->get_supervisor();
    QCOMPARE(sup.gwIpNetmask, quint64(0xA7A6A5A4A3A2A1A0ull));
    QCOMPARE(sup.gwGateway, 0xABAAA9A8u);
    QCOMPARE(int(sup.supType), type);
    QCOMPARE(int(sup.supMbAddr), mbAddr);
    QCOMPARE(int(sup.supMbBaud), mbBaud);
    QCOMPARE(quint64(sup.supIpNetmask), ipNetmask);
    QCOMPARE(uint(sup.supGateway), gateway);
}

void tst_ZpxProg::generalBytes()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    u8* d = zpx->data();

    // Defaults: both sounder pairs (1, 1), printer absent at 9600 baud.
    QCOMPARE(zpx->get_siren1(), 0);
    QCOMPARE(zpx->get_siren2(), 0);
    const ZpData::ZpxPrinter printer = zpx->get_printer();
    QCOMPARE(int(printer.reserved), 0);
    QCOMPARE(int(printer.installed), 0);
    QCOMPARE(int(printer.mode), 0);
    QCOMPARE(int(printer.baudCode), 4);
    QCOMPARE(zpx->get_direct_groups_count(), u16(300));
    QCOMPARE(zpx->get_password(2), 27591u);
    QCOMPARE(zpx->get_password(3), 60427u);
    QCOMPARE(zpx->get_password(4), 71935u);
    QCOMPARE(zpx->get_password(1), 0u);
    QCOMPARE(zpx->get_password(5), 0u);
    QCOMPARE(zpx->get_param_5220(), u8(255));
    QCOMPARE(zpx->get_zone_in_test(), u16(0));
    QCOMPARE(zpx->is_sib_enabled(), false);
    QCOMPARE(zpx->is_arch_disabled(), false);

    d[5221] = 3;
    d[5222] = 5;
    d[5223] = 2;
    d[5224] = 9;
    QCOMPARE(zpx->get_siren1(), 4 * 256 + 2);
    QCOMPARE(zpx->get_siren2(), 8 * 256 + 1);

    d[5238] = 0xFD; // installed, mode 2, unused bits set
    d[5239] = 8;
    const ZpData::ZpxPrinter set = zpx->get_printer();
    QCOMPARE(int(set.installed), 1);
    QCOMPARE(int(set.mode), 2);
    QCOMPARE(int(set.baudCode), 8);

    const u8 net[12] = {0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, 0xCC, 0xBB, 0xAA, 0x99};
    memcpy(d + 5226, net, sizeof net);
    QCOMPARE(zpx->get_net_value(0), 0x11223344u);
    QCOMPARE(zpx->get_net_value(1), 0x55667788u);
    QCOMPARE(zpx->get_net_value(2), 0x99AABBCCu);
    QCOMPARE(zpx->get_net_value(3), 0u);
    QCOMPARE(quint64(zpx->get_net_pair()), quint64(0x99AABBCC11223344ull));

    d[5202] = 0x34;
    d[5203] = 0x12;
    d[5204] = 0x40;
    d[5205] = 0x06;
    d[5206] = 0xFF;
    d[5207] = 0x00;
    QCOMPARE(zpx->get_low_sens_group(), u16(0x1234));
    QCOMPARE(zpx->get_high_sens_group(), u16(1600));
    QCOMPARE(zpx->get_direct_groups_count(), u16(255));

    d[56] |= 0x02; // CPU 0 status
    QCOMPARE(zpx->is_sib_enabled(), true);
}

// ---------------------------------------------------------------------------------------------
// Setters

void tst_ZpxProg::setterResults_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("networked");
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("offset"); // first byte that must change, -1 when nothing may change
    QTest::addColumn<QByteArray>("bytes");

    auto row = [](const char* name, u32 type, int networked, Op op, int result, int offset, QByteArray bytes) {
        QTest::newRow(name) << int(type) << networked << op << result << offset << bytes;
    };
    row("brand new", kZp4800, 0, [](ZpxProg& z) { return z.set_sensor_brand(4); }, 0, 5247, QByteArray("\x04", 1));
    row("brand same", kZp4800, 0, [](ZpxProg& z) { return z.set_sensor_brand(0); }, -1, -1, {});
    row("5220 new", kZp4800, 0, [](ZpxProg& z) { return z.set_param_5220(0); }, 0, 5220, QByteArray("\x00", 1));
    row("5220 same", kZp4800, 0, [](ZpxProg& z) { return z.set_param_5220(255); }, -1, -1, {});

    row("level 1", kZp4800, 0, [](ZpxProg& z) { return z.set_password(1, 1); }, 1003, -1, {});
    row("level 2 same", kZp4800, 0, [](ZpxProg& z) { return z.set_password(2, 27591); }, -1, -1, {});
    row("level 2", kZp4800, 0, [](ZpxProg& z) { return z.set_password(2, 12345); }, 0, 5208,
        QByteArray("\x39\x30\x00\x00", 4));
    row("level 4", kZp4800, 0, [](ZpxProg& z) { return z.set_password(4, 0xFFFFFFFFu); }, 0, 5216,
        QByteArray("\xFF\xFF\xFF\xFF", 4));
    row("level 5", kZp4800, 0, [](ZpxProg& z) { return z.set_password(5, 1); }, 1003, -1, {});

    row("zone same", kZp4800, 0, [](ZpxProg& z) { return z.set_zone_in_test(0); }, -1, -1, {});
    row("zone last standalone", kZp4800, 0, [](ZpxProg& z) { return z.set_zone_in_test(500); }, 0, 5192,
        QByteArray("\xF4\x01", 2));
    row("zone last + 1 standalone", kZp4800, 0, [](ZpxProg& z) { return z.set_zone_in_test(501); }, 1013, -1, {});
    row("zone last networked", kZp4800, 1, [](ZpxProg& z) { return z.set_zone_in_test(2000); }, 0, 5192,
        QByteArray("\xD0\x07", 2));
    row("zone last + 1 networked", kZp4800, 1, [](ZpxProg& z) { return z.set_zone_in_test(2001); }, 1013, -1, {});
    row("zone last KV1300", kKv1300, 0, [](ZpxProg& z) { return z.set_zone_in_test(150); }, 0, 5192,
        QByteArray("\x96\x00", 2));
    row("zone last + 1 KV1300", kKv1300, 0, [](ZpxProg& z) { return z.set_zone_in_test(151); }, 1013, -1, {});

    row("can on", kZp4800, 0, [](ZpxProg& z) { return z.set_canloop_enable(1); }, 0, 5245, QByteArray("\x01", 1));
    row("can on again", kZp4800, 1, [](ZpxProg& z) { return z.set_canloop_enable(1); }, -1, -1, {});
    row("can on, any value set", kZp4800, 7, [](ZpxProg& z) { return z.set_canloop_enable(1); }, -1, -1, {});
    row("can off", kZp4800, 1, [](ZpxProg& z) { return z.set_canloop_enable(0); }, 0, 5245, QByteArray("\x00", 1));
    row("can off again", kZp4800, 0, [](ZpxProg& z) { return z.set_canloop_enable(0); }, -1, -1, {});
    row("can without network", kZp1600cl, 0, [](ZpxProg& z) { return z.set_canloop_enable(1); }, 1003, -1, {});
    row("can off without network", kZp1600cl, 0, [](ZpxProg& z) { return z.set_canloop_enable(0); }, -1, -1, {});
}

void tst_ZpxProg::setterResults()
{
    QFETCH(int, panelType);
    QFETCH(int, networked);
    QFETCH(Op, op);
    QFETCH(int, result);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType), u8(networked));
    std::vector<u8> expected(zpx->data(), zpx->data() + kSize);
    if (offset >= 0)
        memcpy(expected.data() + offset, bytes.constData(), size_t(bytes.size()));
    QCOMPARE(op(*zpx), result);
    QCOMPARE(differences(zpx->data(), expected), QString());
}

void tst_ZpxProg::setterNotices_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("notices"); // kind/dataType/offset/length

    QTest::newRow("brand") << Op([](ZpxProg& z) { return z.set_sensor_brand(4); }) << "2/2/5247/1";
    QTest::newRow("brand same") << Op([](ZpxProg& z) { return z.set_sensor_brand(0); }) << "";
    QTest::newRow("5220") << Op([](ZpxProg& z) { return z.set_param_5220(1); }) << "1/2/5220/1";
    QTest::newRow("can") << Op([](ZpxProg& z) { return z.set_canloop_enable(1); }) << "1/2/5245/1";
    QTest::newRow("level 3") << Op([](ZpxProg& z) { return z.set_password(3, 1); }) << "1/2/5212/4";
    QTest::newRow("level 5") << Op([](ZpxProg& z) { return z.set_password(5, 1); }) << "";
    QTest::newRow("zone") << Op([](ZpxProg& z) { return z.set_zone_in_test(12); }) << "1/2/5192/2";
    QTest::newRow("zone too high") << Op([](ZpxProg& z) { return z.set_zone_in_test(501); }) << "";
    // CPU 1 is the record at 4 + 61.
    QTest::newRow("cpu installed") << Op([](ZpxProg& z) { return z.set_cpu_installed(1, true); }) << "1/2/65/61";
    QTest::newRow("cpu installed same") << Op([](ZpxProg& z) { return z.set_cpu_installed(1, false); }) << "";
    QTest::newRow("cpu type") << Op([](ZpxProg& z) { return z.set_cpu_type(1, 9); }) << "1/2/65/61";
    QTest::newRow("cpu boards") << Op([](ZpxProg& z) { return z.set_cpu_ll_num(0, 2); }) << "1/2/4/61";
    QTest::newRow("cpu lines") << Op([](ZpxProg& z) { return z.set_cpu_line_num(0, 6); }) << "1/2/4/61";
    QTest::newRow("line protocol") << Op([](ZpxProg& z) { return z.set_cpu_line_prot(0, 1, 1); }) << "1/2/4/61";
    // CPU 3 board 2: 4 + 3 * 61 + 2 * 5.
    QTest::newRow("board protocol")
        << Op([](ZpxProg& z) { return z.set_cpu_line_prot(3, 2, 1, 2); }) << "1/2/197/5";
    QTest::newRow("board protocol same")
        << Op([](ZpxProg& z) { return z.set_cpu_line_prot(3, 2, 1, 0); }) << "";
}

void tst_ZpxProg::setterNotices()
{
    QFETCH(Op, op);
    QFETCH(QString, notices);

    ZpConf conf(0, kZp4800);
    NoticeBlock block(2, &conf.get_blocks());
    ZpxProg* zpx = new ZpxProg(&conf, &block, 2);
    zpx->set_default();
    QCOMPARE(block.set_iface(zpx), 0);
    block.notices.clear();

    QVERIFY(block.lock_write() == 0);
    op(*zpx);
    QCOMPARE(block.is_modified(), !notices.isEmpty());
    block.unlock();
    QCOMPARE(notice_text(block.notices), notices);
}

void tst_ZpxProg::setDefaultNotice()
{
    ZpConf conf(0, kZp4800);
    NoticeBlock block(2, &conf.get_blocks());
    ZpxProg* zpx = new ZpxProg(&conf, &block, 2);
    // Not installed yet: no notice.
    zpx->set_default();
    QCOMPARE(notice_text(block.notices), QString());
    QCOMPARE(block.set_iface(zpx), 0);
    block.notices.clear();
    QCOMPARE(zpx->set_default(), 0);
    QCOMPARE(notice_text(block.notices), QString("1/2/0/0"));
}

void tst_ZpxProg::crcUpkeep()
{
    ZpConf conf(0, kZp4800);
    ZpConfBlock* block = conf.find_block(2);
    QVERIFY(block);
    ZpxProg* zpx = new ZpxProg(&conf, block, 2);
    QCOMPARE(zpx->set_default(), 0);
    QCOMPARE(block->set_iface(zpx), 0);
    const u16 before = crc16(zpx->data(), kSize);
    QCOMPARE(conf.get_blocks().get_crc(2), before);

    // An unchanged value leaves the block unmodified.
    QVERIFY(block->lock_write() == 0);
    QCOMPARE(zpx->set_password(2, 27591), -1);
    QCOMPARE(block->is_modified(), false);
    block->unlock();

    QVERIFY(block->lock_write() == 0);
    QCOMPARE(zpx->set_password(2, 12345), 0);
    QCOMPARE(block->is_modified(), true);
    block->unlock();
    QCOMPARE(block->is_modified(), false);
    const u16 after = crc16(zpx->data(), kSize);
    QVERIFY(after != before);
    QCOMPARE(conf.get_blocks().get_crc(2), after);

    // Record setters mark the block too.
    QVERIFY(block->lock_write() == 0);
    QCOMPARE(zpx->set_cpu_ll_num(0, 3), 0);
    QCOMPARE(block->is_modified(), true);
    block->unlock();
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(zpx->data(), kSize));
}

void tst_ZpxProg::setDefaultOnInstalledLayout()
{
    ZpConf conf(0, kKv1600);
    ZpConfBlock* block = conf.find_block(2);
    ZpxProg* zpx = new ZpxProg(&conf, block, 2);
    QCOMPARE(block->set_iface(zpx), 0);
    // The zero-filled layout is installed; the defaults take the lock themselves and leave
    // the stored CRC current when they release it.
    QCOMPARE(zpx->set_default(), 0);
    QCOMPARE(block->is_modified(), false);
    QCOMPARE(zpx->get_sensor_brand(), u8(3));
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(zpx->data(), kSize));
}

void tst_ZpxProg::detachedSettersDoNotCrash()
{
    ZpxProg zpx(nullptr, nullptr, 2);
    QCOMPARE(zpx.set_default(), 0);
    QCOMPARE(zpx.set_sensor_brand(2), 0);
    QCOMPARE(zpx.set_param_5220(3), 0);
    QCOMPARE(zpx.set_password(3, 4), 0);
    QCOMPARE(zpx.set_zone_in_test(0), -1);
    QCOMPARE(zpx.set_cpu_line_prot(0, 0, 0, 0), 0);
    QCOMPARE(zpx.get_sensor_brand(), u8(2));
    QCOMPARE(zpx.get_cpu_line_prot(0, 0, 0), 0);
}

// ---------------------------------------------------------------------------------------------
// Error lines

void tst_ZpxProg::errorLines()
{
    LogCapture log;
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    QCOMPARE(zpx->set_password(5, 1), 1003);
    QCOMPARE(zpx->set_zone_in_test(501), 1013);
    std::unique_ptr<ZpxProg> cl = make(kZp1600cl);
    QCOMPARE(cl->set_canloop_enable(1), 1003);
    QCOMPARE(zpx->set_cpu_installed(64, true), 1013);
    QCOMPARE(zpx->get_cpu_type(70), u8(255));

    QCOMPARE(log.errors("set_password"), QStringList{"wrong level = 5"});
    QCOMPARE(log.errors("set_zone_in_test"), QStringList{"zoneNbr = 501 ( > 500)"});
    QCOMPARE(log.errors("set_canloop_enable"), QStringList{"can is not an option!"});
    QCOMPARE(log.errors("set_cpu_installed"), QStringList{"cpuId = 64 ( > 64)"});
    QCOMPARE(log.errors("get_cpu_type"), QStringList{"cpuId = 70 ( > 64)"});
}

// ---------------------------------------------------------------------------------------------
// Conversion from 0x2601

void tst_ZpxProg::convertFrom2601()
{
    ZpData::IFace old(nullptr, nullptr, 2, kSize, 0x2601);
    u8* o = old.data();
    o[0] = 0x01;
    o[1] = 0x26;
    // CPU 0: installed, SIB and UPS bits with meaningless upper bits; its four boards.
    o[4] = 0x19;  // installed, line 0 bit and line 1 bit
    o[9] = 0x87;  // installed, both styles, bit 7; no protocol bit
    o[14] = 0x10; // line 1 bit only
    o[19] = 0x08; // line 0 bit only
    memcpy(o + 24, "CENTRALE", 8);
    o[56] = 0xFF;
    // CPU 5: board 3 at 4 + 305 + 15 with both bits and stray bits 5-6; status 0x03.
    o[324] = 0x7E;
    o[361] = 0x03;
    // CPU 63: only type bits.
    o[4 + 63 * 61 + 52] = 0xF8;
    o[3908] = 0xAB;
    o[5245] = 1;
    o[5246] = 0;
    o[5247] = 4;
    o[5309] = 0x5C;

    std::vector<u8> expected(kSize, 0);
    for (u32 cpu = 0; cpu < 64; ++cpu)
        expected[4 + 61 * cpu + 52] = 0x08; // CPU type 1, nothing else set
    const Rows rows = {
        {0, 0x02}, {1, 0x26},
        {4, 0x29}, {9, 0x87}, {14, 0x20}, {19, 0x08},
        {24, 'C'}, {25, 'E'}, {26, 'N'}, {27, 'T'}, {28, 'R'}, {29, 'A'}, {30, 'L'}, {31, 'E'},
        {56, 0x0F},
        {324, 0x2E}, {361, 0x0B},
        {3908, 0xAB}, {5245, 1}, {5247, 4}, {5309, 0x5C},
    };
    for (const ByteRow& row : rows)
        expected[row.offset] = row.value;

    ZpxProg zpx(nullptr, nullptr, 2);
    QCOMPARE(zpx.convert(old), 0);
    QCOMPARE(differences(zpx.data(), expected), QString());
    QCOMPARE(zpx.get_version(), u16(0x2602));
    for (u32 cpu = 0; cpu < 64; ++cpu)
        QCOMPARE(zpx.get_cpu_type(cpu), u8(1));
    QCOMPARE(zpx.get_cpu_line_prot(0, 0, 0), 1);
    QCOMPARE(zpx.get_cpu_line_prot(0, 0, 1), 1);
    QCOMPARE(zpx.get_cpu_line_prot(0, 1, 0), 0);
    QCOMPARE(zpx.get_cpu_line_prot(0, 1, 1), 0);
    QCOMPARE(zpx.get_cpu_line_prot(0, 2, 0), 0);
    QCOMPARE(zpx.get_cpu_line_prot(0, 2, 1), 1);
    QCOMPARE(zpx.get_cpu_line_prot(0, 3, 0), 1);
    QCOMPARE(zpx.get_cpu_line_prot(0, 3, 1), 0);
    // The source is left as it was.
    QCOMPARE(int(o[4]), 0x19);
    QCOMPARE(int(o[1]), 0x26);
    QCOMPARE(int(o[0]), 0x01);
}

void tst_ZpxProg::convertRefusals_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("result");

    QTest::newRow("same version") << 5310 << 0x2602 << -1;
    QTest::newRow("0x2600") << 5310 << 0x2600 << 1003;
    QTest::newRow("unknown version") << 5310 << 0x2603 << 1003;
    QTest::newRow("0x2601 of another size") << 4 << 0x2601 << 1003;
    QTest::newRow("0x2601 one byte short") << 5309 << 0x2601 << 1003;
}

void tst_ZpxProg::convertRefusals()
{
    QFETCH(int, size);
    QFETCH(int, version);
    QFETCH(int, result);

    ZpData::IFace old(nullptr, nullptr, 2, u32(size), u16(version));
    memset(old.data(), 0x5A, size_t(size));
    ZpxProg zpx(nullptr, nullptr, 2);
    QCOMPARE(zpx.convert(old), result);
    // Nothing is taken over.
    QCOMPARE(differences(zpx.data(), std::vector<u8>(kSize, 0)), QString());
}

QTEST_APPLESS_MAIN(tst_ZpxProg)
#include "tst_zpxprog.moc"
