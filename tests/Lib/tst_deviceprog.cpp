// Device programming blocks: the 43-byte record, the DeviceProg layout of the current version and
// its conversion from 0x2601. Expected bytes are written out from the record and block tables.
#include "ZpData/DeviceProg.h"
#include "ZpData/DeviceRec.h"
#include "ZpData/DeviceRef.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/interface.h"

#include "LibTestSupport.h"

#include <QtTest>

namespace {

using libtest::bytes;
using libtest::NoticeBlock;
using libtest::TraceCapture;
using libtest::device::empty_record;
using libtest::device::kRecSize;
using libtest::device::module;
using libtest::device::put_rec;
using libtest::device::Rec;
using libtest::device::sensor;
using libtest::device::slot_ptr;

constexpr u32 kBlockSize = 30102;
constexpr u32 kOldBlockSize = 29402;

// A DeviceProg of block index dt - 70 installed in a probe block, with its defaults.
struct Probe {
    explicit Probe(u8 dt)
        : block(dt)
    {
        layout = new ZpData_v2602::DeviceProg(nullptr, &block, dt);
        block.set_iface(layout);
        layout->set_default();
        block.notices.clear();
    }
    NoticeBlock block;
    ZpData_v2602::DeviceProg* layout;
};

} // namespace

Q_DECLARE_METATYPE(Rec)

class tst_DeviceProg : public QObject {
    Q_OBJECT

private slots:
    void emptyRecord();
    void recordAddress_data();
    void recordAddress();
    void recordCodeAndClass();
    void isMe_data();
    void isMe();
    void setType_data();
    void setType();
    void check_data();
    void check();
    void recordPackedAddress();

    void sizeAndVersion();
    void setDefault_data();
    void setDefault();
    void isAssigned_data();
    void isAssigned();
    void setCpuLl();
    void setCpuLlUnbinds_data();
    void setCpuLlUnbinds();
    void slotLimits();
    void deviceNum();
    void findDevice_data();
    void findDevice();
    void freeSlots();
    void clearLineDevices();
    void clearLineDevicesRange();
    void clearDevice();
    void clearDeviceSilent();
    void deviceRefModule();
    void deviceRefSensor();
    void deviceRefLimit();
    void recordCopyAndPackedAddress();
    void slotOfOffset_data();
    void slotOfOffset();
    void detachedLayout();

    void convertRecords();
    void convertVersions_data();
    void convertVersions();
    void convertSendsNoNotice();
};

// ---------------------------------------------------------------------------------------------
// DeviceRec

void tst_DeviceProg::emptyRecord()
{
    u8 rec[kRecSize];
    memset(rec, 0xAA, sizeof rec);
    DeviceRec::clear(rec);
    QCOMPARE(bytes(rec, kRecSize), empty_record());
    QCOMPARE(DeviceRec::get_address(rec), -1);
}

void tst_DeviceProg::recordAddress_data()
{
    QTest::addColumn<Rec>("rec");
    QTest::addColumn<int>("address");
    QTest::newRow("sensor") << sensor(5, 0) << 5;
    QTest::newRow("sensor with sensitivity") << sensor(5, 1, 1, 9) << 5;
    QTest::newRow("module class 0") << module(10, 0, 0, 2) << 10;
    QTest::newRow("module class 1 adds sub") << module(10, 0, 1, 2) << 12;
    QTest::newRow("module class 2") << module(10, 0, 2, 2) << 10;
    Rec unused = sensor(5, 0);
    unused.type = 0;
    QTest::newRow("type 0 is empty") << unused << -1;
}

void tst_DeviceProg::recordAddress()
{
    QFETCH(Rec, rec);
    QFETCH(int, address);
    u8 p[kRecSize];
    put_rec(p, rec);
    QCOMPARE(DeviceRec::get_address(p), address);
}

void tst_DeviceProg::recordCodeAndClass()
{
    u8 p[kRecSize];
    put_rec(p, module(10, 0, 0, 2, 22));
    QCOMPARE(int(DeviceRec::get_code(p)), 16395);
    QCOMPARE(DeviceRec::set_code(p, 16395), -1);
    QCOMPARE(DeviceRec::set_code(p, 0x8123), 0);
    QCOMPARE(int(p[2]), 0x23);
    QCOMPARE(int(p[3]), 0x81);

    QCOMPARE(DeviceRec::set_class(p, 0), -1);
    QCOMPARE(DeviceRec::set_class(p, 2), 0);
    QCOMPARE(int(p[4]), 22 | 0x80);
    QCOMPARE(DeviceRec::set_class(p, 1), 0);
    QCOMPARE(int(p[4]), 22 | 0x40);
    QCOMPARE(DeviceRec::set_class(p, 4), 1013);
    QCOMPARE(int(p[4]), 22 | 0x40);
}

void tst_DeviceProg::isMe_data()
{
    QTest::addColumn<Rec>("rec");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("sub");
    QTest::addColumn<bool>("match");
    QTest::addColumn<bool>("logged");

    // Sensor of class 0 at 5 with sensitivity 3 in byte 8.
    const Rec s0 = sensor(5, 0, 1, 3);
    QTest::newRow("s0 kind 0") << s0 << 0 << 0 << 5 << 15 << true << false;
    QTest::newRow("s0 kind 0 exact sub ignored") << s0 << 0 << 0 << 5 << 7 << true << false;
    QTest::newRow("s0 kind 0 other address") << s0 << 0 << 0 << 6 << 15 << false << false;
    QTest::newRow("s0 other line bit") << s0 << 1 << 0 << 5 << 15 << false << false;
    QTest::newRow("s0 line 2 is line bit 0") << s0 << 2 << 0 << 5 << 15 << true << false;
    QTest::newRow("s0 kind 1") << s0 << 0 << 1 << 5 << 15 << false << false;
    QTest::newRow("s0 kind 254 any sub") << s0 << 0 << 254 << 5 << 15 << true << false;
    QTest::newRow("s0 kind 254 byte 8 equal") << s0 << 0 << 254 << 5 << 3 << true << false;
    QTest::newRow("s0 kind 254 byte 8 differs") << s0 << 0 << 254 << 5 << 2 << false << false;
    QTest::newRow("s0 kind 7") << s0 << 0 << 7 << 5 << 15 << false << false;

    // Module of class 0 at 10, sub-address 2.
    const Rec m0 = module(10, 1, 0, 2);
    QTest::newRow("m0 kind 1 exact") << m0 << 1 << 1 << 10 << 2 << true << false;
    QTest::newRow("m0 kind 1 any sub") << m0 << 1 << 1 << 10 << 15 << true << false;
    QTest::newRow("m0 kind 1 sub 16 is any") << m0 << 1 << 1 << 10 << 16 << true << false;
    QTest::newRow("m0 kind 1 other sub") << m0 << 1 << 1 << 10 << 3 << false << false;
    QTest::newRow("m0 kind 1 address + sub") << m0 << 1 << 1 << 12 << 15 << false << false;
    QTest::newRow("m0 kind 0") << m0 << 1 << 0 << 10 << 15 << false << false;
    QTest::newRow("m0 kind 254") << m0 << 1 << 254 << 10 << 15 << true << false;
    QTest::newRow("m0 kind 254 exact") << m0 << 1 << 254 << 10 << 2 << true << false;
    QTest::newRow("m0 kind 7") << m0 << 1 << 7 << 10 << 15 << false << false;

    // Module of class 1 at 10, sub-address 2: its channel answers at 12.
    const Rec m1 = module(10, 0, 1, 2);
    QTest::newRow("m1 kind 1 any sub at address + sub") << m1 << 0 << 1 << 12 << 15 << true << false;
    QTest::newRow("m1 kind 1 any sub at base") << m1 << 0 << 1 << 10 << 15 << false << false;
    QTest::newRow("m1 kind 1 exact at base") << m1 << 0 << 1 << 10 << 2 << true << false;
    QTest::newRow("m1 kind 1 exact at address + sub") << m1 << 0 << 1 << 12 << 2 << false << false;
    QTest::newRow("m1 kind 0") << m1 << 0 << 0 << 10 << 15 << false << false;
    QTest::newRow("m1 kind 254 at base") << m1 << 0 << 254 << 10 << 15 << true << false;
    QTest::newRow("m1 kind 254 at address + sub") << m1 << 0 << 254 << 12 << 15 << false << false;
    QTest::newRow("m1 kind 7") << m1 << 0 << 7 << 10 << 15 << false << false;

    // Module of class 2 at 20, sub-address 3: answers as sensor too.
    const Rec m2 = module(20, 0, 2, 3);
    QTest::newRow("m2 kind 0") << m2 << 0 << 0 << 20 << 0 << true << false;
    QTest::newRow("m2 kind 0 other address") << m2 << 0 << 0 << 21 << 15 << false << false;
    QTest::newRow("m2 kind 1 exact") << m2 << 0 << 1 << 20 << 3 << true << false;
    QTest::newRow("m2 kind 1 any sub") << m2 << 0 << 1 << 20 << 15 << true << false;
    QTest::newRow("m2 kind 1 other sub") << m2 << 0 << 1 << 20 << 4 << false << false;
    QTest::newRow("m2 kind 254") << m2 << 0 << 254 << 20 << 15 << true << false;
    QTest::newRow("m2 kind 7") << m2 << 0 << 7 << 20 << 15 << false << true;

    // Sensor of class 2 at 30 (byte 8 = 4): answers as module too.
    Rec s2 = sensor(30, 1, 1, 4);
    s2.cls = 2;
    QTest::newRow("s2 kind 0") << s2 << 1 << 0 << 30 << 15 << true << false;
    QTest::newRow("s2 kind 1 any sub") << s2 << 1 << 1 << 30 << 15 << true << false;
    QTest::newRow("s2 kind 1 sub = byte 8") << s2 << 1 << 1 << 30 << 4 << true << false;
    QTest::newRow("s2 kind 1 other sub") << s2 << 1 << 1 << 30 << 0 << false << false;
    QTest::newRow("s2 kind 255") << s2 << 1 << 255 << 30 << 15 << false << true;

    Rec empty = module(20, 0, 2, 3);
    empty.type = 0;
    QTest::newRow("empty record") << empty << 0 << 254 << 20 << 15 << false << false;
}

void tst_DeviceProg::isMe()
{
    QFETCH(Rec, rec);
    QFETCH(int, line);
    QFETCH(int, kind);
    QFETCH(int, address);
    QFETCH(int, sub);
    QFETCH(bool, match);
    QFETCH(bool, logged);

    TraceCapture trace;
    u8 p[kRecSize];
    put_rec(p, rec);
    QCOMPARE(DeviceRec::is_me(p, u32(line), u32(kind), u32(address), u32(sub)), match);
    const QStringList expected = logged ? QStringList{QString("Invalid devtype (%1)").arg(kind)} : QStringList{};
    QCOMPARE(trace.errors("is_me"), expected);
}

void tst_DeviceProg::setType_data()
{
    QTest::addColumn<Rec>("rec");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("bytes7to10");

    auto withCode = [](Rec r, u16 code) {
        r.code = code;
        return r;
    };
    // Bytes 7 to 10 start as junk, so every row shows what set_type leaves there.
    // ION (row 1): sensitivity up to 9, default (9 + 1) / 2.
    QTest::newRow("ION") << withCode(sensor(1, 0, 0), 16386) << 1 << 0 << QByteArray::fromHex("00050901");
    // BEAM (row 10): up to 6, default 3.
    QTest::newRow("BEAM") << withCode(sensor(1, 0, 0), 60) << 10 << 0 << QByteArray::fromHex("00030601");
    // Row 60: up to 10, default 5.
    QTest::newRow("row 60") << withCode(sensor(1, 0, 0), 65) << 60 << 0 << QByteArray::fromHex("00050a01");
    // An outside-maker sensor code with bits 15 and 14: up to 5, default 3.
    QTest::newRow("bit-15 sensor code") << withCode(sensor(1, 0, 0), 62464) << 2 << 0 << QByteArray::fromHex("00030501");
    // MULTI (row 4): alarm level, default 4.
    QTest::newRow("MULTI alarm level") << withCode(sensor(1, 0, 0), 30) << 4 << 0 << QByteArray::fromHex("00040000");
    // MULTI with an outside-maker code: no alarm level.
    QTest::newRow("MULTI bit-15 code") << withCode(sensor(1, 0, 0), 46848) << 4 << 0 << QByteArray::fromHex("00000000");
    // THER (row 3): neither.
    QTest::newRow("THER") << withCode(sensor(1, 0, 0), 51) << 3 << 0 << QByteArray::fromHex("00000000");
    // A module type: bytes 7 to 10 are cleared too, its sub-address in byte 8 with them.
    QTest::newRow("module CON") << module(1, 0, 0, 3, 0) << 22 << 0 << QByteArray::fromHex("00000000");
    QTest::newRow("same type") << withCode(sensor(1, 0, 1), 16386) << 1 << -1 << QByteArray::fromHex("eeeeeeee");
    // Row 63 with its own outside-maker code (bits 15 and 14, not a module): up to 5.
    QTest::newRow("row 63") << withCode(sensor(1, 0, 0), 52736) << 63 << 0 << QByteArray::fromHex("00030501");
    QTest::newRow("row 64") << withCode(sensor(1, 0, 0), 16386) << 64 << 1013 << QByteArray::fromHex("eeeeeeee");
}

void tst_DeviceProg::setType()
{
    QFETCH(Rec, rec);
    QFETCH(int, type);
    QFETCH(int, result);
    QFETCH(QByteArray, bytes7to10);

    u8 p[kRecSize];
    put_rec(p, rec);
    p[4] = u8(p[4] | 0x80); // class 2 must survive
    memset(p + 7, 0xEE, 4);
    QCOMPARE(DeviceRec::set_type(p, u32(type)), result);
    QCOMPARE(bytes(p + 7, 4), bytes7to10);
    const int expectedType = result == 0 ? type : rec.type;
    QCOMPARE(int(p[4]), expectedType | 0x80);
}

void tst_DeviceProg::check_data()
{
    QTest::addColumn<u16>("code");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("before"); // bytes 8, 9, 10
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("messages");

    // ION: sensitivity 1 to 9, default 5; no alarm level. Header CPU 1, board 2; address 7.
    QTest::newRow("ION in range") << u16(16386) << 1 << QByteArray::fromHex("050901") << -1
                                  << QByteArray::fromHex("050901") << QStringList{};
    QTest::newRow("ION at limits") << u16(16386) << 1 << QByteArray::fromHex("090909") << -1
                                   << QByteArray::fromHex("090909") << QStringList{};
    QTest::newRow("ION high") << u16(16386) << 1 << QByteArray::fromHex("050a01") << 0 << QByteArray::fromHex("050901")
                              << QStringList{"C1L2S7 - wrong highSensib(10) -> 9"};
    QTest::newRow("ION low") << u16(16386) << 1 << QByteArray::fromHex("05090a") << 0 << QByteArray::fromHex("050901")
                             << QStringList{"C1L2S7 - wrong lowSensib(10) -> 9"};
    QTest::newRow("ION sensitivity") << u16(16386) << 1 << QByteArray::fromHex("0b0901") << 0
                                     << QByteArray::fromHex("050901")
                                     << QStringList{"C1L2S7 - wrong sensib(11) -> 9"};
    QTest::newRow("ION all three") << u16(16386) << 1 << QByteArray::fromHex("ff0c0d") << 0
                                   << QByteArray::fromHex("050901")
                                   << QStringList{"C1L2S7 - wrong highSensib(12) -> 9",
                                                  "C1L2S7 - wrong lowSensib(13) -> 9",
                                                  "C1L2S7 - wrong sensib(255) -> 9"};
    // BEAM: up to 6, default 3.
    QTest::newRow("BEAM sensitivity") << u16(60) << 10 << QByteArray::fromHex("070601") << 0
                                      << QByteArray::fromHex("030601")
                                      << QStringList{"C1L2S7 - wrong sensib(7) -> 6"};
    // MULTI: no sensitivity, alarm level up to 5.
    QTest::newRow("MULTI alarm in range") << u16(30) << 4 << QByteArray::fromHex("050000") << -1
                                          << QByteArray::fromHex("050000") << QStringList{};
    QTest::newRow("MULTI alarm high") << u16(30) << 4 << QByteArray::fromHex("060707") << 0
                                      << QByteArray::fromHex("050707")
                                      << QStringList{"C1L2S7 - wrong alarmLev(6) -> 5"};
    // THER: neither limit, nothing to repair whatever the bytes hold.
    QTest::newRow("THER") << u16(51) << 3 << QByteArray::fromHex("c8c8c8") << -1 << QByteArray::fromHex("c8c8c8")
                          << QStringList{};
}

void tst_DeviceProg::check()
{
    QFETCH(u16, code);
    QFETCH(int, type);
    QFETCH(QByteArray, before);
    QFETCH(int, result);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, messages);

    TraceCapture trace;
    u8 p[kRecSize];
    Rec r = sensor(7, 0, u8(type));
    r.code = code;
    put_rec(p, r);
    memcpy(p + 8, before.constData(), 3);
    QCOMPARE(DeviceRec::check(p, 1, 2), result);
    QCOMPARE(bytes(p + 8, 3), after);
    QCOMPARE(trace.errors("check"), messages);
}

void tst_DeviceProg::recordPackedAddress()
{
    u8 p[kRecSize];
    // Module on line-within-board 1 of board 2 (line 5), sub-address 6, address 40, CPU 3.
    put_rec(p, module(40, 1, 0, 6));
    const PackedAddress a = DeviceRec::get_packed_address(p, 3, 2);
    QCOMPARE(int(a.raw[0]), 0x43); // CPU 3, line bits 0-1 = 1
    QCOMPARE(int(a.raw[1]), 0x2D); // line bit 2, sub 6 in bits 1-4, module bit 5
    QCOMPARE(int(a.raw[2]), 40);

    // A sensor carries no sub-address, whatever byte 8 holds.
    put_rec(p, sensor(0, 0, 1, 9));
    const PackedAddress s = DeviceRec::get_packed_address(p, 63, 0);
    QCOMPARE(int(s.raw[0]), 63);
    QCOMPARE(int(s.raw[1]), 0);
    QCOMPARE(int(s.raw[2]), 0);
}

// ---------------------------------------------------------------------------------------------
// DeviceProg

void tst_DeviceProg::sizeAndVersion()
{
    ZpData_v2602::DeviceProg first(nullptr, nullptr, 70);
    ZpData_v2602::DeviceProg last(nullptr, nullptr, 133);
    QCOMPARE(first.size(), kBlockSize);
    QCOMPARE(int(first.version()), 0x2602);
    QCOMPARE(int(first.get_index()), 0);
    QCOMPARE(int(last.get_index()), 63);
}

void tst_DeviceProg::setDefault_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("header");
    QTest::newRow("index 0") << 70 << 0;
    QTest::newRow("index 1") << 71 << 255;
    QTest::newRow("index 63") << 133 << 255;
}

void tst_DeviceProg::setDefault()
{
    QFETCH(int, dataType);
    QFETCH(int, header);

    Probe probe{u8(dataType)};
    memset(probe.layout->data(), 0x5A, kBlockSize);
    QCOMPARE(probe.layout->set_default(), 0);

    QByteArray expected;
    expected.append(char(header));
    expected.append(char(header));
    for (int s = 0; s < 700; ++s)
        expected.append(empty_record());
    QCOMPARE(expected.size(), int(kBlockSize));
    QCOMPARE(bytes(probe.layout->data(), kBlockSize), expected);

    QCOMPARE(probe.block.notices.size(), size_t(1));
    QCOMPARE(probe.block.notices[0].kind, 1u);
    QCOMPARE(probe.block.notices[0].dataType, u32(dataType));
    QCOMPARE(probe.block.notices[0].offset, 0u);
    QCOMPARE(probe.block.notices[0].length, 0u);
    QVERIFY(probe.block.is_modified());
}

void tst_DeviceProg::isAssigned_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("board");
    QTest::addColumn<bool>("assigned");
    QTest::newRow("0 0") << 0 << 0 << true;
    QTest::newRow("63 3") << 63 << 3 << true;
    QTest::newRow("64 3") << 64 << 3 << false;
    QTest::newRow("63 4") << 63 << 4 << false;
    QTest::newRow("255 255") << 255 << 255 << false;
}

void tst_DeviceProg::isAssigned()
{
    QFETCH(int, cpu);
    QFETCH(int, board);
    QFETCH(bool, assigned);
    ZpData_v2602::DeviceProg layout(nullptr, nullptr, 71);
    layout.data()[0] = u8(cpu);
    layout.data()[1] = u8(board);
    QCOMPARE(layout.is_assigned(), assigned);
    QCOMPARE(int(layout.get_cpu()), cpu);
    QCOMPARE(int(layout.get_ll()), board);
}

void tst_DeviceProg::setCpuLl()
{
    Probe probe(72);
    QCOMPARE(probe.layout->set_cpu_ll(4, 1), 0);
    QCOMPARE(int(probe.layout->data()[0]), 4);
    QCOMPARE(int(probe.layout->data()[1]), 1);
    QCOMPARE(probe.block.notices.size(), size_t(1));
    QCOMPARE(probe.block.notices[0].offset, 0u);
    QCOMPARE(probe.block.notices[0].length, 0u);

    put_rec(slot_ptr(*probe.layout, 3), sensor(9, 0));
    probe.block.notices.clear();

    // The same pair keeps the devices and sends nothing.
    QCOMPARE(probe.layout->set_cpu_ll(4, 1), -1);
    QVERIFY(probe.layout->is_device_used(3));
    QVERIFY(probe.block.notices.empty());

    // Another pair empties every slot.
    QCOMPARE(probe.layout->set_cpu_ll(4, 2), 0);
    QCOMPARE(int(probe.layout->data()[0]), 4);
    QCOMPARE(int(probe.layout->data()[1]), 2);
    QCOMPARE(bytes(slot_ptr(*probe.layout, 3), kRecSize), empty_record());
    QCOMPARE(probe.layout->get_device_num(2), 0u);
    QCOMPARE(probe.block.notices.size(), size_t(1));
}

void tst_DeviceProg::setCpuLlUnbinds_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("board");
    // Block 0 defaults to CPU 0 board 0; an out-of-range pair must leave it unassigned.
    QTest::newRow("block 0, 255 255") << 70 << 255 << 255;
    QTest::newRow("block 0, cpu 64") << 70 << 64 << 0;
    QTest::newRow("block 0, board 4") << 70 << 0 << 4;
    QTest::newRow("block 5, cpu 64") << 75 << 64 << 1;
}

void tst_DeviceProg::setCpuLlUnbinds()
{
    QFETCH(int, dataType);
    QFETCH(int, cpu);
    QFETCH(int, board);
    Probe probe{u8(dataType)};
    QCOMPARE(probe.layout->set_cpu_ll(2, 1), 0);
    put_rec(slot_ptr(*probe.layout, 0), sensor(9, 0));
    QCOMPARE(probe.layout->set_cpu_ll(u32(cpu), u32(board)), 0);
    QCOMPARE(int(probe.layout->data()[0]), 255);
    QCOMPARE(int(probe.layout->data()[1]), 255);
    QVERIFY(!probe.layout->is_assigned());
    QVERIFY(!probe.layout->is_device_used(0));
}

void tst_DeviceProg::slotLimits()
{
    Probe probe(70);
    Rec r = module(44, 1, 2, 3, 22);
    r.zone = 1999;
    r.code = 0x8123;
    put_rec(slot_ptr(*probe.layout, 699), r);

    QVERIFY(probe.layout->is_device_used(699));
    QVERIFY(!probe.layout->is_device_used(700));
    QCOMPARE(probe.layout->get_device_class(699), 2);
    QCOMPARE(probe.layout->get_device_class(700), -1);
    QCOMPARE(probe.layout->get_code_class(699), 2);
    QCOMPARE(probe.layout->get_code_class(700), -1);
    QCOMPARE(int(probe.layout->get_device_code(699)), 0x8123);
    QCOMPARE(int(probe.layout->get_device_code(700)), 0);
    QCOMPARE(int(probe.layout->get_device_type(699)), 22);
    QCOMPARE(int(probe.layout->get_device_type(700)), 0);
    QCOMPARE(int(probe.layout->get_device_zone(699)), 1999);
    QCOMPARE(int(probe.layout->get_device_zone(700)), 0);
    QVERIFY(probe.layout->get_record(699) == probe.layout->data() + 2 + 43 * 699);
    QVERIFY(probe.layout->get_record(700) == nullptr);
    QCOMPARE(probe.layout->clear_device(700), 1013);
    QCOMPARE(probe.layout->clear_device(0xFFFFFFFFu), 1013);

    // Code classes of the three series.
    put_rec(slot_ptr(*probe.layout, 0), sensor(1, 0));
    QCOMPARE(probe.layout->get_code_class(0), 1);
    Rec first = sensor(1, 0);
    first.code = 20;
    put_rec(slot_ptr(*probe.layout, 1), first);
    QCOMPARE(probe.layout->get_code_class(1), 0);
}

void tst_DeviceProg::deviceNum()
{
    Probe probe(70);
    put_rec(slot_ptr(*probe.layout, 0), sensor(1, 0));
    put_rec(slot_ptr(*probe.layout, 10), sensor(2, 0));
    put_rec(slot_ptr(*probe.layout, 699), module(3, 1, 0, 0));
    QCOMPARE(probe.layout->get_device_num(0), 2u);
    QCOMPARE(probe.layout->get_device_num(1), 1u);
    QCOMPARE(probe.layout->get_device_num(2), 3u);
    QCOMPARE(probe.layout->get_device_num(3), 0u);
    QCOMPARE(probe.layout->count_used_devices(), 3u);
}

void tst_DeviceProg::findDevice_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("sub");
    QTest::addColumn<int>("slot");

    // Block 1 serves CPU 2 board 1 (lines 2 and 3): slot 0 sensor at 5 on line 2, slot 1 class-1
    // module at 10 sub 2 on line 3, slot 2 class-2 module at 20 sub 3 on line 2, slot 3 a second
    // sensor at 5 on line 2.
    QTest::newRow("sensor") << 2 << 2 << 0 << 5 << 15 << 0;
    QTest::newRow("first of two") << 2 << 2 << 254 << 5 << 15 << 0;
    QTest::newRow("sensor on the other line") << 2 << 3 << 0 << 5 << 15 << 65535;
    QTest::newRow("other cpu") << 3 << 2 << 0 << 5 << 15 << 65535;
    QTest::newRow("other board") << 2 << 4 << 0 << 5 << 15 << 65535;
    QTest::newRow("board 0") << 2 << 0 << 0 << 5 << 15 << 65535;
    QTest::newRow("line 8") << 2 << 8 << 0 << 5 << 15 << 65535;
    QTest::newRow("cpu 64") << 64 << 2 << 0 << 5 << 15 << 65535;
    QTest::newRow("class 1 by channel address") << 2 << 3 << 1 << 12 << 15 << 1;
    QTest::newRow("class 1 base with any sub") << 2 << 3 << 1 << 10 << 15 << 65535;
    QTest::newRow("class 1 base with its sub") << 2 << 3 << 1 << 10 << 2 << 1;
    QTest::newRow("class 2 as sensor") << 2 << 2 << 0 << 20 << 15 << 2;
    QTest::newRow("class 2 as module") << 2 << 2 << 1 << 20 << 3 << 2;
    QTest::newRow("class 2 other sub") << 2 << 2 << 1 << 20 << 4 << 65535;
    QTest::newRow("absent address") << 2 << 2 << 0 << 6 << 15 << 65535;
}

void tst_DeviceProg::findDevice()
{
    QFETCH(int, cpu);
    QFETCH(int, line);
    QFETCH(int, kind);
    QFETCH(int, address);
    QFETCH(int, sub);
    QFETCH(int, slot);

    Probe probe(71);
    QCOMPARE(probe.layout->set_cpu_ll(2, 1), 0);
    put_rec(slot_ptr(*probe.layout, 0), sensor(5, 0));
    put_rec(slot_ptr(*probe.layout, 1), module(10, 1, 1, 2));
    put_rec(slot_ptr(*probe.layout, 2), module(20, 0, 2, 3));
    put_rec(slot_ptr(*probe.layout, 3), sensor(5, 0));

    const DeviceLocation where = probe.layout->find_device(u32(cpu), u32(line), u32(kind), u32(address), u32(sub));
    QCOMPARE(int(where.block), 1);
    QCOMPARE(int(where.slot), slot);
    QCOMPARE(where.found(), slot != 65535);
}

void tst_DeviceProg::freeSlots()
{
    Probe probe(70);
    QCOMPARE(probe.layout->get_free_device(), 0);
    put_rec(slot_ptr(*probe.layout, 0), sensor(1, 0));
    put_rec(slot_ptr(*probe.layout, 1), sensor(2, 0));
    put_rec(slot_ptr(*probe.layout, 3), sensor(3, 0));
    QCOMPARE(probe.layout->get_free_device(), 2);
    QCOMPARE(probe.layout->find_free_device(3), 4);
    QCOMPARE(probe.layout->find_free_device(699), 699);
    QCOMPARE(probe.layout->find_free_device(700), -1);
    for (u32 s = 0; s < 700; ++s)
        put_rec(slot_ptr(*probe.layout, s), sensor(u8(s % 159), 0));
    QCOMPARE(probe.layout->get_free_device(), -1);
}

void tst_DeviceProg::clearLineDevices()
{
    Probe probe(70);
    put_rec(slot_ptr(*probe.layout, 0), sensor(1, 0));
    put_rec(slot_ptr(*probe.layout, 5), module(2, 0, 0, 1));
    QByteArray before = bytes(probe.layout->data(), kBlockSize);

    // Nothing on line 1: unchanged, no notice.
    QCOMPARE(probe.layout->clear_line_devices(1), -1);
    QVERIFY(probe.block.notices.empty());
    QCOMPARE(bytes(probe.layout->data(), kBlockSize), before);

    put_rec(slot_ptr(*probe.layout, 7), sensor(3, 1));
    QCOMPARE(probe.layout->clear_line_devices(1), 0);
    QCOMPARE(bytes(slot_ptr(*probe.layout, 7), kRecSize), empty_record());
    QVERIFY(probe.layout->is_device_used(0));
    QVERIFY(probe.layout->is_device_used(5));
    QCOMPARE(probe.block.notices.size(), size_t(1));
    QCOMPARE(probe.block.notices[0].kind, 1u);
    QCOMPARE(probe.block.notices[0].offset, 2u);
    QCOMPARE(probe.block.notices[0].length, 30100u);

    put_rec(slot_ptr(*probe.layout, 9), sensor(4, 1));
    probe.block.notices.clear();
    QCOMPARE(probe.layout->clear_all_devices(), 0);
    QCOMPARE(probe.layout->get_device_num(2), 0u);
    QCOMPARE(probe.block.notices.size(), size_t(1));
    QCOMPARE(probe.layout->clear_all_devices(), -1);
    // The header survives.
    QCOMPARE(int(probe.layout->data()[0]), 0);
    QCOMPARE(int(probe.layout->data()[1]), 0);
}

void tst_DeviceProg::clearLineDevicesRange()
{
    Probe probe(70);
    put_rec(slot_ptr(*probe.layout, 0), sensor(1, 0));
    QCOMPARE(probe.layout->clear_line_devices(3), 1013);
    QCOMPARE(probe.layout->clear_line_devices(0xFFFFFFFFu), 1013);
    QVERIFY(probe.layout->is_device_used(0));
    QVERIFY(probe.block.notices.empty());
    put_rec(slot_ptr(*probe.layout, 1), sensor(2, 1));
    QCOMPARE(probe.layout->clear_line_devices(2), 0);
    QCOMPARE(probe.layout->get_device_num(2), 0u);
    QCOMPARE(probe.layout->clear_line_devices(2), -1);
}

void tst_DeviceProg::clearDevice()
{
    Probe probe(70);
    put_rec(slot_ptr(*probe.layout, 699), sensor(1, 0));
    QCOMPARE(probe.layout->clear_device(698), -1);
    QVERIFY(probe.block.notices.empty());
    QCOMPARE(probe.layout->clear_device(699), 0);
    QCOMPARE(bytes(slot_ptr(*probe.layout, 699), kRecSize), empty_record());
    QCOMPARE(probe.block.notices.size(), size_t(1));
    QCOMPARE(probe.block.notices[0].kind, 1u);
    QCOMPARE(probe.block.notices[0].offset, u32(2 + 43 * 699));
    QCOMPARE(probe.block.notices[0].length, 43u);
    QCOMPARE(probe.layout->clear_device(699), -1);
}

void tst_DeviceProg::clearDeviceSilent()
{
    Probe probe(70);
    put_rec(slot_ptr(*probe.layout, 4), sensor(1, 0));
    QVERIFY(probe.block.lock_write() == 0);
    probe.block.unlock(); // CRC current, modified flag clear
    QVERIFY(!probe.block.is_modified());
    QCOMPARE(probe.layout->clear_device_silent(4), 0);
    QVERIFY(probe.block.notices.empty());
    QVERIFY(probe.block.is_modified());
    QCOMPARE(bytes(slot_ptr(*probe.layout, 4), kRecSize), empty_record());
    QCOMPARE(probe.layout->clear_device_silent(4), -1);
    QCOMPARE(probe.layout->clear_device_silent(700), 1013);
}

void tst_DeviceProg::deviceRefModule()
{
    ZpConf conf(0, 255);
    ZpConfBlock* block = conf.find_block(75);
    auto* layout = new ZpData_v2602::DeviceProg(&conf, block, 75);
    QCOMPARE(block->set_iface(layout), 0);
    layout->set_default();
    QCOMPARE(layout->set_cpu_ll(3, 2), 0);
    Rec r = module(40, 1, 1, 6, 22);
    r.zone = 1234;
    put_rec(slot_ptr(*layout, 9), r);

    const DeviceRef ref = layout->get_device_ref(9);
    // CPU 3, line 5 (board 2, line bit 1): byte 0 = 3 | 1 << 7; byte 1 = line bits 1-2 (2),
    // sub 6 << 2, module bit 6; byte 2 = type 22 | class 1 << 6; code 0x400B; address 40;
    // block 5; slot 9; zone 1234 = 0x04D2.
    QCOMPARE(bytes(ref.raw, 11), QByteArray::fromHex("835a560b4028050900d204"));
    QVERIFY(ref.conf == &conf);
}

void tst_DeviceProg::deviceRefSensor()
{
    ZpData_v2602::DeviceProg layout(nullptr, nullptr, 133);
    layout.set_default();
    QCOMPARE(layout.set_cpu_ll(63, 3), 0);
    Rec r = sensor(158, 0, 1, 9);
    r.zone = 2000;
    put_rec(slot_ptr(layout, 0), r);
    const DeviceRef ref = layout.get_device_ref(0);
    // CPU 63, line 6: byte 0 = 63; byte 1 = line bits 1-2 (3), no sub, no module bit;
    // type 1; code 16386 = 0x4002; address 158; block 63; slot 0; zone 2000 = 0x07D0.
    QCOMPARE(bytes(ref.raw, 11), QByteArray::fromHex("3f030102409e3f0000d007"));
    QVERIFY(ref.conf == nullptr);
}

void tst_DeviceProg::deviceRefLimit()
{
    ZpConf conf(0, 255);
    ZpData_v2602::DeviceProg layout(&conf, nullptr, 70);
    layout.set_default();
    const DeviceRef ref = layout.get_device_ref(700);
    QCOMPARE(bytes(ref.raw, 11), QByteArray(11, char(0xFF)));
    QVERIFY(ref.conf == &conf);
}

void tst_DeviceProg::recordCopyAndPackedAddress()
{
    Probe probe(72);
    QCOMPARE(probe.layout->set_cpu_ll(3, 2), 0);
    put_rec(slot_ptr(*probe.layout, 699), module(40, 1, 0, 6));

    u8 copy[kRecSize];
    QCOMPARE(probe.layout->get_device_record(699, copy), 0);
    QCOMPARE(bytes(copy, kRecSize), bytes(slot_ptr(*probe.layout, 699), kRecSize));
    memset(copy, 0x77, sizeof copy);
    QCOMPARE(probe.layout->get_device_record(700, copy), 1013);
    QCOMPARE(bytes(copy, kRecSize), empty_record());

    PackedAddress a;
    QCOMPARE(probe.layout->get_packed_address(699, &a), 0);
    QCOMPARE(bytes(a.raw, 3), QByteArray::fromHex("432d28"));
    QCOMPARE(probe.layout->get_packed_address(700, &a), 1013);
    QCOMPARE(bytes(a.raw, 3), QByteArray::fromHex("ffffff"));
}

void tst_DeviceProg::slotOfOffset_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("slot");
    QTest::newRow("header 0") << 0 << -1;
    QTest::newRow("header 1") << 1 << -1;
    QTest::newRow("first byte") << 2 << 0;
    QTest::newRow("end of slot 0") << 44 << 0;
    QTest::newRow("start of slot 1") << 45 << 1;
    QTest::newRow("last byte") << 30101 << 699;
    QTest::newRow("past the end") << 30102 << -1;
}

void tst_DeviceProg::slotOfOffset()
{
    QFETCH(int, position);
    QFETCH(int, slot);
    QCOMPARE(ZpData_v2602::DeviceProg::get_slot_of_offset(u32(position)), slot);
}

void tst_DeviceProg::detachedLayout()
{
    // No block and no container: every operation works on the layout's own bytes.
    ZpData_v2602::DeviceProg layout(nullptr, nullptr, 70);
    QCOMPARE(layout.set_default(), 0);
    put_rec(slot_ptr(layout, 0), sensor(1, 0));
    QCOMPARE(layout.clear_device(0), 0);
    QCOMPARE(layout.clear_device_silent(0), -1);
    QCOMPARE(layout.set_cpu_ll(1, 1), 0);
    QCOMPARE(layout.clear_line_devices(2), -1);
}

// ---------------------------------------------------------------------------------------------
// Conversion from 0x2601

void tst_DeviceProg::convertRecords()
{
    // The 0x2601 block: header, then 42-byte records (address, flags, 8-bit code, type byte with
    // the code's second-series bit 6 and a class bit 7, u16 zone, 4 + 32 parameters).
    ZpData::IFace old(nullptr, nullptr, 70, kOldBlockSize, 0x2601);
    u8* o = old.data();
    o[0] = 4;
    o[1] = 1;
    u8* r0 = o + 2;
    const u8 head0[] = {7, 0x40, 10, 0x45, 0x34, 0x12, 1, 2, 3, 4};
    memcpy(r0, head0, sizeof head0);
    for (int k = 0; k < 32; ++k)
        r0[10 + k] = u8(100 + k);
    u8* r1 = o + 2 + 42;
    const u8 head1[] = {9, 0x80, 200, 0x85, 0xD0, 0x07, 0, 5, 0, 0};
    memcpy(r1, head1, sizeof head1);
    u8* r699 = o + 2 + 42 * 699;
    const u8 head699[] = {158, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9};
    memcpy(r699, head699, sizeof head699);
    r699[41] = 0xAB;

    ZpData_v2602::DeviceProg layout(nullptr, nullptr, 70);
    QCOMPARE(layout.convert(old), 0);

    QByteArray expected(int(kBlockSize), '\0');
    expected[0] = 4;
    expected[1] = 1;
    // code byte 10 with type byte 0x45: code 0x400A, type 5, class 0.
    QByteArray n0 = QByteArray::fromHex("07400a4005341201020304");
    for (int k = 0; k < 32; ++k)
        n0.append(char(100 + k));
    expected.replace(2, 43, n0);
    // code 200 with type byte 0x85: code 200, type 5, class 1; zone 2000.
    QByteArray n1 = QByteArray::fromHex("0980c80045d00700050000");
    n1.append(QByteArray(32, '\0'));
    expected.replace(2 + 43, 43, n1);
    // code 0xFF with type byte 0xFF: code 0x40FF, type 63, class 1.
    QByteArray n699 = QByteArray::fromHex("9ec0ff407fffff09090909");
    n699.append(QByteArray(31, '\0'));
    n699.append(char(0xAB));
    expected.replace(2 + 43 * 699, 43, n699);

    QCOMPARE(bytes(layout.data(), kBlockSize), expected);
}

void tst_DeviceProg::convertVersions_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("result");
    QTest::newRow("0x2601") << 0x2601 << int(kOldBlockSize) << 0;
    QTest::newRow("0x2602 same version") << 0x2602 << int(kBlockSize) << -1;
    QTest::newRow("0x2600") << 0x2600 << int(kOldBlockSize) << 1003;
    QTest::newRow("0x2601 wrong size") << 0x2601 << int(kBlockSize) << 1003;
    QTest::newRow("0x2601 one short") << 0x2601 << int(kOldBlockSize) - 1 << 1003;
}

void tst_DeviceProg::convertVersions()
{
    QFETCH(int, version);
    QFETCH(int, size);
    QFETCH(int, result);
    ZpData::IFace old(nullptr, nullptr, 70, u32(size), u16(version));
    memset(old.data(), 0x11, size_t(size));
    ZpData_v2602::DeviceProg layout(nullptr, nullptr, 70);
    QCOMPARE(layout.convert(old), result);
    if (result != 0)
        QCOMPARE(bytes(layout.data(), kBlockSize), QByteArray(int(kBlockSize), '\0'));
}

void tst_DeviceProg::convertSendsNoNotice()
{
    Probe probe(70);
    ZpData::IFace old(nullptr, nullptr, 70, kOldBlockSize, 0x2601);
    old.data()[2 + 3] = 0x45;
    QCOMPARE(probe.layout->convert(old), 0);
    QVERIFY(probe.block.notices.empty());
    QCOMPARE(int(probe.layout->get_device_code(0)), 0x4000);
    QCOMPARE(int(probe.layout->get_device_type(0)), 5);
}

QTEST_APPLESS_MAIN(tst_DeviceProg)
#include "tst_deviceprog.moc"
