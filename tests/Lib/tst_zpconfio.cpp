// Panel image "CFG_IN.BIN": images of every version built by the generator, imported and exported
// again as whole files; truncated and corrupt images; failed exports.
#include "FullConfig.h"
#include "OS/SaveFile.h"
#include "TestBase.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfIO.h"

#include <QtTest>

#include <csignal>
#include <numeric>
#include <sys/resource.h>

using namespace imagegen;
Q_DECLARE_METATYPE(imagegen::Plant)

namespace {

QVector<int> s_reads, s_written;
int s_process = 0;

// Offset of the element of dataType dt in a version 2 or 3 image, or of its data in version 1.
int offset_of(int dt, int format, uint16_t version = kV2602)
{
    int at = format == 3 ? 8 : format == 2 ? 7 : 0;
    for (int d = 2; d < dt; ++d)
        at += int(block_size(d, version)) + (format == 1 ? 2 : 7);
    return at;
}

QByteArray bytes(ZpConf& c, int dt)
{
    return QByteArray(reinterpret_cast<const char*>(c.find_block(u32(dt))->get_ptr()), int(block_size(dt, kV2602)));
}

// Blocks whose contents tell whether an import installed them, and the part of each that the
// binding of blocks to boards and the repair of the general block leave alone: the general
// parameters and access codes, the zone names, the device records, the names, the in-test bits.
QByteArray marker(int dt, const QByteArray& data)
{
    return dt == 2 ? data.mid(5176, 44) : dt == 198 ? data.mid(2, 88) : dt == 4 ? data : data.mid(2);
}
const int kMarkers[] = {2, 4, 70, 72, 134, 136, 198};

} // namespace

class TestZpConfIO : public TestBase {
    Q_OBJECT

    QTemporaryDir m_tmp;

    QByteArray path(const QString& name) { return QFile::encodeName(m_tmp.filePath(name)); }
    QByteArray read_file(const QString& name)
    {
        QFile f(m_tmp.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray write_file(const QString& name, const QByteArray& data)
    {
        QFile f(m_tmp.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() ? path(name) : QByteArray();
    }
    QByteArray exported(ZpConf& conf, bool v3 = true)
    {
        const auto progress = [](int dt) { s_written << dt; };
        s_written.clear();
        return (v3 ? conf.get_io().export_bin_v3(path("out.bin"), progress)
                   : conf.get_io().export_bin_v1(path("out.bin"), progress))
                == 0
            ? read_file("out.bin")
            : QByteArray();
    }
    // Binding boards before their device blocks arrive rewrites the in-test records' headers, which
    // logs error lines. The progress records the dataTypes read; a "Process" step before the reads
    // are done counts as a fault.
    int import(ZpConf& conf, const QByteArray& image)
    {
        const auto progress = [](const char* stage, int value) {
            QByteArray(stage) == "Read" ? s_reads.append(value) : void(s_process += s_reads.size() < 197 ? 1000 : 1);
        };
        s_reads.clear(), s_process = 0;
        // The tests named "..._in_memory" hand the image over in memory, under the file's name.
        const bool inMemory = QByteArray(QTest::currentTestFunction()).endsWith("_in_memory");
        const int result = inMemory
            ? conf.get_io().import_bin(image.isNull() ? nullptr : reinterpret_cast<const u8*>(image.data()),
                                       u32(image.size()), path("in.bin"), progress)
            : conf.get_io().import_bin(image.isNull() ? path("none.bin") : write_file("in.bin", image), progress);
        traceErrors("/set_cpu_llId"), traceErrors("/new_iface"); // and a version without layouts
        return result;
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QVERIFY(m_tmp.isValid());
    }

    // The generator's image of a plant in every version, into a configuration of no panel type as
    // the program does: the version 3 export is the generator's current image byte for byte, the
    // version 1 export its data and CRCs.
    void round_trip_data()
    {
        QTest::addColumn<Plant>("plant"), QTest::addColumn<QByteArray>("image"), QTest::addColumn<QString>("line");
        const Plant sample = sample_plant();
        for (uint16_t v : {kV2600, kV2601}) {
            QTest::addRow("v1 %x", v) << sample << image_v1(sample, v)
                                      << (v == kV2600 ? "VERSION OK" : "VERSION already 0x2601");
            QTest::addRow("v2 %x", v) << sample << image_v2(sample, v) << QString("Import v2 Cfg %1").arg(v, 0, 16);
        }
        QTest::newRow("v3 2601") << sample << image_v3(sample, kV2601) << "Import v3 Cfg 2601";
        // Only the general block tells the panel type.
        QTest::newRow("v3 2602") << sample << header_v3(kV2602, 198, 12) + elements(sample, kV2602)
                                 << "Import v3 Cfg 2602";
        QTest::newRow("full size") << full_plant() << image_v3(full_plant(), kV2602) << "Import v3 Cfg 2602";
        // The repair of the general block: a standalone plant keeps CPU 0 alone, a brand outside the
        // panel type's list becomes its first, a CPU type of another model the model's first.
        Plant repaired = sample, loaded = sample;
        loaded.networked = repaired.networked = 0, repaired.boards.removeLast(), repaired.devices.removeLast();
        QTest::newRow("standalone") << repaired << image_v3(loaded, kV2602) << "Forzo a standalone";
        loaded = sample, loaded.brand = 4, loaded.cpuType = 9;
        QTest::newRow("brand and CPU type")
            << sample << image_v3(loaded, kV2602) << "C63 tipo ZP-4800N non valido, imposto a ZP-4800";
        for (unsigned seed = 1; seed <= 9; ++seed) {
            const Plant p = random_plant(seed);
            const uint16_t v = seed % 3 == 0 ? kV2600 : seed % 3 == 1 ? kV2601 : kV2602;
            QTest::addRow("random %u %x", seed, v) << p
                                                   << (v == kV2602    ? image_v3(p, v)
                                                           : seed % 2 ? image_v2(p, v)
                                                                      : image_v1(p, v))
                                                   << "Import Config " + m_tmp.filePath("in.bin") + " started";
        }
    }
    void round_trip()
    {
        QFETCH(Plant, plant);
        QFETCH(QByteArray, image);
        QFETCH(QString, line);
        ZpConf conf(0, 255);
        conf.new_config(255);
        QVERIFY(import(conf, image) <= 0);
        QVERIFY2(trace().contains(line + "\n") && trace().contains("Import Config completed\n"), qPrintable(line));
        QVector<int> all(198);
        std::iota(all.begin(), all.end(), 2), std::sort(s_reads.begin(), s_reads.end());
        QCOMPARE(s_reads, all.mid(0, image.startsWith("O*K(") || image.startsWith("\xAD\xDE\x5A\xA5") ? 198 : 197));
        QVERIFY(s_process > 0 && s_process < 1000 && conf.get_blocks().is_all_valid());
        QCOMPARE(conf.get_panel_type(), u32(plant.panelType));
        const QByteArray out = exported(conf), expected = image_v3(plant, kV2602);
        QVERIFY2(out == expected,
                 qPrintable(QString("sizes %1/%2, first difference at %3")
                                .arg(out.size())
                                .arg(expected.size())
                                .arg(std::mismatch(out.begin(), out.end(), expected.begin(), expected.end()).first
                                     - out.begin())));
        QCOMPARE(s_written, all);
        for (int dt = 2; dt <= 199; ++dt) // the CRC kept for each block is the one of its element
            QCOMPARE(conf.get_blocks().get_crc(u32(dt)),
                     u16(u8(expected[offset_of(dt, 3) + 5]) | u8(expected[offset_of(dt, 3) + 6]) << 8));
        QVERIFY(QByteArray(QTest::currentDataTag()) != "v3 2602"
                || (exported(conf, false) == image_v1(plant, kV2602) && s_written == all));
    }

    // Truncated images (end 0 ... end N), bad sizes, CRCs, versions and dataTypes: a clear code and
    // trace line; the blocks read before the fault stay, the others keep their contents.
    void bad_image_data()
    {
        // image null: no file at all; lastInstalled: the file's dataTypes 2 to this one stay, 0: none
        QTest::addColumn<QByteArray>("image"), QTest::addColumn<int>("code"), QTest::addColumn<QString>("line"),
            QTest::addColumn<int>("lastInstalled");
        const Plant p = sample_plant();
        for (int format : {1, 2, 3}) {
            const uint16_t v = format == 3 ? kV2602 : kV2601;
            const QByteArray image = format == 1 ? image_v1(p, v) : format == 2 ? image_v2(p, v) : image_v3(p, v);
            for (int dt : {2, 134, 199}) {
                for (int at :
                     {offset_of(dt, format, v) - 1, offset_of(dt, format, v) + 6, offset_of(dt, format, v) + 107}) {
                    int done = 2; // the dataType in which the image ends
                    while (done < 199 && offset_of(done + 1, format, v) <= at)
                        ++done;
                    const bool inHeader = format > 1 && at - offset_of(done, format, v) < 7;
                    if ((format > 1 || done < 199) && at > 0)
                        QTest::addRow("v%d end %d", format, at)
                            << image.left(at) << (at < 8 || !inHeader ? 1015 : 1005)
                            << (at < 8         ? "errore lettura"
                                    : inHeader ? QString("too few blocks (%1 < 198)").arg(done - 2)
                                               : "Can't read")
                            << done - 1;
                }
            }
        }
        QByteArray flipped = image_v3(p, kV2602), v1Crc = image_v1(p, kV2601);
        flipped.data()[offset_of(2, 3) + 107] ^= 0x01, v1Crc.data()[offset_of(5, 1, kV2601) - 2] ^= 0xFF;
        QTest::newRow("v3 bad CRC") << flipped << 1018
                                    << QString::asprintf("Crc err (%04X != %04X)",
                                                         crc16_modbus(flipped.mid(offset_of(2, 3) + 7, 5310)),
                                                         crc16_modbus(block(p, 2, kV2602)))
                                    << 0;
        QTest::newRow("v1 bad CRC") << v1Crc << 1018 << "Crc err (" << 3;
        const QByteArray general = element(2, block(p, 2, kV2602));
        QTest::newRow("dataType 200") << header_v3(kV2602, 2, 0) + general + element(200, QByteArray(4, 0)) << 1005
                                      << "invalid datatype (200)" << 2;
        QTest::newRow("older size") << header_v3(kV2602, 2, 0) + general + element(70, QByteArray(29402, 0)) << 1000
                                    << "Size mismatch (30102 != 29402)" << 2;
        QTest::newRow("unknown version") << header_v3(0x2603, 1, 0) + general << 1000 << "ZpData::new_iface FAIL" << 0;
        QTest::newRow("v1 bad version") << "\x34\x12" + image_v1(p, kV2600).mid(2) << 1005
                                        << "ZpData VERSION 0x1234 invalid for bin v1" << 0;
        QTest::newRow("missing file") << QByteArray() << 1008 << "non found" << 0;
        QByteArray flippedName = image_v3(p, kV2602);
        flippedName.data()[offset_of(134, 3) + 7 + 2] ^= 0x80;
        QTest::newRow("v3 bad CRC in a name block") << flippedName << 1018 << "Crc err (" << 133;
        QTest::newRow("v2 2601 with a 2602 device block")
            << header_v2(kV2601, 2) + element(2, block(p, 2, kV2601)) + element(70, QByteArray(30102, 0)) << 1000
            << "Size mismatch (29402 != 30102)" << 2;
        QTest::newRow("empty file") << QByteArray("") << 1015 << "errore lettura" << 0;
        QTest::newRow("5-byte file") << QByteArray("O*K(\x02", 5) << 1015 << "errore lettura" << 0;
        QTest::newRow("no element") << header_v3(kV2602, 0, 7) << -1 << "Import v3 Cfg 2602" << 0;
    }
    void bad_image()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, code);
        QFETCH(QString, line);
        QFETCH(int, lastInstalled);
        ZpConf conf(0, 255);
        conf.new_config(0);
        u8 record[43];
        const QByteArray zones = bytes(conf, 4), names = bytes(conf, 134).mid(2);
        QCOMPARE(import(conf, image), code);
        QVERIFY2(trace().contains(line), qPrintable(line));
        QCOMPARE(trace().contains("Import Config completed"), image.size() >= 8);
        QCOMPARE(conf.get_blocks().count_invalid(), code > 0 ? 198u : 0u);
        QVERIFY(bytes(conf, 4) == (lastInstalled >= 4 ? block(sample_plant(), 4, kV2602) : zones));
        QVERIFY(bytes(conf, 134).mid(2) == (lastInstalled >= 134 ? block(sample_plant(), 134, kV2602).mid(2) : names));
        QCOMPARE(conf.get_device(record, 0, 0, false, 0, 15),
                 lastInstalled >= 70 ? 0 : 1008); // the status index follows them
    }

    // An image already in memory: the same blocks, exports, codes and trace lines as from a file.
    void round_trip_in_memory_data() { round_trip_data(); }
    void round_trip_in_memory() { round_trip(); }
    void bad_image_in_memory_data() { bad_image_data(); }
    void bad_image_in_memory() { bad_image(); }

    void headers()
    {
        ZpConfIO::Header h;
        ZpConfIO::ElementHeader e;
        QVERIFY(!ZpConfIO::decode_header(reinterpret_cast<const u8*>("O*K(\x02\x26\xC6"), 7, &h)
                && !ZpConfIO::decode_element_header(reinterpret_cast<const u8*>("\x46\x96\x75\0\0\x37"), 6, &e)
                && !ZpConfIO::decode_element_header(nullptr, 7, &e));
        // The probe: only a whole version 3 header tells a panel type.
        QCOMPARE(QVector<int>({ZpConfIO::read_panel_type(write_file("p.bin", header_v3(kV2602, 198, 17))),
                               ZpConfIO::read_panel_type(write_file("p.bin", header_v2(kV2602, 0) + '\x0C')),
                               ZpConfIO::read_panel_type(write_file("p.bin", header_v3(kV2602, 0, 12).left(7))),
                               ZpConfIO::read_panel_type(path("none.bin"))}),
                 QVector<int>({17, 255, 255, 255}));
        QVERIFY(trace().contains("file <" + path("p.bin") + "> errore lettura\n"));
        QVERIFY(trace().contains("Import Cfg file <" + path("none.bin") + "> non found\n"));
    }

    // Exports that fail: to targets that cannot be written, under a file-size limit. A clear code and
    // line, no later block begun, nothing left behind, an older image kept whole.
    void failed_export_data()
    {
        // target null: no path; limit: the largest file in bytes, inside dataType 100, or 0: none
        QTest::addColumn<bool>("v3"), QTest::addColumn<QString>("target"), QTest::addColumn<int>("limit"),
            QTest::addColumn<QString>("line");
        QTest::newRow("file size limit") << true << "keep.bin" << offset_of(100, 3) + 100 << "write failed!";
        QTest::newRow("v1 file size limit") << false << "keep.bin" << offset_of(100, 1) + 100 << "write failed!";
        for (const char* target : {"folder", "none/CFG_IN.BIN", "keep.bin/CFG_IN.BIN", "/proc/CFG_IN.BIN", ""})
            QTest::addRow("target %s", target) << true << target << 0 << "Can't open file";
        QTest::newRow("v3 no path") << true << QString() << 0 << "Can't open file";
        QTest::newRow("v1 no path") << false << QString() << 0 << "Can't open file";
    }
    void failed_export()
    {
        QFETCH(bool, v3);
        QFETCH(QString, target);
        QFETCH(int, limit);
        QFETCH(QString, line);
        ZpConf conf(0, 255);
        conf.new_config(0);
        QVERIFY(QDir(m_tmp.path()).mkpath("folder") && !write_file("keep.bin", "an older image").isEmpty());
        const QStringList entries = QDir(m_tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QByteArray file = target.isEmpty() || target.startsWith('/') ? QFile::encodeName(target) : path(target);
        rlimit saved{}, lowered{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0 && (lowered = saved, true));
        lowered.rlim_cur = limit ? rlim_t(limit) : saved.rlim_cur;
        const auto handler = signal(SIGXFSZ, SIG_IGN); // writes past the limit fail instead
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const char* name = target.isNull() ? nullptr : file.constData();
        const int result = v3 ? conf.get_io().export_bin_v3(name, nullptr) : conf.get_io().export_bin_v1(name, nullptr);
        setrlimit(RLIMIT_FSIZE, &saved), signal(SIGXFSZ, handler);
        QCOMPARE(result, limit ? 1000 : 1008);
        QVERIFY2(trace().contains(line + "\n"), qPrintable(line));
        // No later block begun than the one whose write puts out the stream's full buffer that
        // holds the limit: the first write that fails.
        const int flushed = (limit / int(SaveFile::kBufferSize) + 1) * int(SaveFile::kBufferSize);
        int last = 1;
        while (limit && last < 199 && offset_of(last + 1, v3 ? 3 : 1) <= flushed)
            ++last;
        QCOMPARE(trace().count("Write dataType = "), last - 1);
        QCOMPARE(QDir(m_tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
        QVERIFY(read_file("keep.bin") == "an older image" && QDir(m_tmp.filePath("folder")).isEmpty());
    }
    // The temporary name of earlier releases, held by another writer's file or a folder, is
    // neither taken nor in the way: every write has a temporary of its own.
    void occupiedTemporary_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("another writer's file") << false;
        QTest::newRow("a folder") << true;
    }
    void occupiedTemporary()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString target = dir.filePath("CFG_IN.BIN");
        QFile other(target + ".tmp");
        QVERIFY(folder ? QDir(dir.path()).mkdir("CFG_IN.BIN.tmp")
                       : other.open(QIODevice::WriteOnly) && other.write("half an image") == 13);
        ZpConf conf(0, 255);
        conf.new_config(0);
        QCOMPARE(conf.get_io().export_bin_v3(QFile::encodeName(target), nullptr), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"CFG_IN.BIN", "CFG_IN.BIN.tmp"}));
        QCOMPARE(folder ? QFileInfo(other.fileName()).isDir()
                        : (other.close(), other.open(QIODevice::ReadOnly) && other.readAll() == "half an image"),
                 true);
        ZpConf again(0, 255);
        QVERIFY(again.get_io().import_bin(QFile::encodeName(target), nullptr) <= 0);
        traceErrors("/set_cpu_llId");
    }

    // The same failed imports: every block the file brought in before the fault stays, each of the
    // others keeps its contents.
    void failedImportKeepsBlocks_data() { bad_image_data(); }
    void failedImportKeepsBlocks()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, code);
        QFETCH(int, lastInstalled);
        ZpConf conf(0, 255);
        conf.new_config(0);
        QMap<int, QByteArray> before;
        for (int dt : kMarkers)
            before[dt] = marker(dt, bytes(conf, dt));
        conf.get_blocks().set_valid_all(true);
        QCOMPARE(import(conf, image), code);
        QCOMPARE(conf.get_blocks().is_all_valid(), code <= 0); // a failure leaves the blocks invalid
        for (int dt : kMarkers)
            QVERIFY2(marker(dt, bytes(conf, dt))
                         == (dt <= lastInstalled ? marker(dt, block(sample_plant(), dt, kV2602)) : before[dt]),
                     qPrintable(QString("dataType %1").arg(dt)));
    }

    // Every import gives its file back, a failed one too.
    void importClosesFile_data() { bad_image_data(); }
    void importClosesFile()
    {
        QFETCH(QByteArray, image);
        const auto openFiles = [] {
            return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
        };
        ZpConf conf(0, 255);
        conf.new_config(0);
        const int before = openFiles();
        import(conf, image);
        QCOMPARE(openFiles(), before);
        QVERIFY(import(conf, image_v3(sample_plant(), kV2602)) <= 0);
        QCOMPARE(openFiles(), before);
    }

    // The version 1 export traces every chunk's offset and every block's CRC.
    void exportV1Trace()
    {
        ZpConf conf(0, 255);
        conf.new_config(0);
        reset();
        QVERIFY(!exported(conf, false).isEmpty());
        for (const char* line : {"L_ExportCfg dataType=2 offset=0\n", "L_ExportCfg dataType=2 offset=4096\n",
                                 "L_ExportCfg dataType=199 offset=0\n"})
            QVERIFY2(trace().contains(line), line);
        QCOMPARE(trace().count(QRegularExpression("L_ExportCfg dataType=\\d+ crc=\\d+\n")), 198);
        QVERIFY(trace().contains(QString("L_ExportCfg dataType=2 crc=%1\n").arg(crc16_modbus(bytes(conf, 2)))));
    }

    // Elements in any order, read in the file's order. The configuration in memory has other line
    // protocols; the file changes them and brings the devices of the changed lines, the general block
    // last when descending.
    void elementsInAnyOrder_data()
    {
        QTest::addColumn<int>("version"), QTest::addColumn<bool>("descending");
        QTest::newRow("v3 2602 descending") << int(kV2602) << true;
        QTest::newRow("v2 2601 descending") << int(kV2601) << true;
        QTest::newRow("v3 2602 ascending") << int(kV2602) << false;
    }
    void elementsInAnyOrder()
    {
        QFETCH(int, version);
        QFETCH(bool, descending);
        const uint16_t v = uint16_t(version);
        const Plant plant = sample_plant();
        Plant other = plant;
        other.boards[0].prot1 = 0, other.boards[1].prot0 = 0;
        ZpConf conf(0, 255);
        conf.new_config(0);
        QVERIFY(import(conf, image_v3(other, kV2602)) <= 0);
        QByteArray image = v == kV2602 ? header_v3(v, 198, 0) : header_v2(v, 198);
        QVector<int> order;
        for (int i = 0; i < 198; ++i)
            order << (descending ? 199 - i : 2 + i), image += element(order.last(), block(plant, order.last(), v));
        QVERIFY(import(conf, image) <= 0);
        QCOMPARE(s_reads, order);
        QVERIFY(s_process > 0 && s_process < 1000);
        const QByteArray general = bytes(conf, 2);
        QCOMPARE(QVector<int>({u8(general[4]) & 0x79, u8(general[4 + 5]) & 0x79}),
                 QVector<int>({0x01 | 1 << 5, 0x01 | 1 << 3}));
        for (const Device& d : plant.devices)
            QVERIFY(bytes(conf, 70 + d.boardIndex).mid(2 + 43 * d.slot, 43) == record(&d, true)
                    && bytes(conf, 134 + d.boardIndex).mid(2 + 32 * d.slot, d.name.size()) == d.name);
    }

    // The header codecs against bytes written out by hand.
    void headerCodec()
    {
        ZpConfIO::Header h;
        QVERIFY(ZpConfIO::decode_header(reinterpret_cast<const u8*>("O*K(\x02\x26\xC6\x06"), 8, &h));
        QCOMPARE(QVector<uint>({h.magic, h.version, h.blockCount, h.panelType}),
                 QVector<uint>({0x284B2A4Fu, 0x2602u, 198u, 6u}));
        QVERIFY(ZpConfIO::decode_header(reinterpret_cast<const u8*>("\xAD\xDE\x5A\xA5\x01\x26\x05"), 7, &h));
        QCOMPARE(QVector<uint>({h.magic, h.version, h.blockCount}), QVector<uint>({0xA55ADEADu, 0x2601u, 5u}));
        QVERIFY(!ZpConfIO::decode_header(reinterpret_cast<const u8*>("\x00\x26\0\0\0\0\0\0"), 8, &h));
        u8 out[9];
        memset(out, 0xEE, sizeof out);
        ZpConfIO::encode_header_v3(out, 0x2602, 198, 255);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 9), QByteArray("O*K(\x02\x26\xC6\xFF\xEE", 9));
        memset(out, 0xEE, sizeof out);
        ZpConfIO::encode_element_header(out, 70, 30102, 0x4B37);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 8), QByteArray("\x46\x96\x75\x00\x00\x37\x4B\xEE", 8));
        ZpConfIO::ElementHeader e;
        QVERIFY(ZpConfIO::decode_element_header(reinterpret_cast<const u8*>("\xC7\x00\x5F\x01\x00\x34\x12"), 7, &e));
        QCOMPARE(QVector<uint>({e.dataType, e.size, e.crc}), QVector<uint>({199u, 89856u, 0x1234u}));
    }

    // A write that fails at any point of the image, on a stream with room for so many bytes: the
    // export reports it and begins no later block.
    void failedWrites_data()
    {
        QTest::addColumn<bool>("v3"), QTest::addColumn<int>("room"), QTest::addColumn<QString>("line"),
            QTest::addColumn<int>("blocks");
        QTest::newRow("v3 header") << true << 5 << "write header failed!" << 0;
        QTest::newRow("v3 element header") << true << 8 + 3 << "write elem_header failed!" << 1;
        QTest::newRow("v3 data") << true << 8 + 7 + 5000 << "write failed!" << 1;
        QTest::newRow("v3 second element header") << true << 8 + 7 + 5310 + 6 << "write elem_header failed!" << 2;
        QTest::newRow("v3 second block data") << true << 8 + 7 + 5310 + 7 + 10 << "write failed!" << 2;
        QTest::newRow("v1 data") << false << 5000 << "write failed!" << 1;
        QTest::newRow("v1 CRC") << false << 5310 + 1 << "write crc failed!" << 1;
        QTest::newRow("v1 second block data") << false << 5310 + 2 + 10 << "write failed!" << 2;
    }
    void failedWrites()
    {
        QFETCH(bool, v3);
        QFETCH(int, room);
        QFETCH(QString, line);
        QFETCH(int, blocks);
        ZpConf conf(0, 255);
        conf.new_config(0);
        reset();
        QByteArray buffer(room, '\0');
        FILE* f = fmemopen(buffer.data(), size_t(room), "wb");
        QVERIFY(f);
        setvbuf(f, nullptr, _IONBF, 0);
        const int result = v3 ? conf.get_io().write_image_v3(f, nullptr) : conf.get_io().write_image_v1(f, nullptr);
        fclose(f);
        QCOMPARE(result, 1000);
        QVERIFY2(trace().contains(line + "\n"), qPrintable(trace().right(300)));
        QCOMPARE(trace().count("failed!\n"), 1); // the export stopped at the first failure
        QCOMPARE(trace().count("Write dataType = "), blocks);
        QVERIFY(!trace().contains("Write cfg ok"));
    }
};

QTEST_GUILESS_MAIN(TestZpConfIO)
#include "tst_zpconfio.moc"
