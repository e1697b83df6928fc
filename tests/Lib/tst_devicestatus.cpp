// Device status rebuild and lookups, the auxiliary in-test block and the slot state table.
// Expected bytes are written out from the block tables.
#include "ZpData/DeviceAuxProg.h"
#include "ZpData/DeviceProg.h"
#include "ZpData/DeviceRec.h"
#include "ZpData/DeviceStatusProg.h"
#include "ZpData/NameProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfBlocks.h"
#include "ZpData/crc.h"
#include "ZpData/interface.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using libtest::bytes;
using libtest::NoticeBlock;
using libtest::TraceCapture;
using libtest::device::empty_record;
using libtest::device::kRecSize;
using libtest::device::put_rec;
using libtest::device::Rec;
using libtest::device::sensor;
using libtest::device::slot_ptr;

constexpr u32 kStatusSize = 89856;
constexpr u32 kAuxSize = 5760;

// The records of these tests all carry code 16386, modules included.
Rec module(u8 address, u8 lineBit, u8 cls, u8 sub)
{
    return libtest::device::module(address, lineBit, cls, sub, 22, 16386);
}

template <class Layout>
Layout* install(ZpConf& conf, u32 dataType)
{
    ZpConfBlock* block = conf.find_block(dataType);
    auto* layout = new Layout(&conf, block, u8(dataType));
    block->set_iface(layout);
    layout->set_default();
    return layout;
}

// Every device-related block of the container in its current layout, with defaults.
void install_device_layouts(ZpConf& conf)
{
    for (u32 dt = 70; dt <= 133; ++dt)
        install<ZpData_v2602::DeviceProg>(conf, dt);
    for (u32 dt = 134; dt <= 197; ++dt)
        install<ZpData_v2602::NameProg>(conf, dt);
    install<ZpData_v2602::DeviceAuxProg>(conf, 198);
    install<ZpData_v2602::DeviceStatusProg>(conf, 199);
}

ZpData_v2602::DeviceProg* prog(ZpConf& conf, u32 index)
{
    return dynamic_cast<ZpData_v2602::DeviceProg*>(conf.find_block(70 + index)->get_iface());
}
ZpData_v2602::NameProg* names(ZpConf& conf, u32 index)
{
    return dynamic_cast<ZpData_v2602::NameProg*>(conf.find_block(134 + index)->get_iface());
}
ZpData_v2602::DeviceAuxProg* aux(ZpConf& conf)
{
    return dynamic_cast<ZpData_v2602::DeviceAuxProg*>(conf.find_block(198)->get_iface());
}
ZpData_v2602::DeviceStatusProg* status(ZpConf& conf)
{
    return dynamic_cast<ZpData_v2602::DeviceStatusProg*>(conf.find_block(199)->get_iface());
}

QString name_of(ZpConf& conf, u32 index, u32 slot)
{
    char buf[33];
    names(conf, index)->get_name(slot, buf);
    return QString::fromLatin1(buf);
}

// The block's stored CRC follows its bytes and nothing is left to recompute.
bool crc_current(ZpConf& conf, u32 dataType)
{
    ZpConfBlock* block = conf.find_block(dataType);
    return !block->is_modified() && conf.get_blocks().get_crc(dataType) == crc16(block->get_ptr(), block->get_size());
}

// Block 0 (CPU 0 board 0): slot 0 sensor at 0 on line 0; slot 1 class-1 module at 10 sub 2 on
// line 1; slot 3 class-2 module at 20 sub 3 on line 0. Block 3 bound to CPU 5 board 2: slot 699
// sensor at 158 on line-within-board 1.
void program_sample(ZpConf& conf)
{
    install_device_layouts(conf);
    put_rec(slot_ptr(prog(conf, 0), 0), sensor(0, 0));
    put_rec(slot_ptr(prog(conf, 0), 1), module(10, 1, 1, 2));
    put_rec(slot_ptr(prog(conf, 0), 3), module(20, 0, 2, 3));
    QCOMPARE(prog(conf, 3)->set_cpu_ll(5, 2), 0);
    put_rec(slot_ptr(prog(conf, 3), 699), sensor(158, 1));
}

// The status block of program_sample, written out from the status table.
QByteArray sample_status()
{
    QByteArray s(int(kStatusSize), char(0xFF));
    s[0] = 0;           // CPU 0 board 0 -> block 0
    s[4 * 5 + 2] = 3;   // CPU 5 board 2 -> block 3
    s[256 + 0] = 0;     // block 0 slot 0: address 0
    s[256 + 1] = 0x0F;  //   sensor: no sub, line 0, class 0
    s[258 + 0] = 10;    // block 0 slot 1: address 10
    s[258 + 1] = 0x72;  //   sub 2, line bit 4, module bit 5, class 1 in bits 6-7
    s[262 + 0] = 20;    // block 0 slot 3: address 20
    s[262 + 1] = char(0xA3); // sub 3, line 0, module, class 2
    const int e = 256 + 1400 * 3 + 2 * 699;
    s[e] = char(158);   // block 3 slot 699
    s[e + 1] = 0x1F;    //   sensor, line bit 4
    return s;
}

struct ProgressLog {
    static std::vector<std::pair<std::string, int>> calls;
    static void record(const char* stage, int value) { calls.emplace_back(stage, value); }
};
std::vector<std::pair<std::string, int>> ProgressLog::calls;

} // namespace

class tst_DeviceStatus : public QObject {
    Q_OBJECT

private slots:
    void sizes();
    void rebuildInPlace();
    void rebuildFreshLayout();
    void rebuildDetached();
    void rebuildSkipsForeignLayout();
    void blockIndex_data();
    void blockIndex();
    void findDevice_data();
    void findDevice();
    void zombies_data();
    void zombies();
    void freeSlotsCleared();
    void progress();

    void auxDefault();
    void auxSetCpuLlId_data();
    void auxSetCpuLlId();
    void auxTestBits_data();
    void auxTestBits();
    void auxSetTestNotice();
    void auxClearTestSilent();

    void slotStates_data();
    void slotStates();
    void slotStatesIgnored();

    void refName();
    void refNameLimits();
    void refZone();
    void refTest();
    void refDeviceClass();
    void refEffectiveAddress();
};

void tst_DeviceStatus::sizes()
{
    ZpData_v2602::DeviceStatusProg s(nullptr, nullptr, 199);
    ZpData_v2602::DeviceAuxProg a(nullptr, nullptr, 198);
    QCOMPARE(s.size(), kStatusSize);
    QCOMPARE(a.size(), kAuxSize);
    QCOMPARE(int(s.version()), 0x2602);
    QCOMPARE(int(a.version()), 0x2602);
}

void tst_DeviceStatus::rebuildInPlace()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    QCOMPARE(status(conf)->update_device_status(false, nullptr), 0);
    QCOMPARE(bytes(status(conf)->data(), kStatusSize), sample_status());
    QVERIFY(crc_current(conf, 199));
}

void tst_DeviceStatus::rebuildFreshLayout()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    ZpConfBlock* block = conf.find_block(199);
    const QByteArray installed = bytes(block->get_ptr(), kStatusSize);

    // As the container rebuilds it: a new layout of the block, installed afterwards.
    std::unique_ptr<ZpData_v2602::DeviceStatusProg> fresh(new ZpData_v2602::DeviceStatusProg(&conf, block, 199));
    QCOMPARE(fresh->update_device_status(true, nullptr), 0);
    QCOMPARE(bytes(fresh->data(), kStatusSize), sample_status());
    QCOMPARE(bytes(block->get_ptr(), kStatusSize), installed);

    QCOMPARE(block->set_iface(fresh.release()), 0);
    QVERIFY(crc_current(conf, 199));
}

void tst_DeviceStatus::rebuildDetached()
{
    ZpData_v2602::DeviceStatusProg detached(nullptr, nullptr, 199);
    QCOMPARE(detached.update_device_status(true, nullptr), 0);
    QCOMPARE(bytes(detached.data(), kStatusSize), QByteArray(int(kStatusSize), char(0xFF)));
}

void tst_DeviceStatus::rebuildSkipsForeignLayout()
{
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    // Block 1 holds a layout of no device class whose bytes would read as CPU 2 board 0 with a
    // sensor in slot 0.
    ZpConfBlock* block = conf.find_block(71);
    auto* plain = new ZpData::IFace(&conf, block, 71, 30102, 0x2602);
    plain->data()[0] = 2;
    plain->data()[1] = 0;
    plain->data()[2] = 5;
    plain->data()[2 + 4] = 1;
    block->set_iface(plain);
    names(conf, 1)->set_name(0, "KEEP");

    QCOMPARE(status(conf)->update_device_status(true, nullptr), 0);
    QCOMPARE(int(status(conf)->data()[4 * 2]), 255);
    QCOMPARE(bytes(status(conf)->data() + 256 + 1400, 1400), QByteArray(1400, char(0xFF)));
    QCOMPARE(name_of(conf, 1, 0), QString("KEEP"));
    // Block 0 is still indexed.
    QCOMPARE(int(status(conf)->data()[0]), 0);
}

void tst_DeviceStatus::blockIndex_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("index");
    QTest::newRow("0 0") << 0 << 0 << 0;
    QTest::newRow("5 2") << 5 << 2 << 3;
    QTest::newRow("5 3") << 5 << 3 << 255;
    QTest::newRow("63 3") << 63 << 3 << 255;
    QTest::newRow("64 0") << 64 << 0 << 255;
    QTest::newRow("0 4") << 0 << 4 << 255;
}

void tst_DeviceStatus::blockIndex()
{
    QFETCH(int, cpu);
    QFETCH(int, board);
    QFETCH(int, index);
    ZpConf conf(0, 255);
    program_sample(conf);
    status(conf)->update_device_status(false, nullptr);
    QCOMPARE(int(status(conf)->get_block_index(u32(cpu), u32(board))), index);
}

void tst_DeviceStatus::findDevice_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("sub");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("ref");

    const QByteArray none = QByteArray::fromHex("ffffffffffffffffffffff");
    // Reference bytes: CPU | line bit 0 << 7; line bits 1-2, sub << 2, module << 6; type and
    // code 255; address; block; slot; zone 255.
    QTest::newRow("sensor") << 0 << 0 << 0 << 0 << 15 << 0 << 0 << QByteArray::fromHex("0000ffffff00000000ffff");
    QTest::newRow("sensor any kind") << 0 << 0 << 254 << 0 << 15 << 0 << 0
                                     << QByteArray::fromHex("0000ffffff00000000ffff");
    // A sensor entry holds sub-address 15: an exact sub-address never matches it.
    QTest::newRow("sensor any kind exact sub") << 0 << 0 << 254 << 0 << 0 << 255 << 65535 << none;
    QTest::newRow("sensor other line") << 0 << 1 << 0 << 0 << 15 << 255 << 65535 << none;
    QTest::newRow("class 1 by channel") << 0 << 1 << 1 << 12 << 15 << 0 << 1
                                        << QByteArray::fromHex("8048ffffff0a000100ffff");
    QTest::newRow("class 1 base exact") << 0 << 1 << 1 << 10 << 2 << 0 << 1
                                        << QByteArray::fromHex("8048ffffff0a000100ffff");
    QTest::newRow("class 1 base any sub") << 0 << 1 << 1 << 10 << 15 << 255 << 65535 << none;
    QTest::newRow("class 2 as sensor") << 0 << 0 << 0 << 20 << 15 << 0 << 3
                                       << QByteArray::fromHex("004cffffff14000300ffff");
    QTest::newRow("class 2 as module") << 0 << 0 << 1 << 20 << 3 << 0 << 3
                                       << QByteArray::fromHex("004cffffff14000300ffff");
    QTest::newRow("class 2 other sub") << 0 << 0 << 1 << 20 << 4 << 255 << 65535 << none;
    QTest::newRow("last slot") << 5 << 5 << 0 << 158 << 15 << 3 << 699
                               << QByteArray::fromHex("8502ffffff9e03bb02ffff");
    QTest::newRow("last slot other line") << 5 << 4 << 0 << 158 << 15 << 255 << 65535 << none;
    QTest::newRow("address 159") << 5 << 5 << 0 << 159 << 15 << 255 << 65535 << none;
    QTest::newRow("line 8") << 5 << 8 << 0 << 158 << 15 << 255 << 65535 << none;
    QTest::newRow("cpu 64") << 64 << 0 << 0 << 0 << 15 << 255 << 65535 << none;
    QTest::newRow("cpu without block") << 1 << 0 << 0 << 0 << 15 << 255 << 65535 << none;
    QTest::newRow("board without block") << 0 << 2 << 0 << 0 << 15 << 255 << 65535 << none;
    // A free entry (address 255) is never found, not even at address 255.
    QTest::newRow("free slot") << 0 << 0 << 254 << 255 << 15 << 255 << 65535 << none;
}

void tst_DeviceStatus::findDevice()
{
    QFETCH(int, cpu);
    QFETCH(int, line);
    QFETCH(int, kind);
    QFETCH(int, address);
    QFETCH(int, sub);
    QFETCH(int, block);
    QFETCH(int, slot);
    QFETCH(QByteArray, ref);

    ZpConf conf(0, 255);
    program_sample(conf);
    status(conf)->update_device_status(false, nullptr);
    const DeviceLocation where = status(conf)->find_device(u32(cpu), u32(line), u32(kind), u32(address), u32(sub));
    QCOMPARE(int(where.block), block);
    QCOMPARE(int(where.slot), slot);
    const DeviceRef r = status(conf)->get_device_ref(u32(cpu), u32(line), u32(kind), u32(address), u32(sub));
    QCOMPARE(bytes(r.raw, 11), ref);
    QVERIFY(r.conf == &conf);
}

void tst_DeviceStatus::zombies_data()
{
    QTest::addColumn<bool>("remove");
    QTest::newRow("kept") << false;
    QTest::newRow("removed") << true;
}

void tst_DeviceStatus::zombies()
{
    QFETCH(bool, remove);
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    // Block 2 serves CPU 1 board 1; everything on line-within-board 1 (line 3) unless noted.
    ZpData_v2602::DeviceProg* p = prog(conf, 2);
    QCOMPARE(p->set_cpu_ll(1, 1), 0);
    put_rec(slot_ptr(p, 0), sensor(7, 1));
    put_rec(slot_ptr(p, 4), sensor(7, 1));       // repeats slot 0
    put_rec(slot_ptr(p, 5), sensor(7, 0));       // other line
    put_rec(slot_ptr(p, 6), module(7, 1, 0, 0));
    put_rec(slot_ptr(p, 7), module(7, 1, 0, 0)); // repeats slot 6
    put_rec(slot_ptr(p, 8), module(7, 1, 0, 1)); // other sub-address
    put_rec(slot_ptr(p, 9), sensor(7, 1));       // repeats slot 0
    for (u32 s : {0u, 4u, 7u, 9u})
        names(conf, 2)->set_name(s, "NAME");
    ZpConfBlock* block = conf.find_block(72);
    QVERIFY(block->lock_write() == 0);
    block->mark_modified();
    block->unlock();
    const QByteArray programmed = bytes(p->data(), p->size());

    TraceCapture trace;
    QCOMPARE(status(conf)->update_device_status(remove, nullptr), 0);
    const u8* st = status(conf)->data();
    auto entry = [&](u32 slot) { return bytes(st + 256 + 1400 * 2 + 2 * slot, 2); };

    QCOMPARE(entry(0), QByteArray::fromHex("071f"));
    QCOMPARE(entry(5), QByteArray::fromHex("070f"));
    QCOMPARE(entry(6), QByteArray::fromHex("0730"));
    QCOMPARE(entry(8), QByteArray::fromHex("0731"));
    const DeviceLocation first = status(conf)->find_device(1, 3, 0, 7, 15);
    QCOMPARE(int(first.block), 2);
    QCOMPARE(int(first.slot), 0);

    if (!remove) {
        QCOMPARE(trace.errors("update_device_status"), QStringList{});
        QCOMPARE(entry(4), QByteArray::fromHex("071f"));
        QCOMPARE(entry(7), QByteArray::fromHex("0730"));
        QCOMPARE(entry(9), QByteArray::fromHex("071f"));
        QCOMPARE(bytes(p->data(), p->size()), programmed);
        QCOMPARE(name_of(conf, 2, 4), QString("NAME"));
        return;
    }
    QCOMPARE(trace.errors("update_device_status"),
             (QStringList{"Trovato device zombie (C1L3S7.0 llId=2 ll_devId=4)",
                          "Trovato device zombie (C1L3S7.0 llId=2 ll_devId=9)",
                          "Trovato device zombie (C1L3M7.0 llId=2 ll_devId=7)"}));
    for (u32 s : {4u, 7u, 9u}) {
        QCOMPARE(entry(s), QByteArray::fromHex("ffff"));
        QCOMPARE(bytes(slot_ptr(p, s), kRecSize), empty_record());
        QCOMPARE(name_of(conf, 2, s), QString());
    }
    QCOMPARE(name_of(conf, 2, 0), QString("NAME"));
    QVERIFY(p->is_device_used(0));
    QVERIFY(p->is_device_used(5));
    QVERIFY(p->is_device_used(6));
    QVERIFY(p->is_device_used(8));
    // The emptied records reach the block's CRC although no change notice went out.
    QVERIFY(crc_current(conf, 72));
}

void tst_DeviceStatus::freeSlotsCleared()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    names(conf, 0)->set_name(0, "USED");
    names(conf, 0)->set_name(2, "FREE");
    names(conf, 0)->set_name(699, "LAST FREE");
    names(conf, 5)->set_name(0, "UNASSIGNED BLOCK");
    aux(conf)->set_test(0, 0, 1);
    aux(conf)->set_test(0, 2, 1);
    aux(conf)->set_test(0, 699, 1);
    aux(conf)->set_test(5, 0, 1);
    for (u32 dt : {134u, 139u, 198u}) {
        ZpConfBlock* block = conf.find_block(dt);
        QVERIFY(block->lock_write() == 0);
        block->unlock();
    }

    QCOMPARE(status(conf)->update_device_status(false, nullptr), 0);
    QCOMPARE(name_of(conf, 0, 0), QString("USED"));
    QCOMPARE(name_of(conf, 0, 2), QString());
    QCOMPARE(name_of(conf, 0, 699), QString());
    // Block 5 is not bound to a board: its slots are not counted as free.
    QCOMPARE(name_of(conf, 5, 0), QString("UNASSIGNED BLOCK"));
    QCOMPARE(int(aux(conf)->get_test(0, 0)), 1);
    QCOMPARE(int(aux(conf)->get_test(0, 2)), 0);
    QCOMPARE(int(aux(conf)->get_test(0, 699)), 0);
    QCOMPARE(int(aux(conf)->get_test(5, 0)), 1);
    // Byte 2 of record 0 keeps only slot 0's bit.
    QCOMPARE(int(aux(conf)->data()[2]), 0x01);
    QVERIFY(crc_current(conf, 134));
    QVERIFY(crc_current(conf, 198));
}

void tst_DeviceStatus::progress()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    ProgressLog::calls.clear();
    QCOMPARE(status(conf)->update_device_status(false, &ProgressLog::record), 0);
    QCOMPARE(ProgressLog::calls.size(), size_t(64));
    for (const auto& call : ProgressLog::calls)
        QCOMPARE(QString::fromStdString(call.first), QString("Process"));
    // Step i * 199 / 64.
    QCOMPARE(ProgressLog::calls[0].second, 0);
    QCOMPARE(ProgressLog::calls[1].second, 3);
    QCOMPARE(ProgressLog::calls[2].second, 6);
    QCOMPARE(ProgressLog::calls[32].second, 99);
    QCOMPARE(ProgressLog::calls[63].second, 195);
}

// ---------------------------------------------------------------------------------------------
// DeviceAuxProg

void tst_DeviceStatus::auxDefault()
{
    ZpData_v2602::DeviceAuxProg layout(nullptr, nullptr, 198);
    memset(layout.data(), 0x33, kAuxSize);
    QCOMPARE(layout.set_default(), 0);
    QByteArray expected(int(kAuxSize), '\0');
    for (int i = 1; i < 64; ++i) {
        expected[90 * i] = char(255);
        expected[90 * i + 1] = char(255);
    }
    QCOMPARE(bytes(layout.data(), kAuxSize), expected);
}

void tst_DeviceStatus::auxSetCpuLlId_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("result");
    QTest::newRow("record 0 unchanged") << 0 << 0 << 0 << -1;
    QTest::newRow("record 3 unchanged") << 3 << 255 << 255 << -1;
    QTest::newRow("record 3") << 3 << 7 << 2 << 0;
    QTest::newRow("record 63") << 63 << 63 << 3 << 0;
    QTest::newRow("record 64") << 64 << 1 << 1 << 1013;
}

void tst_DeviceStatus::auxSetCpuLlId()
{
    QFETCH(int, index);
    QFETCH(int, cpu);
    QFETCH(int, board);
    QFETCH(int, result);

    NoticeBlock block(198);
    auto* layout = new ZpData_v2602::DeviceAuxProg(nullptr, &block, 198);
    block.set_iface(layout);
    layout->set_default();
    if (index < 64)
        memset(layout->data() + 90 * index + 2, 0xFF, 88); // every slot in test
    block.notices.clear();
    const QByteArray before = bytes(layout->data(), kAuxSize);

    TraceCapture trace;
    QCOMPARE(layout->set_cpu_llId(u32(index), u8(cpu), u8(board)), result);
    if (result != 0) {
        QCOMPARE(bytes(layout->data(), kAuxSize), before);
        QVERIFY(block.notices.empty());
        QCOMPARE(trace.errors("set_cpu_llId"), QStringList{});
        return;
    }
    QByteArray expected = before;
    QByteArray rec(90, '\0');
    rec[0] = char(cpu);
    rec[1] = char(board);
    expected.replace(90 * index, 90, rec);
    QCOMPARE(bytes(layout->data(), kAuxSize), expected);
    QCOMPARE(trace.errors("set_cpu_llId"), QStringList{QString("DeviceAuxProg[%1] = c%2ll%3").arg(index).arg(cpu).arg(board)});
    QCOMPARE(block.notices.size(), size_t(1));
    QCOMPARE(block.notices[0].kind, 1u);
    QCOMPARE(block.notices[0].offset, u32(90 * index));
    QCOMPARE(block.notices[0].length, 90u);
}

void tst_DeviceStatus::auxTestBits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("byte"); // -1: nothing written
    QTest::addColumn<int>("mask");
    QTest::newRow("0 0") << 0 << 0 << 0 << 2 << 0x01;
    QTest::newRow("2 9") << 2 << 9 << 0 << 183 << 0x02;
    QTest::newRow("63 699") << 63 << 699 << 0 << 90 * 63 + 2 + 87 << 0x08;
    QTest::newRow("63 700") << 63 << 700 << 1013 << -1 << 0;
    QTest::newRow("64 0") << 64 << 0 << 1013 << -1 << 0;
}

void tst_DeviceStatus::auxTestBits()
{
    QFETCH(int, index);
    QFETCH(int, slot);
    QFETCH(int, result);
    QFETCH(int, byte);
    QFETCH(int, mask);

    ZpData_v2602::DeviceAuxProg layout(nullptr, nullptr, 198);
    layout.set_default();
    const QByteArray before = bytes(layout.data(), kAuxSize);
    QCOMPARE(layout.set_test(u32(index), u32(slot), 5), result);
    QByteArray expected = before;
    if (byte >= 0)
        expected[byte] = char(expected[byte] | mask);
    QCOMPARE(bytes(layout.data(), kAuxSize), expected);
    QCOMPARE(int(layout.get_test(u32(index), u32(slot))), result == 0 ? 1 : 0);
    if (result != 0)
        return;
    QCOMPARE(layout.set_test(u32(index), u32(slot), 1), -1);
    QCOMPARE(layout.set_test(u32(index), u32(slot), 0), 0);
    QCOMPARE(bytes(layout.data(), kAuxSize), before);
    QCOMPARE(layout.set_test(u32(index), u32(slot), 0), -1);
}

void tst_DeviceStatus::auxSetTestNotice()
{
    NoticeBlock block(198);
    auto* layout = new ZpData_v2602::DeviceAuxProg(nullptr, &block, 198);
    block.set_iface(layout);
    block.notices.clear();
    QCOMPARE(layout->set_test(2, 9, 1), 0);
    QCOMPARE(block.notices.size(), size_t(1));
    QCOMPARE(block.notices[0].kind, 1u);
    QCOMPARE(block.notices[0].dataType, 198u);
    QCOMPARE(block.notices[0].offset, 180u);
    QCOMPARE(block.notices[0].length, 90u);
    QCOMPARE(layout->set_test(2, 9, 1), -1);
    QCOMPARE(block.notices.size(), size_t(1));
}

void tst_DeviceStatus::auxClearTestSilent()
{
    NoticeBlock block(198);
    auto* layout = new ZpData_v2602::DeviceAuxProg(nullptr, &block, 198);
    block.set_iface(layout);
    layout->set_test(1, 8, 1);
    QVERIFY(block.lock_write() == 0);
    block.unlock();
    block.notices.clear();
    QVERIFY(!block.is_modified());

    QCOMPARE(layout->clear_test_silent(1, 8), 0);
    QCOMPARE(int(layout->data()[90 + 2 + 1]), 0);
    QVERIFY(block.notices.empty());
    QVERIFY(block.is_modified());
    QCOMPARE(layout->clear_test_silent(1, 8), -1);
    QCOMPARE(layout->clear_test_silent(64, 8), 1013);
    QCOMPARE(layout->clear_test_silent(1, 700), 1013);
}

// ---------------------------------------------------------------------------------------------
// Slot state table

void tst_DeviceStatus::slotStates_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("content");
    QTest::newRow("slot 0") << 0 << 3 << 0 << 0x03;
    QTest::newRow("slot 5") << 5 << 2 << 1 << 0x08;
    QTest::newRow("slot 7") << 7 << 1 << 1 << 0x40;
    QTest::newRow("slot 699") << 699 << 1 << 174 << 0x40;
}

void tst_DeviceStatus::slotStates()
{
    QFETCH(int, slot);
    QFETCH(int, value);
    QFETCH(int, byte);
    QFETCH(int, content);
    std::vector<u8> table(kDevStateTableSize, 0);
    set_dev_state(table.data(), u32(slot), u8(value));
    QCOMPARE(int(table[size_t(byte)]), content);
    QCOMPARE(int(get_dev_state(table.data(), u32(slot))), value);
    // The neighbours in the same byte keep their states.
    std::fill(table.begin(), table.end(), u8(0xFF));
    set_dev_state(table.data(), u32(slot), 0);
    QCOMPARE(int(table[size_t(byte)]), 0xFF & ~(3 << (2 * (slot % 4))));
}

void tst_DeviceStatus::slotStatesIgnored()
{
    std::vector<u8> table(kDevStateTableSize, 0xFF);
    QCOMPARE(int(get_dev_state(table.data(), 700)), 0);
    QCOMPARE(int(get_dev_state(table.data(), 0xFFFFFFFFu)), 0);
    std::fill(table.begin(), table.end(), u8(0));
    set_dev_state(table.data(), 700, 1);
    set_dev_state(table.data(), 3, 4);
    QCOMPARE(bytes(table.data(), kDevStateTableSize), QByteArray(int(kDevStateTableSize), '\0'));
}

// ---------------------------------------------------------------------------------------------
// DeviceRef operations that read the configuration

void tst_DeviceStatus::refName()
{
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    QCOMPARE(prog(conf, 2)->set_cpu_ll(1, 0), 0);
    put_rec(slot_ptr(prog(conf, 2), 5), sensor(4, 0));
    put_rec(slot_ptr(prog(conf, 2), 699), sensor(5, 0));
    names(conf, 2)->set_name(5, "Sala server");
    const char full[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"; // 32 characters, no terminator in the block
    names(conf, 2)->set_name(699, full);

    char buf[33];
    memset(buf, 'x', sizeof buf);
    QCOMPARE(prog(conf, 2)->get_device_ref(5).get_name(buf), 0);
    QCOMPARE(QString::fromLatin1(buf), QString("Sala server"));
    memset(buf, 'x', sizeof buf);
    QCOMPARE(prog(conf, 2)->get_device_ref(699).get_name(buf), 0);
    QCOMPARE(QString::fromLatin1(buf), QString(full));
    QCOMPARE(int(buf[32]), 0);

    std::unique_ptr<char[]> copy = prog(conf, 2)->get_device_ref(5).get_name();
    QCOMPARE(QString::fromLatin1(copy.get()), QString("Sala server"));
}

void tst_DeviceStatus::refNameLimits()
{
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    names(conf, 63)->set_name(699, "LAST");
    DeviceRef ref = DeviceRef::none(&conf);
    ref.set_block(63);
    ref.set_slot(699);
    char buf[33];
    QCOMPARE(ref.get_name(buf), 0);
    QCOMPARE(QString::fromLatin1(buf), QString("LAST"));

    ref.set_block(64);
    memset(buf, 'x', sizeof buf);
    QCOMPARE(ref.get_name(buf), 1013);
    QCOMPARE(int(buf[0]), 0);
    QCOMPARE(QString::fromLatin1(ref.get_name().get()), QString());

    ref.set_block(63);
    ref.set_slot(700);
    memset(buf, 'x', sizeof buf);
    QCOMPARE(ref.get_name(buf), 1013);
    QCOMPARE(int(buf[0]), 0);

    DeviceRef detached = DeviceRef::none();
    detached.set_block(0);
    detached.set_slot(0);
    memset(buf, 'x', sizeof buf);
    QCOMPARE(detached.get_name(buf), 1008);
    QCOMPARE(int(buf[0]), 0);
}

void tst_DeviceStatus::refZone()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    u8* rec = slot_ptr(prog(conf, 3), 699);
    rec[5] = 0xDC; // zone 1500
    rec[6] = 0x05;
    status(conf)->update_device_status(false, nullptr);

    // Carried in the reference.
    DeviceRef ref = prog(conf, 3)->get_device_ref(699);
    QCOMPARE(int(ref.get_zone()), 1500);
    ref.set_zone(1999);
    QCOMPARE(int(ref.get_zone()), 1999);
    // 2000 and above are read from the slot.
    ref.set_zone(2000);
    QCOMPARE(int(ref.get_zone()), 1500);
    // A reference from the status index carries no zone.
    const DeviceRef indexed = status(conf)->get_device_ref(5, 5, 0, 158, 15);
    QCOMPARE(int(indexed.get_stored_zone()), 0xFFFF);
    QCOMPARE(int(indexed.get_zone()), 1500);
    // Without a configuration nothing can be read.
    DeviceRef detached = indexed;
    detached.conf = nullptr;
    QCOMPARE(int(detached.get_zone()), 0xFFFF);
}

void tst_DeviceStatus::refTest()
{
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    aux(conf)->set_test(2, 5, 1);
    aux(conf)->set_test(63, 699, 1);
    DeviceRef ref = DeviceRef::none(&conf);
    ref.set_block(2);
    ref.set_slot(5);
    QCOMPARE(int(ref.get_test()), 1);
    ref.set_slot(6);
    QCOMPARE(int(ref.get_test()), 0);
    ref.set_block(63);
    ref.set_slot(699);
    QCOMPARE(int(ref.get_test()), 1);
    ref.set_block(64);
    QCOMPARE(int(ref.get_test()), 0);
    DeviceRef detached = ref;
    detached.conf = nullptr;
    detached.set_block(63);
    QCOMPARE(int(detached.get_test()), 0);
}

void tst_DeviceStatus::refDeviceClass()
{
    ZpConf conf(0, 255);
    install_device_layouts(conf);
    put_rec(slot_ptr(prog(conf, 4), 8), module(3, 0, 1, 0));
    DeviceRef ref = DeviceRef::none(&conf);
    ref.set_type_and_class(22); // class 0 in the reference
    ref.set_block(4);
    ref.set_slot(8);
    QCOMPARE(ref.get_device_class(), 1u);

    // No configuration, no slot or no device layout: the reference's own byte 2.
    DeviceRef detached = ref;
    detached.conf = nullptr;
    QCOMPARE(detached.get_device_class(), 0u);
    DeviceRef farBlock = ref;
    farBlock.set_block(64);
    farBlock.set_type_and_class(22 | 0x80);
    QCOMPARE(farBlock.get_device_class(), 2u);
    ZpConfBlock* block = conf.find_block(74);
    block->set_iface(new ZpData::IFace(&conf, block, 74, 30102, 0x2602));
    ref.set_type_and_class(22 | 0x80);
    QCOMPARE(ref.get_device_class(), 2u);
}

void tst_DeviceStatus::refEffectiveAddress()
{
    ZpConf conf(0, 255);
    program_sample(conf);
    status(conf)->update_device_status(false, nullptr);
    // The class-1 module at 10, sub 2: the index reference carries no class (byte 2 is 255), the
    // slot says class 1, so the channel address is 10 + 2.
    const DeviceRef indexed = status(conf)->get_device_ref(0, 1, 1, 12, 15);
    QCOMPARE(indexed.get_effective_address(), 12);
    const DeviceRef programmed = prog(conf, 0)->get_device_ref(1);
    QCOMPARE(programmed.get_effective_address(), 12);
    // The class-2 module at 20: no sub-address added.
    QCOMPARE(prog(conf, 0)->get_device_ref(3).get_effective_address(), 20);
    // Sensor at 158 in block 3, and an empty slot.
    QCOMPARE(prog(conf, 3)->get_device_ref(699).get_effective_address(), 158);
    QCOMPARE(prog(conf, 3)->get_device_ref(0).get_effective_address(), -1);
}

QTEST_APPLESS_MAIN(tst_DeviceStatus)
#include "tst_devicestatus.moc"
