// Zone status image and the zone list built from the device programming.
#include "LibTestSupport.h"

#include "ZpData/DeviceAuxProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpStatus.h"
#include "ZpData/ZpZone.h"
#include "ZpData/crc.h"

#include <QtTest>

#include <cstring>

using namespace libtest;

namespace {

constexpr u32 kZp4800 = 0;

struct Report {
    static std::vector<std::pair<int, int>> calls;
    static void record(u16 first, u16 last) { calls.emplace_back(first, last); }
};
std::vector<std::pair<int, int>> Report::calls;

// Writes a record into a slot of device block index and the in-test bit of the slot.
void program(ZpConf& conf, u32 index, u32 slot, const device::Rec& rec, bool inTest = false)
{
    device::put_rec(device::slot_ptr(conf.find_block(70 + index)->get_iface(), slot), rec);
    u8* aux = conf.find_block(198)->get_ptr() + 90 * index + 2;
    aux[slot / 8] = u8((aux[slot / 8] & ~(1u << (slot % 8))) | ((inTest ? 1u : 0u) << (slot % 8)));
}

device::Rec in_zone(device::Rec rec, u16 zone)
{
    rec.zone = zone;
    return rec;
}

} // namespace

class tst_ZpStatus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void nibbles_data();
    void nibbles();
    void setValueKeepsFourBits();
    void zoneRange_data();
    void zoneRange();
    void flagsAndSummary();
    void getSet_data();
    void getSet();
    void changeReport_data();
    void changeReport();

    void zoneIndex();
    void listAfterDeviceChange();
    void classCounters();
    void zoneTest();
    void zoneZeroTest();
    void zoneZeroUds1_data();
    void zoneZeroUds1();
    void modbusLists();

private:
    std::unique_ptr<ZpConf> m_conf;
};

void tst_ZpStatus::initTestCase()
{
    m_conf.reset(new ZpConf(0, 255));
    QCOMPARE(m_conf->new_config(kZp4800), 0);
}

void tst_ZpStatus::init()
{
    // A networked ZP4800 plant: zones 0 to 2000.
    m_conf->set_panel_type(kZp4800);
    m_conf->set_networked(1);
    u8 zero[ZpStatus::kSize] = {};
    QCOMPARE(m_conf->get_status().set(0, ZpStatus::kSize, zero), 0);
}

// ---------------------------------------------------------------------------------------------
// Zone status

void tst_ZpStatus::nibbles_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("zone 0") << 0 << 0 << 0xA5;
    QTest::newRow("zone 1 low") << 1 << 2 << 0x09;
    QTest::newRow("zone 2 high") << 2 << 2 << 0x90;
    QTest::newRow("zone 3 low") << 3 << 3 << 0x09;
    QTest::newRow("zone 4 high") << 4 << 3 << 0x90;
    QTest::newRow("zone 1999 low") << 1999 << 1001 << 0x09;
    QTest::newRow("zone 2000 high") << 2000 << 1001 << 0x90;
}

void tst_ZpStatus::nibbles()
{
    QFETCH(int, zone);
    QFETCH(int, byte);
    QFETCH(int, value);
    ZpStatus& status = m_conf->get_status();
    QCOMPARE(status.set_status(u16(zone), u8(zone == 0 ? 0xA5 : 9)), 0);
    u8 image[ZpStatus::kSize];
    QCOMPARE(status.get(0, ZpStatus::kSize, image), 0);
    QCOMPARE(int(image[byte]), value);
    for (u32 i = 0; i < ZpStatus::kSize; ++i) {
        if (int(i) != byte)
            QCOMPARE(image[i], u8(0));
    }
    QCOMPARE(int(status.get_zone(u16(zone))), zone == 0 ? 0xA5 : 9);
    QCOMPARE(status.get_zone(2001), u8(0));
}

void tst_ZpStatus::setValueKeepsFourBits()
{
    ZpStatus& status = m_conf->get_status();
    QCOMPARE(status.set_status(4, 0x0F), 0);
    QCOMPARE(status.set_status(3, 0x3A), 0);
    QCOMPARE(status.get_zone(3), u8(0x0A));
    QCOMPARE(status.get_zone(4), u8(0x0F)); // the neighbour nibble is untouched
    QCOMPARE(status.get_summary(), u8(0));  // plain values leave the summary alone
}

void tst_ZpStatus::zoneRange_data()
{
    QTest::addColumn<u32>("panelType");
    QTest::addColumn<int>("networked");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("result");
    QTest::newRow("ZP4800 networked 2000") << kZp4800 << 1 << 2000 << 0;
    QTest::newRow("ZP4800 networked 2001") << kZp4800 << 1 << 2001 << 1003;
    QTest::newRow("ZP4800 standalone 500") << kZp4800 << 0 << 500 << 0;
    QTest::newRow("ZP4800 standalone 501") << kZp4800 << 0 << 501 << 1003;
    QTest::newRow("unknown panel zone 0") << 255u << 0 << 0 << 0;
    QTest::newRow("unknown panel zone 1") << 255u << 0 << 1 << 1003;
}

void tst_ZpStatus::zoneRange()
{
    QFETCH(u32, panelType);
    QFETCH(int, networked);
    QFETCH(int, zone);
    QFETCH(int, result);
    m_conf->set_panel_type(panelType);
    m_conf->set_networked(u8(networked));
    TraceCapture trace;
    QCOMPARE(m_conf->get_status().set_status(u16(zone), u8(1)), result);
    QCOMPARE(m_conf->get_status().set_status(u16(zone), u8(2), true), result);
    const QString line = QString("src/Lib/ZpData/ZpStatus/set_status:");
    const QString message = QString("Invalid Zone (%1)\n").arg(zone);
    QCOMPARE(trace.text().count(message), result == 0 ? 0 : 2);
    if (result != 0)
        QVERIFY2(trace.text().contains(line), qPrintable(trace.text()));
}

void tst_ZpStatus::flagsAndSummary()
{
    ZpStatus& status = m_conf->get_status();
    QCOMPARE(status.set_status(7, 1, true), 0);
    QCOMPARE(status.get_zone(7), u8(1));
    QCOMPARE(status.get_summary(), u8(1));
    QCOMPARE(status.set_status(7, 1, true), -1);
    u8 image[ZpStatus::kSize];
    status.get(0, ZpStatus::kSize, image);
    QCOMPARE(status.get_crc(), crc16(image, ZpStatus::kSize));

    QCOMPARE(status.set_status(7, 1, false), 0);
    QCOMPARE(status.get_summary(), u8(0));
    QCOMPARE(status.set_status(7, 1, false), -1);

    // Zone 0 keeps flag 1 in the summary when zone 7 drops it; so does zone 2000.
    QCOMPARE(status.set_status(0, 1, true), 0);
    QCOMPARE(status.set_status(7, 1, true), 0);
    QCOMPARE(status.set_status(7, 1, false), 0);
    QCOMPARE(status.get_summary(), u8(1));
    QCOMPARE(status.set_status(0, 1, false), 0);
    QCOMPARE(status.get_summary(), u8(0));
    QCOMPARE(status.set_status(2000, 4, true), 0);
    QCOMPARE(status.set_status(9, 4, true), 0);
    QCOMPARE(status.set_status(9, 4, false), 0);
    QCOMPARE(status.get_summary(), u8(4));

    // On: any bit of the mask already set counts as agreeing.
    QCOMPARE(status.set_status(5, 2, true), 0);
    QCOMPARE(status.set_status(5, 3, true), -1);
    QCOMPARE(status.get_zone(5), u8(2));
    QCOMPARE(status.get_summary(), u8(6));
    status.get(0, ZpStatus::kSize, image);
    QCOMPARE(status.get_crc(), crc16(image, ZpStatus::kSize));
}

void tst_ZpStatus::getSet_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("result");
    QTest::newRow("whole") << 0 << 1002 << 0;
    QTest::newRow("last byte") << 1001 << 1 << 0;
    QTest::newRow("one past") << 1001 << 2 << 1013;
    QTest::newRow("at size") << 1002 << 1 << 1013;
    QTest::newRow("at size, empty") << 1002 << 0 << 0;
    QTest::newRow("far") << 60000 << 10 << 1013;
}

void tst_ZpStatus::getSet()
{
    QFETCH(int, offset);
    QFETCH(int, length);
    QFETCH(int, result);
    ZpStatus& status = m_conf->get_status();
    std::vector<u8> src(2000, 0x33);
    std::vector<u8> dst(2000, 0xEE);
    QCOMPARE(status.set(u16(offset), u16(length), src.data()), result);
    QCOMPARE(status.get(u16(offset), u16(length), dst.data()), result);
    if (result == 0)
        QCOMPARE(bytes(dst.data(), u32(length)), bytes(src.data(), u32(length)));
    else
        QCOMPARE(dst[0], u8(0xEE)); // nothing copied
    QCOMPARE(status.get(0, 1, nullptr), 1003);
    QCOMPARE(status.set(0, 1, nullptr), 1003);
}

void tst_ZpStatus::changeReport_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last"); // -1: no report
    QTest::newRow("zone 0 and summary") << 0 << 2 << -1 << -1;
    QTest::newRow("first zone byte") << 2 << 1 << 0 << 0;
    QTest::newRow("from 0 to byte 3") << 0 << 4 << 0 << 2;
    QTest::newRow("bytes 10-11") << 10 << 2 << 16 << 18;
    QTest::newRow("last byte") << 1001 << 1 << 1998 << 1998;
    QTest::newRow("whole") << 0 << 1002 << 0 << 1998;
}

void tst_ZpStatus::changeReport()
{
    QFETCH(int, offset);
    QFETCH(int, length);
    QFETCH(int, first);
    QFETCH(int, last);
    ZpStatus& status = m_conf->get_status();
    status.set_callback(&Report::record);
    Report::calls.clear();
    std::vector<u8> src(size_t(length), 0x55);
    QCOMPARE(status.set(u16(offset), u16(length), src.data()), 0);
    if (last < 0) {
        QCOMPARE(Report::calls.size(), size_t(0));
    } else {
        QCOMPARE(Report::calls.size(), size_t(1));
        QCOMPARE(Report::calls[0].first, first);
        QCOMPARE(Report::calls[0].second, last);
    }
    // The same bytes again report nothing.
    Report::calls.clear();
    QCOMPARE(status.set(u16(offset), u16(length), src.data()), 0);
    QCOMPARE(Report::calls.size(), size_t(0));
    status.set_callback(nullptr);
    std::vector<u8> zero(ZpStatus::kSize, 0);
    status.set(0, ZpStatus::kSize, zero.data());
}

// ---------------------------------------------------------------------------------------------
// Zone list

void tst_ZpStatus::zoneIndex()
{
    ZoneList& zones = m_conf->get_zone_list();
    QCOMPARE(zones[0].get_number(), u16(0));
    QCOMPARE(zones[2001].get_number(), u16(2001));
    TraceCapture trace;
    ZpZone& spare = zones[2002];
    QCOMPARE(spare.get_number(), u16(0xFFFF));
    QVERIFY2(trace.text().contains("src/Lib/ZpData/zone/operator[]:"), qPrintable(trace.text()));
    QVERIFY2(trace.text().contains("E[Invalid zone: 2002]"), qPrintable(trace.text()));
    QCOMPARE(zones.add_device(2002, DeviceRef::none(m_conf.get())), 1013);
    QCOMPARE(zones.get_zone_limit(), 2001u);
    m_conf->set_networked(0);
    QCOMPARE(zones.get_zone_limit(), 501u);
}

void tst_ZpStatus::listAfterDeviceChange()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // Block 0 is CPU 0 board 0. Written straight in, then one notice of the block starts the
    // rebuild as a user's change would.
    program(conf, 0, 0, in_zone(device::sensor(8, 0), 5));
    program(conf, 0, 1, in_zone(device::sensor(2, 1), 5));
    program(conf, 0, 2, in_zone(device::sensor(4, 0), 5));
    program(conf, 0, 3, in_zone(device::module(1, 0, 0, 3), 7));
    program(conf, 0, 4, in_zone(device::sensor(6, 0), 2001));
    program(conf, 0, 5, in_zone(device::sensor(9, 0), 2002));
    QCOMPARE(conf.set_data(70, conf.find_block(70)->get_ptr(), 2, 0), 0);

    ZoneList& zones = conf.get_zone_list();
    QCOMPARE(zones[5].get_count(), 3u);
    QCOMPARE(zones[7].get_count(), 1u);
    QCOMPARE(zones[2001].get_count(), 1u);
    QCOMPARE(zones[0].get_count(), 0u);
    // Ordered by line, then address: L1S4 (slot 2), L1S8 (slot 0), L2S2 (slot 1).
    QVector<int> order;
    for (const DeviceRef& ref : zones[5].get_devices())
        order << ref.get_slot();
    QCOMPARE(order, (QVector<int>{2, 0, 1}));
    const DeviceRef& m = zones[7].get_devices().front();
    QCOMPARE(m.is_module(), true);
    QCOMPARE(m.get_sub(), 3u);

    // Deleting a device rebuilds the list.
    QCOMPARE(conf.delete_device(0, 0), 0);
    QCOMPARE(zones[5].get_count(), 2u);
    QCOMPARE(conf.clear_line(0, 1), 0);
    QCOMPARE(zones[5].get_count(), 1u);
    QCOMPARE(zones[5].get_devices().front().get_slot(), u16(2));
}

void tst_ZpStatus::classCounters()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // The class of the type row decides the counter: rows 1 and 2 sensors, row 42 ("MON") an
    // input module, row 22 ("FORC") an output module, row 23 a listed row of class 0.
    program(conf, 0, 0, in_zone(device::sensor(1, 0, 1), 9));
    program(conf, 0, 1, in_zone(device::sensor(2, 0, 2), 9));
    program(conf, 0, 2, in_zone(device::module(3, 0, 0, 0, 22), 9));
    program(conf, 0, 3, in_zone(device::module(4, 0, 0, 0, 42, 16394), 9));
    program(conf, 0, 4, in_zone(device::module(5, 0, 0, 0, 23), 9));
    conf.build_device_status(false, nullptr);
    const ZpZone& zone = conf.get_zone_list()[9];
    QCOMPARE(zone.get_count(), 5u);
    QCOMPARE(zone.get_sensor_count(), u16(2));
    QCOMPARE(zone.get_input_count(), u16(1));
    QCOMPARE(zone.get_output_count(), u16(1));
}

void tst_ZpStatus::zoneTest()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    program(conf, 0, 0, in_zone(device::sensor(1, 0), 3), true);
    program(conf, 0, 1, in_zone(device::sensor(2, 0), 3), true);
    program(conf, 0, 2, in_zone(device::sensor(3, 0), 4), true);
    program(conf, 0, 3, in_zone(device::sensor(4, 0), 4), false);
    // A notice of the auxiliary block rebuilds and refreshes the test states.
    QCOMPARE(conf.set_data(198, conf.find_block(198)->get_ptr(), 1, 0), 0);
    ZoneList& zones = conf.get_zone_list();
    QCOMPARE(zones.is_zone_in_test(zones[3]), true);
    QCOMPARE(zones[3].get_test_count(), u16(2));
    QCOMPARE(zones.is_zone_in_test(zones[4]), false);
    QCOMPARE(zones[4].get_test_count(), u16(1));
    QCOMPARE(zones.is_zone_in_test(zones[6]), false); // no devices
    QCOMPARE(conf.get_status().get_zone(3), u8(2));

    // One device leaves the test: the zone is no longer in test.
    {
        ZpConfBlock* aux = conf.find_block(198);
        QVERIFY(aux->lock_write() == 0);
        QCOMPARE(dynamic_cast<ZpData::IF_DeviceAuxProg*>(aux->get_iface())->set_test(0, 1, 0), 0);
        aux->unlock();
    }
    QCOMPARE(zones.is_zone_in_test(zones[3]), false);
    QCOMPARE(zones[3].get_test_count(), u16(1));
    QCOMPARE(conf.get_status().get_zone(3), u8(0));
}

void tst_ZpStatus::zoneZeroTest()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    ZoneList& zones = conf.get_zone_list();
    // Type row 27 (UDS1) is not a listed row: the rebuild leaves it out of zone 0.
    program(conf, 0, 0, in_zone(device::sensor(1, 0, 27), 0), true);
    conf.build_device_status(false, nullptr);
    zones.update_all_zone_test();
    QCOMPARE(zones[0].get_count(), 0u);
    QCOMPARE(conf.get_status().get_zone(0), u8(0));

    // Listed by hand, a UDS1 sensor in test sets the zone-0 byte to its bit.
    QCOMPARE(zones.add_device(0, conf.get_device_info(0, 0)), 0);
    zones.update_zone_test(zones[0]);
    QCOMPARE(conf.get_status().get_zone(0), u8(1));
    QCOMPARE(zones[0].get_test_count(), u16(1));

    // Another row in test counts, but leaves the zone-0 byte at 0.
    program(conf, 0, 0, in_zone(device::sensor(1, 0, 1), 0), true);
    conf.build_device_status(false, nullptr);
    zones.update_all_zone_test();
    QCOMPARE(zones[0].get_count(), 1u);
    QCOMPARE(conf.get_status().get_zone(0), u8(0));
    QCOMPARE(zones[0].get_test_count(), u16(1));
}

// Only a UDS1 device in test that is a sensor or the first channel of a module sets the zone-0
// byte; the byte takes the device's in-test bit.
void tst_ZpStatus::zoneZeroUds1_data()
{
    QTest::addColumn<bool>("module");
    QTest::addColumn<int>("sub");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("inTest");
    QTest::addColumn<int>("zoneZero");
    QTest::addColumn<int>("testCount");
    QTest::newRow("UDS1 sensor in test") << false << 0 << 27 << true << 1 << 1;
    QTest::newRow("UDS1 module sub 0 in test") << true << 0 << 27 << true << 1 << 1;
    QTest::newRow("UDS1 module sub 1 in test") << true << 1 << 27 << true << 0 << 1;
    QTest::newRow("UDS1 sensor not in test") << false << 0 << 27 << false << 0 << 0;
    QTest::newRow("FORC module sub 0 in test") << true << 0 << 22 << true << 0 << 1;
}

void tst_ZpStatus::zoneZeroUds1()
{
    QFETCH(bool, module);
    QFETCH(int, sub);
    QFETCH(int, type);
    QFETCH(bool, inTest);
    QFETCH(int, zoneZero);
    QFETCH(int, testCount);
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    ZoneList& zones = conf.get_zone_list();
    const device::Rec rec = module ? device::module(7, 0, 0, u8(sub), u8(type), 16397) : device::sensor(7, 0, u8(type));
    program(conf, 0, 0, in_zone(rec, 0), inTest);
    conf.build_device_status(false, nullptr);
    // Row 27 is not a listed row, so it is put into zone 0 by hand.
    if (zones[0].get_count() == 0)
        QCOMPARE(zones.add_device(0, conf.get_device_info(0, 0)), 0);
    QCOMPARE(conf.get_status().set_status(0, u8(0xF0)), 0);
    zones.update_zone_test(zones[0]);
    QCOMPARE(int(conf.get_status().get_zone(0)), zoneZero);
    QCOMPARE(int(zones[0].get_test_count()), testCount);
}

void tst_ZpStatus::modbusLists()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    program(conf, 0, 0, in_zone(device::sensor(1, 0), 3));
    program(conf, 0, 1, in_zone(device::module(2, 0, 0, 0), 3));
    program(conf, 0, 2, in_zone(device::sensor(3, 1), 4));
    conf.build_device_status(false, nullptr);
    const ZpModbus& modbus = conf.get_modbus();
    QCOMPARE(modbus.get_devices().size(), size_t(3));
    QCOMPARE(modbus.get_sensors().size(), size_t(2));
    QCOMPARE(modbus.get_devices()[1].get_slot(), u16(1));
    QCOMPARE(modbus.get_sensors()[1].get_slot(), u16(2));
    // A rebuild starts the lists afresh.
    conf.build_device_status(false, nullptr);
    QCOMPARE(modbus.get_devices().size(), size_t(3));
}

QTEST_GUILESS_MAIN(tst_ZpStatus)
#include "tst_zpstatus.moc"
