// Device blocks: references and records, the catalogue limits, the operations of a DeviceProg
// block, the status rebuild and lookups, and the in-test block. Expected bytes come from the
// record and block tables.
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/DeviceStatusProg.h"

#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "TestBase.h"

#include <QtTest>

#include <functional>
#include <map>
#include <random>
#include <tuple>
#include <vector>

using namespace libtest::device;
using libtest::bytes;
using Prog = ZpData_v2602::DeviceProg;
using Aux = ZpData_v2602::DeviceAuxProg;

// A record in a slot of block index bound to cpu and board: its address, the reference and the
// packed address built from it.
struct View {
    const char* name;
    Rec rec;
    int block, cpu, board, slot, address, effective;
    QByteArray ref, packed;
};
// set_type (bytes 7-10) or check (bytes 8-10, and the repairs it logs) of a record.
struct Limits {
    const char* name;
    bool check;
    u16 code;
    int type, result;
    QByteArray before, after;
    QStringList log;
};
// An operation on the sample block: the slots it empties, the header after it, its notice.
struct Op {
    const char* name;
    std::function<int(Prog&)> op;
    int result;
    QVector<int> emptied;
    int cpu, board;
    QVector<u32> notice;
};
// A lookup of the DeviceProg blocks and of the status index; ref: bytes 0-1 and 5-8 of the
// index's answer (the others stay 255; none: no device), whose block and slot its lookup gives
// too. logged: class-2 entries of the line refusing the kind.
struct Find {
    const char* name;
    int cpu, line, kind, address, sub, progBlock, progSlot;
    QByteArray ref;
    int logged;
};
Q_DECLARE_METATYPE(View)
Q_DECLARE_METATYPE(Limits)
Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Find)

namespace {

QByteArray block(ZpConf& conf, u32 dt)
{
    return bytes(conf.find_block(dt)->get_iface());
}

template <class T = ZpData_v2602::DeviceStatusProg>
T* layout(ZpConf& conf, u32 dt = 199)
{
    return dynamic_cast<T*>(conf.find_block(dt)->get_iface());
}

// Installs a layout holding content in a block that records its notices, saved and unmarked.
template <class T>
T* install(libtest::NoticeBlock& block, const QByteArray& content)
{
    auto* layout = new T(nullptr, &block, u8(block.get_data_type()));
    block.set_iface(layout);
    memcpy(layout->data(), content.constData(), size_t(content.size()));
    block.lock_write();
    block.unlock();
    block.notices.clear();
    return layout;
}

QVector<u32> notices(const libtest::NoticeBlock& block)
{
    QVector<u32> v;
    for (const auto& n : block.notices)
        v << n.kind << n.offset << n.length;
    return v;
}

QStringList s_progress;

} // namespace

class tst_DeviceProg : public TestBase {
    Q_OBJECT

private slots:
    // The event engine's slot states, every slot and value: slot s in byte s / 4 at bits
    // 2 * (s % 4), its neighbours untouched; slots above 699 and values above 3 ignored.
    void slotStates()
    {
        for (u32 slot = 0; slot < 701; ++slot) {
            for (u8 value = 0; value <= 4; ++value) {
                QByteArray zero(int(kDevStateTableSize) + 1, '\0'), ones(int(kDevStateTableSize) + 1, '\xFF');
                set_dev_state(reinterpret_cast<u8*>(zero.data()), slot, value);
                set_dev_state(reinterpret_cast<u8*>(ones.data()), slot, u8(value ^ 3));
                QByteArray wantZero(zero.size(), '\0'), wantOnes(ones.size(), '\xFF');
                if (slot < 700 && value < 4) {
                    wantZero[int(slot / 4)] = char(value << (2 * (slot % 4)));
                    wantOnes[int(slot / 4)] = char(0xFF & ~((value & 3) << (2 * (slot % 4))));
                }
                if (zero != wantZero || ones != wantOnes
                    || get_dev_state(reinterpret_cast<const u8*>(zero.constData()), slot)
                        != (slot < 700 && value < 4 ? value : 0))
                    QFAIL(qPrintable(QString("slot %1 value %2").arg(slot).arg(value)));
            }
        }
    }
    // Slots written in random order into one table: each keeps the last value written to it, so
    // a write merges into its own byte and no other.
    void slotStatesTogether()
    {
        std::mt19937 rng(7);
        QByteArray table(int(kDevStateTableSize), '\0');
        u8* bytes = reinterpret_cast<u8*>(table.data());
        std::vector<u8> want(700, 0);
        for (int i = 0; i < 5000; ++i) {
            const u32 slot = rng() % 700;
            want[slot] = u8(rng() % 4);
            set_dev_state(bytes, slot, want[slot]);
        }
        for (u32 slot = 0; slot < 700; ++slot)
            QCOMPARE(get_dev_state(bytes, slot), want[slot]);
    }
    // Random values through every setter of a reference, over random bytes: each field lands at
    // its place and byte 1 bit 7, which no field owns, keeps its value.
    void referenceFields()
    {
        std::mt19937 rng(5);
        for (int i = 0; i < 20000; ++i) {
            DeviceRef ref;
            for (u8& b : ref.raw)
                b = u8(rng());
            const u32 cpu = rng() % 128, line = rng() % 8, sub = rng() % 16, module = rng() % 2, tc = rng() % 256,
                      code = rng() % 65536, address = rng() % 256, block = rng() % 256, slot = rng() % 65536,
                      zone = rng() % 65536;
            const u8 want[] = {u8(cpu | (line & 1) << 7),
                               u8(line >> 1 | sub << 2 | module << 6 | (ref.raw[1] & 0x80)),
                               u8(tc),
                               u8(code),
                               u8(code >> 8),
                               u8(address),
                               u8(block),
                               u8(slot),
                               u8(slot >> 8),
                               u8(zone),
                               u8(zone >> 8)};
            ref.set_cpu(cpu), ref.set_line(line), ref.set_sub(sub), ref.set_module(module);
            ref.set_type_and_class(u8(tc)), ref.set_code(u16(code)), ref.set_address(address);
            ref.set_block(block), ref.set_slot(u16(slot)), ref.set_zone(u16(zone));
            QCOMPARE(bytes(ref.raw, 11), bytes(want, 11));
            QCOMPARE(QVector<u32>({ref.get_cpu(), ref.get_line(), ref.get_ll(), ref.get_sub(), ref.is_module(),
                                   ref.get_type(), ref.get_type_and_class(), ref.get_code(), ref.get_address(),
                                   ref.get_block(), ref.get_slot(), ref.get_stored_zone()}),
                     QVector<u32>({cpu, line, line >> 1, sub, module, tc & 63, tc, code, address, block, slot, zone}));
        }
    }

    void view_data()
    {
        Rec m1 = module(40, 1, 1, 6), s = sensor(158, 0, 1, 9);
        m1.zone = 1234, s.zone = 2000;
        QTest::addColumn<View>("row");
        // CPU 3 board 2 line bit 1 is line 5: line bit 0 in byte 0, bits 1-2 in byte 1.
        for (const View& r : QVector<View>{
                 {"class-1 module", m1, 5, 3, 2, 9, 46, 46, "835a560b4028050900d204", "432d28"},
                 {"sensor on line 6", s, 63, 63, 3, 0, 158, 158, "3f030102409e3f0000d007", "bf019e"},
                 {"class-2 module", module(10, 0, 2, 2), 0, 0, 0, 1, 10, 10, "0048960b400a0001000000", "00240a"},
                 {"address 159", sensor(159, 0), 0, 0, 0, 1, 159, -1, "00000102409f0001000000", "00009f"},
                 {"empty", sensor(5, 0, 0), 0, 0, 0, 1, -1, -1, "0000000240050001000000", "000005"},
                 {"slot 700", Rec(), 0, 0, 0, 700, -1, -1, QByteArray(22, 'f'), "ffffff"}})
            QTest::newRow(r.name) << r;
    }
    void view()
    {
        QFETCH(View, row);
        Prog prog(nullptr, nullptr, u8(70 + row.block));
        prog.set_default();
        prog.data()[0] = u8(row.cpu), prog.data()[1] = u8(row.board);
        const u32 slot = u32(row.slot);
        if (slot < 700)
            put_rec(slot_ptr(prog, slot), row.rec);
        u8 copy[43];
        PackedAddress packed;
        QCOMPARE(prog.get_device_record(slot, copy) + prog.get_packed_address(slot, &packed), slot < 700 ? 0 : 2026);
        QCOMPARE(bytes(copy, 43), slot < 700 ? bytes(slot_ptr(prog, slot), 43) : imagegen::record(nullptr, true));
        const DeviceRef ref = prog.get_device_ref(slot);
        QCOMPARE(bytes(ref.raw, 11).toHex(), row.ref);
        QCOMPARE(bytes(packed.raw, 3).toHex() + bytes(ref.to_packed_address().raw, 3).toHex(), row.packed + row.packed);
        QCOMPARE(QVector<int>({DeviceRec::get_address(copy), ref.get_effective_address(), packed.is_none(),
                               prog.get_device_code(slot), prog.get_device_type(slot), prog.get_device_class(slot),
                               prog.get_device_zone(slot)}),
                 QVector<int>({row.address, row.effective, slot > 699, row.rec.code, row.rec.type,
                               slot > 699 ? -1 : row.rec.cls, row.rec.zone}));
    }

    // Catalogue rows: ION (1) sensitivity up to 9, default 5; BEAM (10) up to 6, default 3;
    // MULTI (4) alarm level up to 5, default 4; THER (3) neither. The repairs name CPU 1 board 2
    // and address 7.
    void limits_data()
    {
        const QString e = "C1L2S7 - wrong %1(%2) -> %3", high = e.arg("highSensib"), low = e.arg("lowSensib"),
                      sens = e.arg("sensib"), alarm = e.arg("alarmLev");
        const QByteArray junk = "eeeeeeee";
        QTest::addColumn<Limits>("row");
        for (const Limits& r : QVector<Limits>{{"ION", 0, 16386, 1, 0, junk, "00050901", {}},
                                               {"BEAM", 0, 60, 10, 0, junk, "00030601", {}},
                                               {"MULTI", 0, 30, 4, 0, junk, "00040000", {}},
                                               {"THER", 0, 51, 3, 0, junk, "00000000", {}},
                                               {"same type", 0, 16386, 0, -1, junk, junk, {}},
                                               {"row 64", 0, 16386, 64, 1013, junk, junk, {}},
                                               {"ION at limits", 1, 16386, 1, -1, "090909", "090909", {}},
                                               {"ION low", 1, 16386, 1, 0, "05090a", "050901", {low.arg(10).arg(9)}},
                                               {"ION all",
                                                1,
                                                16386,
                                                1,
                                                0,
                                                "ff0c0d",
                                                "050901",
                                                {high.arg(12).arg(9), low.arg(13).arg(9), sens.arg(255).arg(9)}},
                                               {"BEAM high", 1, 60, 10, 0, "070601", "030601", {sens.arg(7).arg(6)}},
                                               {"MULTI at limit", 1, 30, 4, -1, "050707", "050707", {}},
                                               {"MULTI high", 1, 30, 4, 0, "060000", "050000", {alarm.arg(6).arg(5)}},
                                               {"THER any", 1, 51, 3, -1, "c8c8c8", "c8c8c8", {}}})
            QTest::newRow(r.name) << r;
    }
    void limits()
    {
        QFETCH(Limits, row);
        u8 p[43];
        put_rec(p, Rec{7, 0, false, row.code, u8(row.check ? row.type : 0), 2});
        const int at = row.check ? 8 : 7;
        memcpy(p + at, QByteArray::fromHex(row.before).constData(), size_t(11 - at));
        QCOMPARE(row.check ? DeviceRec::check(p, 1, 2) : DeviceRec::set_type(p, u32(row.type)), row.result);
        QCOMPARE(bytes(p + at, u32(11 - at)).toHex(), row.after);
        QCOMPARE(int(p[4]), (row.result && !row.check ? 0 : row.type) | 0x80);
        QCOMPARE(traceErrors("/check"), row.log);
    }

    void blockOps_data()
    {
        using P = Prog&;
        const QVector<int> all = {0, 1, 2, 3, 699};
        const QVector<u32> lines = {1, 2, 30100}, layout = {1, 0, 0}, none;
        QTest::addColumn<Op>("row");
        for (const Op& r :
             QVector<Op>{{"clear line 1", [](P p) { return p.clear_line_devices(1); }, 0, {1, 699}, 4, 1, lines},
                         {"line 1 again",
                          [](P p) { return p.clear_line_devices(1), p.clear_line_devices(1); },
                          -1,
                          {1, 699},
                          4,
                          1,
                          lines},
                         {"clear line 3", [](P p) { return p.clear_line_devices(3); }, 1013, {}, 4, 1, none},
                         {"clear all", [](P p) { return p.clear_all_devices(); }, 0, all, 4, 1, lines},
                         {"clear 699", [](P p) { return p.clear_device(699); }, 0, {699}, 4, 1, {1, 30059, 43}},
                         {"clear free slot", [](P p) { return p.clear_device(698); }, -1, {}, 4, 1, none},
                         {"clear 700", [](P p) { return p.clear_device(700); }, 1013, {}, 4, 1, none},
                         {"bind same", [](P p) { return p.set_cpu_ll(4, 1); }, -1, {}, 4, 1, none},
                         {"bind other", [](P p) { return p.set_cpu_ll(4, 2); }, 0, all, 4, 2, layout},
                         {"bind cpu 64", [](P p) { return p.set_cpu_ll(64, 1); }, 0, all, 255, 255, layout},
                         {"bind board 4", [](P p) { return p.set_cpu_ll(0, 4); }, 0, all, 255, 255, layout},
                         {"default", [](P p) { return p.set_default(); }, 0, all, 0, 0, layout}})
            QTest::newRow(r.name) << r;
    }
    // Block 0 bound to CPU 4 board 1 (so that unbinding cannot fall back on its default pair),
    // used and free slots at both ends.
    void blockOps()
    {
        QFETCH(Op, row);
        imagegen::Plant plant;
        plant.boards = {{4, 1, 0, 0}};
        for (const auto& d : QVector<QVector<int>>{// slot, address, line bit, module
                                                   {0, 5, 0, 0},
                                                   {1, 10, 1, 1},
                                                   {2, 20, 0, 1},
                                                   {3, 5, 0, 0},
                                                   {699, 7, 1, 0}})
            plant.devices.append({0, d[0], u8(d[1]), u8(d[2]), bool(d[3]), 16386, u8(d[3] ? 22 : 1), 0, 0, 0, "", 0});
        QByteArray want = imagegen::block(plant, 70, imagegen::kV2602);
        libtest::NoticeBlock block(70);
        Prog* prog = install<Prog>(block, want);
        QCOMPARE(QVector<int>({int(prog->get_device_num(0)), int(prog->get_device_num(1)), int(prog->get_device_num(2)),
                               prog->get_free_device(), prog->find_free_device(698), prog->find_free_device(699)}),
                 QVector<int>({3, 2, 5, 4, 698, -1}));
        QVERIFY(prog->count_used_devices() == 5u && prog->get_device_num(3) == 0u);
        QCOMPARE(row.op(*prog), row.result);
        for (int s : row.emptied)
            want.replace(2 + 43 * s, 43, imagegen::record(nullptr, true));
        want[0] = char(row.cpu), want[1] = char(row.board);
        QCOMPARE(bytes(prog), want);
        QCOMPARE(notices(block), row.notice);
        QCOMPARE(block.is_modified(), !row.notice.isEmpty());
        Prog detached(nullptr, nullptr, 70);
        QCOMPARE(row.op(detached) == 1013, row.result == 1013);
    }

    // Random headers (some one past the limits, block 5 holding a layout of no device class), a
    // tenth of the slots used, so that some devices repeat, every name set and every slot in test:
    // the free slots of bound blocks lose their names and test bits. Rebuilt in place, and as
    // after a load, which also removes the repeated devices.
    void rebuild()
    {
        for (bool zombies : {false, true}) {
            ZpConf conf(0, 0);
            QCOMPARE(conf.new_config(0), 0);
            ZpConfBlock* foreign = conf.find_block(75);
            foreign->set_iface(new ZpData::IFace(&conf, foreign, 75, 30102, 0x2602));
            memset(conf.find_block(198)->get_ptr(), 0xFF, 5760);
            std::mt19937 rng(11);
            QByteArray status(89856, char(0xFF)), aux = block(conf, 198), dev[64], names[64];
            QStringList zombieLines, progress;
            for (int i = 0; i < 64; ++i) {
                u8* d = conf.find_block(u32(70 + i))->get_ptr();
                d[0] = u8(i == 61 ? 64 : i > 61 ? 63 : rng() % 80), d[1] = u8(i == 62 ? 4 : i > 60 ? 3 : rng() % 5);
                memset(conf.find_block(u32(134 + i))->get_ptr() + 2, 'N', 22400);
                names[i] = block(conf, u32(134 + i)), dev[i] = block(conf, u32(70 + i));
                progress << QString("Process %1").arg(i * 199 / 64);
                const bool bound = i != 5 && d[0] < 64 && d[1] < 4;
                if (bound)
                    status[4 * d[0] + d[1]] = char(i);
                std::map<std::tuple<int, int, int, int>, int> first;
                std::map<int, QStringList> repeats;
                for (int s = 0; s < 700; ++s) {
                    Rec r{u8(rng() % 159),
                          u8(rng() & 1),
                          bool(rng() & 1),
                          u16(rng()),
                          u8(rng() % 10 ? 0 : 1 + rng() % 63),
                          u8(rng() % 3),
                          u16(rng() % 2000)};
                    r.b8 = u8(rng() % (r.module ? 2 : 256));
                    put_rec(d + 2 + 43 * s, r);
                    const int line = d[1] * 2 + r.lineBit, sub = r.module ? r.b8 : 0;
                    const auto key = std::make_tuple(line, r.module, r.address, sub);
                    const auto seen = bound && r.type ? first.emplace(key, s) : std::make_pair(first.end(), true);
                    const bool zombie = zombies && !seen.second;
                    dev[i].replace(2 + 43 * s, 43,
                                   zombie ? imagegen::record(nullptr, true) : bytes(d + 2 + 43 * s, 43));
                    if (zombie)
                        repeats[seen.first->second]
                            << QString("Trovato device zombie (C%1L%2%3%4.%5 llId=%6 ll_devId=%7)")
                                   .arg(d[0])
                                   .arg(line)
                                   .arg(r.module ? 'M' : 'S')
                                   .arg(r.address)
                                   .arg(sub)
                                   .arg(i)
                                   .arg(s);
                    if (bound && r.type && !zombie) {
                        status[256 + 1400 * i + 2 * s] = char(r.address);
                        status[257 + 1400 * i + 2 * s] = char((r.module ? r.b8 : 15) | r.lineBit << 4 | r.module << 5
                                                              | r.cls << 6);
                    } else if (bound) {
                        names[i].replace(2 + 32 * s, 32, QByteArray(32, '\0'));
                        aux[90 * i + 2 + s / 8] = char(aux[90 * i + 2 + s / 8] & ~(1 << s % 8));
                    }
                }
                for (const auto& r : repeats)
                    zombieLines << r.second;
            }
            for (u32 dt = 70; dt <= 198; ++dt)
                conf.find_block(dt)->lock_write(), conf.find_block(dt)->mark_modified(), conf.find_block(dt)->unlock();
            const auto report = [](const char* stage, int v) { s_progress << QString("%1 %2").arg(stage).arg(v); };
            s_progress.clear();
            QCOMPARE(zombies ? conf.build_device_status(true, report)
                             : layout(conf)->update_device_status(false, report),
                     0);
            QCOMPARE(block(conf, 199), status);
            QCOMPARE(block(conf, 198), aux);
            for (u32 i = 0; i < 64; ++i)
                QVERIFY(block(conf, 70 + i) == dev[i] && block(conf, 134 + i) == names[i]);
            QCOMPARE(traceErrors("/update_device_status"), zombieLines);
            QCOMPARE(s_progress, progress);
            // The repairs reach the CRCs although they send no change notice.
            for (u32 dt = 70; dt <= 199; ++dt)
                QVERIFY(!conf.find_block(dt)->is_modified()
                        && conf.get_blocks().get_crc(dt) == imagegen::crc16_modbus(block(conf, dt)));
            for (u32 cpu = 0; cpu <= 64; ++cpu)
                for (u32 board = 0; board <= 4; ++board)
                    QCOMPARE(int(layout(conf)->get_block_index(cpu, board)),
                             cpu < 64 && board < 4 ? int(u8(status[int(4 * cpu + board)])) : 255);
        }
        ZpData_v2602::DeviceStatusProg detached(nullptr, nullptr, 199);
        QCOMPARE(detached.update_device_status(true, nullptr), 0);
        QCOMPARE(bytes(detached), QByteArray(89856, char(0xFF)));
    }

    // Block 0 serves CPU 4 board 1 (lines 2 and 3), block 3 CPU 5 board 2 (line 5).
    void lookups_data()
    {
        QTest::addColumn<Find>("row");
        for (const Find& r : QVector<Find>{{"sensor", 4, 2, 0, 5, 7, 0, 0, "040105000000", 0},
                                           {"any kind, byte 8", 4, 2, 254, 5, 3, 0, 0, "", 0},
                                           {"other line", 4, 3, 0, 5, 15, -1, -1, "", 0},
                                           {"as module", 4, 2, 1, 5, 15, -1, -1, "", 0},
                                           {"empty slots", 4, 2, 254, 0, 15, -1, -1, "", 0},
                                           {"free entries", 4, 2, 254, 255, 15, -1, -1, "", 0},
                                           {"class 1 channel", 4, 3, 1, 12, 15, 0, 1, "84490a000100", 0},
                                           {"class 1 base, its sub", 4, 3, 1, 10, 2, 0, 1, "84490a000100", 0},
                                           {"class 1 base, any sub", 4, 3, 1, 10, 15, -1, -1, "", 0},
                                           {"module, sub 16", 4, 3, 1, 30, 16, 0, 4, "84511e000400", 0},
                                           {"class 2 as sensor", 4, 2, 0, 20, 15, 0, 2, "044d14000200", 0},
                                           {"class 2, kind 7", 4, 2, 7, 20, 15, -1, -1, "", 2},
                                           {"class-2 sensor as module", 4, 2, 1, 40, 15, 0, 5, "040128000500", 0},
                                           {"class-2 sensor, byte 8", 4, 2, 1, 40, 6, 0, 5, "", 0},
                                           {"line 5", 5, 5, 0, 158, 15, 3, 699, "85029e03bb02", 0},
                                           {"address 159", 5, 5, 0, 159, 15, -1, -1, "", 0},
                                           {"cpu 64", 64, 2, 0, 5, 15, -1, -1, "", 0}})
            QTest::newRow(r.name) << r;
    }
    void lookups()
    {
        QFETCH(Find, row);
        ZpConf conf(0, 0);
        QCOMPARE(conf.new_config(0), 0);
        u8* b0 = conf.find_block(70)->get_ptr();
        u8* b3 = conf.find_block(73)->get_ptr();
        b0[0] = 4, b0[1] = 1, b3[0] = 5, b3[1] = 2;
        Rec s2 = sensor(40, 0, 1, 6);
        s2.cls = 2;
        for (const auto& s : QVector<QPair<int, Rec>>{{0, sensor(5, 0, 1, 3)},
                                                      {1, module(10, 1, 1, 2)},
                                                      {2, module(20, 0, 2, 3)},
                                                      {4, module(30, 1, 0, 4)},
                                                      {5, s2}})
            put_rec(b0 + 2 + 43 * s.first, s.second);
        put_rec(b3 + 2 + 43 * 699, sensor(158, 1));
        QCOMPARE(conf.build_device_status(false, nullptr), 0);
        const u32 a[] = {u32(row.cpu), u32(row.line), u32(row.kind), u32(row.address), u32(row.sub)};
        const DeviceRef ref = layout(conf)->get_device_ref(a[0], a[1], a[2], a[3], a[4]);
        const DeviceLocation at = layout(conf)->find_device(a[0], a[1], a[2], a[3], a[4]);
        const QByteArray want = row.ref.left(4) + "ffffff" + row.ref.mid(4) + "ffff";
        QCOMPARE(bytes(ref.raw, 11).toHex(), row.ref.isEmpty() ? QByteArray(22, 'f') : want);
        QCOMPARE(QVector<int>({at.block, at.slot}), QVector<int>({ref.raw[6], ref.raw[7] | ref.raw[8] << 8}));
        QCOMPARE(sizeof(DeviceRef), size_t(DeviceRef::DATA_SIZE));
        QVector<int> prog = {-1, -1};
        for (u32 i = 0; i < 64 && prog[0] < 0; ++i) {
            const DeviceLocation p = layout<Prog>(conf, 70 + i)->find_device(a[0], a[1], a[2], a[3], a[4]);
            QCOMPARE(int(p.block), int(i));
            if (p.found())
                prog = {int(i), p.slot};
        }
        QCOMPARE(prog, QVector<int>({row.progBlock, row.progSlot}));
        QCOMPARE(traceErrors("/is_me"),
                 QVector<QString>(3 * row.logged, QString("Invalid devtype (%1)").arg(row.kind)).toList());
    }

    // From the defaults, step by step: results, bytes and notices; a binding clears the record's
    // bits and logs; a silent clear marks the block for its CRC without a notice.
    void aux()
    {
        imagegen::Plant plant;
        plant.boards = {{0, 0, 0, 0}};
        QByteArray want = imagegen::block(plant, 198, imagegen::kV2602);
        libtest::NoticeBlock block(198);
        Aux* aux = install<Aux>(block, QByteArray(5760, 0x33));
        QCOMPARE(aux->set_default(), 0);
        QCOMPARE(bytes(aux), want);
        block.notices.clear();
        QCOMPARE(QVector<int>({aux->set_test(2, 9, 1), aux->set_test(2, 9, 7), aux->set_test(63, 699, 5),
                               aux->set_test(63, 700, 1), aux->set_test(64, 0, 1)}),
                 QVector<int>({0, -1, 0, 1013, 1013}));
        want[183] = 2, want[5759] = 8;
        QCOMPARE(bytes(aux), want);
        for (u32 i = 0; i <= 64; ++i)
            for (u32 s = 0; s <= 700; ++s)
                if (aux->get_test(i, s) != (i < 64 && s < 700 ? u8(want[int(90 * i + 2 + s / 8)]) >> s % 8 & 1 : 0))
                    QFAIL(qPrintable(QString("in-test bit %1.%2").arg(i).arg(s)));
        block.lock_write(), block.unlock();
        QCOMPARE(QVector<int>({aux->clear_test_silent(2, 9), aux->clear_test_silent(2, 9), aux->clear_test_silent(1, 0),
                               aux->clear_test_silent(1, 700), block.is_modified(), aux->set_cpu_llId(63, 63, 3),
                               aux->set_cpu_llId(63, 63, 3), aux->set_cpu_llId(64, 1, 1)}),
                 QVector<int>({0, -1, -1, 1013, 1, 0, -1, 1013}));
        want[183] = 0, want[5759] = 0, want[5670] = 63, want[5671] = 3;
        QCOMPARE(bytes(aux), want);
        QCOMPARE(notices(block), QVector<u32>({1, 180, 90, 1, 5670, 90, 1, 5670, 90}));
        QCOMPARE(traceErrors("/set_cpu_llId"), QStringList("DeviceAuxProg[63] = c63ll3"));
    }
};

QTEST_APPLESS_MAIN(tst_DeviceProg)
#include "tst_deviceprog.moc"
