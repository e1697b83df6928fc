// The panel configuration container holding the generator's sample plant: its accessors at their
// limits and one past them, CRCs and validity, and the repair of the general block after a change.
#include "ImageGenerator.h"
#include "TestBase.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QtTest>

#include <cstdio>
#include <functional>

using namespace imagegen;
using Call = std::function<QString(ZpConf&, TestBase&)>;
Q_DECLARE_METATYPE(Call)

// A row whose name is the call and whose result is compared as text.
#define CALL(expr, expected)                                                                                         \
    QTest::newRow(#expr) << Call([](ZpConf& c, TestBase& t) { return (void)c, (void)t, QVariant(expr).toString(); }) \
                         << QString(expected)

namespace {

// Values in the order given, as text.
QString cat(std::initializer_list<QVariant> values)
{
    QStringList text;
    for (const QVariant& v : values)
        text << v.toString();
    return text.join(' ');
}

QByteArray bytes(const void* p, int n)
{
    return QByteArray(static_cast<const char*>(p), n);
}
QByteArray block_bytes(ZpConf& c, u32 dt)
{
    return bytes(c.find_block(dt)->get_ptr(), int(c.find_block(dt)->get_size()));
}
// A byte of the general block, written without a notice.
u8& at(ZpConf& c, int offset)
{
    return c.find_block(2)->get_ptr()[offset];
}

// The messages of the repair's trace lines from a point on, in order.
QString lines(TestBase& t, int from)
{
    QStringList found;
    for (auto it = QRegularExpression("check_zpxProg:\\d+ ([^\\n]*)\\n").globalMatch(t.trace().mid(from));
         it.hasNext();)
        found << it.next().captured(1);
    return found.join('|');
}

// Which of the sample plant's slots hold a device.
QString used(ZpConf& c)
{
    QString r;
    for (auto slot : QVector<QPair<u32, u32>>{{0, 0}, {0, 1}, {0, 5}, {1, 0}, {1, 699}, {2, 3}})
        r += c.is_device_used(slot.first, slot.second) ? "1" : "0";
    return r;
}

// The count and length of a chunk of size bytes (- where none is given); the bytes copied are the
// block's, with nothing written past them.
QString chunk(ZpConf& c, u32 dt, u16 n, u16 size)
{
    QByteArray out(8192, '\xEE');
    u16 count = 0, length = 0;
    const bool copied = c.get_data_chunk(dt, n, size, &count, &length, out.data())
        && out.left(length + 1) == block_bytes(c, dt).mid(n * size, length) + '\xEE';
    return QString("%1/%2").arg(count ? QString::number(count) : "-", copied ? QString::number(length) : "-");
}

// The result of a call that fills a 43-byte buffer, and what it left there: bytes 0 and 8, or text.
QString filled(const std::function<int(char*)>& call, bool text = false)
{
    char b[43];
    const int result = (memset(b, 'x', sizeof b), call(b));
    return QString::number(result) + ":"
        + (text ? QString::fromLatin1(b, int(qstrnlen(b, 33))) : bytes(b, 1).toHex() + bytes(b + 8, 1).toHex());
}

// The stored CRCs against the generator's CRC of each block, then with two of them wrong.
QString crcs(ZpConf& c, TestBase& t)
{
    u16 crc[198];
    u8 failed[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    for (u32 dt = 2; dt <= 199; ++dt)
        crc[dt - 2] = crc16_modbus(block_bytes(c, dt));
    ZpConfBlocks& b = c.get_blocks();
    b.set_valid_all(false);
    const QString r = cat({b.compare_crc(crc, failed), b.is_all_valid(), b.set_valid(7, true), b.set_valid(7, false),
                           b.l_set_valid(200, true)});
    crc[7 - 2] ^= 0x0101, crc[150 - 2] ^= 0x8000;
    return r + " "
        + cat({b.compare_crc(crc, failed), bytes(failed, 4).toHex(), b.count_invalid(),
               b.set_valid_all_if_changed(false),
               t.trace().contains(
                   QString::asprintf("Conf::CmpCRC: crc fail(0x%04X != 0x%04X), type=7\n", b.get_crc(7), crc[7 - 2]))});
}

// The image is all valid only once every type from 2 to 199 is, the general block 2 included;
// nothing past 199 reads as valid.
QString validity(ZpConf& c)
{
    ZpConfBlocks& b = c.get_blocks();
    b.set_valid_all(false);
    for (u32 dt = 199; dt >= 3; --dt)
        b.set_valid(dt, true);
    const bool early = b.is_all_valid();
    b.set_valid(2, true);
    const bool all = b.is_all_valid();
    b.set_valid_all(true);
    return cat({early, all, b.is_valid(199), b.is_valid(200)});
}

// A KV1600 plant's sounders stay at a brand change between other brands, made under the write lock
// as a user's change; APOLLO resets them to 1 and turns every line of every CPU to APOLLO.
QString brands(ZpConf& c, TestBase& t)
{
    c.new_config(6);
    for (int i = 0; i < 4; ++i)
        at(c, 5221 + i) = u8(3 + i);
    const int from = (c.check_zpxProg(true), t.trace().size());
    QStringList r;
    for (u8 brand : {2, 4})
        c.find_block(2)->lock_write(),
            dynamic_cast<ZpData::IF_ZpxProg*>(c.find_block(2)->get_iface())->set_sensor_brand(brand),
            c.find_block(2)->unlock(), r << bytes(&at(c, 5221), 4).toHex();
    int apollo = 0;
    for (int board = 0; board < 256; ++board)
        apollo += (at(c, 4 + 61 * (board / 4) + 5 * (board % 4)) & 0x78) == 0x50;
    return cat({r.join(' '), apollo, c.get_blocks().get_crc(2) == crc16_modbus(block_bytes(c, 2)), lines(t, from)});
}

// The user's change of detector brand to brand, made under the write lock.
void userBrand(ZpConf& c, u8 brand)
{
    c.find_block(2)->lock_write();
    dynamic_cast<ZpData::IF_ZpxProg*>(c.find_block(2)->get_iface())->set_sensor_brand(brand);
    c.find_block(2)->unlock();
}

// A KV1600 plant of brand from holding 3 to 6 in its sounder bytes, saved as an image and loaded
// into a configuration of brand to, which the user then changes to brand to: the sounder bytes
// after the load and after the change.
QString sounders(ZpConf& c, u8 from, u8 to)
{
    c.new_config(6);
    userBrand(c, from);
    for (int i = 0; i < 4; ++i)
        at(c, 5221 + i) = u8(3 + i);
    c.check_zpxProg(true);
    FILE* file = std::tmpfile();
    c.get_io().write_image_v3(file, nullptr);
    QByteArray image(int(std::ftell(file)), '\0');
    std::rewind(file);
    image.resize(int(std::fread(image.data(), 1, size_t(image.size()), file)));
    std::fclose(file);
    c.new_config(6);
    userBrand(c, to);
    c.get_io().import_bin(reinterpret_cast<const u8*>(image.constData()), u32(image.size()), "in.bin", nullptr);
    const QByteArray loaded = bytes(&at(c, 5221), 4).toHex();
    userBrand(c, to);
    return loaded + ' ' + bytes(&at(c, 5221), 4).toHex();
}

// Line protocols of a board of CPU 0 changed behind the check's back: the devices of the changed
// lines go, if the board has a block, with one status rebuild however many lines changed.
QString protocol(ZpConf& c, TestBase& t, int board, u8 prot0, u8 prot1)
{
    at(c, 4 + 5 * board) = u8((at(c, 4 + 5 * board) & 0x87) | prot0 << 3 | prot1 << 5);
    u8 record[43];
    return cat({c.check_zpxProg(false), lines(t, 0), used(c), t.trace().count("Inizio aggiornamento stato zone\n"),
                c.get_device(record, 0, 1, false, 4, 15), c.check_zpxProg(false)});
}

// Device block 0 and the status block taken back to the 0x2600 layout, then upgraded to target:
// the result, both versions after, the import steps, and record 3 of block 0 (43 bytes a record
// from 0x2601 on). Old slot 3: a sensor at address 5 of line 0, code byte 2 with the module-code
// bit (bit 6 of byte 3) that becomes bit 14, type 1, zone 7, byte 10 0x5A.
QString upgrade(ZpConf& c, TestBase& t, u16 target)
{
    for (u32 dt : {70u, 199u}) {
        DataBlock::IFace* old = c.find_block(dt)->new_iface(0, 0x2600);
        old->set_default();
        if (dt == 70)
            memcpy(old->data(),
                   QByteArray::fromHex("0000")
                       .append(42 * 3, '\0')
                       .append(QByteArray::fromHex("050002410700000000005A"))
                       .constData(),
                   2 + 42 * 3 + 11);
        c.find_block(dt)->set_iface(old);
    }
    const int from = t.trace().size();
    const int result = c.update_all(target);
    QStringList steps;
    for (auto it = QRegularExpression("Importing dataype ([^\\n]*)\\n").globalMatch(t.trace().mid(from)); it.hasNext();)
        steps << it.next().captured(1);
    return cat({result, QString::number(c.find_block(70)->get_version(), 16),
                QString::number(c.find_block(199)->get_version(), 16), steps.join('|'),
                block_bytes(c, 70).mid(2 + 43 * 3, 12).toHex()});
}

} // namespace

class tst_ZpConf : public TestBase {
    Q_OBJECT

    std::unique_ptr<ZpConf> m_conf;

    // The next row gets the sample plant, loaded block by block as the plant conversion does; what
    // loading logs is not the row's.
    void fresh()
    {
        m_conf.reset(new ZpConf(0, 255)), m_conf->new_config(0);
        for (u32 dt = 2; dt <= 198; dt = dt == 2 ? 4 : dt == 4 ? 70 : dt + 1)
            m_conf->set_data(dt, block(sample_plant(), int(dt), kV2602).constData(), 0, 0);
        reset();
    }

private slots:
    void initTestCase() { TestBase::initTestCase(), fresh(); }
    void cleanup() { TestBase::cleanup(), fresh(); }

    void calls_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("expected");
        CALL(cat({c.find_block(1) == nullptr, c.find_block(2)->get_data_type(), c.find_block(199)->get_data_type(),
                  c.find_block(200) == nullptr, c.get_block(63, 6, 69)->get_data_type(),
                  c.get_block(63, 70, 133)->get_data_type(), c.get_block(0, 199, 199)->get_data_type()}),
             "true 2 199 true 69 133 199");
        CALL(cat({c.set_data(3, "abcd", 4, 0), c.set_data(3, "e", 1, 1499), c.set_data(3, "f", 1, 1500),
                  c.put_data(3, 1499, 1, "g"), c.put_data(200, 0, 1, "h"),
                  block_bytes(c, 3).left(4) + block_bytes(c, 3).right(1), c.set_data(200, "i", 1, 0),
                  t.traceErrors().join(' ')}),
             "0 0 1013 true false abcdg 1008 Invalid dataType: 200");
        CALL(cat({c.check_range(2, 0, 5310), c.check_range(2, 1, 5310), c.check_range(199, 89855, 1),
                  c.check_range(199, 89856, 1), c.check_range(200, 0, 0), c.get_data(3, nullptr, 1, 1500),
                  c.get_data(200, nullptr, 1, 0)}),
             "0 1013 0 1013 1013 1013 1013");
        CALL(cat({chunk(c, 2, 0, 4096), chunk(c, 2, 1, 4096), chunk(c, 2, 2, 4096), chunk(c, 2, 0, 5310),
                  chunk(c, 2, 1, 5309), chunk(c, 3, 1, 1000), chunk(c, 199, 21, 4096), chunk(c, 2, 0, 0),
                  chunk(c, 200, 0, 4096)}),
             "2/4096 2/1214 2/- 1/5310 2/1 2/500 22/3840 -/- -/-");
        CALL(
            cat({c.get_block_device_num(0), c.get_block_device_num(64), c.get_free_device(0), c.get_free_device_prog(),
                 c.is_device_used(0, 5), c.is_device_used(0, 700), c.get_device_class(0, 5), c.get_device_class(0, 700),
                 c.get_device_class(64, 0), c.get_device_code(0, 5), c.get_device_code(64, 0), c.get_device_type(2, 3),
                 c.get_device_type(0, 700), c.get_slot_zone(0, 1), c.get_slot_zone(64, 1)}),
            "3 0 2 3 true false 1 -1 -1 16395 0 3 0 2 0");
        CALL(cat({c.get_device_num(0, 0), c.get_device_num(0, 3), c.get_device_num(0, 0, 2), c.get_device_num(0, 4),
                  c.get_device_num(64, 0, 0),
                  t.trace().count(
                      QRegularExpression("devProg cpu0 line4 non trovato\n|devProg cpu64 ll0 non trovato\n")),
                  c.get_device_prog_index(1, 0), c.get_device_prog_index(1, 1), c.get_device_prog_index(64, 0),
                  c.get_device_prog_index(0, 4)}),
             "2 1 3 0 0 2 2 255 64 64");
        CALL(cat({filled([&](char* r) { return c.get_device(reinterpret_cast<u8*>(r), 0, 3, false, 158, 15); }),
                  filled([&](char* r) { return c.get_device(reinterpret_cast<u8*>(r), 0, 2, true, 7, 15); }),
                  filled([&](char* r) { return c.get_device(reinterpret_cast<u8*>(r), 0, 0, true, 9, 2); }),
                  filled([&](char* r) { return c.get_device_record(reinterpret_cast<u8*>(r), 64, 0); }),
                  c.get_device_zone(c.get_packed_address(0, 0, true, 9, 1)),
                  c.get_packed_address(0, 3, false, 158, 15).get_line(),
                  c.get_packed_address(0, 3, false, 158, 15).get_address(),
                  c.get_packed_address(0, 0, true, 9, 2).is_none()}),
             "0:9e04 0:0700 1008:7878 1008:0000 1 3 158 true");
        CALL(cat({bytes(c.get_device_info(0, 5).raw, 11).toHex(),
                  bytes(c.find_device_info(0, 0, true, 9, 1).raw, 11).toHex(),
                  bytes(c.get_device_info(64, 0).raw, 11).toHex(),
                  bytes(c.find_device_info(2, 5, true, 20, 3).raw, 11).toHex()}),
             "0044160b40090005000100 0044160b40090005000100 ffffffffffffffffffffff 82ceffffff14ffffffffff");
        // Slot 1 of block 0 is the sample's device in test.
        CALL(cat({c.get_test(c.get_device_info(0, 1)), c.get_test(c.get_device_info(0, 0)),
                  c.get_test(c.get_device_info(64, 0))}),
             "1 0 0");
        CALL(upgrade(c, t, 0x2602),
             "0 2602 2602 70 2600 -> 2601|70 2601 -> 2602|199 2600 -> 2601|199 2601 -> 2602 05000240010700000000005a");
        // The general block cannot go down to 0x2601: the pass stops there, before block 70.
        CALL(upgrade(c, t, 0x2601).left(15), "1003 2600 2600 ");
        CALL(cat({c.delete_device(0, 2), c.delete_device(0, 700), c.delete_device(63, 0), c.delete_device(64, 0),
                  c.delete_device(254, 0), c.clear_line(0, 4), c.clear_line(64, 0), c.delete_device(0, 0), used(c),
                  c.clear_line(0, 1), used(c), c.get_device_num(0, 1)}),
             "-1 1013 -1 1008 1008 1013 1013 0 011111 0 001111 0");
        CALL(cat({(c.set_panel_type(6), c.is_type_enabled(25)), c.is_type_enabled(57), c.is_type_enabled(58),
                  c.is_type_enabled(59), c.is_type_enabled(24), c.is_kind_type_enabled(true, 58),
                  c.is_kind_type_enabled(true, 22), c.is_kind_type_enabled(true, 30), c.is_kind_type_enabled(false, 22),
                  (c.set_panel_type(0), c.is_type_enabled(25)), c.is_kind_type_enabled(true, 25)}),
             "true true true true false true false true true false false");
        CALL(crcs(c, t), "200 true -1 0 1003 7 0796eeee 2 -1 true");
        CALL(validity(c), "false true true false");
        // A write of the in-test bits rebuilds the status, which clears the bits of free slots (2 here).
        CALL(cat({c.set_data(198, "\x04", 1, 2), c.find_block(198)->get_ptr()[2]}), "0 0");
        CALL(cat({(c.new_config(6), c.get_panel_type()), at(c, 5246), c.get_block_device_num(0),
                  c.get_device_prog_index(0, 0), c.get_device_prog_index(0, 1), c.get_zone_name(1).get()}),
             "6 6 0 0 255 ");
        CALL(brands(c, t),
             "03040506 01010101 256 true C0L0 cambia protocollo da 1 ad Apollo|C0L0 cambia protocollo da 1 ad Apollo|"
             "Cambiato prot cpu0 line0|Cambiato prot cpu0 line0");
        CALL(sounders(c, 4, 3), "03040506 01010101");
        CALL(sounders(c, 3, 4), "03040506 01010101");
        CALL(protocol(c, t, 0, 0, 0), "-1 Cambiato prot cpu0 line0 101111 1 1008 -1");
        CALL(protocol(c, t, 0, 1, 0), "-1 Cambiato prot cpu0 line0|Cambiato prot cpu0 line0 000111 1 1008 -1");
        CALL(protocol(c, t, 1, 0, 0), "-1 Cambiato prot cpu0 line2 111101 1 0 -1");
        CALL(protocol(c, t, 2, 1, 0), "-1  111111 0 0 -1");
    }
    // New configurations of alternating panel types, into fresh containers and into the one holding
    // the sample plant, deferred or not: every block's kept CRC is the one of its bytes, and each
    // container reports the defaults' CRC.
    void defaultCrcs_data()
    {
        QTest::addColumn<QVector<int>>("types"), QTest::addColumn<bool>("deferred");
        QTest::newRow("same type") << QVector<int>{0, 0, 0} << false;
        QTest::newRow("alternating") << QVector<int>{255, 6, 255, 6, 0, 255} << false;
        QTest::newRow("deferred") << QVector<int>{6, 255, 6} << true;
    }
    void defaultCrcs()
    {
        QFETCH(QVector<int>, types);
        QFETCH(bool, deferred);
        for (int type : types) {
            fresh();
            const u16 plantCrc = crc16_modbus(block_bytes(*m_conf, 4));
            ZpConf conf(0, 255);
            for (ZpConf* c : {&conf, m_conf.get()}) {
                c->get_blocks().defer_crc(deferred);
                c->new_config(u32(type));
                c->get_blocks().defer_crc(false);
                for (u32 dt = 2; dt <= 199; ++dt)
                    QVERIFY2(c->get_blocks().get_crc(dt) == crc16_modbus(block_bytes(*c, dt)),
                             qPrintable(QString::number(dt)));
            }
            QVERIFY(block_bytes(conf, 4) == block_bytes(*m_conf, 4) && plantCrc != crc16_modbus(block_bytes(conf, 4)));
            // Both containers report it, the plant's blocks being not valid any more.
            QCOMPARE(trace().count(QString::asprintf("crc load (4) = 0x%04X\n", crc16_modbus(block_bytes(conf, 4)))),
                     2);
            traceErrors("/set_cpu_llId");
        }
    }

    // Defaults of the three data versions in turn: the blocks of one size in every version (the
    // general one among them) must not report the CRC of another version's defaults.
    void defaultCrcsOfVersions()
    {
        ZpConf conf(0, 255);
        for (u16 version : {0x2600, 0x2601, 0x2602, 0x2600, 0x2602, 0x2601}) {
            QCOMPARE(conf.set_default_all(version), 0);
            for (u32 dt = 2; dt <= 198; ++dt)
                QVERIFY2(conf.get_blocks().get_crc(dt) == crc16_modbus(block_bytes(conf, dt)),
                         qPrintable(QString::number(dt)));
        }
        traceErrors("/set_cpu_llId");
    }

    void calls()
    {
        QFETCH(Call, call);
        QFETCH(QString, expected);
        QCOMPARE(call(*m_conf, *this), expected);
        traceErrors("/set_cpu_llId"); // binding boards to blocks rewrites their in-test records
    }
};

QTEST_GUILESS_MAIN(tst_ZpConf)
#include "tst_zpconf.moc"
