#include "ZpData/DeviceCatalogue.h"
#include "ZpData/DeviceRef.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace {

// Type lists are compared as their names so that a failure reads as the user sees it.
QString type_names(const std::vector<u8>& list)
{
    QStringList names;
    for (u8 type : list)
        names << QString(get_type_name(type));
    return names.join(' ');
}

QByteArray ref_bytes(const DeviceRef& ref)
{
    return QByteArray(reinterpret_cast<const char*>(ref.raw), DeviceRef::DATA_SIZE);
}

QByteArray packed_bytes(const PackedAddress& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.raw), 3);
}

// A reference as the device block builds it from a used slot.
DeviceRef make_ref(u32 cpu, u32 line, bool module, u32 sub, u8 typeAndClass, u16 code, u32 address)
{
    DeviceRef ref = DeviceRef::none();
    ref.raw[1] = 0;
    ref.set_cpu(cpu);
    ref.set_line(line);
    ref.set_module(module);
    ref.set_sub(sub);
    ref.set_type_and_class(typeAndClass);
    ref.set_code(code);
    ref.set_address(address);
    ref.set_block(0);
    ref.set_slot(0);
    ref.set_zone(1);
    return ref;
}

const u16 catalogueCodes[] = {
    20, 30, 31, 32, 51, 52, 53, 60, 61, 65, 84, 96, 115, 116, 128, 129, 130, 131, 132, 133, 134, 135,
    137, 139, 145, 150, 151, 152, 153, 154, 155, 180, 181, 182, 195, 200, 201, 202, 206, 207, 208, 209,
    214, 222, 16385, 16386, 16387, 16388, 16389, 16394, 16395, 16396, 16397, 16398, 16399, 16400,
    16401, 16402, 41984, 43008, 43009, 45056, 46080, 46592, 46848, 47104, 47360, 50688, 50816, 50848,
    52512, 52736, 54272, 55040, 55296, 57088, 59425, 59489, 61729, 62464, 62465, 62467, 62721, 63232,
    63233, 63488, 63489, 65281,
};

} // namespace

class tst_DeviceCatalogue : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsExactlyItsCodes();
    void modelName_data();
    void modelName();
    void outsideSeriesClassWords_data();
    void outsideSeriesClassWords();
    void codeClass_data();
    void codeClass();
    void subNum_data();
    void subNum();
    void defaultType_data();
    void defaultType();
    void swTypeList_data();
    void swTypeList();
    void swTypeListRows();
    void typeTable_data();
    void typeTable();
    void sensitivity_data();
    void sensitivity();
    void brands_data();
    void brands();
    void deviceRefBytes_data();
    void deviceRefBytes();
    void deviceRefFields();
    void deviceRefKeepsByte1Bit7();
    void deviceRefNone();
    void packedAddress_data();
    void packedAddress();
    void effectiveAddress_data();
    void effectiveAddress();
    void addressText_data();
    void addressText();
    void addressTextStaysInBuffer();
    void codeAddressOffset_data();
    void codeAddressOffset();
    void numberCategory_data();
    void numberCategory();
    void catalogueRevision();
};

void tst_DeviceCatalogue::catalogueHoldsExactlyItsCodes()
{
    QCOMPARE(sizeof(catalogueCodes) / sizeof(catalogueCodes[0]), size_t(88));
    std::vector<u16> named;
    for (u32 code = 1; code <= 0xFFFF; ++code)
        if (get_device_model_name(u16(code))[0] != '\0')
            named.push_back(u16(code));
    QCOMPARE(named, std::vector<u16>(std::begin(catalogueCodes), std::end(catalogueCodes)));
}

void tst_DeviceCatalogue::modelName_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0u << "---";
    QTest::newRow("1 unknown") << 1u << "";
    QTest::newRow("10 unknown") << 10u << "";
    QTest::newRow("255 unknown") << 255u << "";
    QTest::newRow("16384 unknown") << 16384u << "";
    QTest::newRow("16393 unknown") << 16393u << "";
    QTest::newRow("16403 unknown") << 16403u << "";
    QTest::newRow("65535 unknown") << 65535u << "";
    QTest::newRow("16385") << 16385u << "THER";
    QTest::newRow("16386") << 16386u << "ION";
    QTest::newRow("16387") << 16387u << "PHOT";
    QTest::newRow("16388") << 16388u << "MULTI";
    QTest::newRow("16389") << 16389u << "PINN";
    QTest::newRow("16397") << 16397u << "UDS";
}

void tst_DeviceCatalogue::modelName()
{
    QFETCH(uint, code);
    QFETCH(QString, name);
    QCOMPARE(QString(get_device_model_name(u16(code))), name);
}

void tst_DeviceCatalogue::outsideSeriesClassWords_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("classWord");
    QTest::newRow("41984") << 41984u << "(MOD.OUT)";
    QTest::newRow("43008") << 43008u << "";
    QTest::newRow("43009") << 43009u << "(MOD.IN/OUT)";
    QTest::newRow("45056") << 45056u << "(MOD.ZONE)";
    QTest::newRow("46080") << 46080u << "(PHOT)";
    QTest::newRow("46592") << 46592u << "(FLAME)";
    QTest::newRow("46848") << 46848u << "(MULTI)";
    QTest::newRow("47104") << 47104u << "(THER)";
    QTest::newRow("47360") << 47360u << "(THER)";
    QTest::newRow("50688") << 50688u << "(MOD.AV)";
    QTest::newRow("50816") << 50816u << "(MOD.AV)";
    QTest::newRow("50848") << 50848u << "(MOD.AV)";
    QTest::newRow("52512") << 52512u << "(CO)";
    QTest::newRow("52736") << 52736u << "(MULTI)";
    QTest::newRow("54272") << 54272u << "(PHOT)";
    QTest::newRow("55040") << 55040u << "(MULTI)";
    QTest::newRow("55296") << 55296u << "(THER)";
    QTest::newRow("57088") << 57088u << "(MCP)";
    QTest::newRow("59425") << 59425u << "(MOD.IN/OUT)";
    QTest::newRow("59489") << 59489u << "(MOD.IN)";
    QTest::newRow("61729") << 61729u << "(MOD.IN)";
    QTest::newRow("62464") << 62464u << "(PHOT)";
    QTest::newRow("62465") << 62465u << "(PHOT)";
    QTest::newRow("62467") << 62467u << "(PHOT)";
    QTest::newRow("62721") << 62721u << "";
    QTest::newRow("63232") << 63232u << "(MULTI)";
    QTest::newRow("63233") << 63233u << "(MULTI)";
    QTest::newRow("63488") << 63488u << "(THER)";
    QTest::newRow("63489") << 63489u << "(THER)";
    QTest::newRow("65281") << 65281u << "(MCP)";
}

void tst_DeviceCatalogue::outsideSeriesClassWords()
{
    QFETCH(uint, code);
    QFETCH(QString, classWord);
    const QString name = get_device_model_name(u16(code));
    QVERIFY(!name.isEmpty());
    if (classWord.isEmpty()) {
        QVERIFY2(!name.contains('('), qPrintable(name));
    } else {
        QVERIFY2(name.endsWith(" " + classWord), qPrintable(name));
        QCOMPARE(name.count('('), 1);
    }
}

void tst_DeviceCatalogue::codeClass_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("codeClass");
    QTest::addColumn<bool>("module");
    QTest::newRow("0") << 0u << 0u << false;
    QTest::newRow("127") << 127u << 0u << false;
    QTest::newRow("128") << 128u << 0u << true;
    QTest::newRow("255") << 255u << 0u << true;
    QTest::newRow("256 low byte 0") << 256u << 0u << false;
    QTest::newRow("384 low byte 128") << 384u << 0u << true;
    QTest::newRow("0x4000") << 0x4000u << 1u << false;
    QTest::newRow("0x4009") << 0x4009u << 1u << false;
    QTest::newRow("0x400A") << 0x400Au << 1u << true;
    QTest::newRow("0x40FF") << 0x40FFu << 1u << true;
    QTest::newRow("0x4100 low byte 0") << 0x4100u << 1u << false;
    QTest::newRow("0x7FFF") << 0x7FFFu << 1u << true;
    const uint outsideModules[] = {41984, 43008, 43009, 45056, 50688, 50816,
                                   50848, 57088, 59425, 59489, 61729, 65281};
    for (uint code : outsideModules)
        QTest::addRow("%u module", code) << code << 2u << true;
    const uint outsideSensors[] = {46080, 46592, 46848, 47104, 47360, 52512, 52736, 54272, 55040,
                                   55296, 62464, 62465, 62467, 62721, 63232, 63233, 63488, 63489};
    for (uint code : outsideSensors)
        QTest::addRow("%u sensor", code) << code << 2u << false;
    QTest::newRow("0x8000") << 0x8000u << 2u << false;
    QTest::newRow("0x80FF") << 0x80FFu << 2u << false;
    QTest::newRow("0xFFFF") << 0xFFFFu << 2u << false;
}

void tst_DeviceCatalogue::codeClass()
{
    QFETCH(uint, code);
    QFETCH(uint, codeClass);
    QFETCH(bool, module);
    QCOMPARE(uint(get_code_class(u16(code))), codeClass);
    QCOMPARE(is_module_code(u16(code)), module);
}

void tst_DeviceCatalogue::subNum_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("subs");
    for (uint code : {139u, 206u, 207u, 208u, 16400u, 16401u, 16402u})
        QTest::addRow("%u", code) << code << 10u;
    for (uint code : {137u, 138u, 140u, 16397u, 43009u})
        QTest::addRow("%u", code) << code << 6u;
    for (uint code : {202u, 16399u})
        QTest::addRow("%u", code) << code << 4u;
    for (uint code : {134u, 59489u})
        QTest::addRow("%u", code) << code << 3u;
    for (uint code : {133u, 151u, 154u, 165u, 180u, 201u, 209u, 16398u, 43008u, 50688u, 50816u, 59425u})
        QTest::addRow("%u", code) << code << 2u;
    for (uint code : {0u, 20u, 132u, 150u, 152u, 16394u, 50848u, 61729u, 65535u})
        QTest::addRow("%u", code) << code << 1u;
}

void tst_DeviceCatalogue::subNum()
{
    QFETCH(uint, code);
    QFETCH(uint, subs);
    QCOMPARE(uint(get_sub_num(u16(code))), subs);
}

void tst_DeviceCatalogue::defaultType_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<uint>("type");
    struct Row {
        uint code;
        uint sub;
        uint type;
    };
    const Row rows[] = {
        {10, 0, 1},     {20, 0, 2},     {23, 0, 2},     {30, 0, 4},     {33, 0, 4},
        {31, 0, 6},     {32, 0, 7},     {34, 0, 9},     {51, 0, 3},     {56, 0, 3},
        {57, 0, 0},     {60, 0, 10},    {61, 0, 10},    {65, 0, 60},    {70, 0, 5},
        {84, 0, 11},    {96, 0, 8},     {115, 0, 12},   {116, 0, 12},   {128, 0, 22},
        {129, 0, 22},   {137, 5, 22},   {138, 0, 22},   {164, 0, 22},   {166, 0, 22},
        {180, 1, 22},   {181, 0, 22},   {182, 0, 22},   {208, 9, 22},   {130, 0, 46},
        {131, 0, 46},   {195, 0, 46},   {132, 0, 53},   {133, 1, 53},   {136, 0, 53},
        {139, 9, 53},   {160, 0, 53},   {161, 0, 53},   {165, 0, 53},   {167, 0, 53},
        {207, 0, 53},   {134, 0, 53},   {134, 1, 53},   {134, 2, 22},   {135, 0, 52},
        {140, 0, 52},   {155, 0, 52},   {145, 0, 40},   {150, 0, 57},   {153, 0, 57},
        {214, 0, 57},   {151, 0, 57},   {151, 1, 59},   {154, 0, 57},   {154, 1, 59},
        {152, 0, 59},   {162, 0, 55},   {200, 0, 56},   {201, 0, 53},   {201, 1, 22},
        {202, 1, 53},   {202, 2, 22},   {206, 4, 22},   {206, 5, 53},   {209, 0, 27},
        {222, 0, 41},   {16385, 0, 3},  {16386, 0, 1},  {16387, 0, 2},  {16388, 0, 4},
        {16389, 0, 5},  {16394, 0, 53}, {16395, 0, 22}, {16396, 0, 52}, {16397, 0, 0},
        {16398, 0, 0},  {41984, 0, 22}, {50688, 1, 22}, {50816, 0, 22}, {50848, 0, 22},
        {43008, 0, 53}, {43008, 1, 22}, {59425, 0, 53}, {59425, 1, 22}, {43009, 2, 53},
        {43009, 3, 22}, {45056, 0, 52}, {46080, 0, 2},  {54272, 0, 2},  {62464, 0, 2},
        {62465, 0, 2},  {62467, 0, 2},  {46592, 0, 62}, {46848, 0, 4},  {55040, 0, 4},
        {63232, 0, 4},  {63233, 0, 4},  {47104, 0, 3},  {47360, 0, 3},  {55296, 0, 3},
        {63488, 0, 3},  {63489, 0, 3},  {52512, 0, 61}, {52736, 0, 63}, {57088, 0, 46},
        {65281, 0, 46}, {59489, 1, 53}, {59489, 2, 22}, {61729, 0, 53}, {62721, 0, 10},
        {0, 0, 0},      {1, 0, 0},      {65535, 0, 0},
    };
    for (const Row& r : rows)
        QTest::addRow("%u sub %u", r.code, r.sub) << r.code << r.sub << r.type;
}

void tst_DeviceCatalogue::defaultType()
{
    QFETCH(uint, code);
    QFETCH(uint, sub);
    QFETCH(uint, type);
    QCOMPARE(uint(get_default_type(u16(code), sub)), type);
}

void tst_DeviceCatalogue::swTypeList_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("protocol");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<uint>("family");
    QTest::addColumn<QString>("expected");

    const QString group0 = "APND CON FORC GAC GAS GPND GSND GSTR GTC GTS MACK MON MON3 MRES MTAC MTRB "
                           "NCMN NONA PULL PWRC REM REMC SCO2 SCON SND STAT STR TPND TRS UDS1 UDS2 ZDIS";
    const QString group1 = "MACK MON MON3 MRES MTAC MTRB NCMN NONA PULL SCON STAT";
    const QString group1Apollo = "MACK MON3 MRES MTAC MTRB NCMN NONA PULL STAT";
    const QString group2 = "MACK MRES MTAC MTRB NCMN NONA PULL STAT";
    const QString group3 = "APND FORC GAC GPND GTC MAINF PWRC REM TPND TRS ZDIS ZFLT";
    const QString group3Varn = "APND FORC GAC GPND GTC PWRC REM TPND TRS ZDIS";
    const QString group4 = "APND CON FORC GAC GAS GPND GSND GSTR GTC GTS MAINF MAINFC PWRC REM REMC SND "
                           "STR TPND TRS ZDIS ZFLT ZFLTC";
    const QString group4Varn = "APND CON FORC GAC GAS GPND GSND GSTR GTC GTS PWRC REM REMC SND STR TPND "
                               "TRS ZDIS";

    QTest::newRow("0 adv: empty") << 0u << 0u << 0u << 0u << "";
    QTest::newRow("0 varn: group 0") << 0u << 1u << 0u << 0u << group0;
    QTest::newRow("0 apollo: empty") << 0u << 2u << 0u << 0u << "";
    QTest::newRow("20 photo") << 20u << 0u << 0u << 0u << "PHOT";
    QTest::newRow("16387 photo") << 16387u << 1u << 0u << 0u << "PHOT";
    QTest::newRow("62467 photo") << 62467u << 2u << 0u << 0u << "PHOT";
    QTest::newRow("65 own row") << 65u << 1u << 0u << 0u << "ASD";
    QTest::newRow("52512 CO apollo") << 52512u << 2u << 0u << 0u << "CO";
    QTest::newRow("52512 CO varn: no") << 52512u << 1u << 0u << 0u << "";
    QTest::newRow("46592 IR apollo") << 46592u << 2u << 0u << 0u << "IR";
    QTest::newRow("145 gateway adv") << 145u << 0u << 0u << 0u << "GTW";
    QTest::newRow("145 gateway varn: no") << 145u << 1u << 0u << 0u << "";
    QTest::newRow("200 UPS adv") << 200u << 0u << 0u << 0u << "UPSM";
    QTest::newRow("128 group 5 adv")
        << 128u << 0u << 0u << 0u
        << "APND CON CONV FORC GAC GAS GASV GPND GSND GSTR GTC GTS GTSV MAINF MAINFC MAINFV PWRC REM "
           "REMC REMV SND STR TPND TRS ZDIS ZFLT ZFLTC ZFLTV";
    QTest::newRow("128 group 5 varn") << 128u << 1u << 0u << 0u << group4Varn;
    QTest::newRow("128 group 5 apollo") << 128u << 2u << 0u << 0u << group4;
    QTest::newRow("129 group 3 adv") << 129u << 0u << 0u << 0u << group3;
    QTest::newRow("16402 group 3 varn") << 16402u << 1u << 3u << 0u << group3Varn;
    QTest::newRow("130 group 2 adv") << 130u << 0u << 0u << 0u << group2;
    QTest::newRow("65281 group 2 apollo") << 65281u << 2u << 0u << 0u << group2;
    QTest::newRow("132 group 1 adv") << 132u << 0u << 0u << 0u << group1;
    QTest::newRow("61729 group 1 apollo") << 61729u << 2u << 0u << 0u << group1Apollo;
    QTest::newRow("134 sub 1 group 1") << 134u << 1u << 1u << 0u << group1;
    QTest::newRow("134 sub 2 group 3") << 134u << 1u << 2u << 0u << group3Varn;
    QTest::newRow("201 sub 0 group 1") << 201u << 0u << 0u << 0u << group1;
    QTest::newRow("201 sub 1 group 4") << 201u << 0u << 1u << 0u << group4;
    QTest::newRow("202 sub 1 group 1") << 202u << 0u << 1u << 0u << group1;
    QTest::newRow("202 sub 2 group 3") << 202u << 0u << 2u << 0u << group3;
    QTest::newRow("16399 sub 3 group 4") << 16399u << 1u << 3u << 0u << group4Varn;
    QTest::newRow("202 sub 4 adv: empty") << 202u << 0u << 4u << 0u << "";
    QTest::newRow("202 sub 4 varn: empty") << 202u << 1u << 4u << 0u << "";
    QTest::newRow("206 sub 4 group 3") << 206u << 0u << 4u << 0u << group3;
    QTest::newRow("16400 sub 5 group 1") << 16400u << 1u << 5u << 0u << group1;
    QTest::newRow("43008 sub 1 group 3") << 43008u << 2u << 1u << 0u << group3;
    QTest::newRow("43009 sub 2 group 1") << 43009u << 2u << 2u << 0u << group1Apollo;
    QTest::newRow("16395 group 4 adv") << 16395u << 0u << 0u << 0u << group4;
    QTest::newRow("209 UDS1 varn") << 209u << 1u << 0u << 0u << "UDS1";
    QTest::newRow("209 UDS1 apollo: never") << 209u << 2u << 0u << 0u << "";
    QTest::newRow("16397 sub 1 adv") << 16397u << 0u << 1u << 0u << "UDS1";
    QTest::newRow("16397 sub 1 apollo: never") << 16397u << 2u << 1u << 0u << "";
    QTest::newRow("16397 sub 2") << 16397u << 1u << 2u << 0u << "UDS2";
    QTest::newRow("222 repeater adv") << 222u << 0u << 0u << 0u << "RPT";
    QTest::newRow("unknown code") << 1u << 1u << 0u << 0u << "";

    // Sounder group.
    const QString sounderFull = "APND GAC GPND GSND GSTR GTC MAINF REM SND STR TPND TRS ZDIS ZFLT";
    QTest::newRow("150 adv ZP4x00") << 150u << 0u << 0u << 0u << sounderFull;
    QTest::newRow("150 adv ZPx000CL") << 150u << 0u << 0u << 1u << sounderFull;
    QTest::newRow("153 varn ZP4x00")
        << 153u << 1u << 0u << 0u << "APND GAC GPND GSND GSTR GTC REM SND STR TPND TRS ZDIS";
    QTest::newRow("153 varn ZP4x00G") << 153u << 1u << 0u << 3u << "GSND GSTR SND STR";
    QTest::newRow("151 varn ZPx000CL") << 151u << 1u << 1u << 1u << "GSND GSTR SND STR";
    QTest::newRow("214 varn KVx000") << 214u << 1u << 0u << 2u << "GSND GSTR SND STR";
    QTest::newRow("41984 apollo")
        << 41984u << 2u << 0u << 2u
        << "APND FORC GAC GPND GSND GSTR GTC MAINF REM SND STR TPND TRS ZDIS ZFLT";
    QTest::newRow("50848 protocol 3") << 50848u << 3u << 0u << 1u << sounderFull;

    // Protocol 3 and above keeps every row.
    QTest::newRow("0 protocol 3: empty") << 0u << 3u << 0u << 0u << "";
    QTest::newRow("132 protocol 3") << 132u << 3u << 0u << 0u << group1;
    QTest::newRow("128 protocol 3")
        << 128u << 3u << 0u << 0u
        << "APND CON CONV FORC GAC GAS GASV GPND GSND GSTR GTC GTS GTSV MAINF MAINFC MAINFV PWRC REM "
           "REMC REMV SND STR TPND TRS ZDIS ZFLT ZFLTC ZFLTV";
}

void tst_DeviceCatalogue::swTypeList()
{
    QFETCH(uint, code);
    QFETCH(uint, protocol);
    QFETCH(uint, sub);
    QFETCH(uint, family);
    QFETCH(QString, expected);
    const std::vector<u8> list = get_sw_type_list(u16(code), protocol, sub, family);
    QCOMPARE(type_names(list), expected);
    for (u8 type : list) {
        if (protocol <= 2)
            QVERIFY(type_has_protocol(type, protocol));
    }
}

// The lists hold rows, not names: spot-check the numbers.
void tst_DeviceCatalogue::swTypeListRows()
{
    QCOMPARE(get_sw_type_list(130, 0, 0, 0), (std::vector<u8>{49, 51, 50, 47, 43, 44, 46, 48}));
    QCOMPARE(get_sw_type_list(65, 1, 0, 0), std::vector<u8>{60});
    QCOMPARE(get_sw_type_list(16397, 0, 5, 0), std::vector<u8>{54});
    QCOMPARE(get_sw_type_list(152, 1, 0, 3), (std::vector<u8>{57, 59, 25, 58}));
}

void tst_DeviceCatalogue::typeTable_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("typeClass");
    QTest::addColumn<uint>("mask"); // bit 0 protocol 1, bit 1 protocol 0, bit 2 protocol 2
    QTest::addColumn<bool>("listed");
    QTest::addColumn<uint>("defaultCode");
    struct Row {
        const char* name;
        uint typeClass;
        uint mask;
        bool listed;
        uint defaultCode;
    };
    const Row rows[] = {
        {"---", 0, 7, false, 0},         {"ION", 1, 7, true, 0},
        {"PHOT", 1, 7, true, 0},         {"THER", 1, 7, true, 0},
        {"MULTI", 1, 7, true, 0},        {"PINN", 1, 7, true, 0},
        {"MULTICIR", 1, 7, true, 0},     {"MULTIIR", 1, 7, true, 0},
        {"MULTIIRW", 1, 7, true, 0},     {"ACC", 1, 7, true, 0},
        {"BEAM", 1, 7, true, 0},         {"PHOTW", 1, 7, true, 0},
        {"THERW", 1, 7, true, 0},        {"APND", 3, 7, true, 16395},
        {"GAC", 3, 7, true, 16395},      {"GAS", 3, 7, true, 16395},
        {"GPND", 3, 7, true, 16395},     {"GTC", 3, 7, true, 16395},
        {"PWRC", 3, 7, true, 16395},     {"TPND", 3, 7, true, 16395},
        {"TRS", 3, 7, true, 16395},      {"CON", 3, 7, true, 16395},
        {"FORC", 3, 7, true, 16395},     {"", 0, 7, true, 0},
        {"GTS", 3, 7, true, 16395},      {"SND", 3, 7, true, 16395},
        {"ZDIS", 3, 7, true, 16395},     {"UDS1", 3, 3, false, 16397},
        {"REM", 3, 7, true, 16395},      {"REMC", 3, 7, true, 16395},
        {"GASV", 3, 2, true, 0},         {"CONV", 3, 2, true, 0},
        {"GTSV", 3, 2, true, 0},         {"MAINF", 3, 6, true, 0},
        {"MAINFC", 3, 6, true, 0},       {"MAINFV", 3, 2, true, 0},
        {"ZFLT", 3, 6, true, 0},         {"ZFLTC", 3, 6, true, 0},
        {"ZFLTV", 3, 2, true, 0},        {"REMV", 3, 2, true, 0},
        {"GTW", 3, 2, true, 0},          {"RPT", 3, 2, true, 0},
        {"MON", 2, 3, true, 16394},      {"NCMN", 2, 7, true, 16394},
        {"NONA", 2, 7, true, 16394},     {"SCON", 2, 3, true, 16394},
        {"PULL", 2, 7, true, 16394},     {"MTRB", 2, 7, true, 16394},
        {"STAT", 2, 7, true, 16394},     {"MACK", 2, 7, true, 16394},
        {"MTAC", 2, 7, true, 16394},     {"MRES", 2, 7, true, 16394},
        {"SCO2", 2, 7, true, 16396},     {"MON3", 2, 7, true, 16394},
        {"UDS2", 2, 3, false, 16397},    {"SCO2CA", 2, 7, true, 0},
        {"UPSM", 2, 2, false, 0},        {"GSND", 3, 7, true, 16395},
        {"STR", 3, 7, true, 16395},      {"GSTR", 3, 7, true, 16395},
        {"ASD", 1, 7, true, 0},          {"CO", 1, 4, true, 0},
        {"IR", 1, 4, true, 0},           {"COTHER", 1, 4, true, 0},
    };
    static_assert(sizeof(rows) / sizeof(rows[0]) == 64, "one row per type");
    for (uint type = 0; type < 64; ++type) {
        const Row& r = rows[type];
        QTest::addRow("%u %s", type, r.name)
            << type << QString(r.name) << r.typeClass << r.mask << r.listed << r.defaultCode;
    }
    QTest::newRow("64 past the table") << 64u << "" << 0u << 0u << false << 0u;
    QTest::newRow("255 past the table") << 255u << "" << 0u << 0u << false << 0u;
}

void tst_DeviceCatalogue::typeTable()
{
    QFETCH(uint, type);
    QFETCH(QString, name);
    QFETCH(uint, typeClass);
    QFETCH(uint, mask);
    QFETCH(bool, listed);
    QFETCH(uint, defaultCode);
    QCOMPARE(QString(get_type_name(type)), name);
    QCOMPARE(uint(get_type_class(type)), typeClass);
    QCOMPARE(type_has_protocol(type, 0), (mask & 2) != 0);
    QCOMPARE(type_has_protocol(type, 1), (mask & 1) != 0);
    QCOMPARE(type_has_protocol(type, 2), (mask & 4) != 0);
    QCOMPARE(type_has_protocol(type, 3), false);
    QCOMPARE(type_is_listed(type), listed);
    QCOMPARE(uint(get_default_code(type)), defaultCode);

    const int module = typeClass == 1 ? 0 : typeClass >= 2 ? 1 : -1;
    QCOMPARE(type_is_module(type), module);
    uint category = 0;
    if (typeClass == 1)
        category = type == 1 || type == 2 ? 11 : type == 3 ? 10 : 12;
    else if (typeClass == 2)
        category = 1;
    QCOMPARE(uint(get_type_category(type)), category);
}

void tst_DeviceCatalogue::sensitivity_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("sensMax");
    QTest::addColumn<uint>("sensDefault");
    QTest::addColumn<uint>("alarmMax");
    QTest::addColumn<uint>("alarmDefault");
    QTest::newRow("beam row 10") << 60u << 10u << 6u << 3u << 0u << 0u;
    QTest::newRow("aspirating row 60") << 65u << 60u << 10u << 5u << 0u << 0u;
    QTest::newRow("ion row 1") << 16386u << 1u << 9u << 5u << 0u << 0u;
    QTest::newRow("photo row 2") << 20u << 2u << 9u << 5u << 0u << 0u;
    QTest::newRow("pinn row 5") << 16389u << 5u << 9u << 5u << 0u << 0u;
    QTest::newRow("heat row 3: neither") << 51u << 3u << 0u << 0u << 0u << 0u;
    QTest::newRow("multi row 4: alarm level") << 30u << 4u << 0u << 0u << 5u << 4u;
    QTest::newRow("multi CO-IR row 6") << 31u << 6u << 0u << 0u << 5u << 4u;
    QTest::newRow("acc row 9") << 20u << 9u << 0u << 0u << 5u << 4u;
    QTest::newRow("output row 22") << 208u << 22u << 0u << 0u << 0u << 0u;
    QTest::newRow("input row 53") << 132u << 53u << 0u << 0u << 0u << 0u;
    // Outside maker's sensors with bit 14 set use a scale of 5 whatever the type.
    QTest::newRow("0xF400 photo") << 62464u << 2u << 5u << 3u << 0u << 0u;
    QTest::newRow("0xCD20 CO") << 52512u << 61u << 5u << 3u << 0u << 0u;
    QTest::newRow("0xD700 multi") << 55040u << 4u << 5u << 3u << 0u << 0u;
    QTest::newRow("0xC000 type 0") << 0xC000u << 0u << 5u << 3u << 0u << 0u;
    // Its modules and its bit-14-clear sensors follow the type.
    QTest::newRow("0xC600 module row 22") << 50688u << 22u << 0u << 0u << 0u << 0u;
    QTest::newRow("0xE861 module row 2") << 59489u << 2u << 9u << 5u << 0u << 0u;
    QTest::newRow("0xB400 photo") << 46080u << 2u << 9u << 5u << 0u << 0u;
    QTest::newRow("0xB700 multi: no alarm level") << 46848u << 4u << 0u << 0u << 0u << 0u;
    QTest::newRow("0xB400 beam row 10") << 46080u << 10u << 6u << 3u << 0u << 0u;
    QTest::newRow("row 64") << 20u << 64u << 0u << 0u << 0u << 0u;
    QTest::newRow("row 255") << 20u << 255u << 0u << 0u << 0u << 0u;
}

void tst_DeviceCatalogue::sensitivity()
{
    QFETCH(uint, code);
    QFETCH(uint, type);
    QFETCH(uint, sensMax);
    QFETCH(uint, sensDefault);
    QFETCH(uint, alarmMax);
    QFETCH(uint, alarmDefault);
    QCOMPARE(uint(get_sens_max(u16(code), type)), sensMax);
    QCOMPARE(has_sens(u16(code), type), sensMax != 0);
    QCOMPARE(uint(get_sens_default(u16(code), type)), sensDefault);
    QCOMPARE(uint(get_alarm_level_max(u16(code), type)), alarmMax);
    QCOMPARE(has_alarm_level(u16(code), type), alarmMax != 0);
    QCOMPARE(uint(get_alarm_level_default(u16(code), type)), alarmDefault);
}

void tst_DeviceCatalogue::brands_data()
{
    QTest::addColumn<uint>("brand");
    QTest::addColumn<QString>("label");
    QTest::addColumn<uint>("sirenLimits");
    QTest::newRow("0") << 0u << "KALDOREN" << 0x0320u;
    QTest::newRow("1") << 1u << "FERNHOLDT" << 0x0320u;
    QTest::newRow("2") << 2u << "TAVREL FSX" << 0x0320u;
    QTest::newRow("3") << 3u << "ZEL.DET." << 0x0320u;
    QTest::newRow("4") << 4u << "APOLLO" << 0x060Eu;
    QTest::newRow("5") << 5u << "Z.D. KALD" << 0x0320u;
    QTest::newRow("6") << 6u << "---" << 0x0320u;
    QTest::newRow("255") << 255u << "---" << 0x0320u;
}

void tst_DeviceCatalogue::brands()
{
    QFETCH(uint, brand);
    QFETCH(QString, label);
    QFETCH(uint, sirenLimits);
    QCOMPARE(QString(get_brand_label(brand)), label);
    QCOMPARE(uint(get_siren_limits(brand)), sirenLimits);
}

void tst_DeviceCatalogue::deviceRefBytes_data()
{
    QTest::addColumn<uint>("cpu");
    QTest::addColumn<uint>("line");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<bool>("module");
    QTest::addColumn<uint>("typeAndClass");
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("address");
    QTest::addColumn<uint>("block");
    QTest::addColumn<uint>("slot");
    QTest::addColumn<uint>("zone");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("all zero") << 0u << 0u << 0u << false << 0u << 0u << 0u << 0u << 0u << 0u
                              << QByteArray(11, '\0');
    QTest::newRow("cpu 5 line 3 module sub 9")
        << 5u << 3u << 9u << true << 0x56u << 0x1234u << 158u << 63u << 699u << 2000u
        << QByteArray::fromHex("85655634129E3FBB02D007");
    QTest::newRow("cpu 63 line 7 sensor")
        << 63u << 7u << 0u << false << 0x02u << 20u << 0u << 1u << 0u << 1u
        << QByteArray::fromHex("BF0302140000010000" "0100");
    QTest::newRow("cpu 127 line 6 sub 15")
        << 127u << 6u << 15u << true << 0xFFu << 0xFFFFu << 255u << 255u << 65535u << 65535u
        << QByteArray::fromHex("7F7FFFFFFFFFFFFFFFFFFF");
    QTest::newRow("line 1 only")
        << 0u << 1u << 0u << false << 0u << 0u << 0u << 0u << 0u << 0u
        << QByteArray::fromHex("8000000000000000000000");
    QTest::newRow("line 2 only")
        << 0u << 2u << 0u << false << 0u << 0u << 0u << 0u << 0u << 0u
        << QByteArray::fromHex("0001000000000000000000");
    QTest::newRow("line 4 only")
        << 0u << 4u << 0u << false << 0u << 0u << 0u << 0u << 0u << 0u
        << QByteArray::fromHex("0002000000000000000000");
    QTest::newRow("sub 1 only")
        << 0u << 0u << 1u << false << 0u << 0u << 0u << 0u << 0u << 0u
        << QByteArray::fromHex("0004000000000000000000");
}

void tst_DeviceCatalogue::deviceRefBytes()
{
    QFETCH(uint, cpu);
    QFETCH(uint, line);
    QFETCH(uint, sub);
    QFETCH(bool, module);
    QFETCH(uint, typeAndClass);
    QFETCH(uint, code);
    QFETCH(uint, address);
    QFETCH(uint, block);
    QFETCH(uint, slot);
    QFETCH(uint, zone);
    QFETCH(QByteArray, bytes);

    DeviceRef ref = DeviceRef::none();
    std::memset(ref.raw, 0, sizeof ref.raw);
    ref.set_cpu(cpu);
    ref.set_line(line);
    ref.set_sub(sub);
    ref.set_module(module);
    ref.set_type_and_class(u8(typeAndClass));
    ref.set_code(u16(code));
    ref.set_address(address);
    ref.set_block(block);
    ref.set_slot(u16(slot));
    ref.set_zone(u16(zone));
    QCOMPARE(ref_bytes(ref).toHex(), bytes.toHex());

    // And back from the bytes.
    DeviceRef read = DeviceRef::none();
    std::memcpy(read.raw, bytes.constData(), DeviceRef::DATA_SIZE);
    QCOMPARE(uint(read.get_cpu()), cpu);
    QCOMPARE(uint(read.get_line()), line);
    QCOMPARE(uint(read.get_ll()), line >> 1);
    QCOMPARE(uint(read.get_sub()), sub);
    QCOMPARE(read.is_module(), module);
    QCOMPARE(uint(read.get_type_and_class()), typeAndClass);
    QCOMPARE(uint(read.get_type()), typeAndClass & 0x3F);
    QCOMPARE(uint(read.get_device_class()), typeAndClass >> 6);
    QCOMPARE(uint(read.get_code()), code);
    QCOMPARE(uint(read.get_address()), address);
    QCOMPARE(uint(read.get_block()), block);
    QCOMPARE(uint(read.get_slot()), slot);
    QCOMPARE(uint(read.get_stored_zone()), zone);
}

// Setting one field leaves the bits of the others as they were.
void tst_DeviceCatalogue::deviceRefFields()
{
    DeviceRef ref = DeviceRef::none();
    ref.set_cpu(0);
    QCOMPARE(ref_bytes(ref).toHex(), QByteArray("80ffffffffffffffffffff"));
    ref.set_line(0);
    QCOMPARE(ref_bytes(ref).toHex(), QByteArray("00fcffffffffffffffffff"));
    ref.set_sub(0);
    QCOMPARE(ref_bytes(ref).toHex(), QByteArray("00c0ffffffffffffffffff"));
    ref.set_module(false);
    QCOMPARE(ref_bytes(ref).toHex(), QByteArray("0080ffffffffffffffffff"));
    ref.set_code(0x0102);
    ref.set_slot(0x0304);
    ref.set_zone(0x0506);
    QCOMPARE(ref_bytes(ref).toHex(), QByteArray("0080ff0201ffff04030605"));
}

void tst_DeviceCatalogue::deviceRefKeepsByte1Bit7()
{
    DeviceRef ref = DeviceRef::none();
    std::memset(ref.raw, 0, sizeof ref.raw);
    ref.raw[1] = 0x80;
    ref.set_line(7);
    ref.set_sub(15);
    ref.set_module(true);
    QCOMPARE(uint(ref.raw[1]), 0xFFu);
    ref.set_line(0);
    ref.set_sub(0);
    ref.set_module(false);
    QCOMPARE(uint(ref.raw[1]), 0x80u);
}

void tst_DeviceCatalogue::deviceRefNone()
{
    const ZpConf* conf = reinterpret_cast<const ZpConf*>(this);
    const DeviceRef ref = DeviceRef::none(conf);
    QCOMPARE(ref_bytes(ref), QByteArray(11, '\xFF'));
    QVERIFY(ref.is_none());
    QCOMPARE(ref.conf, conf);
    QCOMPARE(ref.get_effective_address(), -1);
    QVERIFY(ref.to_packed_address().is_none());
    QCOMPARE(packed_bytes(ref.to_packed_address()), QByteArray(3, '\xFF'));

    DeviceRef used = ref;
    used.set_zone(0);
    QVERIFY(!used.is_none());
}

void tst_DeviceCatalogue::packedAddress_data()
{
    QTest::addColumn<uint>("cpu");
    QTest::addColumn<uint>("line");
    QTest::addColumn<bool>("module");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<uint>("address");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("origin") << 0u << 0u << false << 0u << 0u << QByteArray::fromHex("000000");
    QTest::newRow("cpu 63") << 63u << 0u << false << 0u << 0u << QByteArray::fromHex("3F0000");
    QTest::newRow("line 1") << 0u << 1u << false << 0u << 0u << QByteArray::fromHex("400000");
    QTest::newRow("line 3") << 0u << 3u << false << 0u << 0u << QByteArray::fromHex("C00000");
    QTest::newRow("line 4") << 0u << 4u << false << 0u << 0u << QByteArray::fromHex("000100");
    QTest::newRow("sub 15") << 0u << 0u << false << 15u << 0u << QByteArray::fromHex("001E00");
    QTest::newRow("module") << 0u << 0u << true << 0u << 0u << QByteArray::fromHex("002000");
    QTest::newRow("address 158") << 0u << 0u << false << 0u << 158u << QByteArray::fromHex("00009E");
    QTest::newRow("everything") << 63u << 7u << true << 15u << 158u << QByteArray::fromHex("FF3F9E");
    QTest::newRow("cpu 5 line 2 module sub 1 address 9")
        << 5u << 2u << true << 1u << 9u << QByteArray::fromHex("852209");
}

void tst_DeviceCatalogue::packedAddress()
{
    QFETCH(uint, cpu);
    QFETCH(uint, line);
    QFETCH(bool, module);
    QFETCH(uint, sub);
    QFETCH(uint, address);
    QFETCH(QByteArray, bytes);
    const PackedAddress p = PackedAddress::make(cpu, line, module, sub, address);
    QCOMPARE(packed_bytes(p).toHex(), bytes.toHex());
    QCOMPARE(uint(p.get_cpu()), cpu);
    QCOMPARE(uint(p.get_line()), line);
    QCOMPARE(p.is_module(), module);
    QCOMPARE(uint(p.get_sub()), sub);
    QCOMPARE(uint(p.get_address()), address);

    const DeviceRef ref = make_ref(cpu, line, module, module ? sub : 0, 2, 20, address);
    const PackedAddress fromRef = ref.to_packed_address();
    QCOMPARE(packed_bytes(fromRef).toHex(),
             packed_bytes(PackedAddress::make(cpu, line, module, module ? sub : 0, address)).toHex());
}

void tst_DeviceCatalogue::effectiveAddress_data()
{
    QTest::addColumn<uint>("address");
    QTest::addColumn<uint>("typeAndClass");
    QTest::addColumn<bool>("module");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<int>("expected");
    QTest::newRow("sensor") << 10u << 2u << false << 0u << 10;
    QTest::newRow("address 158") << 158u << 2u << false << 0u << 158;
    QTest::newRow("address 159") << 159u << 2u << false << 0u << -1;
    QTest::newRow("address 255") << 255u << 2u << false << 0u << -1;
    QTest::newRow("type 0") << 10u << 0u << false << 0u << -1;
    QTest::newRow("type 0 class 1 module") << 10u << 0x40u << true << 3u << -1;
    QTest::newRow("class 0 module") << 10u << 53u << true << 3u << 10;
    QTest::newRow("class 1 module") << 10u << (0x40u | 53u) << true << 3u << 13;
    QTest::newRow("class 1 module at 158") << 158u << (0x40u | 22u) << true << 9u << 167;
    QTest::newRow("class 2 module") << 10u << (0x80u | 53u) << true << 3u << 10;
    QTest::newRow("class 1 sensor") << 10u << (0x40u | 2u) << false << 0u << 10;
}

void tst_DeviceCatalogue::effectiveAddress()
{
    QFETCH(uint, address);
    QFETCH(uint, typeAndClass);
    QFETCH(bool, module);
    QFETCH(uint, sub);
    QFETCH(int, expected);
    const DeviceRef ref = make_ref(0, 0, module, sub, u8(typeAndClass), 201, address);
    QCOMPARE(ref.get_effective_address(), expected);
}

void tst_DeviceCatalogue::addressText_data()
{
    QTest::addColumn<uint>("cpu");
    QTest::addColumn<uint>("line");
    QTest::addColumn<bool>("module");
    QTest::addColumn<uint>("sub");
    QTest::addColumn<uint>("typeAndClass");
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("sensor at the origin")
        << 0u << 0u << false << 0u << 2u << 20u << 0u << "C1L1S1 (LS-30 PHOTO)";
    QTest::newRow("two-channel module")
        << 0u << 0u << true << 1u << 22u << 201u << 9u << "C1L1M10.2 (FORC)";
    QTest::newRow("two-channel module first channel")
        << 0u << 0u << true << 0u << 53u << 201u << 9u << "C1L1M10.1 (MON3)";
    QTest::newRow("class-1 module")
        << 0u << 0u << true << 1u << (0x40u | 22u) << 201u << 9u << "C1L1M11 (FORC)";
    QTest::newRow("one-channel module")
        << 1u << 2u << true << 0u << 53u << 132u << 4u << "C2L3M5 (MON3)";
    QTest::newRow("ten-channel module")
        << 2u << 5u << true << 9u << 53u << 139u << 20u << "C3L6M21.10 (MON3)";
    QTest::newRow("last cpu, line and address")
        << 63u << 7u << false << 0u << 1u << 16386u << 158u << "C64L8S159 (ION)";
    QTest::newRow("outside maker's sensor")
        << 0u << 1u << false << 0u << 62u << 46592u << 7u << "C1L2S8 (CLASSIC 10 (FLAME))";
    QTest::newRow("sensor of unknown code")
        << 0u << 0u << false << 0u << 2u << 1u << 0u << "C1L1S1 ()";
    QTest::newRow("class-2 module")
        << 0u << 0u << true << 1u << (0x80u | 59u) << 154u << 30u << "C1L1M31.2 (GSTR)";
    // Empty type: the channels come from the sub-address.
    QTest::newRow("empty-type module sub 2")
        << 0u << 0u << true << 2u << 0u << 201u << 20u << "C1L1M21.3 (---)";
    QTest::newRow("empty-type module sub 0")
        << 0u << 0u << true << 0u << 0u << 201u << 20u << "C1L1M21 (---)";
    QTest::newRow("empty-type sensor")
        << 0u << 0u << false << 0u << 0u << 20u << 20u << "C1L1S21 (LS-30 PHOTO)";
    // Address above 158: the reference's own address, wrapped to a byte.
    QTest::newRow("free-slot address")
        << 0u << 0u << false << 0u << 2u << 20u << 255u << "C1L1S256 (LS-30 PHOTO)";
    QTest::newRow("address 159 module")
        << 0u << 0u << true << 1u << (0x40u | 22u) << 201u << 159u << "C1L1M160.2 (FORC)";
}

void tst_DeviceCatalogue::addressText()
{
    QFETCH(uint, cpu);
    QFETCH(uint, line);
    QFETCH(bool, module);
    QFETCH(uint, sub);
    QFETCH(uint, typeAndClass);
    QFETCH(uint, code);
    QFETCH(uint, address);
    QFETCH(QString, text);
    const DeviceRef ref = make_ref(cpu, line, module, sub, u8(typeAndClass), u16(code), address);
    char buffer[ADDRESS_TEXT_SIZE];
    make_address_text(ref, buffer);
    QCOMPARE(QString(buffer), text);
    QCOMPARE(QString::fromStdString(new_address_text(ref)), text);
}

void tst_DeviceCatalogue::addressTextStaysInBuffer()
{
    // The no-device reference gives the longest numbers.
    char buffer[ADDRESS_TEXT_SIZE + 20];
    std::memset(buffer, 0x7E, sizeof buffer);
    make_address_text(DeviceRef::none(), buffer);
    QCOMPARE(QString(buffer), QString("C128L8M256.16 (COTHER)"));
    QVERIFY(std::strlen(buffer) < ADDRESS_TEXT_SIZE);
    for (size_t i = ADDRESS_TEXT_SIZE; i < sizeof buffer; ++i)
        QCOMPARE(int(buffer[i]), 0x7E);

    // Every catalogue sensor's text fits with room to spare.
    for (u16 code : catalogueCodes) {
        const DeviceRef ref = make_ref(63, 7, false, 0, get_default_type(code, 0), code, 158);
        const std::string text = new_address_text(ref);
        QVERIFY(text.size() < ADDRESS_TEXT_SIZE);
        QVERIFY2(text.find(get_device_model_name(code)) != std::string::npos, text.c_str());
    }
}

void tst_DeviceCatalogue::codeAddressOffset_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("brand");
    QTest::addColumn<uint>("offset");
    QTest::newRow("first series") << 20u << 0u << 20u;
    QTest::newRow("first series apollo brand") << 200u << 4u << 200u;
    QTest::newRow("second series") << 0x4005u << 0u << 5u;
    QTest::newRow("outside 0xB600") << 0xB600u << 0u << 159u;
    QTest::newRow("outside 0xB600 apollo brand") << 0xB600u << 4u << 0u;
    QTest::newRow("outside 0xF401 brand 3") << 0xF401u << 3u << 160u;
    QTest::newRow("outside 0xFFFF") << 0xFFFFu << 5u << 414u;
}

void tst_DeviceCatalogue::codeAddressOffset()
{
    QFETCH(uint, code);
    QFETCH(uint, brand);
    QFETCH(uint, offset);
    QCOMPARE(uint(get_code_address_offset(u16(code), brand)), offset);
}

void tst_DeviceCatalogue::numberCategory_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<uint>("category");
    struct Row {
        int number;
        uint category;
    };
    const Row rows[] = {
        {-1, 9},  {0, 9},   {1, 7},   {13, 7},  {14, 9},  {15, 6},  {45, 6},  {46, 9},
        {47, 9},  {48, 3},  {138, 3}, {139, 9}, {140, 2}, {184, 2}, {185, 9}, {187, 9},
        {188, 1}, {189, 1}, {190, 0}, {195, 0}, {196, 9}, {199, 9}, {200, 4}, {211, 4},
        {212, 9}, {219, 9}, {220, 8}, {232, 8}, {233, 5}, {234, 3}, {237, 3}, {238, 8},
        {242, 8}, {243, 5}, {245, 5}, {246, 8}, {247, 8}, {248, 9}, {299, 9}, {300, 3},
        {357, 3}, {358, 9}, {399, 9}, {400, 6}, {411, 6}, {412, 9}, {448, 9}, {449, 2},
        {499, 2}, {500, 9}, {65535, 9},
    };
    for (const Row& r : rows)
        QTest::addRow("%d", r.number) << r.number << r.category;
}

void tst_DeviceCatalogue::numberCategory()
{
    QFETCH(int, number);
    QFETCH(uint, category);
    QCOMPARE(uint(get_number_category(number)), category);
    QCOMPARE(number_has_category(number), category != 9);
}

void tst_DeviceCatalogue::catalogueRevision()
{
    QCOMPARE(get_catalogue_revision(), 1);
}

QTEST_APPLESS_MAIN(tst_DeviceCatalogue)
#include "tst_devicecatalogue.moc"
