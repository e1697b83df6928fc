// General programming block (dataType 2, layout 0x2602) with its CPU records and loop-line boards:
// defaults per panel type, byte fields, operations with their results, bytes, notices and error
// lines, the plant's board limit, and the conversion from 0x2601. Expected bytes are laid out here
// from the block layout.
#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "TestBase.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QtTest>

#include <numeric>

using namespace ZpData_v2602;
using libtest::bytes;
using Op = std::function<QString(ZpxProg&)>; // an operation's results, as text
using Bytes = QVector<QPair<int, int>>;      // offset, value
Q_DECLARE_METATYPE(Op)

namespace {

constexpr int kSize = 5310;
enum : u32 { ZP4800 = 0, ZP1600CL = 3, KV1300 = 5, KV1600 = 6 }; // panel types
// CPU c's record, its board b and its status byte.
constexpr int rec(int c)
{
    return 4 + 61 * c;
}
constexpr int board(int c, int b)
{
    return rec(c) + 5 * b;
}
constexpr int status(int c)
{
    return rec(c) + 52;
}

QString str(qint64 v)
{
    return QString::number(v);
}
QString str(const QString& s)
{
    return s;
}
// The values in the order written, which the arguments of a call do not keep.
QString join(std::initializer_list<qint64> values)
{
    auto add = [](const QString& text, qint64 v) { return text + ' ' + str(v); };
    return std::accumulate(values.begin() + 1, values.end(), str(*values.begin()), add);
}
// The result and text of a name getter's buffer form, then the text of its copy form.
QString name(int result, const char* buffer, const std::unique_ptr<char[]>& copy)
{
    return QString("%1 %2/%3").arg(result).arg(buffer, copy.get());
}

// An operation on z, with t a 33-byte buffer for names; one of several results; a field's
// getter and setter.
#define OP(e)                     \
    Op([](ZpxProg& z) {           \
        char t[33];               \
        memset(t, 'x', sizeof t); \
        Q_UNUSED(z);              \
        return str(e);            \
    })
#define READ(...) Op([](ZpxProg& z) { return join({__VA_ARGS__}); })
#define GET(e) [](ZpxProg& z) -> quint64 { return quint64(e); }
#define SET(e) [](ZpxProg& z, quint64 v) { return int(e); }

quint64 get_le(const u8* p, int width)
{
    return width ? get_le(p + 1, width - 1) << 8 | p[0] : 0;
}

void put_le(u8* p, int width, quint64 v)
{
    for (int k = 0; k < width; ++k)
        p[k] = u8(v >> 8 * k);
}

// The first differing bytes; empty when the blocks are equal.
QString diff(const QByteArray& got, const QByteArray& want)
{
    QStringList d;
    for (int i = 0; i < qMax(got.size(), want.size()) && d.size() < 8; ++i)
        if (got.mid(i, 1) != want.mid(i, 1))
            d << QString("%1: %2 not %3").arg(i).arg(QString(got.mid(i, 1).toHex()), QString(want.mid(i, 1).toHex()));
    return d.join(", ");
}

Bytes text(int at, const char* s)
{
    return *s ? Bytes{{at, *s}} + text(at + 1, s + 1) : Bytes();
}

// Installed boards from to to - 1 of CPU c, byte 0 holding value.
Bytes boards(int c, int from, int to, int value)
{
    const int b = board(c, from);
    return from < to ? Bytes{{b, value}, {b + 2, 10}, {b + 4, 10}} + boards(c, from + 1, to, value) : Bytes();
}

// Converts into z an older block of size and version: z's own bytes, or fill in every byte.
int convert(ZpxProg& z, int size, int version, int fill = -1)
{
    ZpData::IFace old(nullptr, nullptr, 2, u32(size), u16(version));
    fill < 0 ? memcpy(old.data(), z.data(), size_t(qMin(size, kSize))) : memset(old.data(), fill, size_t(size));
    return z.convert(old);
}

// The defaults of a panel type in a block of conf that records the notices of its layout.
struct Panel {
    Panel(ZpConf& conf, u32 type, const Bytes& pokes = {})
        : conf(conf)
        , block(2, &conf.get_blocks())
        , zpx(new ZpxProg(&conf, &block, 2))
    {
        conf.set_panel_type(type);
        zpx->set_default();
        block.set_iface(zpx);
        for (const auto& p : pokes)
            zpx->data()[p.first] = u8(p.second);
    }
    QString notices() // each as kind/dataType/offset/length
    {
        QStringList all;
        for (const DataBlock::Notice& n : std::exchange(block.notices, {}))
            all << QString("%1/%2/%3/%4").arg(n.kind).arg(n.dataType).arg(n.offset).arg(n.length);
        return all.join(' ');
    }
    // Runs op under the write lock, as callers of the setters do: its result, the whole block and
    // its notices.
    void expect(const Op& op, const QString& result, const QByteArray& want, const QString& notice)
    {
        notices();
        block.lock_write();
        QCOMPARE(op(*zpx), result);
        block.unlock();
        QCOMPARE(diff(bytes(*zpx), want), QString());
        QCOMPARE(notices(), notice);
    }
    ZpConf& conf;
    libtest::NoticeBlock block;
    ZpxProg* zpx; // owned by block
};

// Defaults: CPU 0 installed with its first boards holding board0, byte 0 of every other board of
// every CPU idle, every CPU of cpuType; direct groups 300; access codes 27591, 60427, 71935 of
// levels 2 to 4.
QByteArray layout_default(int type, int cpuType, int boards, int board0, int brand, int idle)
{
    Bytes all = {{0, 0x02},    {1, 0x26},    {5176, 0x02}, {5182, 5},    {5183, 8},    {5184, 10},
                 {5185, 20},   {5186, 216},  {5189, 0x20}, {5191, 70},   {5198, 1},    {5206, 0x2C},
                 {5207, 0x01}, {5208, 0xC7}, {5209, 0x6B}, {5212, 0x0B}, {5213, 0xEC}, {5216, 0xFF},
                 {5217, 0x18}, {5218, 0x01}, {5220, 255},  {5221, 1},    {5222, 1},    {5223, 1},
                 {5224, 1},    {5225, 1},    {5239, 4},    {5246, type}, {5247, brand}};
    for (int c = 0; c < 64; ++c) {
        all << qMakePair(status(c), cpuType << 3 | (c == 0));
        for (int b = c == 0 ? boards : 0; b < 4; ++b)
            all << qMakePair(board(c, b), idle);
    }
    for (int i = 0; i < 17; ++i)
        all << qMakePair(3962 + 54 * i + 44, 1);
    QByteArray b(kSize, '\0');
    for (const auto& p : all + ::boards(0, 0, boards, board0))
        b[p.first] = char(p.second);
    return b;
}

// A field: little-endian bytes, its bits among them, its getter and setter.
struct Field {
    const char* name;
    Bytes pokes; // what the field needs around it
    int offset, width;
    quint64 mask; // 0: every bit
    quint64 (*get)(ZpxProg&);
    int (*set)(ZpxProg&, quint64) = nullptr;
    int notice = 1;        // its kind; 0: a plain write without notice
    quint64 limit = ~0ull; // the highest value the setter takes
};

// Several fields of a byte or of neighbouring bytes are read as one. A protocol is read as two
// bits: the invalid code 3 reads -1, and -1 & 3 is 3.
const Field kFields[] = {
    {"styles and protocols of board 3",
     {},
     board(3, 3),
     1,
     0x7E,
     GET(z.get_cpu_line_style(3, 3, 0) | z.get_cpu_line_style(3, 3, 1) << 1 | (z.get_cpu_line_prot(3, 3, 0) & 3) << 2
         | (z.get_cpu_line_prot(3, 3, 1) & 3) << 4)},
    {"styles and protocols of CPU lines 6 and 7",
     {},
     board(3, 3),
     1,
     0x7E,
     GET(z.get_cpu_line_style(3, 6) | z.get_cpu_line_style(3, 7) << 1 | (z.get_cpu_line_prot(3, 6) & 3) << 2
         | (z.get_cpu_line_prot(3, 7) & 3) << 4)},
    {"serial board of CPU 0", {}, status(0), 1, 0x02, GET(z.is_sib_enabled())},
    {"gateway", {}, 3916, 4, 0, GET(z.get_supervisor().gwGateway)},
    {"Modbus RTU address, baud",
     {{3920, 1}},
     3921,
     2,
     0,
     GET(z.get_supervisor().supMbAddr | z.get_supervisor().supMbBaud << 8)},
    {"Modbus TCP netmask", {{3920, 2}}, 3921, 8, 0, GET(z.get_supervisor().supIpNetmask)},
    {"BACnet gateway", {{3920, 3}}, 3929, 4, 0, GET(z.get_supervisor().supGateway)},
    {"zone in test", {}, 5192, 2, 0, GET(z.get_zone_in_test()), SET(z.set_zone_in_test(u16(v))), 1, 500},
    {"groups: low and high sensitivity, direct",
     {},
     5202,
     6,
     0,
     GET(z.get_low_sens_group() | quint64(z.get_high_sens_group()) << 16 | quint64(z.get_direct_groups_count()) << 32)},
    {"level 2 code", {}, 5208, 4, 0, GET(z.get_password(2)), SET(z.set_password(2, u32(v)))},
    {"level 3 code, plain", {}, 5212, 4, 0, GET(z.get_password(3)), SET((z.put_password(3, u32(v)), 0)), 0},
    {"level 4 code", {}, 5216, 4, 0, GET(z.get_password(4)), SET(z.set_password(4, u32(v)))},
    {"parameter 5220", {}, 5220, 1, 0, GET(z.get_param_5220()), SET(z.set_param_5220(u8(v)))},
    // Sounder pairs (tone, volume) are stored 1-based and read 0-based.
    {"sounders", {}, 5221, 4, 0, GET((z.get_siren1() + 257) | quint64(z.get_siren2() + 257) << 16)},
    {"net value 2", {}, 5234, 4, 0, GET(z.get_net_value(2))},
    {"net pair, low half", {}, 5226, 4, 0, GET(z.get_net_pair() & 0xFFFFFFFFu)},
    {"net pair, high half", {}, 5234, 4, 0, GET(z.get_net_pair() >> 32)},
    {"printer", {}, 5238, 1, 0x07, GET(z.get_printer().installed | z.get_printer().mode << 1)},
    {"detector brand", {}, 5247, 1, 0, GET(z.get_sensor_brand()), SET(z.set_sensor_brand(u8(v))), 2},
};

} // namespace

class tst_ZpxProg : public TestBase {
    Q_OBJECT

    std::unique_ptr<ZpConf> m_conf;

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        m_conf.reset(new ZpConf(0, 255));
        // The first check binds the device blocks of the configuration, with an error line each.
        m_conf->check_zpxProg(false);
        traceErrors();
    }

    // The supervisor's bytes 13 to 24 (0x11 ... 0x1C) are read only by the types they belong to:
    // address and baud rate by type 1, netmask and gateway by types 2 and 3; the rest read 0.
    void supervisorByType()
    {
        for (int type = 0; type <= 4; ++type) {
            Panel p(*m_conf, ZP4800);
            u8* s = p.zpx->data() + 3908;
            s[12] = u8(type);
            for (int i = 13; i < 25; ++i)
                s[i] = u8(0x11 + i - 13);
            const ZpData::ZpxSupervisor sup = p.zpx->get_supervisor();
            const bool ip = type == 2 || type == 3;
            QCOMPARE((QVector<quint64>{sup.supType, sup.supMbAddr, sup.supMbBaud, sup.supIpNetmask, sup.supGateway}),
                     (QVector<quint64>{quint64(type), type == 1 ? 0x11u : 0u, type == 1 ? 0x12u : 0u,
                                       ip ? 0x1817161514131211ull : 0u, ip ? 0x1C1B1A19u : 0u}));
        }
    }

    void defaults_data()
    {
        // Panel type, CPU type, boards of CPU 0, their byte 0 (installed bit, styles of both lines
        // in bits 1-2, their protocol in bits 3-4 and 5-6), detector brand, byte 0 of the boards
        // not installed (the protocol a new board gets, nothing else)
        QTest::addColumn<QVector<int>>("d");
        QTest::newRow("ZP4800, ADV") << QVector<int>{0, 1, 1, 0x01, 0, 0x00};
        QTest::newRow("ZP4800N, brand FERNHOLDT") << QVector<int>{12, 9, 1, 0x01, 1, 0x00};
        QTest::newRow("ZP4800G, no brand") << QVector<int>{15, 10, 1, 0x01, 0, 0x00};
        QTest::newRow("ZP1300CL, VARN") << QVector<int>{2, 3, 1, 0x29, 5, 0x28};
        QTest::newRow("ZP3600CL, two boards at least") << QVector<int>{4, 5, 2, 0x29, 5, 0x28};
        QTest::newRow("KV1300, styles set") << QVector<int>{5, 6, 1, 0x2F, 3, 0x28};
        QTest::newRow("KV1600, VARN") << QVector<int>{8, 7, 1, 0x2F, 3, 0x28};
        QTest::newRow("unknown type") << QVector<int>{255, 0, 1, 0x29, 0, 0x28};
    }

    // Over a scribbled block, so that every byte must be written.
    void defaults()
    {
        QFETCH(QVector<int>, d);
        const QByteArray want = layout_default(d[0], d[1], d[2], d[3], d[4], d[5]);
        Panel p(*m_conf, u32(d[0]));
        memset(p.zpx->data(), 0x5A, kSize);
        QCOMPARE(p.zpx->set_default(), 0);
        QCOMPARE(diff(bytes(*p.zpx), want), QString());
        // The defaults before installing sent no notice; these take the lock themselves.
        QCOMPARE(p.notices(), QString("1/2/0/5310 1/2/0/0"));
        QCOMPARE(p.block.is_modified(), false);
        QCOMPARE(p.conf.get_blocks().get_crc(2), imagegen::crc16_modbus(want));
    }

    void fields_data()
    {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(sizeof kFields / sizeof kFields[0]); ++i)
            QTest::newRow(kFields[i].name) << i;
    }

    // Every value up to 16 bits, and values that tell each byte apart above, read back from the
    // bytes with their other bits set, so that a getter must mask them off; a setter writes exactly
    // those bytes with its notice, up to its limit, and -1 without a notice for the value it finds.
    void fields()
    {
        QFETCH(int, i);
        const Field& f = kFields[i];
        Panel p(*m_conf, ZP4800, f.pokes);
        u8* at = p.zpx->data() + f.offset;
        const quint64 all = ~0ull >> (64 - 8 * f.width), mask = f.mask ? f.mask : all, unit = mask & -mask,
                      top = mask / unit;
        QVector<quint64> values = {1, top, 0x0123456789ABCDEFull & top, 0xFEDCBA9876543210ull & top};
        for (quint64 v = 0; top <= 0xFFFF && v <= top; ++v)
            values << v;
        QByteArray want = bytes(*p.zpx);
        for (quint64 v : values) {
            put_le(at, f.width, (all & ~mask) | v * unit);
            QCOMPARE(f.get(*p.zpx), v);
        }
        memcpy(at, want.constData() + f.offset, size_t(f.width));
        values.prepend(get_le(at, f.width));
        for (quint64 v : f.set ? values : QVector<quint64>()) {
            if (v > f.limit || QTest::currentTestFailed())
                continue;
            const bool same = f.notice && get_le(at, f.width) == v;
            put_le(reinterpret_cast<u8*>(want.data()) + f.offset, f.width, v);
            p.expect([&f, v](ZpxProg& z) { return str(f.set(z, v)); }, same ? "-1" : "0", want,
                     same || !f.notice ? QString() : QString("%1/2/%2/%3").arg(f.notice).arg(f.offset).arg(f.width));
        }
    }

    void ops_data()
    {
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("type");
        QTest::addColumn<Bytes>("pokes");
        QTest::addColumn<QString>("result");
        QTest::addColumn<Bytes>("changes");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QStringList>("errors");
        auto row = [](const char* name, const Op& op, u32 type, const Bytes& pokes, const QString& result,
                      const Bytes& changes = {}, const QString& notice = {}, const QStringList& errors = {}) {
            static int n = 0;
            QTest::addRow("%d %s", ++n, name) << op << int(type) << pokes << result << changes << notice << errors;
        };
#define ROW(e, ...) row(#e, OP(e), __VA_ARGS__)
        auto range = [](int c) { return QString("cpuId = %1 ( > 64)").arg(c); };

        // Plant: networked; CPUs: limit, last id; last line; boards: max, limit, last, of a CPU of
        // the model; last zone, devices per zone; last group; 0
        const Op plant = READ(z.is_networked(), z.get_cpu_num_limit(), z.get_last_cpu_id(), z.get_last_plant_line(),
                              z.get_max_ll_num(), z.get_plant_ll_limit(), z.get_last_plant_ll(), z.get_ll_num(),
                              z.get_last_zone(), z.get_max_dev_per_zone(), z.get_last_group(), z.get_reserved());
        row("KV1600 networked", plant, KV1600, {{5245, 1}}, "1 64 63 127 64 64 63 4 2000 50 1599 0");
        row("unknown: fewer lines than a board", plant, 255, {{5245, 1}}, "0 1 0 0 1 1 0 1 0 32 0 0");

        // CPU 0, a ZP-4800N with boards 0 to 3 set and 'A' in the name after them, then CPU 64, whose
        // status would be byte 3960: boards min, max, last; lines min, max, last; boards 0 to 4
        // installed, boards counted; of CPU 64 also its lines counted and whether it is installed.
        row("CPU 0 and CPU 64",
            READ(z.get_cpu_min_ll_num(0), z.get_cpu_max_ll_num(0), z.get_cpu_last_ll(0), z.get_cpu_min_line_num(0),
                 z.get_cpu_max_line_num(0), z.get_cpu_last_line(0), z.get_cpu_ll_installed(0, 1),
                 z.get_cpu_ll_installed(0, 2), z.get_cpu_ll_installed(0, 4), z.get_cpu_ll_installed_num(0),
                 z.get_cpu_min_ll_num(64), z.get_cpu_max_ll_num(64), z.get_cpu_last_ll(64), z.get_cpu_min_line_num(64),
                 z.get_cpu_max_line_num(64), z.get_cpu_last_line(64), z.get_cpu_ll_installed_num(64),
                 z.get_cpu_line_installed_num(64), z.is_cpu_installed(64)),
            ZP4800, Bytes{{status(0), 9 << 3 | 1}, {rec(0) + 20, 'A'}, {3960, 1}} + boards(0, 0, 4, 1),
            "1 2 1 2 4 3 1 0 0 2 0 0 0 0 0 -1 0 0 0");
        // A block without container or block knows no panel type.
        ROW(
            [] {
                ZpxProg d(nullptr, nullptr, 2);
                d.set_default();
                return diff(bytes(d), layout_default(255, 0, 1, 0x29, 0, 0x28));
            }(),
            ZP4800, {}, "");
        // Record and board of a byte position, and the other way round.
        ROW(join({CpuRec::cpu_of_position(3), CpuRec::cpu_of_position(4), CpuRec::cpu_of_position(64),
                  CpuRec::cpu_of_position(65), CpuRec::cpu_of_position(3907), CpuRec::cpu_of_position(3908),
                  CpuRec::cpu_of_position(~0u), LineRec::board_of_position(64, 65), LineRec::board_of_position(65, 65),
                  LineRec::board_of_position(69, 65), LineRec::board_of_position(70, 65),
                  LineRec::board_of_position(84, 65), LineRec::board_of_position(85, 65), z.record(7).offset(),
                  z.record(7).line(3).offset()}),
            ZP4800, {}, "-1 0 0 1 63 -1 -1 -1 0 0 1 3 -1 431 446");

        // Installed CPUs, last one, installed boards and lines; boards of CPU 40 and lines of CPU 5;
        // lines 5, 6, 9 of CPU 5 and 0 of CPU 6 installed. CPU 40 lies past a networked plant's
        // CPUs; board 4 of CPU 5 is the start of its name.
        const Op counts = READ(
            z.get_installed_cpu_num(), z.get_last_installed_cpu(), z.get_installed_ll_num(), z.get_installed_line_num(),
            z.get_cpu_ll_installed_num(40), z.get_cpu_line_installed_num(5), z.get_cpu_line_installed(5, 5),
            z.get_cpu_line_installed(5, 6), z.get_cpu_line_installed(5, 9), z.get_cpu_line_installed(6, 0));
        const Bytes some = Bytes{{5245, 1}, {status(5), 9}, {status(31), 9}, {status(40), 9}, {board(5, 4), 'A'}}
            + boards(5, 0, 3, 1) + boards(31, 0, 2, 1) + boards(40, 0, 4, 1);
        row("networked", counts, ZP4800, some, "3 31 6 12 4 6 1 0 0 0");
        row("standalone, CPU 0 idle", counts, ZP4800, some + Bytes{{5245, 0}, {status(0), 8}}, "0 0 0 0 4 6 1 0 0 0");

        // Names fill 32 characters, the byte after a full one stays out of them; 1013 and empty
        // past the last. A repeater is installed by any non-zero byte; standalone, CPU 0 is the last.
        const char* full = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
        const Bytes names = text(5144, full) + text(4880, "\1RIPETITORE 1") + text(5111, "\2") + text(5112, full)
            + text(rec(31) + 20, "CENTRALE 32");
        ROW(QStringList({name(z.get_plant_name(t), t, z.get_plant_name()),
                         name(z.get_repeater_name(7, t), t, z.get_repeater_name(7)),
                         name(z.get_repeater_name(8, t), t, z.get_repeater_name(8)),
                         name(z.get_cpu_name(1, t), t, z.get_cpu_name(1)),
                         join({z.is_repeater_installed(0), z.is_repeater_installed(1), z.is_repeater_installed(7),
                               z.is_repeater_installed(8)})})
                .join(" | "),
            ZP4800, names, QString("0 %1/%1 | 0 %1/%1 | 1013 / | 1013 / | 1 0 1 0").arg(full));
        ROW(name(z.get_cpu_name(31, t), t, z.get_cpu_name(31)), ZP4800, names + Bytes{{5245, 1}},
            "0 CENTRALE 32/CENTRALE 32");

        // Access codes of levels 2 to 4 only; net values 0 to 2 only; zones up to the last.
        ROW(join({z.set_password(1, 1), z.set_password(5, 1), z.set_zone_in_test(501)}), ZP4800, {}, "1003 1003 1013",
            {}, {}, {"wrong level = 1", "wrong level = 5", "zoneNbr = 501 ( > 500)"});
        ROW((z.put_password(1, 1), z.put_password(5, 1), z.get_password(1) + z.get_password(5) + z.get_net_value(3)),
            ZP4800, {}, "0");
        // The CAN loop: 1 keeps any non-zero value; only a model with a network takes it.
        ROW(z.set_canloop_enable(1), ZP4800, {}, "0", {{5245, 1}}, "1/2/5245/1");
        ROW(join({z.set_canloop_enable(1), z.set_canloop_enable(0)}), ZP4800, {{5245, 7}}, "-1 0", {{5245, 0}},
            "1/2/5245/1");
        ROW(join({z.set_canloop_enable(1), z.set_canloop_enable(0)}), ZP1600CL, {}, "1003 -1", {}, {},
            {"can is not an option!"});

        // CPU type: five bits; the boards follow the type. Boards of an installed ZP-4800: 1 to 4,
        // lines in pairs; none for an idle CPU.
        ROW(join({z.set_cpu_type(63, 9), z.set_cpu_ll_num(0, 4)}), ZP4800, {}, "0 0",
            boards(0, 1, 4, 1) << qMakePair(status(63), 0x48), "1/2/3847/61 1/2/4/61");
        ROW(join({z.set_cpu_ll_num(0, 0), z.set_cpu_ll_num(0, 5), z.set_cpu_ll_num(1, 1), z.set_cpu_type(0, 33),
                  z.set_cpu_line_num(0, 3)}),
            ZP4800, {}, "1003 1003 1003 -1 -1");

        // A board whose bit changes gets its defaults: both styles on KVx000, protocol 2 under
        // APOLLO, else 0 where ADV is spoken, else 1. The board check brings the count into the
        // type's range, 0 for an idle CPU.
        ROW(join({z.set_cpu_ll_num(0, 2), z.record(2).check_ll_num()}), KV1600,
            {{status(0), 0x41},
             {5247, 4},
             {board(0, 2), 0x57},
             {board(0, 2) + 1, 0x33},
             {board(0, 2) + 3, 0x44},
             {board(2, 0), 1}},
            "0 0",
            boards(0, 1, 2, 0x57) + boards(0, 2, 3, 0x56) + boards(2, 0, 1, 0x56)
                + Bytes{{board(0, 2) + 1, 0}, {board(0, 2) + 3, 0}},
            "1/2/4/61");

        // Installing rebuilds the record, then checks the plant's boards: 32 for a networked
        // ZP4800, here CPUs 1 to 8 with four boards each. A refused CPU is rebuilt all the same.
        Bytes full8 = {{5245, 1}, {status(0), 0x08}};
        for (int c = 1; c <= 8; ++c)
            full8 << qMakePair(status(c), 0x09) << boards(c, 0, 4, 1);
        ROW(z.set_cpu_installed(20, true), ZP4800,
            full8 + Bytes{{status(0), 9}, {rec(20) + 20, 'C'}, {status(20), 0x56}}, "1010",
            {{rec(20) + 20, 0}, {status(20), 0x08}}, "1/2/1224/61", {"Superato numero massimo di linee (33 > 32)"});
        ROW(join({z.set_cpu_ll_num(0, 2), z.record(1).check_ll_num()}), ZP4800, full8 + Bytes{{status(0), 9}},
            "1010 -1");
        ROW(join({z.set_cpu_installed(9, true), z.set_cpu_ll_num(9, 1)}), ZP4800, full8, "0 1010", {{status(9), 0x09}},
            "1/2/553/61");
        ROW(z.set_cpu_installed(0, true), KV1300, {{status(0), 0x30}}, "0", {{status(0), 0x31}}, "1/2/4/61");
        // A rebuilt record, whose boards the plant's check installs later, gives its boards the
        // protocol a new board gets (here over boards that held ADV, which the model lacks),
        // APOLLO under that brand.
        const Bytes adv = {{5245, 1}, {board(1, 1), 0}, {board(1, 2), 0}, {board(1, 3), 0}};
        ROW(z.set_cpu_installed(1, true), KV1600, adv, "0",
            {{status(1), 0x39}, {board(1, 1), 0x28}, {board(1, 2), 0x28}, {board(1, 3), 0x28}}, "1/2/65/61");
        ROW(z.set_cpu_installed(1, true), KV1600, adv + Bytes{{5247, 4}}, "0",
            {{status(1), 0x39}, {board(1, 0), 0x50}, {board(1, 1), 0x50}, {board(1, 2), 0x50}, {board(1, 3), 0x50}},
            "1/2/65/61");
        ROW(z.set_cpu_installed(1, true), ZP4800, {{5245, 1}, {board(1, 3), 0x28}}, "0",
            {{status(1), 0x09}, {board(1, 3), 0}}, "1/2/65/61");
        // The record's own operations write without notice.
        ROW(join({z.set_cpu_installed(0, false), z.record(1).set_installed_within_limit(true)}), ZP4800, {}, "0 0",
            {{status(0), 0x08}, {status(1), 0x09}}, "1/2/4/61");

        // Protocols by CPU line, then by board and line in board; an APOLLO plant reads 2 by line.
        ROW(join({z.set_cpu_line_prot(0, 1, 1), z.set_cpu_line_prot(0, 7, 3)}), ZP4800, {{board(0, 0), 0x41}}, "0 0",
            {{board(0, 0), 0x21}, {board(0, 3), 0x60}}, "1/2/4/61 1/2/4/61");
        ROW(z.set_cpu_line_prot(0, 3, 1, 1), ZP4800, {}, "0", {{board(0, 3), 0x20}}, "1/2/19/5");
        ROW(join({z.get_cpu_line_prot(0, 7), z.get_cpu_line_prot(0, 0, 0), z.get_cpu_line_prot(0, 0, 2)}), ZP4800,
            {{5247, 4}, {board(0, 0), 0x19}}, "2 -1 -1");
        ROW(join({z.set_cpu_line_prot(0, 0, 1, 1), z.get_cpu_line_prot(0, 0, 1), z.get_cpu_line_prot(0, 4),
                  z.get_cpu_line_style(0, 4)}),
            KV1300, {}, "1013 -1 -1 255");

        // Reads out of range, each with its error line; the three-argument style names the plant's
        // last CPU id as the limit.
        ROW(join({z.get_cpu_line_prot(64, 0), z.get_cpu_line_prot(0, 8), z.get_cpu_line_prot(64, 0, 0),
                  z.get_cpu_line_prot(0, 4, 0), z.get_cpu_line_style(64, 0), z.get_cpu_line_style(0, 8),
                  z.get_cpu_line_style(0, 4, 1), z.get_cpu_line_style(64, 0, 0)}),
            ZP4800, {}, "-1 -1 -1 -1 255 255 255 255", {}, {},
            {range(64), "cpu_lineId = 8 ( > 8)", range(64), "cpu_llId = 4 ( > 4)", range(64), "cpu_lineId = 8 ( > 8)",
             "cpu_llId = 4 ( > 4)", "cpuId = 64 ( > 0)"});
        ROW(join({z.get_cpu_type(70), z.get_cpu_ll_installed(64, 0), z.get_cpu_line_installed(100, 0)}), ZP4800, {},
            "255 0 0", {}, {}, {range(70), range(64), range(100)});

        // From 0x2601: protocol bits 3 and 4 of lines 0 and 1 become bits 3-4 and 5-6, a status keeps
        // bits 0-2 under CPU type 1, the rest is taken as it is. Nothing is taken from a refused one.
        ROW(convert(z, kSize, 0x2601), ZP4800,
            {{0, 1},
             {4, 0x19},
             {9, 0x87},
             {14, 0x10},
             {24, 'C'},
             {56, 0xFF},
             {board(5, 3), 0x7E},
             {status(5), 3},
             {status(63), 0xF8}},
            "0", {{0, 2}, {4, 0x29}, {14, 0x20}, {56, 0x0F}, {board(5, 3), 0x2E}, {status(5), 0x0B}, {status(63), 8}});
        ROW(join({convert(z, kSize, 0x2602, 0x5A), convert(z, kSize, 0x2600, 0x5A), convert(z, 4, 0x2601, 0x5A),
                  convert(z, kSize - 1, 0x2601, 0x5A)}),
            ZP4800, {}, "-1 1003 1003 1003");
#undef ROW
    }

    void ops()
    {
        QFETCH(Op, op);
        QFETCH(int, type);
        QFETCH(Bytes, pokes);
        QFETCH(QString, result);
        QFETCH(Bytes, changes);
        QFETCH(QString, notice);
        QFETCH(QStringList, errors);
        Panel p(*m_conf, u32(type), pokes);
        QByteArray want = bytes(*p.zpx);
        for (const auto& c : changes)
            want[c.first] = char(c.second);
        p.expect(op, result, want, notice);
        QCOMPARE(traceErrors(), errors);
    }
};

QTEST_APPLESS_MAIN(tst_ZpxProg)
#include "tst_zpxprog.moc"
