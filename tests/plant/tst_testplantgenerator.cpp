// The test-plant generator over fixed seeds, panels, detector brands and CPU shapes: every
// programmable type of the kept loop types placed, no zone beyond its room, the second-series
// channel limit of ADV loops, the inputs of the KORVA modules, the board and loop limits, and the
// plant compiled into an image that passes the image checks and comes back byte for byte, with
// the same CPUs, loops and points, through save and open.
#include "plant/TestPlantGenerator.h"

#include "plant/Plant.h"
#include "plant/PointType.h"

#include "../app/IsolatedHome.h"
#include "GeneratedPlantChecks.h"
#include "PlantBuilder.h"
#include "PlantTestSupport.h"
#include "ScriptedDialogs.h"
#include "TestBase.h"

#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Values/DeviceRec.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

constexpr int kDetectorBrandOffset = 5247;
constexpr u16 kKorvaInputCode = 65;

// The current panel configuration as the compile command writes it.
QByteArray compiledImage(const QString& path)
{
    if (g_zpConf->get_io().export_bin_v3(QFile::encodeName(path).constData(), nullptr) != 0)
        return QByteArray();
    return fileContents(path);
}

// Two used records of a DeviceProg block of an image that passed imageFault answering at one
// address of one line, by the record rule's effective address; channels of one class-0 module
// share their module's address and differ in sub-address.
QString sharedAddress(const QByteArray& image)
{
    const auto* bytes = reinterpret_cast<const u8*>(image.constData());
    for (int at = 8; at + 7 <= image.size(); at += 7 + int(get_le32(bytes + at + 1))) {
        const u8* block = bytes + at + 7;
        if (bytes[at] < 70 || bytes[at] > 133 || block[0] > 63)
            continue;
        QMultiMap<QList<int>, const u8*> held;
        for (int slot = 0; slot < 700; ++slot) {
            const u8* rec = block + 2 + slot * int(DeviceRec::kSize);
            if (!DeviceRec::is_used(rec))
                continue;
            const QList<int> key{int(DeviceRec::get_line_bit(rec)), int(DeviceRec::is_module(rec)),
                                 DeviceRec::get_address(rec)};
            for (const u8* other : held.values(key)) {
                if (!DeviceRec::is_module(rec) || DeviceRec::get_class(rec) || DeviceRec::get_class(other)
                    || rec[8] == other[8])
                    return QString("C%1 board %2 slot %3").arg(block[0] + 1).arg(block[1] + 1).arg(slot);
            }
            held.insert(key, rec);
        }
    }
    return QString();
}

// A sensor of the first type the loop's list offers with code, at a 1-based address of CPU 1
// loop 1, in zone 1.
OvGenericPoint sensor(int loopType, u16 code, int address)
{
    const PointTypeList list(OvLoop::sensorProtocol(loopType), 1);
    for (const PointTypeHw& type : list.entries()) {
        if (code && type.hwType() != code)
            continue;
        OvGenericPoint p = plantbuild::point(1, 1, address, type.protocol(), 1, type.series(), type.hwType(),
                                             u8(type.channels().first().swTypes().first()));
        p.setAreaIndex(1);
        return p;
    }
    return OvGenericPoint();
}

// Every other loop of the enabled CPUs an open line.
void openSomeLoops(Plant& plant)
{
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        for (int loop = cpu % 2; plant.getCPUStat(uint(cpu)) && loop < plant.getCPULoopCount(cpu); loop += 2)
            plant.setCPULoopOpenFlag(uint(cpu), uint(loop), true);
    }
}

// Up to count CPUs built as a user does on the CPU pages: types KV-1600, KV-4600 asked for one
// LIB, KV-4600 with two LIBs in turn, each change the panel has no boards for refused with a box.
void buildMixed(Plant& plant, int count, ScriptedDialogs& dialogs)
{
    for (int cpu = 0; cpu < count; ++cpu) {
        const int kind = cpu % 3;
        for (int i = 0; i < 4; ++i)
            dialogs.answer(PlantMessage::Ok);
        plant.setCPUStat(cpu, true);
        if (!plant.getCPUStat(uint(cpu)))
            continue;
        plant.setCPUType(cpu, kind == 0 ? 7 : 8);
        plant.setCPULibCount(cpu, kind == 1 ? 1 : 2, true);
    }
    dialogs.clear();
}

// The image a plant file holds, inflated.
QByteArray imageOfPlantFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 magic = 0;
    qint16 version = 0;
    QByteArray payload;
    in >> magic >> version >> payload;
    return qUncompress(payload);
}

// Every general parameter away from its default, within the range the pages offer under the
// current detector brand (sound types 1 to 32 and volumes 1 to 3, or under APOLLO 1 to 14 and 1
// to 6).
void setEveryParameter(Plant& plant, bool apollo)
{
    plant.setDescription("Round trip");
    plant.setDetectorsCheckStat(true);
    plant.setFlashingStat(true);
    plant.setAutoAcknowledgementStat(true);
    plant.setDriftAllert(true);
    plant.setStoragePrint(true);
    plant.setWalkTest(2);
    plant.setWalkTestPoint(1, 2, 7, 3);
    plant.setSirenReactMode(false);
    plant.setSirenCorrelation(false);
    plant.setSirenPhaseStat(true);
    plant.setSerialNumbersCheckStat(true);
    plant.setSirenInstantActivation(false);
    plant.setFailureInvalidResponseTime(30);
    plant.setFalseFailureTimeTypeID(1);
    plant.setOpenCircuitsFailureTime(29);
    plant.setCameraLowValueTimeFailure(1);
    plant.setFaultMaintenanceTime(1);
    plant.setAcknowledgementInhibitionTime(255);
    plant.setPreAlarmLvl(99);
    plant.setFailureSystemTime(300);
    plant.setDetectorsCheckTime(50);
    plant.setAutoAcknowledgementTime(2040);
    plant.setSirenDelayTime(600);
    for (uint level = 0; level < 3; ++level)
        plant.setPassword(level, 99999 - level);
    plant.setSirenSoundType(apollo ? 5 : 32);
    plant.setSirenVolume(apollo ? 4 : 3);
    plant.setEvacSoundType(apollo ? 14 : 7);
    plant.setEvacSoundVolume(apollo ? 6 : 2);
    plant.setPrinterStat(true);
    plant.setPrinterParity(2);
    plant.setPrinterBaudRate(115200);
    plant.set_plantReleAll(1);
    plant.set_plantReleU1(2);
    plant.set_plantReleU2(1);
    plant.set_plantReleFU1(6);
    plant.set_plantReleFU2(3);
}

// Each multi-channel module, the linked one aside, named channel by channel, its first channel
// programmed, with its last channel untyped as the point table's erase leaves it, and on every
// other module its second one too.
void untypeSomeChannels(Plant& plant)
{
    QList<OvGenericPoint> modules;
    for (const OvGenericPoint* p : plantcheck::pointsOf(plant)) {
        if (p->subPoints().size() > 1 && !OvGenericPoint::isLinkedModule(p->series(), p->hwType()))
            modules << *p;
    }
    for (int m = 0; m < modules.size(); ++m) {
        OvGenericPoint& module = modules[m];
        const int count = module.subPoints().size();
        for (int s = 1; s <= count; ++s) {
            OvGenericSubPoint channel = module.subPoints().at(s - 1);
            channel.setDescription(QString("Channel %1.%2").arg(module.address()).arg(s));
            if (s == 1)
                channel.setCBE("OR(G1 G2)");
            if (s == count || (s == 2 && m % 2 == 1))
                channel.reset();
            module.updateSubPoint(channel);
        }
        plant.setPoint(module);
    }
}

// The sensor and module counts of every zone that has any, as zone:sensors/modules.
QStringList zoneCounts(const Plant& plant)
{
    QStringList counts;
    for (const OvArea& a : plant.areas().areas()) {
        if (a.sensorCount() + a.moduleCount() > 0)
            counts << QString("%1:%2/%3").arg(a.index()).arg(a.sensorCount()).arg(a.moduleCount());
    }
    return counts;
}

// The descriptions and programs of the valid points and of their channels.
QStringList descriptions(const Plant& plant)
{
    QStringList lines;
    for (const OvGenericPoint* p : plantcheck::pointsOf(plant)) {
        QString line = QString("C%1L%2 %3/%4 \"%5\" [%6]")
                           .arg(p->cpuIndex())
                           .arg(p->loopIndex())
                           .arg(p->family())
                           .arg(p->address())
                           .arg(p->description(), p->cbe());
        for (const OvGenericSubPoint& channel : p->subPoints())
            line += QString(" %1:\"%2\" [%3]").arg(channel.getSubIndex()).arg(channel.description(), channel.cbe());
        lines << line;
    }
    return lines;
}

} // namespace

class TstTestPlantGenerator : public TestBase {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(name); }

    void usePanel(uint panelType, int plantType)
    {
        QCOMPARE(g_zpConf->new_config(u8(panelType)), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(u8(plantType));
        // The detector brand of the panel's defaults, as the brand configuration applies it.
        Configuration::instance()->set_current_brand(u8(planttest::block(2).at(kDetectorBrandOffset)));
    }

    // The compiled image of a plant of panel 8 generated from seed.
    QByteArray generated(unsigned seed)
    {
        usePanel(8, 0);
        Plant plant;
        plant.setPlantType(0, true);
        TestPlantGenerator(&plant, seed).makeAll();
        plant.copyTo();
        return compiledImage(path("seeded.bin"));
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QVERIFY(m_dir.isValid());
    }

    void fullSizeRoundTrip_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("plantType");
        QTest::addColumn<int>("cpus");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("zoneOneBefore");
        QTest::addColumn<int>("minBoards");
        // 0: the panel's default.
        QTest::addColumn<uint>("brand");
        // Loop types whose point types the generator places, as the detector brand keeps them.
        QTest::addColumn<QList<int>>("loopTypes");
        QTest::addColumn<bool>("mixed");
        // Every general parameter away from its default.
        QTest::addColumn<bool>("parameters");
        // Channels of multi-channel modules left untyped.
        QTest::addColumn<bool>("untyped");
        const QList<int> advVarn{OvLoop::LOOP_ZAV200, OvLoop::LOOP_VARN500};
        const QList<int> varn{OvLoop::LOOP_VARN500};
        const QList<int> apollo{OvLoop::LOOP_APOLLO};
        // KV1600, networked, VARN loops, as large as the panel takes.
        for (uint seed : {1300u, 4800u, 7u})
            QTest::addRow("KV1600 full size seed %u", seed)
                << 8u << 1 << 64 << seed << 0 << 64 << 0u << varn << false << false << false;
        QTest::newRow("KV1600 stand-alone") << 8u << 0 << 1 << 2u << 0 << 1 << 0u << varn << false << false << false;
        QTest::newRow("KV1300 stand-alone") << 7u << 0 << 1 << 3u << 0 << 1 << 0u << varn << false << false << false;
        // Devices already in zone 1 leave it less room.
        QTest::newRow("KV1600 zone 1 holds 40")
            << 8u << 0 << 1 << 11u << 40 << 1 << 0u << varn << false << false << false;
        // ADV loops, whose second-series devices share 30 channels, and 32 devices to a zone; the
        // generator adds the second board the VARN types need.
        for (uint seed : {5u, 17u, 29u})
            QTest::addRow("OV4800N seed %u", seed)
                << 11u << 0 << 0 << seed << 0 << 2 << 0u << advVarn << false << false << false;
        QTest::newRow("OV4800N zone 1 holds 30")
            << 11u << 0 << 0 << 41u << 30 << 2 << 0u << advVarn << false << false << false;
        QTest::newRow("OV4800N networked 3 CPUs")
            << 11u << 1 << 3 << 53u << 0 << 6 << 0u << advVarn << false << false << false;
        QTest::newRow("OV4800N parameters, untyped channels")
            << 11u << 0 << 0 << 5u << 0 << 2 << 0u << advVarn << false << true << true;
        // Both KV panels under both detector brands: stand-alone, networked with one CPU, 64 CPUs,
        // and CPUs of both types, KV-4600 asked for one LIB and for two, until the boards run out.
        for (uint brand : {3u, 4u}) {
            const QList<int>& types = brand == 4 ? apollo : varn;
            for (uint panel : {7u, 8u}) {
                for (uint seed : {21u, 22u}) {
                    QTest::addRow("panel %u brand %u stand-alone seed %u", panel, brand, seed)
                        << panel << 0 << 1 << seed << 0 << 1 << brand << types << false << false << false;
                    QTest::addRow("panel %u brand %u networked 1 CPU seed %u", panel, brand, seed)
                        << panel << 1 << 1 << seed << 0 << 1 << brand << types << false << false << false;
                }
            }
            QTest::addRow("panel 8 brand %u 64 CPUs", brand)
                << 8u << 1 << 64 << 23u << 0 << 64 << brand << types << false << false << false;
            QTest::addRow("panel 8 brand %u mixed types", brand)
                << 8u << 1 << 40 << 24u << 0 << 32 << brand << types << true << false << false;
            QTest::addRow("panel 7 brand %u stand-alone parameters", brand)
                << 7u << 0 << 1 << 25u << 0 << 1 << brand << types << false << true << false;
            // The VARN loops of these panels take no module with channels.
            if (brand == 4)
                QTest::addRow("panel 7 brand %u stand-alone untyped channels", brand)
                    << 7u << 0 << 1 << 25u << 0 << 1 << brand << types << false << false << true;
            QTest::addRow("panel 8 brand %u networked parameters, untyped channels", brand)
                << 8u << 1 << 2 << 26u << 0 << 2 << brand << types << false << true << true;
        }
    }

    // The generated plant keeps every rule of the panel, and it comes back whole through save and
    // open: the same image, CPUs, LIBs, loops and points.
    void fullSizeRoundTrip()
    {
        QFETCH(uint, panelType);
        QFETCH(int, plantType);
        QFETCH(int, cpus);
        QFETCH(uint, seed);
        QFETCH(int, zoneOneBefore);
        QFETCH(int, minBoards);
        QFETCH(uint, brand);
        QFETCH(QList<int>, loopTypes);
        QFETCH(bool, mixed);
        QFETCH(bool, parameters);
        QFETCH(bool, untyped);
        usePanel(panelType, plantType);
        if (brand)
            Configuration::instance()->set_current_brand(int(brand));
        Plant plant;
        QVERIFY(plant.setPlantType(plantType, true));
        ScriptedDialogs dialogs;
        if (mixed)
            buildMixed(plant, cpus, dialogs);
        else
            plantbuild::enableCpus(plant, cpus);
        for (int address = 1; address <= zoneOneBefore; ++address)
            plant.setPoint(sensor(plant.getCPULoopType(0, 0), 0, address));

        TestPlantGenerator(&plant, seed).makeAll();
        openSomeLoops(plant);
        if (parameters)
            setEveryParameter(plant, Configuration::instance()->current_brand() == 4);

        QCOMPARE(plantcheck::missingTypes(plant, loopTypes), QString());
        QCOMPARE(plantcheck::zoneFault(plant), QString());
        // The first zone with room takes each new device until it is full.
        {
            BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
            QCOMPARE(plantcheck::devicesInZone(plant, 1), int(zpx->get_max_dev_per_zone()));
        }
        QCOMPARE(plantcheck::limitFault(plant, minBoards), QString());
        if (untyped)
            untypeSomeChannels(plant);
        plant.copyTo();
        const QByteArray image = compiledImage(path("first.bin"));
        QCOMPARE(plantcheck::imageFault(image, u8(panelType)), QString());
        QCOMPARE(plantcheck::recordFault(plant), QString());
        QCOMPARE(sharedAddress(image), QString());
        QCOMPARE(plant.saveToFile(path("plant.ov")), 0u);
        Plant reread;
        reread.setDefaultParameters();
        QCOMPARE(reread.loadFromFile(path("plant.ov"), true), 0u);
        QCOMPARE(reread.copyFrom(), 0u);
        // The reload announces the boards of the CPUs after the first on the trace.
        traceErrors("set_cpu_llId");
        QCOMPARE(plantcheck::difference(plantcheck::layout(plant), plantcheck::layout(reread)), QString());
        reread.copyTo();
        const QByteArray second = compiledImage(path("second.bin"));
        QCOMPARE(second.size(), image.size());
        QVERIFY(second == image);
        QCOMPARE(plantcheck::difference(plantcheck::contents(plant), plantcheck::contents(reread)), QString());
        QCOMPARE(plantcheck::difference(descriptions(plant), descriptions(reread)), QString());
        // The zones count the points stored one by one as they count those of an opened file.
        QCOMPARE(plantcheck::difference(zoneCounts(plant), zoneCounts(reread)), QString());
        // Opened and compiled, a file gives back its own image: the plant file's and the
        // compiled one's.
        QVERIFY(second == imageOfPlantFile(path("plant.ov")));
        Plant fromImage;
        fromImage.setDefaultParameters();
        QCOMPARE(fromImage.loadFromFile(path("first.bin"), false), 0u);
        QCOMPARE(fromImage.copyFrom(), 0u);
        fromImage.copyTo();
        QVERIFY(compiledImage(path("third.bin")) == image);
    }

    // A KORVA module's inputs name the loop's first sensor of code 65; with none they stay empty,
    // as they do on any other module.
    void korvaInputs_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("inputSensors");
        QTest::addColumn<int>("expected");
        for (int code : {180, 181, 182}) {
            QTest::addRow("%d, inputs at 4 and 6", code) << code << QList<int>{4, 6} << 4;
            QTest::addRow("%d, input at 1", code) << code << QList<int>{1} << 1;
            QTest::addRow("%d, input at 159", code) << code << QList<int>{159} << 159;
            QTest::addRow("%d, no input", code) << code << QList<int>{} << 0;
        }
        // Any other module has no inputs.
        QTest::newRow("130, inputs at 4 and 6") << 130 << QList<int>{4, 6} << 0;
        QTest::newRow("16402, inputs at 4 and 6") << 16402 << QList<int>{4, 6} << 0;
    }
    void korvaInputs()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, inputSensors);
        QFETCH(int, expected);
        usePanel(11, 0);
        Plant plant;
        QVERIFY(plant.setPlantType(0, true));
        const int loopType = plant.getCPULoopType(0, 0);
        QCOMPARE(loopType, int(OvLoop::LOOP_ZAV200));
        // Sensors of another code before and between the inputs.
        for (int address : {2, 5})
            plant.setPoint(sensor(loopType, 20, address));
        for (int address : inputSensors)
            plant.setPoint(sensor(loopType, kKorvaInputCode, address));
        const PointTypeHw type(code > 0x4000 ? 2 : 1, OvLoop::moduleProtocol(loopType), 2, ushort(code));
        QVERIFY(!type.channels().isEmpty() && !type.channels().first().swTypes().isEmpty());

        QVERIFY(TestPlantGenerator(&plant, 3).add(0, 0, type));

        const OvGenericPoint* module = plant.getPoint(0, 0, 0, 2);
        QVERIFY(module && module->isValid());
        QCOMPARE(int(module->hwType()), code);
        QCOMPARE(module->fastInputDev1(), expected);
        QCOMPARE(module->fastInputDev2(), expected);
        for (const OvGenericSubPoint& channel : module->subPoints()) {
            QCOMPARE(channel.fastInputDev1(), expected);
            QCOMPARE(channel.fastInputDev2(), expected);
        }
    }

    // A module takes the addresses its channels answer at: channels of an ADV module answer at
    // its own address, those of the other modules each at one of their own; the generator puts
    // the next module on the first addresses no channel takes.
    void besideModules_data()
    {
        QTest::addColumn<uint>("panel");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("expected");
        QTest::newRow("APOLLO DUAL I/O") << 7u << 43008 << 1 << 2 << 41984 << 3;
        QTest::newRow("APOLLO MOD.IN/OUT, five channels typed") << 7u << 43009 << 1 << 5 << 41984 << 6;
        QTest::newRow("APOLLO DUAL I/O at 2, DUAL I/O added") << 7u << 43008 << 2 << 2 << 43008 << 4;
        QTest::newRow("ADV two outputs") << 11u << 180 << 1 << 2 << 129 << 2;
        QTest::newRow("ADV two outputs at 2, two outputs added") << 11u << 180 << 2 << 2 << 180 << 1;
    }
    void besideModules()
    {
        QFETCH(uint, panel);
        QFETCH(int, code);
        QFETCH(int, at);
        QFETCH(int, typed);
        QFETCH(int, added);
        QFETCH(int, expected);
        usePanel(panel, 0);
        if (panel == 7)
            Configuration::instance()->set_current_brand(4);
        Plant plant;
        QVERIFY(plant.setPlantType(0, true));
        const int loopType = plant.getCPULoopType(0, 0);
        QCOMPARE(loopType, int(panel == 7 ? OvLoop::LOOP_APOLLO : OvLoop::LOOP_ZAV200));
        const int protocol = OvLoop::moduleProtocol(loopType);
        const auto type = [&](int hw) { return PointTypeHw(PointType::seriesOf(ushort(hw)), protocol, 2, ushort(hw)); };
        const PointTypeHw held = type(code);
        const int channels = held.channels().size();
        OvGenericPoint module = plantbuild::point(1, 1, at, protocol, 2, held.series(), u16(code),
                                                  u8(held.channels().first().swTypes().first()), channels);
        // The last channels left untyped, as a file holds them.
        for (int i = 0; i < channels; ++i) {
            OvGenericSubPoint channel = module.subPoints().at(i);
            channel.setSWType(i < typed ? u8(held.channels().at(i).swTypes().first()) : u8(0), true);
            module.updateSubPoint(channel);
        }
        module.dropUntypedChannelsAfter(0);
        QCOMPARE(module.subPoints().size(), typed);
        plant.setPoint(module);
        QVERIFY(plant.getPoint(0, 0, at - 1, 2)->isValid());

        QVERIFY(TestPlantGenerator(&plant, 5).add(0, 0, type(added)));

        const OvGenericPoint* placed = plant.getPoint(0, 0, expected - 1, 2);
        QVERIFY(placed && placed->isValid());
        QCOMPARE(int(placed->hwType()), added);
    }

    // The same seed makes the same plant; the command's clock seed is the only other source.
    void seeded()
    {
        const QByteArray first = generated(9);
        QVERIFY(!first.isEmpty());
        QVERIFY(generated(9) == first);
        QVERIFY(generated(10) != first);
    }

    // Without a plant nothing is added and the panel configuration is untouched.
    void noPlant()
    {
        usePanel(8, 0);
        const QByteArray before = planttest::block(2);
        TestPlantGenerator generator(nullptr, 1);
        generator.makeAll();
        QVERIFY(!generator.add(0, 0, PointTypeHw(1, 2, 1, 16388)));
        QVERIFY(planttest::block(2) == before);
    }
};

QTEST_GUILESS_MAIN(TstTestPlantGenerator)
#include "tst_testplantgenerator.moc"
