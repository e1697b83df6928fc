// The reader of plant files of earlier releases against files written by the generator: the
// generator's own bytes, a whole file with every record kind, the rules of the format, hostile
// input, and the plant load's legacy branch.
#include "io/OvFileMng.h"

#include "../app/IsolatedHome.h"
#include "../plant/PlantTestSupport.h"
#include "../plant/ScriptedDialogs.h"
#include "LegacyFileGenerator.h"
#include "TestBase.h"

#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace legacygen;

static const IsolatedHome s_home;

namespace {

QByteArray general(const QString& description, const QByteArray& extra = QByteArray())
{
    return record(2, fInt(1, 1) + fText(4, description) + extra);
}

const OvGenericPoint* sensor(const Plant& plant, int cpu, int loop, int address, int family = 1)
{
    return plant.cpus().cpuAt(cpu - 1)->getPoint(u32(loop - 1), address - 1, family);
}

} // namespace

class TstLegacyReader : public TestBase {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString write(const QByteArray& bytes, const char* name = "old.ov")
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return QString();
        return file.fileName();
    }

    // readFile, then loadSections when it gave 0.
    QPair<uint, uint> read(const QByteArray& content, Plant& plant)
    {
        OvFileMng reader(write(file(content)), false);
        const uint first = reader.readFile();
        return {first, first == 0 ? reader.loadSections(plant) : 999u};
    }

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        Configuration::instance()->set_configNumber(8);
    }

    void generator()
    {
        QCOMPARE(crc16("123456789"), quint16(0x4B37));
        QCOMPARE(repeater(1, "R1"),
                 QByteArray::fromHex("70EBDE9110140000007"
                                     "0EB5F000100000070EB67000400000052003100"
                                     "70EBFFFF101862"));
    }

    void wholeRead()
    {
        const QByteArray points = record(9,
                                         pointFields(1, 1, 3, 0x0002, 5, 1, 1, 2, 1, "Smoke 3", 4, "SUB1(C1L1M2.1)")
                                             + fBool(60, false) + fBool(61, true) + fBool(63, true) + fInt(70, 2)
                                             + fInt(71, 3) + fInt(72, 4) + fInt(77, 2) + fInt(92, 7) + fInt(93, 8)
                                             + fBool(94, true))
            + record(9,
                     pointFields(1, 1, 2, 0x0300, 0, 0, 2, 1, 1, "Module 2", 5)
                         + record(14, fInt(50, 2) + pointFields(1, 1, 2, 0x0300, 9, 2, 2, 1, 1, "Out 2", 6)));
        const QByteArray filters = legacygen::eventFilter(3, -1, -1, -1, -1, 12, -1)
            + legacygen::eventFilter(8, 1, 1, 3, -1, -1, 1);
        const QByteArray cpu1 = cpu(
            1, true, "Main",
            loop(1, 1, 0, true, points) + loop(1, 2, 1, false, QByteArray()) + loop(1, 3, 2, false, QByteArray())
                + sib(5, 0x0A000001, 0xFFFFFF00, 0x0A0000FE, 0x0A000002, 0xFFFF0000, 0x0A000003, 1, 4, 17, 0, 0, 0)
                + record(17, annunciator(2, "Viewer 2")) + record(19, annunciator(3, "Panel 3", filters)));
        auto cpuWithSupervisor = [](int index, int type) {
            return cpu(index, false, QString("CPU %1").arg(index),
                       sib(0, 0, 0, 0, 0, 0, 0, type, 0, 0, 0xC0A80001 + quint32(index), 0xFFFFFF00, 0xC0A800FE));
        };
        const QByteArray content = header(2009, 3, 14, 15, 9, 26, "Installer", 2, 5, 11)
            + general("Old plant",
                      fBool(2, true) + fInt(11, 30) + fInt(28, 19200) + marker(91) + char(1) + le(4321, 4)
                          + fInt(100, 55) + fBool(109, false) + fInt(111, 2))
            + record(3, record(4, fInt(1, 1)))
            + record(12, area(0, "Hall", true, false, 0x37) + area(4, "Roof", false, true, 2))
            + record(10,
                     fInt(78, 9) + fInt(79, 2) + fInt(80, 3) + fInt(81, 4)
                         + group(0, "Sirens", true, "SUB1(C1L1M2.1)", false) + group(3, "Doors", false, "", true))
            + record(15, repeater(1, "R1") + repeater(8, "R8"))
            + record(5, cpu1 + cpuWithSupervisor(2, 0) + cpuWithSupervisor(3, 2) + cpuWithSupervisor(4, 3));
        Plant plant;
        QSignalSpy relay(&plant, &Plant::plantReleAllChanged);
        OvFileMng reader(write(file(content)), false);
        QCOMPARE(reader.readFile(), 0u);
        QCOMPARE(reader.creationTime(), QByteArray::fromHex("1a090f0e03d90700"));
        QCOMPARE(reader.creator(), QString("Installer"));
        QVERIFY(reader.appVersion(0) == 2 && reader.appVersion(1) == 5 && reader.appVersion(2) == 11);
        QCOMPARE(reader.loadSections(plant), 0u);
        QCOMPARE(plant.getPlantType(), 1);
        QVERIFY(plant.cpus().count() >= 4 && plant.getRepeatersCount() >= 8 && plant.areas().count() >= 5);
        QCOMPARE(plant.getDescription(), QString("Old plant"));
        QVERIFY(plant.getDriftAllert() && !plant.getSirenInstantActivation());
        QCOMPARE(plant.getSirenDelayTime(), 30u);
        QCOMPARE(plant.getPrinterBaudRate(), 19200u);
        QCOMPARE(plant.getPassword(1), 4321u);
        QCOMPARE(plant.getPreAlarmLvl(), 55u);
        QCOMPARE(relay.count(), 1);
        QCOMPARE(plant.plantReleAll(), 2u);
        const OvArea& hall = plant.areas().areas().at(0);
        QCOMPARE(hall.description(), QString("Hall"));
        QVERIFY(hall.nightAndDay() && !hall.preAllarm());
        QCOMPARE(hall.correlation(), u8(7));
        QCOMPARE(plant.areas().areas().at(4).description(), QString("Roof"));
        QCOMPARE(plant.groups().directGroupsCount(), 2);
        QCOMPARE(plant.groups().lowSensibilityGroupIndex(), 3);
        QCOMPARE(plant.groups().highSensibilityGroupIndex(), 4);
        const OvGroup first = plant.groups().groups().at(0);
        QCOMPARE(first.index(), 1);
        QCOMPARE(first.description(), QString("Sirens"));
        QCOMPARE(first.cbe(), QString("SUB(C1L1M2.1)"));
        QVERIFY(first.isDirect() && !first.doubleConsent());
        QCOMPARE(plant.groups().groups().at(3).index(), 4);
        QVERIFY(plant.groups().groups().at(3).doubleConsent());
        QVERIFY(plant.getRepeaterStat(0) && plant.getRepeaterStat(7) && !plant.getRepeaterStat(1));
        QCOMPARE(plant.getRepeaterDescription(7), QString("R8"));

        const CPUDevice& main = *plant.cpus().cpuAt(0);
        QVERIFY(main.isEnabled() && main.upsFlag());
        QCOMPARE(main.description(), QString("Main"));
        QCOMPARE(main.getLoop(0).type(), 0);
        QVERIFY(main.getLoop(0).isOpen());
        QCOMPARE(main.getLoop(1).type(), 1);
        QCOMPARE(main.getLoop(2).type(), 2);
        const OvGenericPoint* smoke = sensor(plant, 1, 1, 3);
        QVERIFY(smoke);
        QCOMPARE(smoke->hwType(), u16(0x4002));
        QCOMPARE(smoke->swType(), u8(5));
        QCOMPARE(smoke->protocol(), 2);
        QCOMPARE(smoke->description(), QString("Smoke 3"));
        QCOMPARE(smoke->areaIndex(), 4);
        QCOMPARE(smoke->cbe(), QString("SUB(C1L1M2.1)"));
        QVERIFY(!smoke->checkAudit() && smoke->checkFlashing() && smoke->checkTracking());
        QCOMPARE(smoke->sensHigh(), 4);
        QCOMPARE(smoke->alertLevelRAVI(), 2);
        QVERIFY(smoke->fastInputDev1() == 7 && smoke->fastInputDev2() == 8 && smoke->fastInputLogic());
        const OvGenericPoint* module = sensor(plant, 1, 1, 2, 2);
        QVERIFY(module);
        QCOMPARE(module->subPoints().size(), 2);
        QCOMPARE(module->subPoints().at(1).description(), QString("Out 2"));
        QCOMPARE(module->subPoints().at(1).getSubIndex(), 2);
        QCOMPARE(module->subPoints().at(0).description(), QString("Module 2"));
        QCOMPARE(plant.cpus().getSUPType(0), 1u);
        QCOMPARE(plant.cpus().getSUPmbAddr(0), 17u);
        QCOMPARE(plant.cpus().getSUPmbBaud(0), 4u);
        QCOMPARE(plant.cpus().getSIBRSPort(0), 5u);
        QCOMPARE(plant.cpus().getSIBIPAddr(0), SIBConfiguration::toDottedText(0x0A000001));
        QCOMPARE(plant.cpus().getGWNetMask(0), SIBConfiguration::toDottedText(0xFFFF0000));
        for (int index = 2; index <= 4; ++index)
            QCOMPARE(plant.cpus().getSUPType(index - 1), u32(index == 2 ? 0 : index - 1));
        QCOMPARE(plant.cpus().getSUPIPAddr(3), SIBConfiguration::toDottedText(0xC0A80005));
        QCOMPARE(main.viewers().annunciators().value(2).description(), QString("Viewer 2"));
        const OvAnnunciator panel = main.annunciators().annunciators().value(3);
        QCOMPARE(panel.description(), QString("Panel 3"));
        QCOMPARE(panel.filters().size(), 2);
        QCOMPARE(panel.filters().at(0)->getType(), 3u);
        QCOMPARE(panel.filters().at(1)->getType(), 8u);
    }

    void rules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<uint>("result");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");
        auto cpus = [](const QByteArray& records) { return general("P") + record(5, records); };
        auto onePoint = [&](const QByteArray& pointRecord) {
            return cpus(cpu(1, false, "C", loop(1, 1, 0, false, pointRecord)));
        };
        QTest::newRow("protocol 2 in a point")
            << onePoint(record(9, pointFields(1, 1, 3, 0x0002, 5, 1, 1, 2, 1, "", 1))) << 0u << "hw"
            << "4002"
            << "";
        QTest::newRow("protocol 2 in a channel")
            << onePoint(record(9,
                               pointFields(1, 1, 3, 0x0010, 5, 1, 1, 1, 1, "", 1)
                                   + record(14, fInt(50, 1) + pointFields(1, 1, 3, 0x0002, 5, 1, 1, 2, 1, "", 1))))
            << 0u << "sub1hw"
            << "2"
            << "";
        QTest::newRow("sub index 3 grows from the point")
            << onePoint(record(9,
                               pointFields(1, 1, 3, 0x0010, 5, 1, 1, 1, 1, "P3", 1)
                                   + record(14, fInt(50, 3) + pointFields(1, 1, 3, 0x0010, 5, 1, 1, 1, 1, "S3", 1))))
            << 0u << "subs"
            << "P3,P3,S3"
            << "";
        QTest::newRow("CPU fields before 40 lost")
            << cpus(record(6, fText(4, "Lost") + fInt(40, 1) + fBool(41, true))) << 0u << "cpu1"
            << "1:"
            << "";
        QTest::newRow("group 86 = 0") << general("P") + record(10, group(0, "G", false, "", false)) << 0u << "group1"
                                      << "1:G"
                                      << "";
        QTest::newRow("filter without 98")
            << cpus(cpu(1, false, "C", record(19, annunciator(3, "A", record(20, fInt(40, 1)))))) << 0u << "filters"
            << "0"
            << "";
        QTest::newRow("unknown tag passed") << general("P", fInt(200, 5) + fInt(11, 42)) << 0u << "siren"
                                            << "42"
                                            << "";
        QTest::newRow("wrong end tag") << general("P")
                + record(12,
                         area(0, "A", true, true, 1)
                             .replace(QByteArray("\xFF\xFF\x0D", 3), QByteArray("\xFF\xFF\x0E", 3)))
                                       << 264u << "area1"
                                       << "A"
                                       << "";
        QTest::newRow("foreign record in the areas")
            << general("P") + record(12, record(14, fInt(90, 0))) << 265u << "area1"
            << ""
            << "";
        QByteArray flipped = cpu(1, false, "Damaged", QByteArray());
        flipped[20] = char(flipped[20] ^ 0x04);
        QTest::newRow("CPU CRC bit") << cpus(flipped) << 0u << "cpu1"
                                     << ":"
                                     << "Legacy record 6 at offset";
        QTest::newRow("CPU size 0") << cpus(record(6, fInt(40, 1) + fText(4, "Zero"), {0, -1, 0})) << 0u << "cpu1"
                                    << ":"
                                    << "";
        QTest::newRow("CPU size 0x100000")
            << cpus(record(6, fInt(40, 1) + fText(4, "Big"), {0x100000, -1, 0})) << 0u << "cpu1"
            << ":"
            << "";
        QTest::newRow("groups missing") << general("P") + record(15, repeater(2, "R2"))
                + record(5, cpu(1, false, "C", QByteArray()))
                                        << 0u << "cpu1"
                                        << ":C"
                                        << "";
        // Hostile values: refused, nothing stored.
        QTest::newRow("record size 0xFFFFFFF9")
            << cpus(record(6, fInt(40, 1) + fText(4, "Huge"), {0xFFFFFFF9, -1, 0})) << 0u << "cpu1"
            << ":"
            << "";
        QTest::newRow("top-level size 0xFFFFFFF9") << record(2, fText(4, "X"), {0xFFFFFFF9, -1, 0}) << 0u << "desc"
                                                   << ""
                                                   << "run past the end";
        QTest::newRow("sub index 0x7FFFFFFF") << onePoint(
            record(9,
                   pointFields(1, 1, 3, 0x0010, 5, 1, 1, 1, 1, "P3", 1)
                       + record(14, fInt(50, 0x7FFFFFFF) + pointFields(1, 1, 3, 0x0010, 5, 1, 1, 1, 1, "S", 1))))
                                              << 0u << "subs"
                                              << ""
                                              << "sub index 2147483647 refused";
        QTest::newRow("repeater 0x7FFFFFFF")
            << general("P") + record(15, repeater(0x7FFFFFFF, "X")) << 0u << "repeaters"
            << "8"
            << "repeater number 2147483647";
        QTest::newRow("program of 1025 characters")
            << general("P") + record(10, group(0, "G", false, QString(1025, QChar('1')), false)) << 0u << "group1cbe"
            << ""
            << "program text of 1025 characters refused";
        QTest::newRow("program of 1024 characters")
            << general("P") + record(10, group(0, "G", false, QString(1024, QChar('1')), false)) << 0u << "group1cbe"
            << QString(1024, QChar('1')) << "";
        QTest::newRow("CPU 99") << cpus(cpu(99, true, "Far", QByteArray())) << 0u << "cpu1"
                                << ":"
                                << "CPU index 99 refused";
        QTest::newRow("loop 0") << cpus(cpu(1, false, "C", loop(1, 0, 0, false, QByteArray()))) << 0u << "cpu1"
                                << ":C"
                                << "loop index 0 refused";
    }

    void rules()
    {
        QFETCH(QByteArray, content);
        QFETCH(uint, result);
        QFETCH(QString, probe);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            expectWarning(warning);
        Plant plant;
        QCOMPARE(read(content, plant), qMakePair(0u, result));
        QString value;
        const CPUDevice& first = *plant.cpus().cpuAt(0);
        const OvGenericPoint* point = first.getPoint(0, 2, 1);
        if (probe == "hw")
            value = QString::number(point->hwType(), 16);
        else if (probe == "sub1hw")
            value = QString::number(point->subPoints().value(0).hwType(), 16);
        else if (probe == "subs") {
            QStringList names;
            for (const OvGenericSubPoint& channel : point->subPoints())
                names << channel.description();
            value = names.join(',');
        } else if (probe == "cpu1")
            value = QString(first.upsFlag() ? "1:" : ":") + first.description();
        else if (probe == "group1")
            value = QString("%1:%2")
                        .arg(plant.groups().groups().at(0).index())
                        .arg(plant.groups().groups().at(0).description());
        else if (probe == "group1cbe")
            value = plant.groups().groups().at(0).cbe();
        else if (probe == "filters")
            value = QString::number(first.annunciators().annunciators().value(3).filters().value(0)->getType());
        else if (probe == "siren")
            value = QString::number(plant.getSirenDelayTime());
        else if (probe == "area1")
            value = plant.areas().areas().at(0).description();
        else if (probe == "desc")
            value = plant.getDescription();
        else if (probe == "repeaters")
            value = QString::number(plant.getRepeatersCount());
        QTEST(value, "expected");
    }

    void container_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<uint>("result");
        QTest::addColumn<bool>("warns");
        const QByteArray content = general("V");
        QTest::newRow("version 0x01FF") << file(content, 0x01FF) << 0u << false;
        QTest::newRow("version 0x0200") << file(content, 0x0200) << 260u << false;
        QTest::newRow("bad magic") << QByteArray("\x76\xC4\xF0\x13") + file(content).mid(4) << 259u << false;
        QTest::newRow("garbage block") << fileWithBlock(QByteArray("\0\0\0\x10garbage!", 11)) << 257u << true;
        QTest::newRow("declared block 0x7FFFFFF0")
            << file(content).left(6) + le(0x7FFFFFF0, 4) + file(content).mid(10) << 257u << false;
        QTest::newRow("declared content 0x7FFFFFF0")
            << fileWithBlock(le(0xF0FFFF7F, 4) + qCompress(content).mid(4)) << 257u << true;
        QTest::newRow("content beyond its declared size")
            << fileWithBlock(le(0x04000000, 4) + qCompress(content).mid(4)) << 257u << true;
        QTest::newRow("no block") << file(content).left(6) + le(0xFFFFFFFF, 4) << 257u << false;
        QTest::newRow("empty content") << fileWithBlock(qCompress(QByteArray())) << 257u << true;
    }

    void container()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, warns);
        if (warns)
            expectWarning("Legacy plant file");
        OvFileMng reader(write(bytes), false);
        QTEST(reader.readFile(), "result");
        QCOMPARE(OvFileMng(m_dir.filePath("absent.ov"), false).readFile(), 257u);
    }

    void cutAtEveryLength()
    {
        const QByteArray whole = file(general("Cut") + record(5, cpu(1, false, "C", QByteArray())));
        Plant plant;
        for (int n = 0; n < whole.size(); ++n) {
            OvFileMng reader(write(whole.left(n)), false);
            QCOMPARE(reader.readFile(), n < 4 ? 259u : 257u);
        }
        QCOMPARE(plant.getDescription(), QString());
    }

    void branch_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<uint>("result");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("notices");
        const QByteArray good = file(general("Legacy"));
        const QByteArray garbage = fileWithBlock(QByteArray("\0\0\0\x10garbage!", 11));
        const QByteArray badEnd = file(general("Half") + record(12, record(13, fInt(90, 0), {-1, 14, 0})));
        QTest::newRow("7") << 7 << good << 260u << "" << 0;
        QTest::newRow("8 garbage") << 8 << garbage << 260u << "" << 0;
        QTest::newRow("6 read") << 6 << good << 0u << "Legacy" << 1;
        QTest::newRow("3 read") << 3 << good << 0u << "Legacy" << 1;
        QTest::newRow("6 bad block") << 6 << garbage << 257u << "" << 0;
        QTest::newRow("6 wrong end tag") << 6 << badEnd << 264u << "" << 0;
    }

    void branch()
    {
        QFETCH(int, config);
        QFETCH(QByteArray, bytes);
        if (QByteArray(QTest::currentDataTag()) == "6 bad block")
            expectWarning("Legacy plant file");
        OvFileMng::install();
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        Configuration::instance()->set_configNumber(config);
        Plant plant;
        const int type = plant.getPlantType();
        QTEST(plant.loadFromFile(write(bytes), true), "result");
        QTEST(plant.getDescription(), "description");
        QCOMPARE(plant.getPlantType(), QByteArray(QTest::currentDataTag()).endsWith("read") ? 1 : type);
        QTEST(int(dialogs.asked().size()), "notices");
        if (!dialogs.asked().isEmpty()) {
            QCOMPARE(dialogs.asked().first().text, QString("LegacyFileOV4800"));
            QCOMPARE(dialogs.asked().first().icon, PlantMessage::Warning);
            QCOMPARE(dialogs.asked().first().buttons, int(PlantMessage::Ok));
        }
        QCOMPARE(Configuration::instance()->configNumber(), config);
        if (dialogs.asked().size() == 1) {
            Plant fromPanel;
            QCOMPARE(fromPanel.copyFrom(), 0u);
            traceErrors("set_cpu_llId");
            QCOMPARE(fromPanel.getDescription(), QString("Legacy"));
        }
        setPlantLegacyReaderFactory({});
    }
};

QTEST_GUILESS_MAIN(TstLegacyReader)
#include "tst_legacyreader.moc"
