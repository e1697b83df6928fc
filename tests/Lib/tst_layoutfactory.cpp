#include "ZpData/AnnuncProg.h"
#include "ZpData/DeviceAuxProg.h"
#include "ZpData/DeviceProg.h"
#include "ZpData/DeviceStatusProg.h"
#include "ZpData/GroupProg.h"
#include "ZpData/NameProg.h"
#include "ZpData/ZoneName.h"
#include "ZpData/ZoneProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpxProg.h"
#include "ZpData/bytes.h"
#include "ZpData/crc.h"
#include "ZpData/interface.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <memory>

namespace {

using libtest::bytes;
using libtest::TraceCapture;

// Installs a layout of an older version, filled by fill, into the block of dataType.
template <class Fill>
void install_old(ZpConf& conf, u8 dataType, u16 version, Fill fill)
{
    ZpConfBlock* block = conf.find_block(dataType);
    ZpData::IFace* layout = ZpData::new_iface(&conf, block, dataType, 0, version);
    QVERIFY(layout);
    fill(layout->data());
    QCOMPARE(block->set_iface(layout), 0);
}

} // namespace

class tst_LayoutFactory : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void classes();
    void indexes();
    void expectedSizeMismatch();
    void invalidVersion();
    void dataTypeOutOfRange();
    void containerBlocksAreCurrent();
    void upgradeGeneralBlock();
    void upgradeDeviceBlock();
    void upgradeOtherKindsCopies();
};

void tst_LayoutFactory::sizes_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<uint>("v2600");
    QTest::addColumn<uint>("v2601");
    QTest::addColumn<uint>("v2602");
    QTest::newRow("word 0") << 0 << 4u << 4u << 4u;
    QTest::newRow("word 1") << 1 << 4u << 4u << 4u;
    QTest::newRow("general") << 2 << 5310u << 5310u << 5310u;
    QTest::newRow("zones") << 3 << 1500u << 1500u << 1500u;
    QTest::newRow("zone names") << 4 << 64000u << 64000u << 64000u;
    QTest::newRow("groups") << 5 << 52800u << 52800u << 52800u;
    QTest::newRow("annunc first") << 6 << 5200u << 5200u << 5200u;
    QTest::newRow("annunc last") << 69 << 5200u << 5200u << 5200u;
    QTest::newRow("device first") << 70 << 29402u << 29402u << 30102u;
    QTest::newRow("device last") << 133 << 29402u << 29402u << 30102u;
    QTest::newRow("names first") << 134 << 22402u << 22402u << 22402u;
    QTest::newRow("names last") << 197 << 22402u << 22402u << 22402u;
    QTest::newRow("device aux") << 198 << 5760u << 5760u << 5760u;
    QTest::newRow("device status") << 199 << 89856u << 89856u << 89856u;
}

void tst_LayoutFactory::sizes()
{
    QFETCH(int, dataType);
    QFETCH(uint, v2600);
    QFETCH(uint, v2601);
    QFETCH(uint, v2602);
    const uint expected[3] = {v2600, v2601, v2602};
    const u16 versions[3] = {0x2600, 0x2601, 0x2602};
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<ZpData::IFace> layout(ZpData::new_iface(nullptr, nullptr, u32(dataType), 0, versions[i]));
        QVERIFY(layout);
        QCOMPARE(layout->size(), expected[i]);
        QCOMPARE(uint(layout->version()), uint(versions[i]));
        QCOMPARE(int(layout->get_data_type()), dataType);
        QCOMPARE(bytes(layout.get()), QByteArray(int(expected[i]), '\0'));
    }
}

void tst_LayoutFactory::classes()
{
    auto make = [](u32 dt, u16 version) {
        return std::unique_ptr<ZpData::IFace>(ZpData::new_iface(nullptr, nullptr, dt, 0, version));
    };
    QVERIFY(dynamic_cast<ZpData::IF_ZpxProg*>(make(2, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_ZoneProg*>(make(3, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_ZoneName*>(make(4, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_GroupProg*>(make(5, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_AnnuncProg*>(make(37, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_DeviceProg*>(make(100, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_NameProg*>(make(150, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_DeviceAuxProg*>(make(198, 0x2602).get()));
    QVERIFY(dynamic_cast<ZpData::IF_DeviceStatusProg*>(make(199, 0x2602).get()));
    // Older layouts do not offer the current interfaces.
    QVERIFY(!dynamic_cast<ZpData::IF_ZpxProg*>(make(2, 0x2601).get()));
    QVERIFY(!dynamic_cast<ZpData::IF_DeviceProg*>(make(70, 0x2600).get()));
}

void tst_LayoutFactory::indexes()
{
    auto make = [](u32 dt) {
        return std::unique_ptr<ZpData::IFace>(ZpData::new_iface(nullptr, nullptr, dt, 0, 0x2602));
    };
    QCOMPARE(int(dynamic_cast<ZpData_v2602::AnnuncProg*>(make(6).get())->get_index()), 0);
    QCOMPARE(int(dynamic_cast<ZpData_v2602::AnnuncProg*>(make(69).get())->get_index()), 63);
    QCOMPARE(int(dynamic_cast<ZpData_v2602::DeviceProg*>(make(70).get())->get_index()), 0);
    QCOMPARE(int(dynamic_cast<ZpData_v2602::DeviceProg*>(make(133).get())->get_index()), 63);
    QCOMPARE(int(dynamic_cast<ZpData_v2602::NameProg*>(make(134).get())->get_index()), 0);
    QCOMPARE(int(dynamic_cast<ZpData_v2602::NameProg*>(make(197).get())->get_index()), 63);
}

void tst_LayoutFactory::expectedSizeMismatch()
{
    TraceCapture trace;
    QCOMPARE(ZpData::new_iface(nullptr, nullptr, 70, 29402, 0x2602), static_cast<ZpData::IFace*>(nullptr));
    QVERIFY(trace.text().contains("src/Lib/ZpData/interface/new_iface:"));
    QVERIFY(trace.text().contains("E[can't open dataType = 70 len = (30102, 29402)]\n"));

    std::unique_ptr<ZpData::IFace> ok(ZpData::new_iface(nullptr, nullptr, 70, 29402, 0x2601));
    QVERIFY(ok);
}

void tst_LayoutFactory::invalidVersion()
{
    TraceCapture trace;
    const u16 versions[] = {0x0000, 0x25FF, 0x2603, 0xFFFF};
    for (u16 v : versions)
        QCOMPARE(ZpData::new_iface(nullptr, nullptr, 2, 0, v), static_cast<ZpData::IFace*>(nullptr));
    const QString log = trace.text();
    QVERIFY(log.contains("E[Invalid version (0x0000)]\n"));
    QVERIFY(log.contains("E[Invalid version (0x2603)]\n"));
    QVERIFY(log.contains("E[Invalid version (0xFFFF)]\n"));
}

void tst_LayoutFactory::dataTypeOutOfRange()
{
    TraceCapture trace;
    QCOMPARE(ZpData::new_iface(nullptr, nullptr, 200, 0, 0x2602), static_cast<ZpData::IFace*>(nullptr));
    QVERIFY(trace.text().contains("E[malloc failed!]\n"));
}

void tst_LayoutFactory::containerBlocksAreCurrent()
{
    ZpConf conf(0, 255);
    for (u32 dt = 0; dt < 200; ++dt) {
        ZpConfBlock* block = conf.get_blocks()[dt];
        QVERIFY(block);
        QCOMPARE(uint(block->get_version()), 0x2602u);
        QCOMPARE(block->get_size(), ZpData::layout_size(u8(dt), 0x2602));
    }
}

void tst_LayoutFactory::upgradeGeneralBlock()
{
    ZpConf conf(0, 0);
    install_old(conf, 2, 0x2600, [](u8* d) {
        d[5245] = 7;                   // any non-zero value was "networked" in 0x2600
        d[4 + 0 * 61 + 0] = 0x99;      // CPU 0 board 0: bit 7, line protocols 1 and 1, installed
        d[4 + 0 * 61 + 5] = 0x01;      // CPU 0 board 1: installed, protocols 0 and 0
        d[4 + 0 * 61 + 52] = 0xFF;     // CPU 0 status: old bits 3-7 carry no CPU type
        d[4 + 63 * 61 + 52] = 0x02;    // CPU 63: serial board bit only
        d[5144] = 'P';
    });
    QCOMPARE(conf.find_block(2)->update(0x2602), 0);

    ZpConfBlock* block = conf.find_block(2);
    QCOMPARE(uint(block->get_version()), 0x2602u);
    const u8* d = block->get_ptr();
    QCOMPARE(uint(get_le16(d)), 0x2602u);
    QCOMPARE(int(d[5245]), 1);
    QCOMPARE(int(d[4]), 0x80 | 0x20 | 0x08 | 0x01);
    QCOMPARE(int(d[4 + 5]), 0x01);
    QCOMPARE(int(d[4 + 52]), 0x07 | 0x08);
    QCOMPARE(int(d[4 + 63 * 61 + 52]), 0x02 | 0x08);
    for (int cpu = 1; cpu < 63; ++cpu)
        QCOMPARE(int(d[4 + cpu * 61 + 52]), 0x08);
    QCOMPARE(char(d[5144]), 'P');
    QVERIFY(dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface()));
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(d, 5310));
}

void tst_LayoutFactory::upgradeDeviceBlock()
{
    ZpConf conf(0, 0);
    install_old(conf, 71, 0x2600, [](u8* d) {
        d[0] = 2; // CPU
        d[1] = 3; // board
        u8* o = d + 2 + 42 * 5;
        o[0] = 12;
        o[1] = 0xC0;        // module, line 1
        o[2] = 10;          // code low byte
        o[3] = 0x80 | 0x45; // class bit, module-code bit, type 5
        o[4] = 0x23;
        o[5] = 0x01;        // zone 0x0123
        for (int i = 6; i < 42; ++i)
            o[i] = u8(i);
        u8* last = d + 2 + 42 * 699;
        last[0] = 158;
        last[2] = 0x41;
        last[3] = 0x02;     // first-series sensor, type 2, class 0
    });
    QCOMPARE(conf.find_block(71)->update(0x2602), 0);

    ZpConfBlock* block = conf.find_block(71);
    QCOMPARE(block->get_size(), 30102u);
    const u8* d = block->get_ptr();
    QCOMPARE(int(d[0]), 2);
    QCOMPARE(int(d[1]), 3);

    QByteArray rec5(43, '\0');
    rec5[0] = 12;
    rec5[1] = char(0xC0);
    rec5[2] = 0x0A;
    rec5[3] = 0x40; // code 0x400A
    rec5[4] = 0x45; // type 5, class 1
    rec5[5] = 0x23;
    rec5[6] = 0x01;
    for (int i = 6; i < 42; ++i)
        rec5[i + 1] = char(i);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(d + 2 + 43 * 5), 43), rec5);

    QByteArray rec699(43, '\0');
    rec699[0] = char(158);
    rec699[2] = 0x41;
    rec699[4] = 0x02;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(d + 2 + 43 * 699), 43), rec699);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(d + 2 + 43 * 4), 43), QByteArray(43, '\0'));
}

void tst_LayoutFactory::upgradeOtherKindsCopies()
{
    ZpConf conf(0, 0);
    install_old(conf, 4, 0x2601, [](u8* d) {
        memcpy(d + 32 * 1999, "LAST ZONE", 9);
    });
    QCOMPARE(conf.find_block(4)->update(0x2602), 0);
    ZpConfBlock* block = conf.find_block(4);
    QCOMPARE(uint(block->get_version()), 0x2602u);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block->get_ptr() + 32 * 1999), 9), QByteArray("LAST ZONE"));
    QVERIFY(dynamic_cast<ZpData::IF_ZoneName*>(block->get_iface()));
}

QTEST_APPLESS_MAIN(tst_LayoutFactory)
#include "tst_layoutfactory.moc"
