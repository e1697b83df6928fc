// Panel image "CFG_IN.BIN": header codecs, round trips, hand-built version 1, 2 and 3 images,
// bad images with their codes and trace lines, and failed exports.
#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "ZpData/DeviceProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfIO.h"

#include <QtTest>

#include <cstdio>
#include <sys/stat.h>

using namespace imagegen;

namespace {

QByteArray read_all(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void write_all(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), qint64(data.size()));
}

QByteArray block_bytes(ZpConf& conf, int dt)
{
    ZpConfBlock* b = conf.get_blocks()[u32(dt)];
    return QByteArray(reinterpret_cast<const char*>(b->get_ptr()), int(b->get_size()));
}

// Every CPU 0 to 15 of a networked KV1600 plant with four boards, every slot used and named.
void build_full(ZpConf& conf)
{
    conf.new_config(6);
    Plant p;
    p.panelType = 6;
    p.brand = 3;
    for (int cpu = 0; cpu < 16; ++cpu)
        for (int board = 0; board < 4; ++board)
            p.boards.append({u8(cpu), u8(board), 1, 1});
    QByteArray general = general_block(p, kV2602);
    for (int cpu = 0; cpu < 16; ++cpu)
        general[4 + 61 * cpu + 52] = char(1 | (8 << 3)); // installed, CPU type 8 (four boards)
    // This model has no ADV protocol: every line of every CPU is VARN, so the block is already
    // in its repaired form.
    for (int cpu = 0; cpu < 64; ++cpu)
        for (int board = 0; board < 4; ++board)
            general[4 + 61 * cpu + 5 * board] = char(u8(general[4 + 61 * cpu + 5 * board]) | (1 << 3) | (1 << 5));
    conf.set_data(2, general.constData(), 0, 0);
    conf.post_load(nullptr);
    for (int index = 0; index < 64; ++index) {
        ZpConfBlock* devices = conf.get_blocks()[u32(70 + index)];
        ZpConfBlock* names = conf.get_blocks()[u32(134 + index)];
        QVERIFY(devices->lock_write() == 0);
        u8* d = devices->get_ptr();
        for (u32 slot = 0; slot < 700; ++slot) {
            Device dev{index, int(slot), 0, 0, false, 0x4002, 2, 0, u16(1 + (index * 700 + slot) % 500), 5, "", false};
            if (slot < 318) {
                dev.address = u8(slot % 159);
                dev.lineBit = u8(slot / 159);
            } else {
                const u32 m = slot - 318;
                dev.module = true;
                dev.code = 0x400B;
                dev.type = 22;
                dev.address = u8(m % 159);
                dev.lineBit = u8((m / 159) % 2);
                dev.param = u8(m / 318);
            }
            const QByteArray rec = record_2602(dev);
            memcpy(d + 2 + 43 * slot, rec.constData(), 43);
        }
        devices->mark_modified();
        devices->unlock();
        QVERIFY(names->lock_write() == 0);
        u8* n = names->get_ptr();
        for (u32 slot = 0; slot < 700; ++slot)
            snprintf(reinterpret_cast<char*>(n + 2 + 32 * slot), 32, "Point %u.%u", unsigned(index), unsigned(slot));
        names->mark_modified();
        names->unlock();
    }
    conf.post_load(nullptr);
}

} // namespace

class TestZpConfIO : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_TMP")); }

    void header_codec()
    {
        const u8 v3[] = {0x4F, 0x2A, 0x4B, 0x28, 0x02, 0x26, 198, 6};
        ZpConfIO::Header h;
        QVERIFY(ZpConfIO::decode_header(v3, 8, &h));
        QCOMPARE(h.magic, 0x284B2A4Fu);
        QCOMPARE(h.version, u16(0x2602));
        QCOMPARE(h.blockCount, u8(198));
        QCOMPARE(h.panelType, u8(6));
        QVERIFY(!ZpConfIO::decode_header(v3, 7, &h));
        const u8 v2[] = {0xAD, 0xDE, 0x5A, 0xA5, 0x01, 0x26, 5};
        QVERIFY(ZpConfIO::decode_header(v2, 7, &h));
        QCOMPARE(h.magic, 0xA55ADEADu);
        QCOMPARE(h.version, u16(0x2601));
        QCOMPARE(h.blockCount, u8(5));
        const u8 other[] = {0x00, 0x26, 0, 0, 0, 0, 0, 0};
        QVERIFY(!ZpConfIO::decode_header(other, 8, &h));
        u8 out[8];
        ZpConfIO::encode_header_v3(out, 0x2602, 198, 255);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 8), QByteArray("O*K(\x02\x26\xC6\xFF", 8));
        u8 el[7];
        ZpConfIO::encode_element_header(el, 70, 30102, 0x4B37);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(el), 7), QByteArray("\x46\x96\x75\x00\x00\x37\x4B", 7));
        ZpConfIO::ElementHeader e;
        QVERIFY(ZpConfIO::decode_element_header(el, 7, &e));
        QCOMPARE(e.dataType, u8(70));
        QCOMPARE(e.size, 30102u);
        QCOMPARE(e.crc, u16(0x4B37));
        QVERIFY(!ZpConfIO::decode_element_header(el, 6, &e));
    }

    void round_trip_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("default") << false;
        QTest::newRow("full size") << true;
    }
    void round_trip()
    {
        QFETCH(bool, full);
        ZpConf conf(0, 255);
        if (full)
            build_full(conf);
        else
            conf.new_config(0);
        ZpConfIO io(&conf);
        const QString first = m_dir.filePath("rt1.bin");
        const QString second = m_dir.filePath("rt2.bin");
        QCOMPARE(io.export_bin_v3(first.toLocal8Bit().constData(), nullptr), 0);
        const QByteArray image = read_all(first);
        // Header and size from the layout table: 8 + 198 elements of 7 bytes + the data.
        const int dataSize = 5310 + 1500 + 64000 + 52800 + 64 * 5200 + 64 * 30102 + 64 * 22402 + 5760 + 89856;
        QCOMPARE(image.size(), 8 + 198 * 7 + dataSize);
        QCOMPARE(image.left(8), header_v3(0x2602, 198, full ? 6 : 0));
        for (int dt = 2; dt <= 199; ++dt)
            QCOMPARE(conf.get_blocks().get_crc(u32(dt)), crc16_modbus(block_bytes(conf, dt)));

        conf.new_config(255);
        const int imported = io.import_bin(first.toLocal8Bit().constData(), nullptr);
        QVERIFY2(imported == 0 || imported == -1, QByteArray::number(imported));
        QCOMPARE(conf.get_panel_type(), full ? 6u : 0u);
        QVERIFY(conf.get_blocks().is_all_valid());
        QCOMPARE(io.export_bin_v3(second.toLocal8Bit().constData(), nullptr), 0);
        const QByteArray again = read_all(second);
        QCOMPARE(again.size(), image.size());
        for (int at = 0; at < image.size(); ++at)
            if (again[at] != image[at])
                QFAIL(qPrintable(QString("first difference at %1 (%2 %3)").arg(at).arg(first, second)));
    }

    void import_old_versions_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("version");
        QTest::newRow("v1 0x2600") << 1 << int(kV2600);
        QTest::newRow("v1 0x2601") << 1 << int(kV2601);
        QTest::newRow("v2 0x2600") << 2 << int(kV2600);
        QTest::newRow("v2 0x2601") << 2 << int(kV2601);
        QTest::newRow("v3 0x2601") << 3 << int(kV2601);
        QTest::newRow("v3 0x2602") << 3 << int(kV2602);
    }
    void import_old_versions()
    {
        QFETCH(int, format);
        QFETCH(int, version);
        const Plant plant = sample_plant();
        const u16 v = u16(version);
        const QByteArray image = format == 1 ? image_v1(plant, v) : format == 2 ? image_v2(plant, v) : image_v3(plant, v);
        const QString path = m_dir.filePath("old.bin");
        write_all(path, image);

        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        const int result = io.import_bin(path.toLocal8Bit().constData(), nullptr);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        QCOMPARE(conf.get_panel_type(), 0u);
        for (int dt = 2; dt <= 199; ++dt)
            QCOMPARE(conf.get_blocks()[u32(dt)]->get_version(), u16(0x2602));
        // The general block's line protocols widened to two bits each.
        const QByteArray general = block_bytes(conf, 2);
        QCOMPARE(u8(general[4 + 0 * 61 + 0]) & 0x79, 0x01 | (0 << 3) | (1 << 5));
        QCOMPARE(u8(general[4 + 0 * 61 + 5]) & 0x79, 0x01 | (1 << 3) | (0 << 5));
        // Every device record present at its slot, widened to 43 bytes with its 16-bit code.
        for (const Device& d : plant.devices) {
            const QByteArray devices = block_bytes(conf, 70 + d.boardIndex);
            QCOMPARE(u8(devices[0]), plant.boards[d.boardIndex].cpu);
            QCOMPARE(u8(devices[1]), plant.boards[d.boardIndex].board);
            QCOMPARE(devices.mid(2 + 43 * d.slot, 43), record_2602(d));
            const QByteArray names = block_bytes(conf, 134 + d.boardIndex);
            QCOMPARE(names.mid(2 + 32 * d.slot, d.name.size()), d.name);
        }
        QCOMPARE(block_bytes(conf, 70 + 1).mid(2 + 43 * 1, 43), empty_record_2602());
        // The status index names the three boards' blocks.
        const QByteArray status = block_bytes(conf, 199);
        QCOMPARE(u8(status[4 * 0 + 0]), u8(0));
        QCOMPARE(u8(status[4 * 0 + 1]), u8(1));
        QCOMPARE(u8(status[4 * 1 + 0]), u8(2));
        QCOMPARE(u8(status[4 * 1 + 1]), u8(255));
        // Export after conversion keeps every device.
        const QString out = m_dir.filePath("old_out.bin");
        QCOMPARE(io.export_bin_v3(out.toLocal8Bit().constData(), nullptr), 0);
        ZpConf back(0, 255);
        ZpConfIO backIo(&back);
        const int again = backIo.import_bin(out.toLocal8Bit().constData(), nullptr);
        QVERIFY(again == 0 || again == -1);
        for (const Device& d : plant.devices)
            QCOMPARE(block_bytes(back, 70 + d.boardIndex).mid(2 + 43 * d.slot, 43), record_2602(d));
    }

    void bad_image_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("generalInstalled");
        const Plant p = sample_plant();
        const QByteArray v3 = image_v3(p, kV2602);
        const QByteArray general = element(2, block(p, 2, kV2602));
        const int lastElement = 7 + int(block_size(199, kV2602));
        QTest::newRow("too few blocks") << v3.left(v3.size() - lastElement) << 1005
                                        << "too few blocks (197 < 198)" << true;
        QTest::newRow("cut inside data") << v3.left(v3.size() - 10) << 1015 << "Can't read" << true;
        QByteArray flipped = v3;
        flipped[8 + 7 + 100] = char(flipped[8 + 7 + 100] ^ 0x01);
        QTest::newRow("flipped byte") << flipped << 1018 << "Crc err (" << false;
        QByteArray dt200 = header_v3(kV2602, 2, 0) + general + element(200, QByteArray(4, '\0'));
        QTest::newRow("dataType 200") << dt200 << 1005 << "invalid datatype (200)" << true;
        QByteArray wrongSize = header_v3(kV2602, 2, 0) + general + element(70, QByteArray(29402, '\0'));
        QTest::newRow("wrong size") << wrongSize << 1000 << "Size mismatch (30102 != 29402)" << true;
        QByteArray unknown = header_v3(0x2603, 1, 0) + general;
        QTest::newRow("unknown version") << unknown << 1000 << "ZpData::new_iface FAIL" << false;
        QByteArray noMagic = image_v1(p, kV2600);
        noMagic[0] = char(0x34);
        noMagic[1] = char(0x12);
        QTest::newRow("no magic, bad first word") << noMagic << 1005 << "ZpData VERSION 0x1234 invalid for bin v1"
                                                  << false;
        QTest::newRow("5-byte file") << QByteArray("O*K(\x02", 5) << 1015 << "errore lettura" << false;
    }
    void bad_image()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, code);
        QFETCH(QString, line);
        QFETCH(bool, generalInstalled);
        const QString path = m_dir.filePath("bad.bin");
        write_all(path, image);
        ZpConf conf(0, 255);
        conf.new_config(0);
        const QByteArray before = block_bytes(conf, 2);
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        QCOMPARE(io.import_bin(path.toLocal8Bit().constData(), nullptr), code);
        QVERIFY2(trace.text().contains(line), qPrintable(line));
        QVERIFY(!conf.get_blocks().is_all_valid());
        QVERIFY(!conf.get_blocks().is_valid(2));
        // Bytes 5176 to 5219 (general parameters and access codes) are left alone by the repair of
        // the general block, so they tell whether the file's block was installed.
        const QByteArray expected = generalInstalled ? block(sample_plant(), 2, kV2602) : before;
        QCOMPARE(block_bytes(conf, 2).mid(5176, 44), expected.mid(5176, 44));
    }

    void missing_file()
    {
        ZpConf conf(0, 255);
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        const QByteArray path = m_dir.filePath("absent.bin").toLocal8Bit();
        QCOMPARE(io.import_bin(path.constData(), nullptr), 1008);
        QVERIFY(trace.text().contains("Import Cfg file <" + QString(path) + "> non found"));
        QCOMPARE(ZpConfIO::read_panel_type(path.constData()), u8(255));
    }

    void read_panel_type()
    {
        const QString path = m_dir.filePath("probe.bin");
        write_all(path, header_v3(kV2602, 0, 12));
        QCOMPARE(ZpConfIO::read_panel_type(path.toLocal8Bit().constData()), u8(12));
        write_all(path, header_v2(kV2602, 0) + QByteArray(1, '\x0C'));
        QCOMPARE(ZpConfIO::read_panel_type(path.toLocal8Bit().constData()), u8(255));
    }

    void progress_reports_each_block()
    {
        const QString path = m_dir.filePath("progress.bin");
        write_all(path, image_v2(sample_plant(), kV2601));
        ZpConf conf(0, 255);
        ZpConfIO io(&conf);
        s_reads.clear();
        s_process = 0;
        io.import_bin(path.toLocal8Bit().constData(), &TestZpConfIO::progress);
        QCOMPARE(s_reads.size(), 198);
        QCOMPARE(s_reads.first(), 2);
        QCOMPARE(s_reads.last(), 199);
        QVERIFY(s_process > 0);
    }

    void failed_writes_data()
    {
        QTest::addColumn<int>("room");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("line");
        QTest::newRow("header") << 5 << 1000 << "write header failed!";
        QTest::newRow("element header") << 8 + 3 << 1000 << "write elem_header failed!";
        QTest::newRow("data") << 8 + 7 + 5000 << 1000 << "write failed!";
        QTest::newRow("second block data") << 8 + 7 + 5310 + 7 + 10 << 1000 << "write failed!";
    }
    void failed_writes()
    {
        QFETCH(int, room);
        QFETCH(int, code);
        QFETCH(QString, line);
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        QByteArray buffer(room, '\0');
        FILE* f = fmemopen(buffer.data(), size_t(room), "wb");
        QVERIFY(f);
        setvbuf(f, nullptr, _IONBF, 0);
        libtest::TraceCapture trace;
        QCOMPARE(io.write_image_v3(f, nullptr), code);
        fclose(f);
        QVERIFY2(trace.text().contains(line), qPrintable(line));
        // Nothing after the failure was attempted.
        QVERIFY(!trace.text().contains("Write dataType = 4 "));
    }

    void export_to_unwritable_target_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("existing");
        QTest::newRow("target is a folder") << "folder" << false;
        QTest::newRow("missing folder") << "nodir/CFG_IN.BIN" << false;
        QTest::newRow("read-only folder") << "ro/CFG_IN.BIN" << true;
        QTest::newRow("read-only file") << "rofile.bin" << true;
    }
    void export_to_unwritable_target()
    {
        QFETCH(QString, target);
        QFETCH(bool, existing);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(QDir(dir.path()).mkdir("ro"));
        const QString path = dir.filePath(target);
        const QByteArray old("an older image");
        if (existing)
            write_all(path, old);
        chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0555);
        chmod(QFile::encodeName(dir.filePath("rofile.bin")).constData(), 0444);
        // Permission bits do not bind a privileged user.
        FILE* probe = fopen(QFile::encodeName(dir.filePath("ro/probe")).constData(), "wb");
        const bool permissionsIgnored = probe != nullptr;
        if (probe) {
            fclose(probe);
            remove(QFile::encodeName(dir.filePath("ro/probe")).constData());
        }
        if (permissionsIgnored && target.startsWith("ro")) {
            chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0755);
            QSKIP("permission bits are not enforced for this user");
        }
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        const int result = io.export_bin_v3(QFile::encodeName(path).constData(), nullptr);
        chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0755);
        QVERIFY(result == 1008 || result == 1000);
        if (existing)
            QCOMPARE(read_all(path), old);
        QVERIFY(!QFile::exists(path + ".tmp"));
    }

private:
    static void progress(const char* stage, int value)
    {
        if (QByteArray(stage) == "Read")
            s_reads.append(value);
        else if (QByteArray(stage) == "Process")
            ++s_process;
    }
    static QVector<int> s_reads;
    static int s_process;

    QTemporaryDir m_dir;
};

QVector<int> TestZpConfIO::s_reads;
int TestZpConfIO::s_process = 0;

QTEST_GUILESS_MAIN(TestZpConfIO)
#include "tst_zpconfio.moc"
