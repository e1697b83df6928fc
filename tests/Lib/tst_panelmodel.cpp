#include "ZpData/DeviceCatalogue.h"
#include "ZpData/PanelModel.h"

#include <QtTest>

#include <cstring>
#include <vector>

// Lists are compared as text so that a failure shows both lists whole.
namespace {

QString hex_list(const std::vector<u16>& list)
{
    QStringList parts;
    for (u16 code : list)
        parts << QString::number(code, 16).toUpper();
    return parts.join(", ");
}

QString number_list(const std::vector<u8>& list)
{
    QStringList parts;
    for (u8 value : list)
        parts << QString::number(value);
    return parts.join(", ");
}

} // namespace

class tst_PanelModel : public QObject {
    Q_OBJECT

private slots:
    void panelType_data();
    void panelType();
    void cpuModel_data();
    void cpuModel();
    void maxCpuNum_data();
    void maxCpuNum();
    void cpuLimitNeverPassesInstallation();
    void maxLineNum_data();
    void maxLineNum();
    void maxZoneNum_data();
    void maxZoneNum();
    void maxGroupNum_data();
    void maxGroupNum();
    void panelFamily_data();
    void panelFamily();
    void cpuType_data();
    void cpuType();
    void brandList_data();
    void brandList();
    void cpuTypeList_data();
    void cpuTypeList();
    void hwTypeList_data();
    void hwTypeList();
    void hwTypeListBothKinds_data();
    void hwTypeListBothKinds();
    void orderedInsertion();
    void lineNumbers_data();
    void lineNumbers();
    void baudCode_data();
    void baudCode();
    void baudRate_data();
    void baudRate();
    void mode_data();
    void mode();
};

void tst_PanelModel::panelType_data()
{
    QTest::addColumn<uint>("panelType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("cpuModel");
    QTest::newRow("0") << 0u << "ZP4800_KALDOREN" << 0u;
    QTest::newRow("1") << 1u << "ZP4700_KALDOREN" << 3u;
    QTest::newRow("2") << 2u << "ZP1300CL" << 4u;
    QTest::newRow("3") << 3u << "ZP1600CL" << 5u;
    QTest::newRow("4") << 4u << "ZP3600CL" << 6u;
    QTest::newRow("5") << 5u << "KV1300_03" << 7u;
    QTest::newRow("6") << 6u << "KV1600_03" << 8u;
    QTest::newRow("7") << 7u << "KV1300_01" << 7u;
    QTest::newRow("8") << 8u << "KV1600_01" << 8u;
    QTest::newRow("9") << 9u << "KV1300_02" << 7u;
    QTest::newRow("10") << 10u << "KV1600_02" << 8u;
    QTest::newRow("11") << 11u << "ZP4800N_KALDOREN" << 1u;
    QTest::newRow("12") << 12u << "ZP4800N_FERNHOLDT" << 1u;
    QTest::newRow("13") << 13u << "ZP4800_FERNHOLDT" << 0u;
    QTest::newRow("14") << 14u << "ZP4700_FERNHOLDT" << 3u;
    QTest::newRow("15") << 15u << "ZP4800G" << 2u;
    QTest::newRow("16") << 16u << "KV1300_04" << 7u;
    QTest::newRow("17") << 17u << "KV1600_04" << 8u;
    QTest::newRow("18 unknown") << 18u << "---" << 255u;
    QTest::newRow("255 unknown") << 255u << "---" << 255u;
    QTest::newRow("huge unknown") << 0xFFFFFFFFu << "---" << 255u;
}

void tst_PanelModel::panelType()
{
    QFETCH(uint, panelType);
    QFETCH(QString, name);
    QFETCH(uint, cpuModel);
    QCOMPARE(QString(PanelType::get_name(panelType)), name);
    QCOMPARE(uint(PanelType::get_cpu_model(panelType)), cpuModel);
}

void tst_PanelModel::cpuModel_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("family");
    QTest::addColumn<uint>("linesPerLl");
    QTest::addColumn<uint>("lineNum");
    QTest::addColumn<uint>("minLineNum");
    QTest::addColumn<bool>("sib");
    QTest::addColumn<bool>("network");
    QTest::addColumn<bool>("adv");
    QTest::addColumn<bool>("apollo");
    QTest::newRow("0") << 0u << "ZP4800" << 0u << 2u << 8u << 2u << true << true << true << false;
    QTest::newRow("1") << 1u << "ZP4800N" << 0u << 2u << 4u << 2u << true << true << true << false;
    QTest::newRow("2") << 2u << "ZP4800G" << 3u << 2u << 4u << 2u << true << true << true << false;
    QTest::newRow("3") << 3u << "ZP4700" << 0u << 1u << 1u << 1u << true << false << true << false;
    QTest::newRow("4") << 4u << "ZP1300CL" << 1u << 1u << 1u << 1u << false << false << false << false;
    QTest::newRow("5") << 5u << "ZP1600CL" << 1u << 2u << 2u << 2u << true << false << false << false;
    QTest::newRow("6") << 6u << "ZP3600CL" << 1u << 2u << 8u << 4u << true << false << false << false;
    QTest::newRow("7") << 7u << "KV1300" << 2u << 1u << 1u << 1u << false << false << false << true;
    QTest::newRow("8") << 8u << "KV1600" << 2u << 2u << 8u << 2u << false << true << false << true;
    QTest::newRow("9 unknown") << 9u << "---" << 255u << 2u << 1u << 1u << false << false << false << false;
    QTest::newRow("255 unknown") << 255u << "---" << 255u << 2u << 1u << 1u << false << false << false
                                 << false;
}

void tst_PanelModel::cpuModel()
{
    QFETCH(uint, model);
    QFETCH(QString, name);
    QFETCH(uint, family);
    QFETCH(uint, linesPerLl);
    QFETCH(uint, lineNum);
    QFETCH(uint, minLineNum);
    QFETCH(bool, sib);
    QFETCH(bool, network);
    QFETCH(bool, adv);
    QFETCH(bool, apollo);
    QCOMPARE(QString(CpuModel::get_name(model)), name);
    QCOMPARE(uint(CpuModel::get_family(model)), family);
    QCOMPARE(uint(CpuModel::get_lines_per_ll(model)), linesPerLl);
    QCOMPARE(uint(CpuModel::get_line_num(model)), lineNum);
    QCOMPARE(uint(CpuModel::get_min_line_num(model)), minLineNum);
    QCOMPARE(CpuModel::has_sib(model), sib);
    QCOMPARE(CpuModel::has_network(model), network);
    QCOMPARE(CpuModel::has_adv_protocol(model), adv);
    QCOMPARE(CpuModel::has_apollo_protocol(model), apollo);
    QCOMPARE(CpuModel::has_varn_protocol(model), true);
}

void tst_PanelModel::maxCpuNum_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<bool>("networked");
    QTest::addColumn<uint>("expected");
    const uint networkedMax[] = {32, 32, 1, 1, 1, 1, 1, 1, 64};
    for (uint model = 0; model <= 8; ++model) {
        QTest::addRow("%u networked", model) << model << true << networkedMax[model];
        QTest::addRow("%u standalone", model) << model << false << 1u;
    }
    QTest::newRow("9 networked") << 9u << true << 1u;
    QTest::newRow("255 networked") << 255u << true << 1u;
    QTest::newRow("255 standalone") << 255u << false << 1u;
}

void tst_PanelModel::maxCpuNum()
{
    QFETCH(uint, model);
    QFETCH(bool, networked);
    QFETCH(uint, expected);
    QCOMPARE(uint(CpuModel::get_max_cpu_num(model, networked)), expected);
}

// An installation holds at most 64 CPUs: no model offers 65.
void tst_PanelModel::cpuLimitNeverPassesInstallation()
{
    uint highest = 0;
    for (uint model = 0; model <= 255; ++model) {
        for (bool networked : {false, true}) {
            const uint n = CpuModel::get_max_cpu_num(model, networked);
            QVERIFY2(n <= 64, qPrintable(QString("model %1 allows %2 CPUs").arg(model).arg(n)));
            highest = qMax(highest, n);
        }
    }
    QCOMPARE(highest, 64u);
}

void tst_PanelModel::maxLineNum_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<bool>("networked");
    QTest::addColumn<uint>("expected");
    const uint networkedMax[] = {64, 64, 64, 1, 1, 2, 8, 1, 128};
    const uint standaloneMax[] = {8, 4, 4, 1, 1, 2, 8, 1, 8};
    for (uint model = 0; model <= 8; ++model) {
        QTest::addRow("%u networked", model) << model << true << networkedMax[model];
        QTest::addRow("%u standalone", model) << model << false << standaloneMax[model];
    }
    QTest::newRow("9 networked") << 9u << true << 1u;
    QTest::newRow("9 standalone") << 9u << false << 1u;
    QTest::newRow("255 networked") << 255u << true << 1u;
}

void tst_PanelModel::maxLineNum()
{
    QFETCH(uint, model);
    QFETCH(bool, networked);
    QFETCH(uint, expected);
    QCOMPARE(uint(CpuModel::get_max_line_num(model, networked)), expected);
}

void tst_PanelModel::maxZoneNum_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<bool>("networked");
    QTest::addColumn<uint>("expected");
    const uint networkedMax[] = {2001, 2001, 2001, 501, 151, 151, 151, 151, 2001};
    const uint standaloneMax[] = {501, 501, 501, 501, 151, 151, 151, 151, 2001};
    for (uint model = 0; model <= 8; ++model) {
        QTest::addRow("%u networked", model) << model << true << networkedMax[model];
        QTest::addRow("%u standalone", model) << model << false << standaloneMax[model];
    }
    QTest::newRow("9 networked") << 9u << true << 1u;
    QTest::newRow("255 networked") << 255u << true << 1u;
    QTest::newRow("255 standalone") << 255u << false << 1u;
}

void tst_PanelModel::maxZoneNum()
{
    QFETCH(uint, model);
    QFETCH(bool, networked);
    QFETCH(uint, expected);
    QCOMPARE(uint(CpuModel::get_max_zone_num(model, networked)), expected);
}

void tst_PanelModel::maxGroupNum_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<bool>("networked");
    QTest::addColumn<uint>("expected");
    const uint networkedMax[] = {1600, 1600, 1600, 400, 400, 400, 400, 400, 1600};
    for (uint model = 0; model <= 8; ++model) {
        QTest::addRow("%u networked", model) << model << true << networkedMax[model];
        QTest::addRow("%u standalone", model) << model << false << 400u;
    }
    QTest::newRow("9 networked") << 9u << true << 1u;
    QTest::newRow("255 networked") << 255u << true << 1u;
    QTest::newRow("255 standalone") << 255u << false << 1u;
}

void tst_PanelModel::maxGroupNum()
{
    QFETCH(uint, model);
    QFETCH(bool, networked);
    QFETCH(uint, expected);
    QCOMPARE(uint(CpuModel::get_max_group_num(model, networked)), expected);
}

void tst_PanelModel::panelFamily_data()
{
    QTest::addColumn<uint>("family");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("limit");
    QTest::newRow("0") << 0u << "ZP4x00" << 32000u;
    QTest::newRow("1") << 1u << "ZPx000CL" << 10000u;
    QTest::newRow("2") << 2u << "KVx000" << 10000u;
    QTest::newRow("3") << 3u << "ZP4x00G" << 32000u;
    QTest::newRow("4 unknown") << 4u << "---" << 1u;
    QTest::newRow("255 unknown") << 255u << "---" << 1u;
}

void tst_PanelModel::panelFamily()
{
    QFETCH(uint, family);
    QFETCH(QString, name);
    QFETCH(uint, limit);
    QCOMPARE(QString(PanelFamily::get_name(family)), name);
    QCOMPARE(uint(PanelFamily::get_limit(family)), limit);
}

void tst_PanelModel::cpuType_data()
{
    QTest::addColumn<uint>("cpuType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("cpuModel");
    QTest::addColumn<uint>("minLines");
    QTest::addColumn<uint>("maxLines");
    QTest::newRow("0") << 0u << "UNDEFINED" << 255u << 1u << 1u;
    QTest::newRow("1") << 1u << "ZP-4800" << 0u << 2u << 8u;
    QTest::newRow("2") << 2u << "ZP-4700" << 3u << 1u << 1u;
    QTest::newRow("3") << 3u << "ZP1300CL" << 4u << 1u << 1u;
    QTest::newRow("4") << 4u << "ZP1600CL" << 5u << 2u << 2u;
    QTest::newRow("5") << 5u << "ZP3600CL" << 6u << 4u << 8u;
    QTest::newRow("6") << 6u << "KV-1300" << 7u << 1u << 1u;
    QTest::newRow("7") << 7u << "KV-1600" << 8u << 2u << 2u;
    QTest::newRow("8") << 8u << "KV-4600" << 8u << 4u << 8u;
    QTest::newRow("9") << 9u << "ZP-4800N" << 1u << 2u << 4u;
    QTest::newRow("10") << 10u << "ZP-4800G" << 2u << 2u << 4u;
    QTest::newRow("11 unknown") << 11u << "---" << 255u << 1u << 1u;
    QTest::newRow("255 unknown") << 255u << "---" << 255u << 1u << 1u;
}

void tst_PanelModel::cpuType()
{
    QFETCH(uint, cpuType);
    QFETCH(QString, name);
    QFETCH(uint, cpuModel);
    QFETCH(uint, minLines);
    QFETCH(uint, maxLines);
    QCOMPARE(QString(CpuType::get_name(cpuType)), name);
    QCOMPARE(uint(CpuType::get_cpu_model(cpuType)), cpuModel);
    QCOMPARE(uint(CpuType::get_min_line_num(cpuType)), minLines);
    QCOMPARE(uint(CpuType::get_max_line_num(cpuType)), maxLines);
}

void tst_PanelModel::brandList_data()
{
    QTest::addColumn<uint>("panelType");
    QTest::addColumn<QString>("expected");
    const char* const lists[] = {
        "0", "0", "5", "5", "5", "4, 2, 3", "4, 2, 3", "4, 3", "4, 3",
        "2", "2", "0", "1", "1", "1", "", "2", "2",
    };
    for (uint type = 0; type < 18; ++type)
        QTest::addRow("type %u", type) << type << QString(lists[type]);
    QTest::newRow("18 unknown") << 18u << "";
    QTest::newRow("255 unknown") << 255u << "";
}

void tst_PanelModel::brandList()
{
    QFETCH(uint, panelType);
    QFETCH(QString, expected);
    const std::vector<u8> list = get_brand_list(panelType);
    QCOMPARE(number_list(list), expected);
    // Ordered by brand label.
    for (size_t i = 1; i < list.size(); ++i)
        QVERIFY(std::strcmp(get_brand_label(list[i - 1]), get_brand_label(list[i])) <= 0);
}

void tst_PanelModel::cpuTypeList_data()
{
    QTest::addColumn<uint>("model");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0u << "1";
    QTest::newRow("1") << 1u << "9";
    QTest::newRow("2") << 2u << "10";
    QTest::newRow("3") << 3u << "2";
    QTest::newRow("4") << 4u << "3";
    QTest::newRow("5") << 5u << "4";
    QTest::newRow("6") << 6u << "5";
    QTest::newRow("7") << 7u << "6";
    QTest::newRow("8") << 8u << "7, 8";
    QTest::newRow("9 unknown") << 9u << "";
    QTest::newRow("255 unknown") << 255u << "";
}

void tst_PanelModel::cpuTypeList()
{
    QFETCH(uint, model);
    QFETCH(QString, expected);
    const std::vector<u8> list = get_cpu_type_list(model);
    QCOMPARE(number_list(list), expected);
    for (u8 cpuType : list)
        QCOMPARE(uint(CpuType::get_cpu_model(cpuType)), model);
}

void tst_PanelModel::hwTypeList_data()
{
    QTest::addColumn<uint>("family");
    QTest::addColumn<uint>("protocol");
    QTest::addColumn<uint>("kind");
    QTest::addColumn<QString>("expected");

    const QString f1Sensors = "4002, 4004, 4003, 4005, 4001";
    const QString f1Modules = "400B, 99, 9A, 96, 98, 97, D6";
    QTest::newRow("ZPx000CL varn sensors") << 1u << 1u << 0u << f1Sensors;
    QTest::newRow("ZPx000CL varn modules") << 1u << 1u << 1u << f1Modules;
    QTest::newRow("ZPx000CL varn kind 2") << 1u << 1u << 2u << f1Modules;
    QTest::newRow("ZPx000CL varn kind FE") << 1u << 1u << 0xFEu << f1Modules;
    QTest::newRow("ZPx000CL adv sensors") << 1u << 0u << 0u << "";
    QTest::newRow("ZPx000CL adv modules") << 1u << 0u << 1u << "";
    QTest::newRow("ZPx000CL apollo sensors") << 1u << 2u << 0u << "";

    const QString f2Apollo = "B600, B800, B900, B400, B700, B000, A800, A801, A400, CD20, CE00, D800, "
                             "D400, D700, C6A0, C680, C600, DF00, F800, F400, F700, F801, F401, F701, "
                             "F403, F121, E821, E861, FF01";
    QTest::newRow("KVx000 varn sensors") << 2u << 1u << 0u << "4004, 4003, 4005";
    QTest::newRow("KVx000 varn modules") << 2u << 1u << 1u << "99, 97";
    QTest::newRow("KVx000 varn kind FE") << 2u << 1u << 0xFEu << "99, 97";
    QTest::newRow("KVx000 apollo sensors") << 2u << 2u << 0u << f2Apollo;
    QTest::newRow("KVx000 apollo modules") << 2u << 2u << 1u << f2Apollo;
    QTest::newRow("KVx000 apollo kind FE") << 2u << 2u << 0xFEu << f2Apollo;
    QTest::newRow("KVx000 adv sensors") << 2u << 0u << 0u << "";
    QTest::newRow("KVx000 protocol 3") << 2u << 3u << 0u << "";

    const QString advSensors = "41, 4002, 1F, 3C, 14, 1E, 20, 34, 33, 35, 4004, 4003, 4005, 4001";
    const QString advModules = "C9, 400F, CA, 400B, 4012, D0, 99, 9A, 80, 81, 84, 87, 9B, 85, 86, 82, "
                               "4010, CE, 400A, 4011, CF, 400C, 8B, 89, 400D, D1, 83, 96, 97, 98";
    const QString varnSensors = "4002, 14, 1E, 20, 34, 33, 35, 4004, 4003, 4005, 4001";
    const QString varnModules = "400E, C9, CA, 400B, D0, 99, 9A, 80, 81, 84, 85, 86, 87, 9B, 82, CE, "
                                "400A, CF, 400C, 83, 96, 98, 97";
    for (uint family : {0u, 3u}) {
        const QByteArray f = family == 0 ? "ZP4x00" : "ZP4x00G";
        QTest::newRow(f + " adv sensors") << family << 0u << 0u << advSensors;
        QTest::newRow(f + " adv modules") << family << 0u << 1u << advModules;
        QTest::newRow(f + " varn sensors") << family << 1u << 0u << varnSensors;
        QTest::newRow(f + " varn modules") << family << 1u << 1u << varnModules;
        QTest::newRow(f + " adv kind 2") << family << 0u << 2u << "";
        QTest::newRow(f + " apollo sensors") << family << 2u << 0u << "";
        QTest::newRow(f + " apollo modules") << family << 2u << 1u << "";
    }
    QTest::newRow("family 4") << 4u << 1u << 0u << "";
    QTest::newRow("family 255") << 255u << 1u << 1u << "";
}

void tst_PanelModel::hwTypeList()
{
    QFETCH(uint, family);
    QFETCH(uint, protocol);
    QFETCH(uint, kind);
    QFETCH(QString, expected);
    const std::vector<u16> list = get_hw_type_list(family, u8(protocol), u8(kind));
    QCOMPARE(hex_list(list), expected);
    for (size_t i = 1; i < list.size(); ++i)
        QVERIFY(std::strcmp(get_device_model_name(list[i - 1]), get_device_model_name(list[i])) <= 0);
}

// Both kinds: the sensors and the modules of the family and protocol, merged by model name.
void tst_PanelModel::hwTypeListBothKinds_data()
{
    QTest::addColumn<uint>("family");
    QTest::addColumn<uint>("protocol");
    QTest::newRow("ZP4x00 adv") << 0u << 0u;
    QTest::newRow("ZP4x00 varn") << 0u << 1u;
    QTest::newRow("ZP4x00G adv") << 3u << 0u;
    QTest::newRow("ZP4x00G varn") << 3u << 1u;
}

void tst_PanelModel::hwTypeListBothKinds()
{
    QFETCH(uint, family);
    QFETCH(uint, protocol);
    const std::vector<u16> sensors = get_hw_type_list(family, u8(protocol), DEVICE_KIND_SENSOR);
    const std::vector<u16> modules = get_hw_type_list(family, u8(protocol), DEVICE_KIND_MODULE);
    const std::vector<u16> both = get_hw_type_list(family, u8(protocol), DEVICE_KIND_ANY);
    QCOMPARE(both.size(), sensors.size() + modules.size());
    for (size_t i = 1; i < both.size(); ++i)
        QVERIFY(std::strcmp(get_device_model_name(both[i - 1]), get_device_model_name(both[i])) <= 0);
    // Each kind keeps its own order inside the merged list.
    std::vector<u16> sensorsSeen;
    std::vector<u16> modulesSeen;
    for (u16 code : both)
        (is_module_code(code) ? modulesSeen : sensorsSeen).push_back(code);
    QCOMPARE(hex_list(sensorsSeen), hex_list(sensors));
    QCOMPARE(hex_list(modulesSeen), hex_list(modules));
    // The ADV sensors start with 41 and the merged list with the same code.
    QCOMPARE(both.front(), sensors.front());
}

void tst_PanelModel::orderedInsertion()
{
    std::vector<u16> list;
    insert_hw_type_ordered(list, 16388); // "MULTI"
    insert_hw_type_ordered(list, 16386); // "ION": before "MULTI"
    insert_hw_type_ordered(list, 16385); // "THER": appended
    QCOMPARE(hex_list(list), QString("4002, 4004, 4001"));
    // Codes sharing a name keep the order they were inserted in, whichever that is.
    insert_hw_type_ordered(list, 152);
    insert_hw_type_ordered(list, 151);
    QCOMPARE(hex_list(list), QString("4002, 4004, 4001, 98, 97"));
    std::vector<u16> other;
    insert_hw_type_ordered(other, 151);
    insert_hw_type_ordered(other, 152);
    QCOMPARE(hex_list(other), QString("97, 98"));
    // The empty name of an unknown code sorts first.
    insert_hw_type_ordered(list, 1);
    QCOMPARE(list.front(), u16(1));
}

void tst_PanelModel::lineNumbers_data()
{
    QTest::addColumn<uint>("line");
    QTest::addColumn<uint>("ll");
    QTest::addColumn<uint>("lineInLl");
    QTest::newRow("0") << 0u << 0u << 0u;
    QTest::newRow("1") << 1u << 0u << 1u;
    QTest::newRow("2") << 2u << 1u << 0u;
    QTest::newRow("5") << 5u << 2u << 1u;
    QTest::newRow("7") << 7u << 3u << 1u;
}

void tst_PanelModel::lineNumbers()
{
    QFETCH(uint, line);
    QFETCH(uint, ll);
    QFETCH(uint, lineInLl);
    QCOMPARE(uint(ll_of_line(line)), ll);
    QCOMPARE(uint(line_in_ll(line)), lineInLl);
    QCOMPARE(uint(line_of_ll(ll, lineInLl)), line);
}

void tst_PanelModel::baudCode_data()
{
    QTest::addColumn<uint>("before");
    QTest::addColumn<uint>("rate");
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("after");
    QTest::newRow("none") << 4u << 0u << int(ZP_OK) << 0u;
    QTest::newRow("1200") << 0u << 1200u << int(ZP_OK) << 1u;
    QTest::newRow("2400") << 0u << 2400u << int(ZP_OK) << 2u;
    QTest::newRow("4800") << 0u << 4800u << int(ZP_OK) << 3u;
    QTest::newRow("9600") << 0u << 9600u << int(ZP_OK) << 4u;
    QTest::newRow("19200") << 0u << 19200u << int(ZP_OK) << 5u;
    QTest::newRow("38400") << 0u << 38400u << int(ZP_OK) << 6u;
    QTest::newRow("57600") << 0u << 57600u << int(ZP_OK) << 7u;
    QTest::newRow("115200") << 0u << 115200u << int(ZP_OK) << 8u;
    QTest::newRow("unchanged") << 4u << 9600u << int(ZP_UNCHANGED) << 4u;
    QTest::newRow("unchanged none") << 0u << 0u << int(ZP_UNCHANGED) << 0u;
    QTest::newRow("300 refused") << 4u << 300u << int(ZP_ERR_FORMAT) << 4u;
    QTest::newRow("9601 refused") << 4u << 9601u << int(ZP_ERR_FORMAT) << 4u;
    QTest::newRow("230400 refused") << 4u << 230400u << int(ZP_ERR_FORMAT) << 4u;
}

void tst_PanelModel::baudCode()
{
    QFETCH(uint, before);
    QFETCH(uint, rate);
    QFETCH(int, result);
    QFETCH(uint, after);
    u8 record[SERIAL_REC_SIZE] = {u8(before), 0x5A};
    QCOMPARE(set_baud_code(record, rate), result);
    QCOMPARE(uint(record[0]), after);
    QCOMPARE(uint(record[1]), 0x5Au);
}

void tst_PanelModel::baudRate_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("rate");
    QTest::newRow("0") << 0u << 0u;
    QTest::newRow("1") << 1u << 1200u;
    QTest::newRow("4") << 4u << 9600u;
    QTest::newRow("8") << 8u << 115200u;
    QTest::newRow("9") << 9u << 0u;
    QTest::newRow("255") << 255u << 0u;
}

void tst_PanelModel::baudRate()
{
    QFETCH(uint, code);
    QFETCH(uint, rate);
    const u8 record[SERIAL_REC_SIZE] = {u8(code), 0};
    QCOMPARE(uint(get_baud_rate(record)), rate);
}

void tst_PanelModel::mode_data()
{
    QTest::addColumn<uint>("before");
    QTest::addColumn<uint>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("after");
    QTest::newRow("0") << 1u << 0u << int(ZP_OK) << 0u;
    QTest::newRow("2") << 0u << 2u << int(ZP_OK) << 2u;
    QTest::newRow("unchanged") << 1u << 1u << int(ZP_UNCHANGED) << 1u;
    QTest::newRow("3 refused") << 1u << 3u << int(ZP_ERR_FORMAT) << 1u;
    QTest::newRow("255 refused") << 1u << 255u << int(ZP_ERR_FORMAT) << 1u;
}

void tst_PanelModel::mode()
{
    QFETCH(uint, before);
    QFETCH(uint, value);
    QFETCH(int, result);
    QFETCH(uint, after);
    u8 record[SERIAL_REC_SIZE] = {7, u8(before)};
    QCOMPARE(set_mode(record, u8(value)), result);
    QCOMPARE(uint(record[1]), after);
    QCOMPARE(uint(record[0]), 7u);
}

QTEST_APPLESS_MAIN(tst_PanelModel)
#include "tst_panelmodel.moc"
