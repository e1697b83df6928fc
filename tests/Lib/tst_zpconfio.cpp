// Panel image "CFG_IN.BIN": header codecs, round trips, hand-built version 1, 2 and 3 images,
// bad images with their codes and trace lines, and failed exports.
#include "FullConfig.h"
#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "ZpData/DeviceProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfIO.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
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

// Offset of the element of dataType dt in an image whose elements 2, 3, ... follow a header.
int element_offset(int headerSize, u16 version, int dt)
{
    int at = headerSize;
    for (int d = 2; d < dt; ++d)
        at += 7 + int(block_size(d, version));
    return at;
}

// Offset of the data of dataType dt in a version 1 image.
int v1_offset(u16 version, int dt)
{
    int at = 0;
    for (int d = 2; d < dt; ++d)
        at += int(block_size(d, version)) + 2;
    return at;
}

// Blocks whose contents tell whether an import installed them, and the part of each that the
// binding of blocks to boards and the repair of the general block leave alone: the general
// parameters and access codes, the zone names, the device records, the names, the in-test bits.
const int kMarkers[] = {2, 4, 70, 72, 134, 136, 198};

QByteArray marker(int dt, const QByteArray& data)
{
    if (dt == 2)
        return data.mid(5176, 44);
    if (dt == 198)
        return data.mid(2, 88);
    if (dt == 4)
        return data;
    return data.mid(2);
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
            QVERIFY(build_full(conf));
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
        libtest::TraceCapture trace;
        const int result = io.import_bin(path.toLocal8Bit().constData(), nullptr);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        const QString log = trace.text();
        QVERIFY(log.contains("Import Config " + path + " started\n"));
        if (format == 1) {
            QVERIFY(log.contains("Import Cfg\n"));
            QVERIFY(log.contains(v == kV2601 ? "Check ZpData_curr::VERSION already 0x2601\n"
                                              : "Check ZpData_curr::VERSION OK\n"));
            QVERIFY(log.contains("Import Cfg ok\n"));
        } else {
            QVERIFY(log.contains(QString::asprintf("Import v%d Cfg %04X\n", format, unsigned(v))));
        }
        QVERIFY(log.contains("Import Config completed\n"));
        QVERIFY(conf.get_blocks().is_all_valid());
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
        QTest::addColumn<QByteArray>("image"); // null: no file at all
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("lastInstalled"); // the file's dataTypes 2 to this one stay; 0: none
        QTest::addColumn<bool>("opened");       // the file was opened and its first 8 bytes read
        const Plant p = sample_plant();
        const QByteArray v3 = image_v3(p, kV2602);
        const QByteArray general = element(2, block(p, 2, kV2602));

        QTest::newRow("v3 too few blocks") << v3.left(v3.size() - 7 - int(block_size(199, kV2602))) << 1005
                                           << "too few blocks (197 < 198)" << 198 << true;
        QTest::newRow("v3 cut inside data") << v3.left(v3.size() - 10) << 1015 << "Can't read" << 198 << true;
        QTest::newRow("v3 cut inside an element header")
            << v3.left(element_offset(8, kV2602, 134) + 3) << 1005 << "too few blocks (132 < 198)" << 133 << true;

        QByteArray flipped = v3;
        const int at = element_offset(8, kV2602, 2) + 7 + 100;
        flipped[at] = char(flipped[at] ^ 0x01);
        QByteArray generalFlipped = block(p, 2, kV2602);
        generalFlipped[100] = char(generalFlipped[100] ^ 0x01);
        QTest::newRow("v3 flipped byte in the general block")
            << flipped << 1018
            << QString::asprintf("Crc err (%04X != %04X)", crc16_modbus(generalFlipped), crc16_modbus(block(p, 2, kV2602)))
            << 0 << true;
        QByteArray flippedNames = v3;
        const int atNames = element_offset(8, kV2602, 134) + 7 + 2;
        flippedNames[atNames] = char(flippedNames[atNames] ^ 0x80);
        QTest::newRow("v3 flipped byte in a name block") << flippedNames << 1018 << "Crc err (" << 133 << true;

        QTest::newRow("v3 dataType 200") << header_v3(kV2602, 2, 0) + general + element(200, QByteArray(4, '\0'))
                                         << 1005 << "invalid datatype (200)" << 2 << true;
        QTest::newRow("v3 size of another version")
            << header_v3(kV2602, 2, 0) + general + element(70, QByteArray(29402, '\0')) << 1000
            << "Size mismatch (30102 != 29402)" << 2 << true;
        QTest::newRow("v2 0x2601 with a 0x2602 device block")
            << header_v2(kV2601, 2) + element(2, block(p, 2, kV2601)) + element(70, QByteArray(30102, '\0')) << 1000
            << "Size mismatch (29402 != 30102)" << 2 << true;
        const QByteArray v2 = image_v2(p, kV2601);
        QTest::newRow("v2 too few blocks") << v2.left(element_offset(7, kV2601, 102)) << 1005
                                           << "too few blocks (100 < 198)" << 101 << true;
        QTest::newRow("unknown data version") << header_v3(0x2603, 1, 0) + general << 1000 << "ZpData::new_iface FAIL"
                                              << 0 << true;

        QByteArray noMagic = image_v1(p, kV2600);
        noMagic[0] = char(0x34);
        noMagic[1] = char(0x12);
        QTest::newRow("v1 no magic, bad first word") << noMagic << 1005 << "ZpData VERSION 0x1234 invalid for bin v1"
                                                     << 0 << true;
        const QByteArray v1 = image_v1(p, kV2600);
        QTest::newRow("v1 cut inside data") << v1.left(v1_offset(kV2600, 100) + 50) << 1015 << "Can't read" << 99
                                            << true;
        QTest::newRow("v1 cut inside a CRC") << v1.left(v1_offset(kV2600, 5) - 1) << 1015 << "Can't read" << 3 << true;
        QByteArray v1Crc = image_v1(p, kV2601);
        const int crcAt = v1_offset(kV2601, 5) - 2;
        v1Crc[crcAt] = char(v1Crc[crcAt] ^ 0xFF);
        QTest::newRow("v1 0x2601 bad CRC") << v1Crc << 1018 << "Crc err (" << 3 << true;

        QTest::newRow("5-byte file") << QByteArray("O*K(\x02", 5) << 1015 << "errore lettura" << 0 << false;
        QTest::newRow("missing file") << QByteArray() << 1008 << "non found" << 0 << false;
    }
    void bad_image()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, code);
        QFETCH(QString, line);
        QFETCH(int, lastInstalled);
        QFETCH(bool, opened);
        const QString path = m_dir.filePath("bad.bin");
        QFile::remove(path);
        if (!image.isNull())
            write_all(path, image);
        ZpConf conf(0, 255);
        conf.new_config(0);
        conf.get_blocks().set_valid_all(true);
        QMap<int, QByteArray> before;
        for (int dt : kMarkers)
            before[dt] = marker(dt, block_bytes(conf, dt));
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        QCOMPARE(io.import_bin(path.toLocal8Bit().constData(), nullptr), code);
        const QString log = trace.text();
        QVERIFY2(log.contains(line), qPrintable(line));
        QCOMPARE(log.contains("Import Config completed"), opened);
        QVERIFY(!conf.get_blocks().is_all_valid());
        QCOMPARE(conf.get_blocks().count_invalid(), 198u);
        // The blocks the file brought in before the failure stay; the others keep their contents.
        const Plant p = sample_plant();
        for (int dt : kMarkers) {
            const QByteArray expected = dt <= lastInstalled ? marker(dt, block(p, dt, kV2602)) : before[dt];
            QVERIFY2(marker(dt, block_bytes(conf, dt)) == expected, qPrintable(QString("dataType %1").arg(dt)));
        }
    }

    void panel_type_from_general_block_data()
    {
        QTest::addColumn<QByteArray>("image");
        Plant p = sample_plant();
        p.panelType = 2;
        // The header's panel-type byte says 12; only the general block counts.
        QTest::newRow("v3") << header_v3(kV2602, 198, 12) + elements(p, kV2602);
        QTest::newRow("v2") << image_v2(p, kV2601);
    }
    void panel_type_from_general_block()
    {
        QFETCH(QByteArray, image);
        const QString path = m_dir.filePath("type.bin");
        write_all(path, image);
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        const int result = io.import_bin(path.toLocal8Bit().constData(), nullptr);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        QCOMPARE(conf.get_panel_type(), 2u);
        QCOMPARE(u8(block_bytes(conf, 2)[5246]), u8(2));
    }

    void image_without_elements()
    {
        // A version 3 header with block count 0: nothing is installed, the blocks in memory are
        // upgraded (already current) and the after-load chain runs.
        const QString path = m_dir.filePath("empty.bin");
        write_all(path, header_v3(kV2602, 0, 7));
        ZpConf conf(0, 255);
        conf.new_config(0);
        QCOMPARE(conf.set_data(4, "Lobby", 5, 0), 0);
        ZpConfIO io(&conf);
        const int result = io.import_bin(path.toLocal8Bit().constData(), nullptr);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        QVERIFY(conf.get_blocks().is_all_valid());
        QCOMPARE(conf.get_panel_type(), 0u);
        QCOMPARE(block_bytes(conf, 4).left(5), QByteArray("Lobby"));
    }

    void elements_in_any_order_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("v3 0x2602") << int(kV2602);
        QTest::newRow("v2 0x2601") << int(kV2601);
    }
    void elements_in_any_order()
    {
        // The configuration in memory has the plant with other line protocols; the file changes
        // them and brings the devices of the changed lines, with the general block last.
        QFETCH(int, version);
        const u16 v = u16(version);
        const Plant plant = sample_plant();
        Plant other = plant;
        other.boards[0].prot1 = 0;
        other.boards[1].prot0 = 0;
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        const QString path = m_dir.filePath("order.bin");
        write_all(path, image_v3(other, kV2602));
        QCOMPARE(io.import_bin(path.toLocal8Bit().constData(), nullptr) > 0, false);

        QByteArray image = v == kV2602 ? header_v3(v, 198, 0) : header_v2(v, 198);
        for (int dt = 199; dt >= 2; --dt)
            image += element(dt, block(plant, dt, v));
        write_all(path, image);
        const int result = io.import_bin(path.toLocal8Bit().constData(), nullptr);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        const QByteArray general = block_bytes(conf, 2);
        QCOMPARE(u8(general[4 + 0]) & 0x79, 0x01 | (0 << 3) | (1 << 5));
        QCOMPARE(u8(general[4 + 5]) & 0x79, 0x01 | (1 << 3) | (0 << 5));
        for (const Device& d : plant.devices) {
            QCOMPARE(block_bytes(conf, 70 + d.boardIndex).mid(2 + 43 * d.slot, 43), record_2602(d));
            QCOMPARE(block_bytes(conf, 134 + d.boardIndex).mid(2 + 32 * d.slot, d.name.size()), d.name);
        }
    }

    void read_panel_type_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("line");
        QTest::newRow("v3 header only") << header_v3(kV2602, 0, 12) << 12 << "";
        QTest::newRow("v3 image") << image_v3(sample_plant(), kV2601) << 0 << "";
        QTest::newRow("v3 panel type 17") << header_v3(kV2602, 198, 17) + QByteArray(7, '\0') << 17 << "";
        QTest::newRow("v2 header and a byte") << header_v2(kV2602, 0) + QByteArray(1, '\x0C') << 255 << "";
        QTest::newRow("v1 image") << image_v1(sample_plant(), kV2600) << 255 << "";
        QTest::newRow("7-byte v3 header") << header_v3(kV2602, 0, 12).left(7) << 255 << "errore lettura";
        QTest::newRow("empty file") << QByteArray("") << 255 << "errore lettura";
        QTest::newRow("missing file") << QByteArray() << 255 << "non found";
    }
    void read_panel_type()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        QFETCH(QString, line);
        const QString path = m_dir.filePath("probe.bin");
        QFile::remove(path);
        if (!content.isNull())
            write_all(path, content);
        libtest::TraceCapture trace;
        const QByteArray local = path.toLocal8Bit();
        QCOMPARE(int(ZpConfIO::read_panel_type(local.constData())), expected);
        if (line == "non found")
            QVERIFY(trace.text().contains("Import Cfg file <" + QString(local) + "> non found"));
        else if (!line.isEmpty())
            QVERIFY(trace.text().contains("file <" + QString(local) + "> errore lettura"));
    }

    void import_progress_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("last");
        QTest::newRow("v1") << 1 << 198;
        QTest::newRow("v2") << 2 << 199;
        QTest::newRow("v3") << 3 << 199;
    }
    void import_progress()
    {
        QFETCH(int, format);
        QFETCH(int, last);
        const Plant plant = sample_plant();
        const QString path = m_dir.filePath("progress.bin");
        write_all(path, format == 1 ? image_v1(plant, kV2601) : format == 2 ? image_v2(plant, kV2601)
                                                                              : image_v3(plant, kV2602));
        ZpConf conf(0, 255);
        ZpConfIO io(&conf);
        s_reads.clear();
        s_process.clear();
        s_stages.clear();
        const int result = io.import_bin(path.toLocal8Bit().constData(), &TestZpConfIO::progress);
        QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
        QVector<int> expected;
        for (int dt = 2; dt <= last; ++dt)
            expected.append(dt);
        QCOMPARE(s_reads, expected);
        // The status rebuild after the load reports its steps, in order, after every read.
        QVERIFY(!s_process.isEmpty());
        for (int i = 1; i < s_process.size(); ++i)
            QVERIFY(s_process[i] >= s_process[i - 1]);
        QCOMPARE(s_stages.indexOf("Process"), s_reads.size());
    }

    void export_progress()
    {
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        s_written.clear();
        QCOMPARE(io.export_bin_v3(m_dir.filePath("written.bin").toLocal8Bit().constData(), &TestZpConfIO::written), 0);
        QVector<int> expected;
        for (int dt = 2; dt <= 199; ++dt)
            expected.append(dt);
        QCOMPARE(s_written, expected);
        s_written.clear();
        QCOMPARE(io.export_bin_v1(m_dir.filePath("written1.bin").toLocal8Bit().constData(), &TestZpConfIO::written), 0);
        QCOMPARE(s_written, expected);
    }

    void export_v1_layout()
    {
        ZpConf conf(0, 255);
        conf.new_config(0);
        QCOMPARE(conf.set_data(4, "Lobby", 5, 0), 0);
        ZpConfIO io(&conf);
        const QString path = m_dir.filePath("v1.bin");
        libtest::TraceCapture trace;
        QCOMPARE(io.export_bin_v1(path.toLocal8Bit().constData(), nullptr), 0);
        // No header: the data of dataTypes 2 to 199, each followed by its CRC.
        QByteArray expected;
        for (int dt = 2; dt <= 199; ++dt) {
            const QByteArray data = block_bytes(conf, dt);
            expected += data;
            append_le16(expected, crc16_modbus(data));
        }
        QCOMPARE(read_all(path), expected);
        const QString log = trace.text();
        QVERIFY(log.contains("Export Cfg\n"));
        QVERIFY(log.contains("Write dataType = 70 (30102 bytes)"));
        QVERIFY(log.contains("L_ExportCfg dataType=4 offset=61440"));
        QVERIFY(log.contains("Write cfg ok"));
    }

    void failed_writes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("blocks"); // blocks begun before the failure
        QTest::newRow("v3 header") << 3 << 5 << "write header failed!" << 0;
        QTest::newRow("v3 element header") << 3 << 8 + 3 << "write elem_header failed!" << 1;
        QTest::newRow("v3 data") << 3 << 8 + 7 + 5000 << "write failed!" << 1;
        QTest::newRow("v3 second block data") << 3 << 8 + 7 + 5310 + 7 + 10 << "write failed!" << 2;
        QTest::newRow("v3 second element header") << 3 << 8 + 7 + 5310 + 6 << "write elem_header failed!" << 2;
        QTest::newRow("v1 data") << 1 << 5000 << "write failed!" << 1;
        QTest::newRow("v1 CRC") << 1 << 5310 + 1 << "write crc failed!" << 1;
        QTest::newRow("v1 second block data") << 1 << 5310 + 2 + 10 << "write failed!" << 2;
    }
    void failed_writes()
    {
        QFETCH(int, format);
        QFETCH(int, room);
        QFETCH(QString, line);
        QFETCH(int, blocks);
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        QByteArray buffer(room, '\0');
        FILE* f = fmemopen(buffer.data(), size_t(room), "wb");
        QVERIFY(f);
        setvbuf(f, nullptr, _IONBF, 0);
        libtest::TraceCapture trace;
        QCOMPARE(format == 3 ? io.write_image_v3(f, nullptr) : io.write_image_v1(f, nullptr), 1000);
        fclose(f);
        const QString log = trace.text();
        QVERIFY2(log.contains(line), qPrintable(line));
        // The export stops at the failure: no later block is begun.
        QCOMPARE(log.count("Write dataType = "), blocks);
        QVERIFY(!log.contains("Write cfg ok"));
    }

    void export_to_unwritable_target_data()
    {
        QTest::addColumn<QString>("target"); // relative to a fresh folder, or absolute
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("permissionBits"); // fails only where permission bits bind the user
        QTest::newRow("target is a folder") << "folder" << false << false;
        QTest::newRow("missing folder") << "nodir/CFG_IN.BIN" << false << false;
        QTest::newRow("parent is a file") << "plain.bin/CFG_IN.BIN" << false << false;
        QTest::newRow("under /proc") << "/proc/CFG_IN.BIN" << false << false;
        QTest::newRow("read-only folder") << "ro/CFG_IN.BIN" << true << true;
        QTest::newRow("read-only file") << "rofile.bin" << true << true;
    }
    void export_to_unwritable_target()
    {
        QFETCH(QString, target);
        QFETCH(bool, existing);
        QFETCH(bool, permissionBits);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(QDir(dir.path()).mkdir("ro"));
        write_all(dir.filePath("plain.bin"), "a plain file");
        const QString path = target.startsWith('/') ? target : dir.filePath(target);
        const QByteArray old("an older image");
        if (existing)
            write_all(path, old);
        const QStringList roFiles = QDir(dir.filePath("ro")).entryList(QDir::Files);
        chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0555);
        chmod(QFile::encodeName(dir.filePath("rofile.bin")).constData(), 0444);
        // Permission bits do not bind a privileged user.
        FILE* probe = fopen(QFile::encodeName(dir.filePath("ro/probe")).constData(), "wb");
        const bool permissionsIgnored = probe != nullptr;
        if (probe) {
            fclose(probe);
            remove(QFile::encodeName(dir.filePath("ro/probe")).constData());
        }
        if (permissionsIgnored && permissionBits) {
            chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0755);
            QSKIP("permission bits are not enforced for this user");
        }
        const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        const int result = io.export_bin_v3(QFile::encodeName(path).constData(), nullptr);
        chmod(QFile::encodeName(dir.filePath("ro")).constData(), 0755);
        QCOMPARE(result, 1008);
        QVERIFY(trace.text().contains("Can't open file"));
        QVERIFY(!trace.text().contains("Write dataType"));
        if (existing)
            QCOMPARE(read_all(path), old);
        // Nothing was left behind: no image, no temporary file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
        QCOMPARE(QDir(dir.filePath("ro")).entryList(QDir::Files), roFiles);
        QVERIFY(QDir(dir.filePath("folder")).isEmpty());
        QCOMPARE(read_all(dir.filePath("plain.bin")), QByteArray("a plain file"));
        if (target.startsWith('/'))
            QVERIFY(!QFileInfo::exists(path));
    }

    void export_without_path()
    {
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        libtest::TraceCapture trace;
        QCOMPARE(io.export_bin_v3(nullptr, nullptr), 1008);
        QCOMPARE(io.export_bin_v3("", nullptr), 1008);
        QCOMPARE(io.export_bin_v1(nullptr, nullptr), 1008);
        QCOMPARE(trace.text().count("Can't open file"), 3);
    }

    void failed_export_keeps_existing_target()
    {
        // A file-size limit binds every user: the write fails part-way through the image, after
        // the export has begun writing its new file.
        const QString path = m_dir.filePath("keep/CFG_IN.BIN");
        QVERIFY(QDir(m_dir.path()).mkpath("keep"));
        ZpConf conf(0, 255);
        conf.new_config(0);
        ZpConfIO io(&conf);
        const QByteArray local = QFile::encodeName(path);
        QCOMPARE(io.export_bin_v3(local.constData(), nullptr), 0);
        const QByteArray old = read_all(path);
        QCOMPARE(old.size(), element_offset(8, kV2602, 200));

        QCOMPARE(conf.set_data(4, "Lobby", 5, 0), 0);
        int result = -2;
        QString log;
        {
            libtest::TraceCapture trace;
            FileSizeLimit limit(65536);
            QVERIFY(limit.is_set());
            result = io.export_bin_v3(local.constData(), nullptr);
            log = trace.text();
        }
        QCOMPARE(result, 1000);
        QVERIFY(log.contains("write failed!"));
        QVERIFY(!log.contains("Write cfg ok"));
        QVERIFY(!log.contains("Write dataType = 5 "));
        QCOMPARE(read_all(path), old);
        QCOMPARE(QDir(m_dir.filePath("keep")).entryList(QDir::Files), QStringList{"CFG_IN.BIN"});

        // Without the limit the same export replaces the old image.
        QCOMPARE(io.export_bin_v3(local.constData(), nullptr), 0);
        const QByteArray now = read_all(path);
        QCOMPARE(now.size(), old.size());
        QCOMPARE(now.mid(element_offset(8, kV2602, 4) + 7, 5), QByteArray("Lobby"));
        QCOMPARE(QDir(m_dir.filePath("keep")).entryList(QDir::Files), QStringList{"CFG_IN.BIN"});
    }

private:
    // Lowers the soft file-size limit for its lifetime; writes past it fail (the signal they
    // raise is ignored meanwhile).
    class FileSizeLimit {
    public:
        explicit FileSizeLimit(rlim_t bytes)
        {
            m_oldHandler = signal(SIGXFSZ, SIG_IGN);
            if (getrlimit(RLIMIT_FSIZE, &m_old) != 0)
                return;
            rlimit lowered = m_old;
            lowered.rlim_cur = bytes;
            m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        }
        ~FileSizeLimit()
        {
            if (m_set)
                setrlimit(RLIMIT_FSIZE, &m_old);
            signal(SIGXFSZ, m_oldHandler);
        }
        bool is_set() const { return m_set; }

    private:
        rlimit m_old{};
        bool m_set = false;
        void (*m_oldHandler)(int) = nullptr;
    };

    static void progress(const char* stage, int value)
    {
        s_stages.append(stage);
        if (QByteArray(stage) == "Read")
            s_reads.append(value);
        else if (QByteArray(stage) == "Process")
            s_process.append(value);
    }
    static void written(int dataType) { s_written.append(dataType); }
    static QVector<int> s_reads;
    static QVector<int> s_process;
    static QStringList s_stages;
    static QVector<int> s_written;

    QTemporaryDir m_dir;
};

QVector<int> TestZpConfIO::s_reads;
QVector<int> TestZpConfIO::s_process;
QStringList TestZpConfIO::s_stages;
QVector<int> TestZpConfIO::s_written;

QTEST_GUILESS_MAIN(TestZpConfIO)
#include "tst_zpconfio.moc"
