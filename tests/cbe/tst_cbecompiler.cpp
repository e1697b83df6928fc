// Compiler of CBE texts: exact byte code of every operator and operand in both modes, every
// error with its position, and the panel-configuration checks, against a small hand-built plant.
#include "../Lib/ImageGenerator.h"
#include "cbe/CBECompiler.h"

#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfIO.h"
#include "ZpData/bytes.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <thread>

namespace {

// Direct-group count of the test plant: groups 1..10 are direct.
constexpr u16 kDirectGroups = 10;

// Program bytes from nibbles written as hex digits; blanks only group them for reading.
QByteArray nibbles(const char* text)
{
    QByteArray hex(text);
    hex.replace(' ', "");
    // An odd count is a mistake in the table; it must not be padded silently.
    if (hex.size() % 2)
        return QByteArray("odd nibble count");
    return QByteArray::fromHex(hex);
}

struct Owner {
    u8 kind;
    QByteArray raw; // 3 bytes
};

Owner group_owner(u16 index)
{
    return {CBE_OWNER_GROUP, QByteArray() + char(index & 0xFF) + char(index >> 8) + '\0'};
}

// PackedAddress bytes of a point written out by hand.
Owner sensor_owner(u8 b0, u8 b1, u8 b2)
{
    return {CBE_OWNER_SENSOR, QByteArray() + char(b0) + char(b1) + char(b2)};
}

Owner module_owner(u8 b0, u8 b1, u8 b2)
{
    return {CBE_OWNER_MODULE, QByteArray() + char(b0) + char(b1) + char(b2)};
}

struct Result {
    int length;
    QByteArray code;
    int errorCode;
    int errorPos;
    QByteArray buffer;
};

Result compile(const QByteArray& text, bool list, const Owner& owner)
{
    // Room for the text and the 32 program bytes, with a guard after both.
    QByteArray buffer(qMax(text.size() + 1, 32) + 8, '\x5A');
    std::memcpy(buffer.data(), text.constData(), size_t(text.size()));
    buffer[text.size()] = '\0';
    CBECompileRequest request;
    request.text = buffer.data();
    request.errorCode = 0xEE;
    request.errorPos = 0xEE;
    std::memcpy(request.owner, owner.raw.constData(), 3);
    request.ownerKind = owner.kind;
    request.listMode = list ? 1 : 0;
    Result r;
    r.length = CBEExpr_Parse(&request);
    r.code = r.length > 0 ? buffer.left(r.length) : QByteArray();
    r.errorCode = request.errorCode;
    r.errorPos = request.errorPos;
    r.buffer = buffer;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Owner)

class tst_CBECompiler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void compile_data();
    void compile();
    void errors_data();
    void errors();
    void failureLeavesBuffer();
    void successClearsProgramArea();
    void errorText_data();
    void errorText();
    void userError_data();
    void userError();
    void concurrentCalls();

private:
    QTemporaryDir m_dir;
};

// CPU 1 with two boards (loops 1 to 4) and CPU 2 with one (loops 1 and 2); addresses in the
// records are 0-based.
void tst_CBECompiler::initTestCase()
{
    using namespace imagegen;
    Plant p;
    p.panelType = 0;
    p.networked = 1;
    p.brand = 0; // 32 tones, 3 volume steps
    p.boards = {{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}};
    // boardIndex, slot, address, lineBit, module, code, type, class, zone, param, name, inTest
    p.devices = {
        {0, 0, 0, 0, false, 0x4002, 2, 0, 1, 5, "", false},   // C1L1S1
        {0, 1, 2, 0, false, 0x4002, 2, 0, 1, 5, "", false},   // C1L1S3
        {0, 2, 6, 0, false, 0x4002, 2, 2, 1, 5, "", false},   // C1L1S7, code class 2
        {0, 3, 9, 0, true, 0x400B, 14, 0, 2, 0, "", false},   // C1L1M10.1 output (GAC)
        {0, 4, 9, 0, true, 0x400B, 14, 0, 2, 1, "", false},   // C1L1M10.2 output
        {0, 5, 11, 0, true, 0x400B, 43, 0, 2, 0, "", false},  // C1L1M12.1 input (NCMN)
        {0, 6, 20, 1, true, 0x400B, 14, 1, 3, 1, "", false},  // C1L2, class 1: answers as M22
        {0, 7, 4, 1, false, 0x4002, 2, 0, 1, 5, "", false},   // C1L2S5
        {1, 0, 7, 0, false, 0x4002, 2, 0, 1, 5, "", false},   // C1L3S8
        {2, 0, 158, 1, false, 0x4002, 2, 0, 1, 5, "", false}, // C2L2S159
        {2, 1, 0, 0, true, 0x400B, 43, 0, 1, 0, "", false},   // C2L1M1.1 input
    };
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath("plant.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image_v3(p, kV2602));
    file.close();
    QCOMPARE(g_zpConf->new_config(0), 0);
    const int imported = g_zpConf->get_io().import_bin(path.toLocal8Bit().constData(), nullptr);
    QVERIFY2(imported <= 0, qPrintable(QString::number(imported)));
    u8 count[2] = {u8(kDirectGroups & 0xFF), u8(kDirectGroups >> 8)};
    QCOMPARE(g_zpConf->set_data(2, count, 2, 5206), 0);
    u8 back[2] = {0, 0};
    QCOMPARE(g_zpConf->get_data(2, back, 2, 5206), 0);
    QCOMPARE(int(back[0] | (back[1] << 8)), int(kDirectGroups));

    // The plant as the tests expect it.
    u8 record[43];
    QCOMPARE(g_zpConf->get_device(record, 0, 0, false, 2, 15), 0);
    QCOMPARE(g_zpConf->get_device(record, 0, 0, false, 6, 15), 0);
    QCOMPARE(int(record[4]), 2 | (2 << 6));
    QCOMPARE(g_zpConf->get_device(record, 0, 0, true, 9, 1), 0);
    QCOMPARE(int(record[4]), 14);
    QCOMPARE(g_zpConf->get_device(record, 0, 0, true, 11, 0), 0);
    QCOMPARE(g_zpConf->get_device(record, 0, 1, true, 21, 15), 0);
    QCOMPARE(g_zpConf->get_device(record, 0, 2, false, 7, 15), 0);
    QCOMPARE(g_zpConf->get_device(record, 1, 1, false, 158, 15), 0);
    QCOMPARE(g_zpConf->get_device(record, 1, 0, true, 0, 0), 0);
}

// ---------------------------------------------------------------------------------------------
// Byte code

void tst_CBECompiler::compile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("list");
    QTest::addColumn<Owner>("owner");
    QTest::addColumn<QByteArray>("expected");

    const Owner g20 = group_owner(20); // not direct: refers to groups 1 to 20
    const Owner g10 = group_owner(10); // the first group that is not direct
    const Owner g0 = group_owner(0);   // direct: refers to groups 2 to 10
    const Owner g3 = group_owner(3);   // direct: refers to groups 5 to 10
    const Owner s1 = sensor_owner(0x00, 0x00, 0x00);  // C1L1S1
    const Owner m10 = module_owner(0x00, 0x20, 0x09); // C1L1M10.1
    auto row = [](const char* name, const char* text, bool list, const Owner& owner, const char* hex) {
        QTest::newRow(name) << QByteArray(text) << list << owner << nibbles(hex);
    };

    // Empty programs.
    row("empty", "", false, g20, "F0");
    row("blanks", "   ", false, g20, "F0");
    row("empty list", "", true, g20, "F0");
    row("blanks list", "  ", true, g20, "F0");

    // Operators.
    row("OR", "OR(G1 G2)", false, g10, "A2 9100 9200 A1 F0");
    row("OR blank", "OR (G1 G2)", false, g10, "A2 9100 9200 A1 F0");
    row("AND", "AND(G1 G20)", false, g20, "A3 9100 9410 A1 F0");
    row("NOT", "NOT(G3)", false, g20, "A4 9300 A1 F0");
    row("NOT blank", "NOT (G3)", false, g20, "A4 9300 A1 F0");
    row("XGRP", "XGRP(G10)", false, g20, "A5 9A00 A1 F0");
    row("PRE zone", "PRE(Z5)", false, g20, "A9 B500 A1 F0");
    row("PRE group", "PRE(G10)", false, g20, "A9 9A00 A1 F0");
    row("FLT output", "FLT(C1L1M10.2)", false, g20, "AA D002290 A1 F");
    row("DIS SYS", "DIS(SYS)", false, g20, "AB B1D7 A1 F0");
    row("TAC", "TAC(SYS)", false, g20, "AC B1D7 A1 F0");
    row("PRE EVAC", "PRE(EVAC)", false, g20, "A9 B2D7 A1 F0");
    row("paren", "(G1 G2)", false, g20, "A0 9100 9200 A1 F0");
    row("nested", "OR(AND(G1 G2) NOT(G3))", false, g20, "A2 A3 9100 9200 A1 A4 9300 A1 A1 F0");
    row("blanks around", "  OR( G1  G2 ) ", false, g20, "A2 9100 9200 A1 F0");

    // Zones, SYS, EVAC.
    row("zones", "OR(Z1 Z2000 SYS EVAC)", false, g20, "A2 B100 B0D7 B1D7 B2D7 A1 F0");
    row("zone 4 digits", "OR(Z1234)", false, g20, "A2 B2D4 A1 F0");

    // Points; CPU and loop set the packed address (CPU - 1, loop - 1 split, address - 1).
    row("sensors", "OR(C1L1S1 C1L1S3)", false, g20, "A2 C000000 C000020 A1 F0");
    row("sensors other loops", "OR(C2L2S159 C1L3S8 C1L2S5)", false, g20, "A2 C1400E9 C080070 C040040 A1 F");
    row("sensor code class", "OR(C1L1S7)", false, g20, "A2 C000060 A1 F");
    row("module input", "NOT(C1L1M12)", false, m10, "A4 D0002B0 A1 F");
    row("module input sub", "NOT(C2L1M1.1)", false, m10, "A4 D100200 A1 F");
    row("module class 1", "FLT(C1L2M22)", false, g20, "AA D042241 A1 F");
    row("module sub of class 1", "OR(C1L2M21.2)", false, s1, "A2 D042241 A1 F");
    row("module output any owner", "OR(C1L1M10.1)", false, s1, "A2 D000290 A1 F");

    // Groups against the direct-group count 10.
    row("group last below own", "OR(G20)", false, group_owner(20), "A2 9410 A1 F0");
    row("direct next", "OR(G5 G10)", false, g3, "A2 9500 9A00 A1 F0");
    row("sensor owner direct", "OR(G10)", false, s1, "A2 9A00 A1 F0");
    row("module owner any", "OR(G1600)", false, m10, "A2 9046 A1 F0");

    // List mode.
    row("list groups", "(G2 G10)", true, g0, "A0 9200 9A00 A1 F0");
    row("list sensor", "(G1 C1L1S3)", true, g20, "A0 9100 C000020 A1 F");
    row("list DIS", "(DIS(Z3) DIS(Z4))", true, g20, "A0 AB B300 A1 AB B400 A1 A1 F0");
    row("list DIS blank", "( DIS(Z3))", true, g20, "A0 AB B300 A1 A1 F0");
    row("list DIS code class", "(DIS(C1L1S7))", true, g20, "A0 AB C000060 A1 A1 F");
    row("list output direct", "(C1L1M10.1)", true, g0, "A0 D000290 A1 F");
    row("list module owner", "(C1L1M10.2 G10)", true, m10, "A0 D002290 9A00 A1 F");

    // DEL and SDEL.
    row("DEL", "DEL(01.30 (G5))", false, g20, "A6 0130 FFFF A0 9500 A1 A1 F0");
    row("DEL no blank", "DEL(01.30(G5))", false, g20, "A6 0130 FFFF A0 9500 A1 A1 F0");
    row("DEL duration", "DEL(10.00 05.00 (G5))", false, g20, "A6 1000 0500 A0 9500 A1 A1 F0");
    row("SDEL", "SDEL(00.59 (G5))", false, g20, "A8 0059 FFFF A0 9500 A1 A1 F0");
    row("SDEL duration", "SDEL (09.59 00.01 (OR(G1 G2)))", false, g20,
        "A8 0959 0001 A0 A2 9100 9200 A1 A1 A1 F0");

    // TIM.
    row("TIM days", "TIM(MO FR 08.00 17.30)", false, g20, "A7 E22 0800 1730 A1 F");
    row("TIM days no slice", "TIM(SU SA )", false, g20, "A7 E41 FFFFFFFF A1 F");
    row("TIM every day", "TIM(SU MO TU WE TH FR SA 00.00 24.00)", false, g20, "A7 E7F 0000 2400 A1 F");
    row("TIM slice only", "TIM(08.00 17.30)", false, g20, "A7 E00 0800 1730 A1 F");
    row("TIM date", "TIM(12-25-99 )", false, g20, "A7 8122599 FFFFFFFF A1 F");
    row("TIM date slice", "TIM(12-25-99 08.00 17.30)", false, g20, "A7 8122599 0800 1730 A1 F");
    row("TIM open month", "TIM(-25-99 )", false, g20, "A7 8FF2599 FFFFFFFF A1 F");
    row("TIM open day", "TIM(12--99 )", false, g20, "A7 812FF99 FFFFFFFF A1 F");
    row("TIM open year", "TIM(12-25- )", false, g20, "A7 81225FF FFFFFFFF A1 F");
    row("TIM leap day", "TIM(02-29-04 )", false, g20, "A7 8022904 FFFFFFFF A1 F");
    row("TIM leap year 00", "TIM(02-29-00 )", false, g20, "A7 8022900 FFFFFFFF A1 F");
    row("TIM open month leap", "TIM(-29-04 )", false, g20, "A7 8FF2904 FFFFFFFF A1 F");
    row("TIM open month, year left out", "TIM(-28 )", false, g20, "A7 8FF28FF FFFFFFFF A1 F");

    // TONE.
    row("TONE", "TONE(05 3 Z1:Z5 (G5))", false, g20, "AE 05 3 100 500 A0 9500 A1 A1 F");
    row("TONE limits", "TONE(33 4 Z2000:Z1 (G5))", false, g20, "AE 33 4 0D7 100 A0 9500 A1 A1 F");
    row("TONE one digit", "TONE(7 1 Z16:Z17 (G5))", false, g20, "AE 07 1 010 110 A0 9500 A1 A1 F");

    // Nesting up to six levels.
    row("six levels", "NOT(NOT(NOT(NOT(NOT(NOT(G1))))))", false, g20, "A4A4A4A4A4A4 9100 A1A1A1A1A1A1 F0");

    // 32 bytes: OR of 14 groups is 61 nibbles with the terminator.
    row("14 groups", "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14)", false, g20,
        "A2 9100 9200 9300 9400 9500 9600 9700 9800 9900 9A00 9B00 9C00 9D00 9E00 A1 F0");
    // 62 nibbles before the terminator: the full 32 bytes.
    row("62 nibbles", "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 C1L1S1 C1L1S3)", false, g20,
        "A2 9100 9200 9300 9400 9500 9600 9700 9800 9900 9A00 9B00 C000000 C000020 A1 F0");
}

void tst_CBECompiler::compile()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, list);
    QFETCH(Owner, owner);
    QFETCH(QByteArray, expected);
    const Result r = ::compile(text, list, owner);
    QCOMPARE(r.code.toHex(' '), expected.toHex(' '));
    QCOMPARE(r.length, expected.size());
}

// ---------------------------------------------------------------------------------------------
// Errors

void tst_CBECompiler::errors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("list");
    QTest::addColumn<Owner>("owner");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("pos");

    const Owner g20 = group_owner(20);
    const Owner g0 = group_owner(0);
    const Owner g3 = group_owner(3);
    const Owner s1 = sensor_owner(0x00, 0x00, 0x00);
    const Owner m10 = module_owner(0x00, 0x20, 0x09);
    const Owner m12 = module_owner(0x00, 0x20, 0x0B); // C1L1M12
    auto row = [](const char* name, const char* text, bool list, const Owner& owner, int code, int pos) {
        QTest::newRow(name) << QByteArray(text) << list << owner << code << pos;
    };

    // 0: balance and depth.
    row("0 open", "OR(G1", false, g20, 0, 5);
    row("0 seventh level", "NOT(NOT(NOT(NOT(NOT(NOT(NOT(G1)))))))", false, g20, 0, 24);
    row("0 seventh level mixed", "OR(AND(OR(AND(OR(AND(OR(G1)))))))", false, g20, 0, 21);
    // 1: size.
    row("1 15 groups", "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14 G15)", false, g20, 1, 54);
    row("1 16 groups", "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14 G15 G16)", false, g20, 1, 57);
    row("1 63 nibbles", "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 C1L1S1)", false, g20, 1, 53);
    // 6, 7, 8, 36, 37: DEL and SDEL.
    row("6 DEL twice", "DEL(01.00 (DEL(01.00 (G1))))", false, g20, 6, 11);
    row("6 TONE after SDEL", "SDEL(01.00 (TONE(05 3 Z1:Z2 (G1))))", false, g20, 6, 12);
    row("7 601 s", "DEL(10.01 (G1))", false, g20, 7, 4);
    row("7 60 s", "DEL(00.60 (G1))", false, g20, 7, 4);
    row("7 duration", "DEL(01.00 10.01 (G1))", false, g20, 7, 10);
    row("8 no delay", "DEL((G1))", false, g20, 8, 4);
    row("8 one digit", "DEL(1.30 (G1))", false, g20, 8, 4);
    row("8 seconds", "SDEL(01.5 (G1))", false, g20, 8, 8);
    row("36 no dot", "DEL(0130 (G1))", false, g20, 36, 6);
    row("36 duration no dot", "DEL(01.30 0130 (G1))", false, g20, 36, 12);
    row("37 end", "DEL(01.30", false, g20, 37, 9);
    row("37 end after blanks", "DEL(01.30   ", false, g20, 37, 12);
    row("40 blank first", " DEL(01.00 (G1))", false, g20, 40, 1);
    row("40 after paren", "(DEL(01.00 (G1)))", false, g20, 40, 1);
    row("41", " SDEL(01.00 (G1))", false, g20, 41, 1);
    row("20", " TIM(MO )", false, g20, 20, 1);
    row("46", " TONE(05 3 Z1:Z5 (G1))", false, g20, 46, 1);
    // 9: groups.
    row("9 not below own", "OR(G21)", false, g20, 9, 4);
    row("9 missing", "OR(G)", false, g20, 9, 4);
    row("9 zero", "OR(G0)", false, m10, 9, 4);
    row("9 1601", "OR(G1601)", false, m10, 9, 4);
    row("9 XGRP not direct", "XGRP(G11)", false, g20, 9, 6);
    row("9 PRE not direct", "PRE(G11)", false, m10, 9, 5);
    row("9 direct own", "OR(G4)", false, g3, 9, 4);
    row("9 direct backwards", "OR(G2)", false, g3, 9, 4);
    row("9 direct beyond", "OR(G11)", false, g3, 9, 4);
    row("9 sensor owner", "OR(G11)", false, s1, 9, 4);
    row("9 module owner list", "(G11)", true, m10, 9, 2);
    row("9 list own", "(G1)", true, g0, 9, 2);
    // CPU, loop, points.
    row("10 loop 9", "OR(C1L9S1)", false, g20, 10, 6);
    row("10 loop 0", "OR(C1L0S1)", false, g20, 10, 6);
    row("10 missing", "OR(C1LS1)", false, g20, 10, 6);
    row("11", "OR(C1G1)", false, g20, 11, 5);
    row("12", "OR(L1S1)", false, g20, 12, 3);
    row("13", "OR(M1)", false, g20, 13, 3);
    row("14", "OR(S1)", false, g20, 14, 3);
    row("45 SYS after CPU", "OR(C1SYS)", false, g20, 45, 5);
    row("22 date with dots is a time", "TIM(12.25.99 17.30)", false, g20, 22, 9);
    row("15 absent", "OR(C1L1M11)", false, s1, 15, 8);
    row("15 absent sub", "OR(C1L1M10.3)", false, s1, 15, 8);
    row("15 sub 16", "OR(C1L1M10.16)", false, s1, 15, 11);
    row("15 sub missing", "OR(C1L1M10.)", false, s1, 15, 11);
    row("15 output in condition", "OR(C1L1M10.1)", false, g20, 15, 8);
    row("15 output needs FLT", "NOT(C1L1M10.1)", false, m12, 15, 9);
    row("15 itself", "NOT(C1L1M12)", false, m12, 15, 9);
    row("15 input in list of direct group", "(C1L1M12)", true, g0, 15, 6);
    row("15 input in list of module", "(C1L1M12)", true, m10, 15, 6);
    row("16 absent", "OR(C1L1S2)", false, g20, 16, 8);
    row("16 missing", "OR(C1L1S)", false, g20, 16, 8);
    row("16 SYS after loop", "OR(C1L1SYS)", false, g20, 16, 8);
    row("16 code class in list", "(C1L1S7)", true, g20, 16, 6);
    row("16 address 160", "OR(C1L1S160)", false, g20, 16, 8);
    row("17 letter", "OR(X1)", false, g20, 17, 3);
    row("17 E", "OR(E1)", false, g20, 17, 3);
    row("17 lower case", "or(G1)", false, g20, 17, 0);
    row("17 CPU 3 digits", "OR(C100L1S1)", false, g20, 17, 6);
    row("18 operand first", "G1", false, g20, 18, 0);
    row("18 close first", ")", false, g20, 18, 0);
    row("18 after end", "OR(G1))", false, g20, 18, 6);
    row("18 list operator", "OR(G1)", true, g20, 18, 0);
    row("18 list paren twice", "((G1))", true, g20, 18, 1);
    row("18 list after DIS", "(DIS(Z3) G1)", true, g20, 18, 9);
    row("18 list zone", "(DIS(Z3 Z4))", true, g20, 18, 8);
    row("17 PRE without paren", "PRE G1", false, g20, 17, 0);
    // TIM.
    row("21 24.01", "TIM(24.01 25.00)", false, g20, 21, 4);
    row("21 minutes", "TIM(08.60 09.00)", false, g20, 21, 4);
    row("22", "TIM(08.00 )", false, g20, 22, 10);
    row("23 stop", "TIM(08.00 0900)", false, g20, 23, 12);
    row("23 start", "TIM(MO 08. 09.00)", false, g20, 23, 9);
    row("24", "TIM(08.00 24.01)", false, g20, 24, 10);
    row("26", "TIM(MO x8.00 09.00)", false, g20, 26, 7);
    row("32", "TIM(13-01-99 )", false, g20, 32, 4);
    row("32 zero", "TIM(00-01-99 )", false, g20, 32, 4);
    row("33 feb 29", "TIM(02-29-05 )", false, g20, 33, 7);
    row("33 feb 29 open year", "TIM(02-29- )", false, g20, 33, 7);
    row("33 open month", "TIM(-29-05 )", false, g20, 33, 5);
    row("33 april 31", "TIM(04-31-99 )", false, g20, 33, 7);
    row("33 day 0", "TIM(01-00-99 )", false, g20, 33, 7);
    row("0 date one digit", "TIM(1-25-99 )", false, g20, 0, 4);
    row("0 year one digit", "TIM(12-25-9 )", false, g20, 0, 10);
    row("39", "TIM(12-25-99", false, g20, 39, 12);
    row("37 TIM", "TIM(08.00", false, g20, 37, 9);
    row("37 TIM days", "TIM(MO ", false, g20, 37, 7);
    row("18 TIM two operands", "TIM(MO ) G1", false, g20, 18, 9);
    // 34, 35.
    row("34 NOT AND", "NOT(AND(G1 G2))", false, g20, 34, 14);
    row("34 NOT two", "NOT(G1 G2)", false, g20, 34, 9);
    row("34 PRE two", "PRE(G1 G2)", false, g20, 34, 9);
    row("34 XGRP two", "XGRP(G1 G2)", false, g20, 34, 10);
    row("34 list DIS two", "(DIS(C1L1S1 C1L1S3))", true, g20, 34, 18);
    row("35", "OR(C1L1X1)", false, g20, 35, 7);
    row("35 end", "OR(C1L1", false, g20, 35, 7);
    // 42 to 53.
    row("42 65", "OR(C65L1S1)", false, g20, 42, 4);
    row("42 0", "OR(C0L1S1)", false, g20, 42, 4);
    row("42 missing", "OR(CL1S1)", false, g20, 42, 4);
    row("43", "OR(C1C1)", false, g20, 43, 5);
    row("44 2001", "OR(Z2001)", false, g20, 44, 4);
    row("44 0", "OR(Z0)", false, g20, 44, 4);
    row("44 TONE first", "TONE(05 3 Z0:Z5 (G1))", false, g20, 44, 11);
    row("44 TONE last", "TONE(05 3 Z1:Z2001 (G1))", false, g20, 44, 14);
    row("45 zone", "XGRP(Z1)", false, g20, 45, 5);
    row("45 SYS", "XGRP(SYS)", false, g20, 45, 5);
    row("34 TAC two", "TAC(SYS SYS)", false, g20, 34, 11);
    row("45 zone in TAC", "TAC(Z1)", false, g20, 45, 4);
    row("45 list zone", "(Z3)", true, g20, 45, 1);
    row("47 end", "TONE(05 3", false, g20, 47, 9);
    row("47 end after blanks", "TONE(05 3 ", false, g20, 47, 10);
    row("47 no Z", "TONE(05 3 1:Z5 (G1))", false, g20, 47, 10);
    row("47 no colon", "TONE(05 3 Z1-Z5 (G1))", false, g20, 47, 12);
    row("47 second Z", "TONE(05 3 Z1:5 (G1))", false, g20, 47, 13);
    row("48 34", "TONE(34 3 Z1:Z5 (G1))", false, g20, 48, 5);
    row("48 0", "TONE(00 3 Z1:Z5 (G1))", false, g20, 48, 5);
    row("49 5", "TONE(05 5 Z1:Z5 (G1))", false, g20, 49, 8);
    row("49 0", "TONE(05 0 Z1:Z5 (G1))", false, g20, 49, 8);
    row("50", "(G1 SYS)", true, g20, 50, 4);
    row("50 after loop", "(C1L1SYS)", true, g20, 50, 5);
    row("50 in DIS", "(DIS(SYS))", true, g20, 50, 5);
    row("51", "(G1 DIS(Z3))", true, g20, 51, 4);
    row("51 blanks", "(  DIS(Z3))", true, g20, 51, 3);
    row("52", "XGRP(EVAC)", false, g20, 52, 5);
    row("53", "(EVAC)", true, g20, 53, 1);
    row("53 in DIS", "(DIS(EVAC))", true, g20, 53, 5);

    // Truncated prefixes of valid texts.
    struct Cut {
        const char* text;
        bool list;
        int code;
        int pos;
    };
    static const Cut cuts[] = {
        {"T", false, 17, 0},
        {"TIM", false, 17, 0},
        {"TIM(", false, 0, 4},
        {"TIM(M", false, 0, 4},
        {"TIM(MO", false, 37, 6},
        {"TIM(MO ", false, 37, 7},
        {"TIM(MO F", false, 26, 7},
        {"TIM(MO FR", false, 37, 9},
        {"TIM(MO FR 0", false, 26, 10},
        {"TIM(MO FR 08", false, 23, 12},
        {"TIM(MO FR 08.", false, 23, 12},
        {"TIM(MO FR 08.0", false, 23, 12},
        {"TIM(MO FR 08.00", false, 37, 15},
        {"TIM(MO FR 08.00 ", false, 37, 16},
        {"TIM(MO FR 08.00 1", false, 22, 16},
        {"TIM(MO FR 08.00 17", false, 23, 18},
        {"TIM(MO FR 08.00 17.3", false, 23, 18},
        {"TIM(MO FR 08.00 17.30", false, 0, 21},
        {"TIM(12-", false, 0, 7},
        {"TIM(12-25", false, 0, 9},
        {"TIM(12-25-", false, 0, 10},
        {"TIM(12-25-99", false, 39, 12},
        {"TIM(12-25-99 ", false, 26, 13},
        {"DEL", false, 17, 0},
        {"DEL(", false, 8, 4},
        {"DEL(0", false, 8, 4},
        {"DEL(01", false, 36, 6},
        {"DEL(01.", false, 8, 7},
        {"DEL(01.3", false, 8, 7},
        {"DEL(01.30", false, 37, 9},
        {"DEL(01.30 (", false, 0, 11},
        {"DEL(01.30 (G", false, 9, 12},
        {"DEL(01.30 (G5", false, 0, 13},
        {"DEL(01.30 (G5)", false, 0, 14},
        {"TONE(", false, 48, 5},
        {"TONE(0", false, 48, 5},
        {"TONE(05", false, 49, 7},
        {"TONE(05 ", false, 49, 8},
        {"TONE(05 3 Z", false, 44, 11},
        {"TONE(05 3 Z1", false, 47, 12},
        {"TONE(05 3 Z1:", false, 47, 13},
        {"TONE(05 3 Z1:Z", false, 44, 14},
        {"TONE(05 3 Z1:Z5", false, 0, 15},
        {"(", true, 0, 1},
        {"(G", true, 9, 2},
        {"(G1", true, 0, 3},
        {"(G1 ", true, 0, 4},
        {"(G1 C", true, 42, 5},
        {"(G1 C1", true, 0, 6},
        {"(G1 C1L", true, 10, 7},
        {"(G1 C1L1", true, 35, 8},
        {"(G1 C1L1S", true, 16, 9},
        {"(G1 C1L1S3", true, 0, 10},
        {"(DIS(", true, 0, 5},
        {"(DIS(Z", true, 44, 6},
        {"(DIS(Z3)", true, 0, 8},
        {"O", false, 17, 0},
        {"OR", false, 17, 0},
        {"OR(", false, 0, 3},
        {"OR(E", false, 17, 3},
        {"OR(EVA", false, 17, 3},
        {"OR(SY", false, 14, 3},
        {"OR(EVAC", false, 0, 7},
    };
    for (const Cut& c : cuts)
        QTest::newRow(qPrintable(QString("cut ") + c.text)) << QByteArray(c.text) << c.list << g20 << c.code << c.pos;
}

void tst_CBECompiler::errors()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, list);
    QFETCH(Owner, owner);
    QFETCH(int, code);
    QFETCH(int, pos);
    const Result r = ::compile(text, list, owner);
    QCOMPARE(r.length, -1);
    QCOMPARE(r.errorCode, code);
    QCOMPARE(r.errorPos, pos);
}

// The text stays as it was when the compile fails.
void tst_CBECompiler::failureLeavesBuffer()
{
    const QByteArray text("OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14 G15)");
    const Result r = ::compile(text, false, group_owner(20));
    QCOMPARE(r.length, -1);
    QCOMPARE(r.buffer.left(text.size() + 1), text + '\0');
}

// The first 32 bytes hold the program and zeros; nothing after them is touched.
void tst_CBECompiler::successClearsProgramArea()
{
    const QByteArray text("OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14 G15 G16 G17 G18 G19 G20)");
    QByteArray buffer = text + '\0' + QByteArray(8, '\x5A');
    CBECompileRequest request;
    request.text = buffer.data();
    const QByteArray shortText("NOT(G3)");
    std::memcpy(buffer.data(), shortText.constData(), size_t(shortText.size() + 1));
    put_le16(request.owner, 20);
    QCOMPARE(CBEExpr_Parse(&request), 5);
    QByteArray expected = nibbles("A4 9300 A1 F0") + QByteArray(27, '\0');
    QCOMPARE(buffer.left(32).toHex(' '), expected.toHex(' '));
    QCOMPARE(buffer.mid(32), text.mid(32) + '\0' + QByteArray(8, '\x5A'));
}

// ---------------------------------------------------------------------------------------------
// Error texts and user codes

void tst_CBECompiler::errorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("0") << 0 << QByteArray("bilanciamento parentesi errato");
    QTest::newRow("6") << 6 << QByteArray("DEL:  SDEL o TONE ripetuti");
    QTest::newRow("19") << 19 << QByteArray("punto di ritorno non previsto");
    QTest::newRow("20") << 20 << QByteArray("TIM non e' l'unico operatore nella CBE");
    QTest::newRow("25") << 25 << QByteArray("TIM non e' l'unico operatore nella CBE");
    QTest::newRow("27") << 27 << QByteArray("TIM: separatore data non valido");
    QTest::newRow("28") << 28 << QByteArray("TIM: separatore data non valido");
    QTest::newRow("32") << 32 << QByteArray("TIM: data non valida");
    QTest::newRow("35") << 35 << QByteArray("es.: L1:  cioe' senza moduli o sensori");
    QTest::newRow("36") << 36 << QByteArray("':' non trovato in DEL:  SDEL");
    QTest::newRow("38") << 38 << QByteArray("TIM: anno non valido");
    QTest::newRow("50") << 50 << QByteArray("operando SYS non ammesso");
    QTest::newRow("51") << 51 << QByteArray("DIS non e' l'unico operatore nella CBE");
    QTest::newRow("52") << 52 << QByteArray("");
    QTest::newRow("53") << 53 << QByteArray("");
    QTest::newRow("-1") << -1 << QByteArray("");
}

void tst_CBECompiler::errorText()
{
    QFETCH(int, code);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray(cbeCompileErrorText(code)), text);
}

void tst_CBECompiler::userError_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<uint>("user");
    const int table[][2] = {
        {0, 534},  {5, 534},  {1, 535},  {2, 578},  {3, 579},  {4, 536},  {6, 537},  {7, 538},
        {8, 577},  {9, 528},  {10, 539}, {15, 544}, {19, 548}, {20, 549}, {25, 549}, {21, 550},
        {24, 553}, {26, 554}, {27, 555}, {28, 555}, {29, 556}, {30, 557}, {31, 558}, {38, 558},
        {32, 559}, {33, 559}, {34, 560}, {37, 563}, {39, 564}, {45, 570}, {51, 576}, {52, 65535},
        {53, 65535}, {-1, 65535},
    };
    for (const auto& t : table)
        QTest::newRow(qPrintable(QString::number(t[0]))) << t[0] << uint(t[1]);
}

void tst_CBECompiler::userError()
{
    QFETCH(int, code);
    QFETCH(uint, user);
    QCOMPARE(uint(cbeCompileErrorToUserError(code)), user);
}

// Two threads compiling at once each get their own results.
void tst_CBECompiler::concurrentCalls()
{
    bool okA = true;
    bool okB = true;
    auto run = [](const char* text, const QByteArray& expected, int code, bool* ok) {
        for (int i = 0; i < 300 && *ok; ++i) {
            const Result r = ::compile(QByteArray(text), false, group_owner(20));
            *ok = expected.isEmpty() ? (r.length == -1 && r.errorCode == code) : r.code == expected;
        }
    };
    std::thread a(run, "TIM(MO FR 08.00 17.30)", nibbles("A7 E22 0800 1730 A1 F"), 0, &okA);
    std::thread b(run, "NOT(G1 G2)", QByteArray(), 34, &okB);
    a.join();
    b.join();
    QVERIFY(okA);
    QVERIFY(okB);
}

QTEST_MAIN(tst_CBECompiler)
#include "tst_cbecompiler.moc"
