// The plant's CPU slots (change bits, signals, the no-change rule), the questions they ask, and
// the area counts that follow moved points.
#include "plant/PanelBlockWrite.h"
#include "plant/Plant.h"
#include "plant/TestPlantGenerator.h"

#include "../app/IsolatedHome.h"
#include "LoopTestSupport.h"
#include "PlantTestSupport.h"
#include "ScriptedDialogs.h"
#include "TestBase.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

static const IsolatedHome s_home;

namespace {

// What a call emitted, in spy order: each signal's name with the index of the CPU copy or its
// index argument (and the loop arguments), then the change bits reported.
class SignalLog {
public:
    explicit SignalLog(Plant& plant)
    {
        add("desc", &plant, &Plant::cpuDescriptionChanged);
        add("sib", &plant, &Plant::cpuSibDataChanged);
        add("libs", &plant, &Plant::cpuLibCountChanged);
        add("cpu", &plant, QOverload<CPUDevice>::of(&Plant::cpuDataChanged));
        add("cpuIndex", &plant, QOverload<uint>::of(&Plant::cpuDataChanged));
        add("ext", &plant, QOverload<CPUDevice>::of(&Plant::cpuExtensionFlagChanged));
        add("extIndex", &plant, QOverload<int>::of(&Plant::cpuExtensionFlagChanged));
        add("open", &plant, &Plant::loopOpenFlagChanged);
        add("type", &plant, &Plant::loopTypeChanged);
        add("bits", &plant, &Plant::plantDataChanged);
    }

    void clear()
    {
        for (auto& spy : m_spies)
            spy.second->clear();
    }

    QString text() const
    {
        QStringList parts;
        for (const auto& spy : m_spies) {
            for (const QList<QVariant>& args : *spy.second) {
                const QVariant first = args.value(0);
                QString value = first.canConvert<CPUDevice>() ? QString::number(first.value<CPUDevice>().index())
                                                              : first.toString();
                if (args.size() == 3)
                    value += "/" + args.at(1).toString() + "/" + args.at(2).toString();
                parts << spy.first + "=" + value;
            }
        }
        return parts.join(' ');
    }

private:
    template <class Signal>
    void add(const char* name, Plant* plant, Signal signal)
    {
        m_spies.emplace_back(name, std::make_unique<QSignalSpy>(plant, signal));
    }

    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> m_spies;
};

// File > New of configuration config with a detector brand, then the plant type (0 stand-alone,
// 1 networked), as the window makes them.
void newPlant(Plant& plant, int config, int brand, uint plantType)
{
    Configuration* configuration = Configuration::instance();
    plant.setDefaultParameters();
    QVERIFY(configuration->applyConfigNumber(config, true));
    QVERIFY(plant.newPlant());
    QCOMPARE(plant.copyFrom(), 0);
    if (brand != configuration->current_brand()) {
        configuration->set_current_brand(brand);
        QVERIFY(plant.newPlant());
        QCOMPARE(plant.copyFrom(), 0);
    }
    QVERIFY(plant.setPlantType(plantType, true));
}

// The open of a file holding the panel configuration as it is now.
void reopen(Plant& plant)
{
    QCOMPARE(plant.copyFrom(), 0);
}

// The CPU list's tick: the record installed, then an edited copy of the CPU stored whole.
void enableFromCpuList(Plant& plant, int position)
{
    CPUDevice copy = *plant.cpus().cpuAt(position);
    QVERIFY(plant.fitsLoopBudget(position, true, int(copy.cpuType()), int(copy.getInstalledLibCount()), false));
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2, BlockAccess::write);
        QVERIFY(zpx.layout() && zpx->set_cpu_installed(u32(position), true) == 0);
    }
    copy.setEnabled(true);
    plant.setCPU(copy);
}

// The CPU list's removal: an edited copy of the CPU stored whole.
void disableFromCpuList(Plant& plant, int position)
{
    CPUDevice copy = *plant.cpus().cpuAt(position);
    copy.setEnabled(false);
    plant.setCPU(copy);
}

// A module of CPU 1, loop 1, address 9 stored as the sensor page stores it: in each area
// listed, one to a channel; in the one area alone; none, an empty address.
void storeModule(Plant& plant, const QStringList& areas)
{
    OvGenericPoint m(2, 1, 1, 9u);
    if (!areas.isEmpty())
        m = looptest::typed(1, 1, 9, 2, 2, 1, 133, 53, areas.size() > 1 ? areas.size() : 0);
    m.setAreaIndex(areas.size() == 1 ? areas.first().toInt() : 0);
    looptest::editChannels(m, [&areas](OvGenericSubPoint& c, int i) { c.setAreaIndex(areas.at(i).toInt()); });
    plant.setPoint(m);
}

// One slot call: a name and its numbers; "desc" takes a text.
bool run(Plant& plant, const QString& statement)
{
    const QStringList w = statement.trimmed().split(' ');
    const auto n = [&w](int i) { return w.value(i).toInt(); };
    const auto u = [&w](int i) { return w.value(i).toUInt(); };
    const QString& op = w.at(0);
    if (op == "desc")
        return plant.setCPUDescription(n(1), w.mid(2).join(' '));
    if (op == "sib")
        return plant.enableSIB(n(1));
    if (op == "rs")
        return plant.enableRSSIB(n(1), uchar(n(2)));
    if (op == "net")
        return plant.enableNetworkSIB(n(1), u(2), u(3), u(4));
    if (op == "gw")
        return plant.enableNetworkGW(n(1), u(2), u(3), u(4));
    if (op == "supnone")
        return plant.setSupervisorNotInstalled(n(1));
    if (op == "rtu")
        return plant.setSupervisorModbusRTU(n(1), n(2), n(3));
    if (op == "tcp")
        return plant.setSupervisorModbusTCP(n(1), u(2), u(3), u(4));
    if (op == "bacnet")
        return plant.setSupervisorBacnet(n(1), u(2), u(3), u(4));
    if (op == "nosib")
        return plant.disableSIB(n(1));
    if (op == "ups")
        return plant.setUPSFlag(n(1), n(2) != 0);
    if (op == "stat")
        plant.setCPUStat(n(1), n(2) != 0);
    else if (op == "open")
        plant.setCPULoopOpenFlag(u(1), u(2), n(3) != 0);
    else if (op == "type")
        return plant.setCPULoopType(u(1), u(2), u(3));
    else if (op == "libs")
        plant.setCPULibCount(n(1), n(2));
    else if (op == "cputype")
        plant.setCPUType(n(1), n(2));
    else if (op == "checkedlibs")
        plant.setCPULibCount(n(1), n(2), true);
    else if (op == "generate")
        TestPlantGenerator(&plant, 5).makeAll();
    else if (op == "new")
        newPlant(plant, n(1), n(2), u(3));
    else if (op == "cpulist")
        enableFromCpuList(plant, n(1));
    else if (op == "module")
        storeModule(plant, w.mid(1));
    else if (op == "cpulistoff")
        disableFromCpuList(plant, n(1));
    else if (op == "compile")
        plant.copyTo();
    else if (op == "poke")
        PanelBlockWrite(0, 2, 2).data()[4 + 61 * n(1) + 5 * n(2) + n(3)] = u8(w.value(4).toUInt(nullptr, 16));
    else if (op == "reopen")
        reopen(plant);
    else if (op == "newplant")
        plant.newPlant();
    else if (op == "planttype")
        plant.setPlantType(u(1), true);
    else
        qFatal("unknown statement %s", qPrintable(statement));
    return true;
}

} // namespace

class TstPlantOperations : public TestBase {
    Q_OBJECT

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(1);
    }

    // Every statement but the last prepares the plant; the last one is watched.
    void cpuSlots_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("emitted");
        QTest::newRow("description") << "desc 0 North" << true << "desc=1 cpuIndex=0 bits=16";
        QTest::newRow("description unchanged") << "desc 0 North; desc 0 North" << false << "";
        QTest::newRow("description past the list, empty") << "desc 70" << false << "";
        QTest::newRow("description past the list") << "desc 70 X" << true << "desc=0 cpuIndex=70 bits=16";
        QTest::newRow("bit already set") << "desc 0 North; desc 0 South" << true << "desc=1 cpuIndex=0";
        QTest::newRow("SIB") << "sib 0" << true << "sib=1 cpuIndex=0 bits=16";
        QTest::newRow("SIB again") << "sib 0; sib 0" << false << "";
        QTest::newRow("SIB past the list") << "sib 64" << true << "sib=0 cpuIndex=64 bits=16";
        QTest::newRow("RS port same") << "rs 1 3; rs 1 3" << false << "";
        QTest::newRow("RS port other") << "rs 1 3; rs 1 4" << true << "sib=2 cpuIndex=1";
        QTest::newRow("network SIB gateway") << "net 0 1 2 3; net 0 1 2 4" << true << "sib=1 cpuIndex=0";
        QTest::newRow("gateway without SIB") << "gw 0 5 6 7; gw 0 5 6 7" << true << "sib=1 cpuIndex=0";
        QTest::newRow("gateway same") << "sib 0; gw 0 5 6 7; gw 0 5 6 7" << false << "";
        QTest::newRow("gateway other") << "gw 0 5 6 7; gw 0 5 6 8" << true << "sib=1 cpuIndex=0";
        QTest::newRow("disable without SIB") << "nosib 0" << false << "";
        QTest::newRow("disable") << "sib 0; nosib 0" << true << "sib=1 cpuIndex=0";
        QTest::newRow("supervisor none already") << "supnone 0" << false << "";
        QTest::newRow("supervisor none") << "rtu 0 5 2; supnone 0" << true << "sib=1 cpuIndex=0";
        QTest::newRow("Modbus RTU") << "rtu 0 5 2" << true << "sib=1 cpuIndex=0 bits=16";
        QTest::newRow("Modbus RTU same") << "rtu 0 5 2; rtu 0 5 2" << false << "";
        QTest::newRow("Modbus RTU baud") << "rtu 0 5 2; rtu 0 5 3" << true << "sib=1 cpuIndex=0";
        QTest::newRow("Modbus RTU past the list") << "rtu 64 5 2" << false << "";
        QTest::newRow("BACnet after TCP") << "tcp 0 1 2 3; bacnet 0 1 2 3" << true << "sib=1 cpuIndex=0";
        QTest::newRow("UPS") << "ups 0 1" << true << "ext=1 extIndex=0 bits=16";
        QTest::newRow("UPS same") << "ups 0 0" << true << "";
        QTest::newRow("UPS off past the list") << "ups 70 0" << true << "";
        QTest::newRow("UPS on past the list") << "ups 70 1" << true << "ext=0 extIndex=70 bits=16";
        QTest::newRow("enable CPU 2") << "stat 1 1" << true << "cpu=2 cpuIndex=1 bits=16";
        QTest::newRow("open loop") << "open 0 1 1" << true << "open=0/1/true bits=16";
        QTest::newRow("close a closed loop") << "open 0 1 0" << true << "";
        QTest::newRow("open past the list") << "open 70 0 1" << true << "open=70/0/true bits=16";
        // Under detector brand 3 a KV loop is VARN: the panel would turn APOLLO and ADV into VARN.
        QTest::newRow("retype to APOLLO under brand 3") << "type 0 0 2" << false << "";
        QTest::newRow("retype to ADV on a KV panel") << "type 0 0 0" << false << "";
        QTest::newRow("retype to an unknown type") << "type 0 0 3" << false << "";
        QTest::newRow("retype to the same type") << "type 0 0 1" << true << "";
        QTest::newRow("type 0 past the list") << "type 70 0 0" << true << "";
        QTest::newRow("type 1 past the list") << "type 70 0 1" << true << "type=70/0/1 bits=16";
        QTest::newRow("LIB count 0") << "libs 0 0" << true << "";
        QTest::newRow("LIB count unchanged") << "libs 0 1" << true << "";
        QTest::newRow("LIB count 3") << "cputype 0 8; libs 0 3" << true << "libs=1 cpuIndex=0";
        QTest::newRow("LIB count negative CPU") << "libs -1 2" << true << "";
    }

    void cpuSlots()
    {
        QFETCH(QString, script);
        QFETCH(bool, result);
        QFETCH(QString, emitted);
        Plant plant;
        QCOMPARE(plant.getModificationStat(), 0u);
        SignalLog log(plant);
        const QStringList statements = script.split(';');
        for (int i = 0; i + 1 < statements.size(); ++i)
            run(plant, statements.at(i));
        log.clear();
        QCOMPARE(run(plant, statements.last()), result);
        QCOMPARE(log.text(), emitted);
        QCOMPARE(plant.getModificationStat(), emitted.isEmpty() && statements.size() == 1 ? 0u : 16u);
        // A board added to a CPU is bound to a device block, which the trace announces.
        traceErrors("set_cpu_llId");
    }

    void cpuStatWritesTheRecordOfThePosition()
    {
        Plant plant;
        plant.setCPUStat(2, true);
        QVERIFY(plant.getCPUStat(2));
        QCOMPARE(planttest::block(2).at(int(4 + 61 * 2 + 52)) & 1, 1);
        QCOMPARE(planttest::block(2).at(int(4 + 61 * 1 + 52)) & 1, 0);
    }

    // KV-4600 (type 8) needs 4 to 8 loops, KV-1600 (type 7) 2: a type needing fewer boards is
    // asked about, and the boards follow what the type allows.
    void cpuType()
    {
        Plant plant;
        QCOMPARE(plant.getCPULibCount(0), 1);
        plant.setCPUType(0, 8);
        QCOMPARE(plant.getCPUType(0), 8);
        QCOMPARE(plant.getCPULibCount(0), 2);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Cancel);
        dialogs.answer(PlantMessage::Ok);
        QSignalSpy libs(&plant, &Plant::cpuLibCountChanged);
        plant.setCPUType(0, 7);
        QCOMPARE(plant.getCPUType(0), 8);
        plant.setCPUType(0, 7);
        QCOMPARE(plant.getCPUType(0), 7);
        QCOMPARE(plant.getCPULibCount(0), 1);
        QCOMPARE(dialogs.asked().size(), 2);
        QCOMPARE(libs.count(), 2);
        plant.setCPUType(0, 8);
        QCOMPARE(dialogs.asked().size(), 2);
    }

    void fewerBoardsAsked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("boards");
        QTest::newRow("cancel") << int(PlantMessage::Cancel) << 3;
        QTest::newRow("ok") << int(PlantMessage::Ok) << 2;
    }

    // Cancelling keeps the boards but still marks the CPU data and tells the pages.
    void fewerBoardsAsked()
    {
        QFETCH(int, answer);
        QFETCH(int, boards);
        Plant plant;
        // A KV-4600 takes two to four boards.
        plant.setCPUType(0, 8);
        plant.setCPULibCount(0, 3);
        QCOMPARE(plant.getCPULibCount(0), 3);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Button(answer));
        QSignalSpy libs(&plant, &Plant::cpuLibCountChanged);
        plant.setCPULibCount(0, 2, true);
        QCOMPARE(dialogs.asked().size(), 1);
        const PlantMessage& asked = dialogs.asked().first();
        QCOMPARE(asked.icon, PlantMessage::Warning);
        QCOMPARE(asked.text, QString("USR_MSG_CONFIRM_PLANT_CHANGE_TYPE."));
        QCOMPARE(asked.buttons, PlantMessage::Ok | PlantMessage::Cancel);
        QCOMPARE(asked.defaultButton, PlantMessage::Cancel);
        QCOMPARE(plant.getCPULibCount(0), boards);
        QCOMPARE(libs.count(), 1);
        QCOMPARE(plant.getModificationStat(), 16u);
        traceErrors("set_cpu_llId");
    }

    // A networked KV1600 panel has 64 boards, which the board-count check of an open gives each
    // CPU within its type: a KV-1600 one, a KV-4600 two to four. With all 64 taken (31 KV-4600 of
    // two and two KV-1600) every change that needs one more is refused with the box and changes
    // nothing, as is a count outside the CPU's type; the generator adds no CPU and no board.
    void loopLimit_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("box");
        QTest::newRow("LIB count") << "checkedlibs 0 3" << true;
        QTest::newRow("LIB count without the check") << "libs 0 3" << false;
        QTest::newRow("enable a CPU") << "stat 33 1" << true;
        // Enabling an enabled CPU keeps its record.
        QTest::newRow("enable an enabled CPU") << "stat 0 1" << false;
        QTest::newRow("CPU type") << "cputype 32 8" << true;
        QTest::newRow("KV-4600 with one LIB") << "checkedlibs 0 1" << false;
        QTest::newRow("KV-1600 with two LIBs") << "checkedlibs 32 2" << false;
        QTest::newRow("generator") << "generate" << false;
    }
    void loopLimit()
    {
        QFETCH(QString, change);
        QFETCH(bool, box);
        Plant plant;
        QVERIFY(plant.setPlantType(1, false));
        for (int cpu = 0; cpu < 33; ++cpu) {
            plant.setCPUStat(cpu, true);
            plant.setCPUType(cpu, cpu < 31 ? 8 : 7);
        }
        const auto cpus = [&plant] {
            QStringList text;
            for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
                if (plant.getCPUStat(uint(cpu)))
                    text
                        << QString("%1:%2/%3").arg(cpu).arg(plant.getCPUType(uchar(cpu))).arg(plant.getCPULibCount(cpu));
            }
            return text.join(' ');
        };
        const QString before = cpus();
        QCOMPARE(before.count(":8/2"), 31);
        QCOMPARE(before.count(":7/1"), 2);
        const QByteArray record = planttest::block(2);
        ScriptedDialogs dialogs;
        if (box)
            dialogs.answer(PlantMessage::Ok);
        QSignalSpy index(&plant, QOverload<uint>::of(&Plant::cpuDataChanged));
        QSignalSpy libs(&plant, &Plant::cpuLibCountChanged);
        run(plant, change);
        QCOMPARE(dialogs.asked().size(), box ? 1 : 0);
        if (box) {
            QCOMPARE(dialogs.asked().first().icon, PlantMessage::Critical);
            QCOMPARE(dialogs.asked().first().text, QString("USR_ERR_TOO_MANY_LOOPS"));
            QCOMPARE(dialogs.asked().first().detailedText, QString("USR_ERR_TOO_MANY_LOOPS_DTL: 128"));
        }
        QCOMPARE(cpus(), before);
        QCOMPARE(libs.count(), 0);
        if (change != "generate") {
            QCOMPARE(index.count(), 1);
            QVERIFY(planttest::block(2) == record);
        }
        QCOMPARE(plant.getActiveLoopCount(), 128);
    }

    void loopTypeOfALoopWithPoints_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("type");
        QTest::newRow("no") << int(PlantMessage::No) << false << 1;
        QTest::newRow("yes") << int(PlantMessage::Yes) << true << 0;
    }

    void loopTypeOfALoopWithPoints()
    {
        QFETCH(int, answer);
        QFETCH(bool, result);
        QFETCH(int, type);
        // A panel that keeps two loop types under its brand: ADV and VARN.
        QCOMPARE(g_zpConf->new_config(11), 0);
        planttest::resetPanel();
        Plant plant;
        QVERIFY(plant.setCPULoopType(0, 0, 1));
        const OvGenericPoint sensor = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        plant.setPoint(sensor);
        QVERIFY(plant.getPoint(0, 0, 1, 1)->isValid());
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Button(answer));
        QSignalSpy typeChanged(&plant, &Plant::loopTypeChanged);
        QCOMPARE(plant.setCPULoopType(0, 0, 0), result);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().first().text, QString("USR_MSG_CHANGE_LOOP_TYPE_RQST"));
        QCOMPARE(dialogs.asked().first().informativeText, QString("USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO"));
        QCOMPARE(dialogs.asked().first().defaultButton, PlantMessage::No);
        QCOMPARE(plant.getCPULoopType(0, 0), type);
        QCOMPARE(typeChanged.count(), result ? 1 : 0);
    }

    // A sensor counted into area 3, then moved; the positions of the changed areas come new
    // area first.
    void areaCountsAfterMoves_data()
    {
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("request");
        QTest::newRow("to area 5") << 5 << "0 1"
                                   << "4 2";
        QTest::newRow("same area") << 3 << "1 0"
                                   << "";
        QTest::newRow("out of all areas") << -1 << "0 0"
                                          << "2";
        QTest::newRow("area 0") << 0 << "0 0"
                                << "2";
        QTest::newRow("last area") << 2000 << "0 0 1"
                                   << "1999 2";
        QTest::newRow("past the last area") << 2001 << "0 0"
                                            << "2";
    }

    void areaCountsAfterMoves()
    {
        QFETCH(int, to);
        QFETCH(QString, counts);
        QFETCH(QString, request);
        Plant plant;
        QCOMPARE(plant.areas().count(), 2000);
        QVERIFY(plant.setCPULoopType(0, 0, 1));
        OvGenericPoint sensor = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        sensor.setAreaIndex(3);
        plant.cpus().setPoint(&sensor);
        plant.countAreaDevices();
        QCOMPARE(plant.areas().areas().at(2).sensorCount(), 1u);
        QSignalSpy rqst(&plant, &Plant::updateAreasModelRqst);
        sensor.setAreaIndex(to);
        plant.setPoint(sensor);
        QStringList seen{QString::number(plant.areas().areas().at(2).sensorCount()),
                         QString::number(plant.areas().areas().at(4).sensorCount())};
        if (to == 2000)
            seen << QString::number(plant.areas().areas().at(1999).sensorCount());
        QCOMPARE(seen.join(' '), counts);
        QStringList positions;
        for (const QList<QVariant>& args : rqst) {
            for (int p : args.at(0).value<QVector<int>>())
                positions << QString::number(p);
        }
        QCOMPARE(positions.join(' '), request);
        QCOMPARE(rqst.count(), request.isEmpty() ? 0 : 1);
        QCOMPARE(plant.getPoint(0, 0, 1, 1)->areaIndex(), to);
    }

    // The zone counts after the last step are those an open of the plant makes: a module stored
    // over another, points that go with a retyped loop, removed boards or a removed CPU, and come
    // back with the CPU. Steps "ok" and "yes" answer the next question.
    void areaCountsAfterSteps_data()
    {
        QTest::addColumn<uint>("panel");
        QTest::addColumn<QString>("steps");
        QTest::newRow("channels at an empty address") << 8u << "module 1 1 2";
        QTest::newRow("more channels") << 8u << "module 1 2; module 1 2 3 3";
        QTest::newRow("fewer channels") << 8u << "module 1 2 3 3; module 1 2";
        QTest::newRow("channels change zone") << 8u << "module 1 2; module 3 3";
        QTest::newRow("channels to one module") << 8u << "module 1 2; module 3";
        QTest::newRow("one module to channels") << 8u << "module 3; module 1 2";
        QTest::newRow("channels removed") << 8u << "module 1 2; module";
        QTest::newRow("loop retyped") << 11u << "generate; yes; type 0 0 1";
        QTest::newRow("fewer boards") << 8u << "cputype 0 8; libs 0 4; generate; ok; libs 0 2";
        QTest::newRow("type with fewer boards") << 8u << "cputype 0 8; libs 0 4; generate; ok; cputype 0 7";
        QTest::newRow("CPU removed") << 8u << "generate; stat 0 0";
        QTest::newRow("CPU installed again") << 8u << "generate; stat 0 0; stat 0 1";
        QTest::newRow("CPU removed from the list") << 8u << "generate; cpulistoff 0";
        QTest::newRow("plant type to stand-alone") << 8u << "stat 1 1; generate; planttype 0";
        // A change of brand makes the plant again from the panel configuration.
        QTest::newRow("new plant read back") << 8u << "new 8 3 1; generate; compile; newplant; reopen";
    }

    void areaCountsAfterSteps()
    {
        QFETCH(uint, panel);
        QFETCH(QString, steps);
        QCOMPARE(g_zpConf->new_config(u8(panel)), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(1);
        Plant plant;
        ScriptedDialogs dialogs;
        const QStringList statements = steps.split(';');
        QString before;
        for (const QString& step : statements) {
            before = looptest::zoneCounts(plant);
            if (step.trimmed() == "ok" || step.trimmed() == "yes")
                dialogs.answer(step.trimmed() == "ok" ? PlantMessage::Ok : PlantMessage::Yes);
            else
                run(plant, step);
        }
        QCOMPARE(dialogs.pending(), 0);
        const QString after = looptest::zoneCounts(plant);
        plant.areas().reset();
        plant.countAreaDevices();
        QCOMPARE(after, looptest::zoneCounts(plant));
        QVERIFY(after != before);
        traceErrors("set_cpu_llId");
    }

    // Every point, or each of its channels, adds one to its area; areas 0 and past the last are
    // skipped, and the counts are not zeroed first.
    void areaCountsAdded()
    {
        Plant plant;
        QVERIFY(plant.setCPULoopType(0, 0, 1));
        OvGenericPoint module = looptest::typed(1, 1, 9, 2, 2, 1, 133, 53, 2);
        looptest::editChannels(module, [](OvGenericSubPoint& c, int i) { c.setAreaIndex(i == 0 ? 1 : 2001); });
        plant.cpus().setPoint(&module);
        OvGenericPoint last = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        last.setAreaIndex(2000);
        plant.cpus().setPoint(&last);
        OvGenericPoint none = looptest::typed(1, 1, 3, 2, 1, 1, 30, 4);
        none.setAreaIndex(0);
        plant.cpus().setPoint(&none);
        plant.countAreaDevices();
        plant.countAreaDevices();
        u32 sensors = 0, modules = 0;
        for (const OvArea& a : plant.areas().areas()) {
            sensors += a.sensorCount();
            modules += a.moduleCount();
        }
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(plant.areas().areas().at(0).moduleCount())
                     .arg(modules)
                     .arg(plant.areas().areas().at(1999).sensorCount())
                     .arg(sensors),
                 QString("2 2 2 2"));
    }

    // The point table's batch: channels move between module counts, a text change marks the
    // CBE bit.
    void pointsFromTheTable()
    {
        Plant plant;
        QVERIFY(plant.setCPULoopType(0, 0, 1));
        OvGenericPoint module = looptest::typed(1, 1, 9, 2, 2, 1, 133, 53, 2);
        looptest::editChannels(module, [](OvGenericSubPoint& c, int i) { c.setAreaIndex(i + 1); });
        plant.cpus().setPoint(&module);
        plant.countAreaDevices();
        QCOMPARE(plant.areas().areas().at(0).moduleCount(), 1u);
        QCOMPARE(plant.areas().areas().at(1).moduleCount(), 1u);

        OvGenericSubPoint second = module.subPoints().at(1);
        second.setAreaIndex(1);
        QSignalSpy rqst(&plant, &Plant::updateAreasModelRqst);
        plant.setPoints({&second});
        QCOMPARE(plant.areas().areas().at(0).moduleCount(), 2u);
        QCOMPARE(plant.areas().areas().at(1).moduleCount(), 0u);
        QCOMPARE(rqst.count(), 1);
        QCOMPARE(rqst.at(0).at(0).value<QVector<int>>(), QVector<int>({0, 1}));
        QCOMPARE(plant.getModificationStat(), 16u);
        QCOMPARE(plant.getPoint(0, 0, 8, 2)->subPoints().at(1).areaIndex(), 1);

        second.setCBE("OR(G1)");
        plant.setPoints({&second});
        QCOMPARE(plant.getModificationStat(), 16u | 256u);
        QCOMPARE(rqst.count(), 1);
    }

    // Every way the CPU pages add or remove a board of a KV1600-4600 panel (configuration 8;
    // configuration 7 has one board a CPU): the compiled records of the CPU's four boards and the
    // open (o) or closed (c) flags of the loops of each board the CPU holds (- none). A board
    // whose installed bit changes takes the board defaults: bytes 1 to 4 are 00 0a 00 0a, byte 0
    // has both line styles (a KVx000 panel: closed rings, bits 1-2 = 0x06) and both protocols of
    // the brand (APOLLO under brand 4: 0x10 | 0x40; else VARN, the panel lacking ADV: 0x08 | 0x20).
    // A board never added compiles as one added and removed: what the panel gets follows from the
    // plant, not from the way there. Steps "ok" answer the next question.
    void boardRecords_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<uint>("plantType");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("cpu");
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("loops");
        for (int brand : {3, 4}) {
            // Installed, and not installed (added and removed, or never added).
            const QString on = brand == 4 ? "57000a000a" : "2f000a000a";
            const QString off = brand == 4 ? "56000a000a" : "2e000a000a";
            const QStringList all{on, on, on, on};
            for (uint plantType : {0u, 1u}) {
                const auto row = [&](const char* name, const QString& steps, int cpu, const QStringList& records,
                                     const QString& loops) {
                    QTest::addRow("%s, brand %d, %s", name, brand, plantType ? "networked" : "stand-alone")
                        << brand << plantType << QString("new 8 %1 %2; ").arg(brand).arg(plantType) + steps << cpu
                        << records.join(' ') << loops;
                };
                // KV-4600 (type 8) takes two to four boards, KV-1600 (type 7) one.
                row("type with more boards", "cputype 0 8", 0, {on, on, off, off}, "cc cc - -");
                row("count up", "cputype 0 8; checkedlibs 0 4", 0, all, "cc cc cc cc");
                row("one at a time", "cputype 0 8; checkedlibs 0 3; checkedlibs 0 4", 0, all, "cc cc cc cc");
                row("count down", "cputype 0 8; checkedlibs 0 4; ok; checkedlibs 0 2", 0, {on, on, off, off},
                    "cc cc cc cc");
                row("count down and up", "cputype 0 8; checkedlibs 0 4; ok; checkedlibs 0 2; checkedlibs 0 4", 0, all,
                    "cc cc cc cc");
                row("type with fewer boards", "cputype 0 8; checkedlibs 0 4; ok; cputype 0 7", 0, {on, off, off, off},
                    "cc cc cc cc");
                // A file's board record stays as it was stored: board 3 with loop 5 open (style
                // bit 1 clear) and other bytes 1 to 4.
                const QString stored = brand == 4 ? "5501020304" : "2d01020304";
                row("stored record kept",
                    "cputype 0 8; checkedlibs 0 4; compile; poke 0 2 0 " + stored.left(2)
                        + "; poke 0 2 1 1; poke 0 2 2 2; poke 0 2 3 3; poke 0 2 4 4; reopen",
                    0, {on, on, stored, on}, "cc cc oc cc");
                if (plantType == 0)
                    continue;
                row("new CPU", "stat 1 1", 1, {on, off, off, off}, "cc - - -");
                row("new CPU from the list, four boards", "cpulist 1; cputype 1 8; checkedlibs 1 4", 1, all,
                    "cc cc cc cc");
            }
        }
    }

    void boardRecords()
    {
        QFETCH(int, brand);
        QFETCH(QString, steps);
        QFETCH(int, cpu);
        QFETCH(QString, records);
        QFETCH(QString, loops);
        Plant plant;
        ScriptedDialogs dialogs;
        for (const QString& step : steps.split(';'))
            if (step.trimmed() == "ok")
                dialogs.answer(PlantMessage::Ok);
            else
                run(plant, step);
        QCOMPARE(dialogs.pending(), 0);
        QCOMPARE(Configuration::instance()->current_brand(), brand);
        const CPUDevice* device = plant.cpus().cpuAt(cpu);
        QVERIFY(device);
        QStringList flags{"-", "-", "-", "-"};
        for (int b = 0; b < std::min(4, int(device->libs().size())); ++b) {
            flags[b].clear();
            for (const OvLoop* loop : device->libs().at(b).loops())
                flags[b] += loop->isOpen() ? 'o' : 'c';
        }
        QCOMPARE(flags.join(' '), loops);
        plant.copyTo();
        const QByteArray zpx = planttest::block(2);
        QStringList compiled;
        for (int b = 0; b < 4; ++b)
            compiled << QString(zpx.mid(4 + 61 * cpu + 5 * b, 5).toHex());
        QCOMPARE(compiled.join(' '), records);
        traceErrors("set_cpu_llId");
    }
};

QTEST_GUILESS_MAIN(TstPlantOperations)
#include "tst_plantoperations.moc"
