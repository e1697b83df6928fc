#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "TestBase.h"
#include "ZpData/Layouts/AnnuncProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/ZoneName.h"
#include "ZpData/Layouts/ZoneProg.h"

#include <QtTest>

using namespace ZpData_v2602;
using libtest::bytes;
using ZpData::IFace;
using Op = std::function<int(IFace*)>;
Q_DECLARE_METATYPE(Op)

namespace {

std::unique_ptr<IFace> make(int dt, ZpConfBlock* block = nullptr)
{
    return std::unique_ptr<IFace>(ZpData::new_iface(nullptr, block, u32(dt), 0, kDataVersion2602));
}

// Longer than any name field.
const QByteArray kText("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

} // namespace

class tst_SmallBlocks : public TestBase {
    Q_OBJECT

private slots:
    // Every zone reads its own bit of each bit table and its own nibble; zones 0 and 2001 read 0.
    void zoneProg()
    {
        ZoneProg prog(nullptr, nullptr, 3);
        QRandomGenerator rng(3);
        std::generate_n(prog.data(), prog.size(), [&] { return u8(rng.bounded(256)); });
        const u8* d = prog.data();
        for (u32 z = 1, n = 0; z <= 2000; n = z++)
            QCOMPARE(QString::asprintf("%u: %d %d %d", z, prog.get_zone_bit_a(z), prog.get_zone_bit_b(z),
                                       prog.get_zone_nibble(z)),
                     QString::asprintf("%u: %d %d %d", z, (d[n / 8] >> (n % 8)) & 1, (d[250 + n / 8] >> (n % 8)) & 1,
                                       z % 2 ? d[500 + n / 2] & 15 : d[500 + n / 2] >> 4));
        memset(prog.data(), 0xFF, prog.size());
        for (u32 z : {0u, 2001u, 0xFFFFFFFFu})
            QVERIFY(!prog.get_zone_bit_a(z) && !prog.get_zone_bit_b(z) && !prog.get_zone_nibble(z));
    }

    void names_data()
    {
        QTest::addColumn<int>("dt");
        QTest::addColumn<QString>("error"); // of an index out of range, %1 the index
        QTest::newRow("zone names") << 4 << "zoneNbr = %1 ( > 2000 || == 0)";
        QTest::newRow("device names") << 150 << QString();
    }

    // Names of 33 down to 0 characters at the first and last index: the field keeps at most 32 of
    // them, NUL-padded, and reads back; an equal name gives -1; one index out of range gives 1013.
    void names()
    {
        QFETCH(int, dt);
        QFETCH(QString, error);
        const uint first = dt == 4 ? 1 : 0, last = dt == 4 ? 2000 : 699, base = dt == 4 ? 0 : 2;
        const auto layout = make(dt);
        auto* zones = dynamic_cast<ZoneName*>(layout.get());
        auto* devices = dynamic_cast<NameProg*>(layout.get());
        const auto set = [&](auto i, const char* s) { return zones ? zones->set_name(i, s) : devices->set_name(i, s); };
        const auto get = [&](uint i, char* d) { return zones ? zones->get_name(i, d) : devices->get_name(i, d); };
        QByteArray expected = bytes(*layout);
        char dst[33];
        for (int n = 33; n >= 0; --n) {
            for (uint i : {first, last}) {
                const QByteArray field = kText.left(qMin(n, 32)).leftJustified(32, '\0');
                const int offset = int(base + 32 * (i - first));
                QCOMPARE(set(i, kText.left(n).constData()), expected.mid(offset, 32) == field ? -1 : 0);
                QCOMPARE(bytes(*layout), expected.replace(offset, 32, field));
                memset(dst, '#', sizeof dst);
                QCOMPARE(get(i, dst), 0);
                QCOMPARE(QByteArray(dst), kText.left(qMin(n, 32)));
            }
        }
        for (uint i : {first - 1, last + 1}) {
            memset(dst, '#', sizeof dst);
            QCOMPARE(QVector<int>({set(i, "X"), get(i, dst)}), QVector<int>({1013, 1013}));
            QCOMPARE(dst[0], '\0');
        }
        QCOMPARE(set(-1, "X"), 1013);
        QCOMPARE(bytes(*layout), expected);
        if (!error.isEmpty())
            QCOMPARE(traceErrors("/set_name"), QStringList({error.arg(first - 1), error.arg(last + 1), error.arg(-1)}));
    }

    // Each annunciator and viewer of a block of random bytes reads its flags and names from its
    // own fields; index 16 gives false, an empty name, 1013 and one error line per call.
    void annuncProg()
    {
        AnnuncProg layout(nullptr, nullptr, 6);
        QRandomGenerator rng(6);
        std::generate_n(layout.data(), layout.size(), [&] { return u8(rng.bounded(256)); });
        for (int a = 0; a < 16; a += 2)
            layout.data()[291 * a + 290] = 0;
        const char* d = reinterpret_cast<const char*>(layout.data());
        const auto text = [&](bool in, int at) {
            return in ? QByteArray(d + at, int(qstrnlen(d + at, 32))) : QByteArray();
        };
        char dst[33];
        for (u32 i = 0; i <= 16; ++i) {
            const bool in = i < 16;
            const QByteArray viewer = text(in, 4672 + 33 * i + 1), annunc = text(in, 291 * i + 256);
            QCOMPARE(layout.is_viewer_enabled(i), in && (d[4672 + 33 * i] & 1));
            QCOMPARE(layout.is_annunc_defined(i), in && i % 2 && d[291 * i + 290]);
            memset(dst, '#', sizeof dst);
            QCOMPARE(layout.get_viewer_name(i, dst), in ? 0 : 1013);
            QCOMPARE(QByteArray(dst) + '|' + QByteArray(layout.get_viewer_name(i).get()), viewer + '|' + viewer);
            memset(dst, '#', sizeof dst);
            QCOMPARE(layout.get_annunc_name(i, dst), in ? 0 : 1013);
            QCOMPARE(QByteArray(dst) + '|' + QByteArray(layout.get_annunc_name(i).get()), annunc + '|' + annunc);
        }
        const QString viewer = "viewerId = 16 ( >= 16 )", annunc = "annuncId = 16 ( >= 16 )";
        QCOMPARE(traceErrors("/get_viewer_name"), QStringList({viewer, viewer}));
        QCOMPARE(traceErrors("/get_annunc_name"), QStringList({annunc, annunc}));
    }

    void writers_data()
    {
        QTest::addColumn<int>("dt");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("result");
        QTest::addColumn<QVector<uint>>("notice"); // offset and length of the one notice; empty: none
        QTest::addColumn<QByteArray>("image");     // the block after; empty: not checked
        const auto zone = [](uint z, const char* s) {
            return Op([=](IFace* l) { return static_cast<ZoneName*>(l)->set_name(z, s); });
        };
        // Zeroes [from, from + n) of the device names, then clears a slot.
        const auto clear = [](int from, int n, uint slot) {
            return Op([=](IFace* l) {
                memset(l->data() + from, 0, size_t(n));
                return static_cast<NameProg*>(l)->clear_name(slot);
            });
        };
        const auto bind = [](u8 cpu, u8 board) {
            return Op([=](IFace* l) { return static_cast<NameProg*>(l)->set_cpu_ll(cpu, board); });
        };
        const Op reset = [](IFace* l) { return l->set_default(); };
        const QByteArray n(22402, 'n');
        const auto zeroed = [&](int at, int length) {
            return QByteArray(n).replace(at, length, QByteArray(length, '\0'));
        };
        const QVector<uint> none, whole{0, 0};
        imagegen::Plant plant;
        plant.boards = {{0, 0, 0, 0}};
        const QByteArray group = "\xF0" + QByteArray(31, '\0') + '\1';
        // The defaults of the zone programming, group and device name blocks mark them; the others' is the base zero
        // fill.
        for (int dt : {0, 1, 3, 4, 5, 6, 69, 134, 135, 197})
            QTest::addRow("default %d", dt)
                << dt << true << reset << 0 << (dt == 3 || dt == 5 || dt >= 134 ? whole : none)
                << (dt == 5 ? group.repeated(1600) : imagegen::block(plant, dt, imagegen::kV2602));
        QTest::newRow("zone 2000") << 4 << true << zone(2000, "Zone") << 0 << QVector<uint>{63968, 32} << QByteArray();
        QTest::newRow("zone, equal") << 4 << true << zone(9, "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnntail") << -1 << none
                                     << QByteArray();
        QTest::newRow("zone, loose layout") << 4 << false << zone(1, "Z") << 0 << none << QByteArray();
        QTest::newRow("clear 699") << 150 << true << clear(0, 0, 699) << 0 << QVector<uint>{22370, 32}
                                   << zeroed(22370, 32);
        QTest::newRow("clear empty") << 150 << true << clear(34, 32, 1) << -1 << none << zeroed(34, 32);
        // Bytes behind a leading NUL, or a last byte alone, are cleared too.
        QTest::newRow("clear stale tail")
            << 150 << true << clear(34, 1, 1) << 0 << QVector<uint>{34, 32} << zeroed(34, 32);
        QTest::newRow("clear last byte") << 150 << true << clear(34, 31, 1) << 0 << QVector<uint>{34, 32}
                                         << zeroed(34, 32);
        QTest::newRow("clear 700") << 150 << true << clear(0, 0, 700) << 1013 << none << n;
        QTest::newRow("bind, same") << 150 << true << bind('n', 'n') << 0 << none << n;
        QTest::newRow("bind, cpu") << 150 << true << bind(1, 'n') << 0 << whole
                                   << QByteArray(22402, '\0').replace(0, 2, "\1n");
        QTest::newRow("bind, board") << 150 << true << bind('n', 0) << 0 << whole
                                     << QByteArray(22402, '\0').replace(0, 1, "n");
    }

    // On a block full of 'n', a writer of the layout installed in its block writes the bytes
    // shown, sends one notice of kind 1 with the bytes it changed and marks the block; an equal
    // field, an index out of range or a layout not installed send nothing.
    void writers()
    {
        QFETCH(int, dt);
        QFETCH(bool, installed);
        QFETCH(Op, op);
        QFETCH(int, result);
        QFETCH(QVector<uint>, notice);
        QFETCH(QByteArray, image);
        libtest::NoticeBlock block{u8(dt)};
        std::unique_ptr<IFace> layout = make(dt, &block);
        IFace* target = layout.get();
        if (installed)
            QCOMPARE(block.set_iface(layout.release()), 0);
        memset(target->data(), 'n', target->size());
        block.notices.clear();
        QCOMPARE(op(target), result);
        QVector<uint> sent;
        for (const auto& s : block.notices)
            sent << s.kind << s.dataType << s.offset << s.length;
        QCOMPARE(sent, notice.isEmpty() ? notice : (QVector<uint>{1, uint(dt)} + notice));
        QCOMPARE(block.is_modified(), !notice.isEmpty());
        if (!image.isEmpty())
            QCOMPARE(bytes(*target), image);
    }
};

QTEST_GUILESS_MAIN(tst_SmallBlocks)
#include "tst_smallblocks.moc"
