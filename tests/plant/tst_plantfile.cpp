// The plant file: header bytes and layout, the payload against the panel image of the same
// plant, every load error, hostile sizes, a save that cannot write, and the save-load-save round
// trip of a plant with every kind of object and of a full-size plant.
#include "plant/ImageDeflate.h"
#include "plant/Plant.h"

#include "../app/IsolatedHome.h"
#include "PlantBuilder.h"
#include "PlantTestSupport.h"
#include "ScriptedDialogs.h"
#include "TestBase.h"

#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Values/DeviceCatalogue.h"

#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (8 * i));
    return b;
}

// magic, version, length and payload as the file layout has them.
QByteArray plantFile(quint32 magic, quint16 version, const QByteArray& payload)
{
    return le32(magic) + le32(version).left(2) + le32(quint32(payload.size())) + payload;
}

// The image inside a plant file; checks the header on the way.
QByteArray payloadOf(const QByteArray& file)
{
    if (file.size() < 10 || file.left(6) != QByteArray::fromHex("75c4f0130002"))
        return QByteArray();
    const QByteArray payload = file.mid(10);
    if (le32(quint32(payload.size())) != file.mid(6, 4))
        return QByteArray();
    return qUncompress(payload);
}

// The panel image of the current configuration, as the compile command writes it.
QByteArray exportedImage(const QString& folder)
{
    const QString path = folder + "/CFG_IN.BIN";
    if (g_zpConf->get_io().export_bin_v3(QFile::encodeName(path).constData(), nullptr) != 0)
        return QByteArray();
    return readAll(path);
}

// Each enabled CPU's loops: type, open flag, slot counts, the inputs and outputs counted, and
// every valid point with its protocol, code, and software type or channels (a module with
// channels has no software type of its own in the panel).
QString loopsOf(const Plant& plant)
{
    QStringList all;
    int i = -1;
    for (const CPUDevice* cpu = plant.cpus().getNextEnabledCPU(i); cpu; cpu = plant.cpus().getNextEnabledCPU(i)) {
        for (u32 g = 0; g < cpu->getLibCount() * u32(linesPerBoard()); ++g) {
            const OvLoop loop = cpu->getLoop(g);
            QString text = QString("C%1L%2 type %3 %4 %5/%6 count %7")
                               .arg(cpu->index())
                               .arg(g + 1)
                               .arg(loop.type())
                               .arg(loop.isOpen() ? "open" : "closed")
                               .arg(loop.sensors().size())
                               .arg(loop.modules().size())
                               .arg(loop.getActiveCount(7, 3, 3));
            for (const auto* list : {&loop.sensors(), &loop.modules()}) {
                for (const OvGenericPoint* p : *list) {
                    if (!p->isValid())
                        continue;
                    text += QString(" %1%2:%3:%4:%5")
                                .arg(p->family() == 1 ? 'S' : 'M')
                                .arg(p->address())
                                .arg(p->protocol())
                                .arg(p->hwType())
                                .arg(p->subPoints().isEmpty() ? p->swType() : 0);
                    for (const OvGenericSubPoint& channel : p->subPoints())
                        text += QString(" %1.%2:%3").arg(p->address()).arg(channel.getSubIndex()).arg(channel.swType());
                }
            }
            all << text;
        }
    }
    return all.join('\n');
}

// "dataType:offset=hex" of the panel configuration at each place of places (values there ignored).
QString bytesAt(const QString& places)
{
    QStringList found;
    for (const QString& place : places.split(' ', Qt::SkipEmptyParts)) {
        const QStringList at = place.section('=', 0, 0).split(':');
        const QByteArray data = planttest::block(at.at(0).toUInt());
        found << at.at(0) + ':' + at.at(1) + '=' + QString::number(u8(data.at(at.at(1).toInt())), 16);
    }
    return found.join(' ');
}

// One step of a user's work through the plant's operations, as the window makes it.
void userStep(Plant& plant, const QString& statement)
{
    const QStringList w = statement.trimmed().split(' ');
    const auto n = [&w](int i) { return w.value(i).toInt(); };
    const QString& op = w.at(0);
    Configuration* config = Configuration::instance();
    if (op == "new") {
        // File > New of the networkable panel, then the detector brand chosen.
        plant.setDefaultParameters();
        QVERIFY(config->applyConfigNumber(8, true));
        QVERIFY(plant.newPlant());
        QCOMPARE(plant.copyFrom(), 0);
        if (n(1) != config->current_brand()) {
            config->set_current_brand(n(1));
            QVERIFY(plant.newPlant());
            QCOMPARE(plant.copyFrom(), 0);
        }
    } else if (op == "type") {
        plant.setCPUType(n(1), n(2));
    } else if (op == "open") {
        plant.setCPULoopOpenFlag(uint(n(1)), uint(n(2)), true);
    } else if (op == "point") {
        // CPU, loop, address, family, protocol, series, code, software type, channels.
        plant.setPoint(plantbuild::point(n(1), n(2), n(3), n(5), n(4), n(6), u16(n(7)), u8(n(8)), n(9)));
    } else if (op == "linked") {
        // The linked module as the point table types it on a module row: its two channels take
        // the catalogue's one software type each.
        OvGenericPoint module = plantbuild::point(n(1), n(2), n(3), n(4), 2, 2, 0x400D, 27, 2);
        for (int k = 1; k <= 2; ++k) {
            OvGenericSubPoint channel(module, k);
            channel.setSWType(
                get_sw_type_list(0x400D, PointType::loopTypeOf(n(4)), u32(k - 1), PointType::panelFamily()).front(),
                true);
            module.updateSubPoint(channel);
        }
        plant.setPoint(module);
    } else {
        QFAIL(qPrintable("unknown statement " + statement));
    }
}

} // namespace

class TstPlantFile : public TestBase {
    Q_OBJECT
    QTemporaryDir m_dir;
    QByteArray m_image;

    QString path(const char* name) const { return m_dir.filePath(name); }
    void boardsBound() { traceErrors("set_cpu_llId"); }

    // Saves, loads into a reset plant and saves again: both payloads.
    QPair<QByteArray, QByteArray> saveLoadSave(Plant& plant)
    {
        int skipped = -1;
        if (plant.saveToFile(path("first.ov"), &skipped) != 0 || skipped != 0)
            return {};
        const QByteArray first = payloadOf(readAll(path("first.ov")));
        Plant reread;
        reread.setDefaultParameters();
        if (reread.loadFromFile(path("first.ov"), true) != 0 || reread.copyFrom() != 0)
            return {};
        boardsBound();
        if (reread.saveToFile(path("second.ov")) != 0)
            return {};
        return {first, payloadOf(readAll(path("second.ov")))};
    }

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        // The detector brand of the panel's defaults, as the brand configuration applies it.
        Configuration::instance()->set_current_brand(u8(planttest::block(2).at(5247)));
    }

    // The payload inflates back whole on each side of the 1 MiB slices: its size in big-endian
    // order, a zlib header of the fastest level, and the Adler-32 of the whole data last.
    void deflatedSlices_data()
    {
        QTest::addColumn<int>("size");
        const int slice = 1 << 20;
        QTest::newRow("1 byte") << 1;
        QTest::newRow("one slice less 1") << slice - 1;
        QTest::newRow("one slice") << slice;
        QTest::newRow("one slice and 1") << slice + 1;
        QTest::newRow("three slices and a part") << 3 * slice + 12345;
    }
    void deflatedSlices()
    {
        QFETCH(int, size);
        // Runs of one byte between stretches that do not repeat, as in an image.
        QByteArray data(size, '\0');
        quint32 state = 4800;
        for (int i = 0; i < size; ++i) {
            state = state * 1103515245u + 12345u;
            data[i] = (i / 4096) % 3 == 0 ? char(state >> 24) : char(i / 4096);
        }
        const QByteArray payload = deflateImage(data);
        QCOMPARE(payload.left(6).toHex(), QByteArray::number(size, 16).rightJustified(8, '0') + "7801");
        QCOMPARE(payload.right(4), qCompress(data).right(4));
        QVERIFY(qUncompress(payload) == data);
    }

    // The header bytes and the byte-array field; the payload inflates to exactly the image that
    // copyTo plus export_bin_v3 writes.
    void layout()
    {
        Plant plant;
        plantbuild::buildSmallPlant(plant);
        QCOMPARE(plant.saveToFile(path("plant.ov")), 0u);
        const QByteArray file = readAll(path("plant.ov"));
        QCOMPARE(file.left(6).toHex(), QByteArray("75c4f0130002"));
        QCOMPARE(file.mid(6, 4), le32(quint32(file.size() - 10)));
        const QByteArray image = payloadOf(file);
        QCOMPARE(file.mid(10, 4), QByteArray::fromHex(QByteArray::number(image.size(), 16).rightJustified(8, '0')));
        QCOMPARE(file.at(14), char(0x78));
        QVERIFY(image.startsWith("O*K("));
        plant.copyTo();
        QVERIFY(image == exportedImage(m_dir.path()));
    }

    void loadErrors_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("plantFile");
        QTest::addColumn<uint>("expected");
        QTest::addColumn<QString>("warning");
        init();
        Plant plant;
        plantbuild::buildSmallPlant(plant);
        plant.copyTo();
        m_image = exportedImage(m_dir.path());
        QVERIFY(m_image.size() > 100000);
        const QByteArray payload = qCompress(m_image, -1);
        QByteArray flipped = m_image;
        flipped[8 + 7 + 100] = char(flipped.at(8 + 7 + 100) ^ 0x01);
        // Element sizes at byte 1 of each 7-byte element header.
        int end = 8;
        for (int e = 0; e < 197; ++e)
            end += 7 + int(qFromLittleEndian<quint32>(m_image.constData() + end + 1));
        QByteArray huge = QByteArray::fromHex("7fffffff") + qCompress(QByteArray(16, 'x')).mid(4);
        QByteArray over = QByteArray::fromHex("04000001") + qCompress(QByteArray(16, 'x')).mid(4);
        QTest::newRow("good") << plantFile(0x13F0C475, 0x0200, payload) << true << 0u << "";
        QTest::newRow("magic") << plantFile(0x13F0C476, 0x0200, payload) << true << 259u << "";
        QTest::newRow("short") << QByteArray("\x75\xC4", 2) << true << 259u << "";
        QTest::newRow("version 0x0201") << plantFile(0x13F0C475, 0x0201, payload) << true << 260u << "";
        QTest::newRow("version 0xFFFF") << plantFile(0x13F0C475, 0xFFFF, payload) << true << 260u << "";
        QTest::newRow("version 0x01FF") << plantFile(0x13F0C475, 0x01FF, payload) << true << 260u << "";
        QTest::newRow("flipped byte") << plantFile(0x13F0C475, 0x0200, qCompress(flipped)) << true << 264u << "";
        QTest::newRow("197 elements") << plantFile(0x13F0C475, 0x0200, qCompress(m_image.left(end))) << true << 265u
                                      << "";
        QTest::newRow("huge size") << plantFile(0x13F0C475, 0x0200, huge) << true << 265u << "refused";
        QTest::newRow("64 MiB + 1") << plantFile(0x13F0C475, 0x0200, over) << true << 265u << "refused";
        QByteArray holdsLess = QByteArray::fromHex("01000000") + qCompress(QByteArray(16, 'x')).mid(4);
        QByteArray oneShort = payload;
        qToBigEndian(quint32(m_image.size() - 1), oneShort.data());
        QByteArray bomb = QByteArray::fromHex("00000010") + qCompress(QByteArray(1 << 20, 'x')).mid(4);
        QTest::newRow("16 MiB from 16 bytes")
            << plantFile(0x13F0C475, 0x0200, holdsLess) << true << 265u << "holds less";
        QTest::newRow("declared one short")
            << plantFile(0x13F0C475, 0x0200, oneShort) << true << 265u << "inflates past";
        QTest::newRow("1 MiB declared 16") << plantFile(0x13F0C475, 0x0200, bomb) << true << 265u << "inflates past";
        QTest::newRow("not zlib") << plantFile(0x13F0C475, 0x0200,
                                               QByteArray::fromHex("00000010") + QByteArray(20, 'z'))
                                  << true << 265u << "qUncompress";
        QTest::newRow("length past end") << plantFile(0x13F0C475, 0x0200, payload).left(5000) << true << 265u << "";
        // The stream's Adler-32 trailer, and what follows the stream.
        QByteArray badCheck = payload;
        badCheck[badCheck.size() - 1] = char(badCheck.at(badCheck.size() - 1) ^ 0x01);
        QByteArray declaredMore = payload;
        qToBigEndian(quint32(m_image.size() + 1), declaredMore.data());
        QTest::newRow("checksum off") << plantFile(0x13F0C475, 0x0200, badCheck) << true << 265u << "not a stream";
        QTest::newRow("checksum cut") << plantFile(0x13F0C475, 0x0200, payload.chopped(4)) << true << 265u
                                      << "not a stream";
        QTest::newRow("bytes after the stream")
            << plantFile(0x13F0C475, 0x0200, payload + QByteArray(8, '\xA5')) << true << 0u << "";
        QTest::newRow("declared one more") << plantFile(0x13F0C475, 0x0200, declaredMore) << true << 0u << "";
        QTest::newRow("image") << m_image << false << 0u << "";
        QTest::newRow("image cut") << m_image.left(end) << false << 265u << "";
    }

    void loadErrors()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, plantFile);
        QFETCH(uint, expected);
        QFETCH(QString, warning);
        writeAll(path("load.ov"), file);
        if (!warning.isEmpty())
            expectWarning(warning);
        Plant plant;
        QCOMPARE(plant.loadFromFile(path("load.ov"), plantFile), expected);
        traceErrors();
    }

    // A shorter image read after a full one is imported at its own length.
    void shorterAfterLonger()
    {
        Plant plant;
        plantbuild::buildSmallPlant(plant);
        plant.copyTo();
        const QByteArray image = exportedImage(m_dir.path());
        int end = 8;
        for (int e = 0; e < 197; ++e)
            end += 7 + int(qFromLittleEndian<quint32>(image.constData() + end + 1));
        writeAll(path("long.ov"), plantFile(0x13F0C475, 0x0200, qCompress(image)));
        writeAll(path("short.ov"), plantFile(0x13F0C475, 0x0200, qCompress(image.left(end))));
        QCOMPARE(plant.loadFromFile(path("long.ov"), true), 0u);
        QCOMPARE(plant.loadFromFile(path("short.ov"), true), 265u);
        QCOMPARE(plant.loadFromFile(path("long.ov"), true), 0u);
        traceErrors();
    }

    void missingFile()
    {
        Plant plant;
        QCOMPARE(plant.loadFromFile(path("none.ov"), true), 266u);
        QCOMPARE(plant.loadFromFile(path("none.bin"), false), 266u);
        traceErrors();
    }

    // A folder that cannot take the file gives 258; a save that stops before writing leaves the
    // previous file byte for byte.
    void saveFailures()
    {
        Plant plant;
        expectWarning("^Non sono riuscito ad aprire il file /sys/plant.ov$");
        QCOMPARE(plant.saveToFile("/sys/plant.ov"), 258u);
        const QByteArray previous("previous contents");
        writeAll(path("kept.ov"), previous);
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/sys");
        expectWarning("^Non sono riuscito a creare il file temporaneo$");
        const uint result = plant.saveToFile(path("kept.ov"));
        qputenv("TMPDIR", tmp);
        QCOMPARE(result, 266u);
        QCOMPARE(readAll(path("kept.ov")), previous);
    }

    void roundTrip_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("brand");
        QTest::newRow("VARN") << 0u << 1 << 0;
        QTest::newRow("APOLLO") << 8u << 2 << 4;
    }

    void roundTrip()
    {
        QFETCH(uint, panelType);
        QFETCH(int, loopType);
        QFETCH(int, brand);
        QCOMPARE(g_zpConf->new_config(panelType), 0);
        planttest::resetPanel();
        Configuration::instance()->set_current_brand(brand);
        Plant plant;
        plantbuild::buildSmallPlant(plant, loopType);
        const auto payloads = saveLoadSave(plant);
        // Both loops kept their three devices (the channels of a module are one record each).
        QVERIFY(g_zpConf->get_block_device_num(g_zpConf->get_device_prog_index(0, 0)) >= 6);
        QVERIFY(payloads.first.size() > 100000);
        QVERIFY(payloads.first == payloads.second);
        traceErrors();
    }

    // On a panel without the ADV protocol, the loops of a CPU enabled and of a board added after
    // the plant was first converted are those of a new plant's boards, and keep their type and
    // their points' protocols through a save and an open.
    void newLoopsAfterConversion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("new plant") << "";
        QTest::newRow("saved") << "save";
        QTest::newRow("checked or compiled") << "copyTo";
        QTest::newRow("after another plant") << "APOLLO";
        QTest::newRow("board taken off and put back") << "fewer";
    }

    void newLoopsAfterConversion()
    {
        QFETCH(QString, before);
        // Type, then sensor and module slots with their protocols, of CPU c's loop l.
        const auto loops = [](const Plant& plant) {
            QStringList all;
            for (const auto& at :
                 {qMakePair(1, 1), qMakePair(1, 3), qMakePair(1, 4), qMakePair(2, 1), qMakePair(2, 2)}) {
                const CPUDevice* cpu = plant.cpus().cpuAt(at.first - 1);
                const OvLoop loop = cpu ? cpu->getLoop(u32(at.second - 1)) : OvLoop();
                QString text = QString("C%1L%2 %3").arg(at.first).arg(at.second).arg(loop.type());
                for (const auto* list : {&loop.sensors(), &loop.modules()}) {
                    QMap<int, int> protocols;
                    for (const OvGenericPoint* p : *list)
                        ++protocols[p->protocol()];
                    for (auto it = protocols.cbegin(); it != protocols.cend(); ++it)
                        text += QString(" %1x%2").arg(it.key()).arg(it.value());
                    text += list == &loop.sensors() ? " /" : "";
                }
                all << text;
            }
            return all.join(", ");
        };
        const QString varn = "C1L1 1 2x99 / 2x99, C1L3 1 2x99 / 2x99, C1L4 1 2x99 / 2x99, C2L1 1 2x99 / 2x99, "
                             "C2L2 1 2x99 / 2x99";

        QVERIFY(Configuration::instance()->applyConfigNumber(8, true));
        Plant plant;
        if (before == "APOLLO") {
            // The plant object held an APOLLO plant with two boards on CPUs 1 and 2 until File > New.
            Configuration::instance()->set_current_brand(4);
            QVERIFY(plant.newPlant());
            QCOMPARE(plant.copyFrom(), 0);
            QVERIFY(plant.setPlantType(1, true));
            plant.setCPUStat(1, true);
            plant.setCPULibCount(0, 2);
            plant.setCPULibCount(1, 2);
            plant.setDefaultParameters();
            QVERIFY(Configuration::instance()->applyConfigNumber(8, true));
        }
        QVERIFY(plant.newPlant());
        QCOMPARE(plant.copyFrom(), 0);
        QVERIFY(plant.setPlantType(1, true));
        if (before == "save")
            QCOMPARE(plant.saveToFile(path("new.ov")), 0u);
        else if (before == "copyTo")
            plant.copyTo();
        if (before == "fewer") {
            ScriptedDialogs dialogs;
            dialogs.answer(PlantMessage::Ok);
            plant.setCPULibCount(0, 2);
            plant.setCPULibCount(0, 1);
        }
        plant.setCPUStat(1, true);
        // A KV-4600 takes two boards or more.
        plant.setCPUType(0, 8);
        plant.setCPULibCount(0, 2);
        QCOMPARE(loops(plant), varn);

        // A VARN sensor and module on each new loop, so that the file holds their records.
        for (const auto& at : {qMakePair(1, 3), qMakePair(1, 4), qMakePair(2, 1), qMakePair(2, 2)}) {
            const OvGenericPoint s = plantbuild::point(at.first, at.second, 5, 2, 1, 1, 30, 4);
            const OvGenericPoint m = plantbuild::point(at.first, at.second, 6, 2, 2, 1, 130, 46);
            plant.cpus().setPoint(&s);
            plant.cpus().setPoint(&m);
        }
        QCOMPARE(plant.saveToFile(path("more.ov")), 0u);
        Plant reread;
        reread.setDefaultParameters();
        QCOMPARE(reread.loadFromFile(path("more.ov"), true), 0u);
        QCOMPARE(reread.copyFrom(), 0);
        boardsBound();
        QCOMPARE(loops(reread), varn);
        for (const auto& at : {qMakePair(1, 3), qMakePair(1, 4), qMakePair(2, 1), qMakePair(2, 2)}) {
            const OvLoop loop = reread.cpus().cpuAt(at.first - 1)->getLoop(u32(at.second - 1));
            QVERIFY(loop.getPoint(4, 1)->isValid() && loop.getPoint(5, 2)->isValid());
        }
        traceErrors();
    }

    // A plant built as the user builds it, compiled, saved and opened into the same plant as the
    // window opens a file: the second compile is the first byte for byte, the places named hold
    // the bytes given in both, and the loops come back as they were saved.
    void userBuiltRoundTrip_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("bytes");
        // Board 2 of CPU 1 installed, both its VARN lines open: 0x01 | 1 << 3 | 1 << 5.
        QTest::newRow("open loops on both boards")
            << "new 3; type 0 8; open 0 1; open 0 2; open 0 3; point 1 3 5 1 2 1 30 4; point 1 4 6 2 2 1 130 46"
            << "2:4=2b 2:9=29";
        QTest::newRow("open loops, APOLLO") << "new 4; type 0 8; open 0 2; open 0 3; point 1 3 5 1 4 4 62464 2"
                                            << "2:4=57 2:9=51";
        // The type tree's device row under a software type gives the point its code's series as
        // protocol: a plain ADV code, written with class 0 and type 25.
        QTest::newRow("LM-20 sounder from the device row") << "new 3; point 1 1 4 2 1 1 153 25"
                                                           << "70:6=19";
        // Address 10: records of channels 1 and 2, both at address 9, class 1 and type 27.
        QTest::newRow("linked module") << "new 3; linked 1 1 10 2"
                                       << "70:2=9 70:6=5b 70:10=0 70:45=9 70:49=5b 70:53=1";
    }

    void userBuiltRoundTrip()
    {
        QFETCH(QString, script);
        QFETCH(QString, bytes);
        Plant plant;
        for (const QString& statement : script.split(';'))
            userStep(plant, statement);
        plant.copyTo();
        QCOMPARE(bytesAt(bytes), bytes);
        const QByteArray first = exportedImage(m_dir.path());
        const QString saved = loopsOf(plant);
        QCOMPARE(plant.saveToFile(path("built.ov")), 0u);

        {
            Plant loading;
            QCOMPARE(loading.loadFromFile(path("built.ov"), true), 0u);
        }
        QVERIFY(Configuration::instance()->applyPanelTypeConfig(int(g_zpConf->get_panel_type())));
        plant.setDefaultParameters();
        QCOMPARE(plant.copyFrom(), 0);
        QCOMPARE(loopsOf(plant), saved);
        plant.copyTo();
        QCOMPARE(bytesAt(bytes), bytes);
        const QByteArray second = exportedImage(m_dir.path());
        QVERIFY(!first.isEmpty());
        QCOMPARE(second.size(), first.size());
        for (int at = 0; at < first.size(); ++at) {
            if (second.at(at) != first.at(at))
                QFAIL(qPrintable(QString("first difference at %1").arg(at)));
        }
        traceErrors();
    }

    void roundTripFullSize()
    {
        Configuration::instance()->set_current_brand(4);
        Plant plant;
        plantbuild::buildFullPlant(plant);
        boardsBound();
        const auto payloads = saveLoadSave(plant);
        QCOMPARE(g_zpConf->get_block_device_num(g_zpConf->get_device_prog_index(15, 3)), 2u * (126 + 159));
        QVERIFY(payloads.first.size() > 3000000);
        QVERIFY(payloads.first == payloads.second);
        traceErrors();
    }
};

QTEST_GUILESS_MAIN(TstPlantFile)
#include "tst_plantfile.moc"
