// Decoding of control-by-event programs back into text, and the round trip through the compiler.
// Expected programs are written out by hand as nibble strings from the byte-code tables: the
// opcode, then its operands (12-bit and 24-bit values lowest nibble first), the end nibble F;
// the pad nibble is added by to_bytes.
#include "cbe/CBECompiler.h"
#include "cbe/CBEDecoder.h"

#include "../Lib/LibTestSupport.h"

#include "ZpData/ZpConf.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

// Who owns the expression, which decides the group and point checks of the compiler.
enum class Owner {
    Sensor,       // the sensor C1L1S3
    Module,       // the module C1L1M5.2
    DirectGroup,  // group 4 (index 3), below the direct-group count of 10
    GroupPast,    // group 21 (index 20), past the direct-group count
    LastGroup,    // group 1600 (index 1599)
};

struct Row {
    const char* name;
    Owner owner;
    bool listMode;
    const char* input;     // the text as typed
    const char* nibbles;   // the program, F included, pad left out
    const char* canonical; // what the decoder writes
};

// The test configuration (see initTestCase): CPU 1, board 0 with
//   C1L1S3   sensor, address 2
//   C1L2S7   sensor, address 6, line 1
//   C1L1M5.1 and C1L1M5.2: two channels of a plain module at address 4
//   C1L1M41  plain module at address 40, sub-address 0
//   C1L1M20 .. C1L1M23: a module of class 1 at address 19, sub-addresses 0 to 3
//   C1L1M30  a module of class 2 at address 29
// and a direct-group count of 10.
// PackedAddress values: C1L1S3 00 00 02 -> 000020; C1L2S7 40 00 06 -> 040060;
// C1L1M5.1 00 20 04 -> 000240; C1L1M5.2 00 22 04 -> 002240; C1L1M41 00 20 28 -> 000282;
// class 1 sub 0 00 20 13 -> 000231, sub 1 00 22 13 -> 002231, sub 3 00 26 13 -> 006231;
// class 2 00 20 1D -> 0002D1.
const Row kRoundTrip[] = {
    {"OR", Owner::GroupPast, false, "OR(G1 G2)", "A2 9100 9200 A1 F", "OR(G1 G2)"},
    {"OR blanks", Owner::GroupPast, false, "  OR(  G1   G2 )", "A2 9100 9200 A1 F", "OR(G1 G2)"},
    {"AND", Owner::Sensor, false, "AND(G1 Z5)", "A3 9100 B500 A1 F", "AND(G1 Z5)"},
    {"NOT", Owner::Sensor, false, "NOT(G3)", "A4 9300 A1 F", "NOT(G3)"},
    {"XGRP last direct", Owner::Sensor, false, "XGRP(G10)", "A5 9A00 A1 F", "XGRP(G10)"},
    {"PRE SYS", Owner::Sensor, false, "PRE(SYS)", "A9 B1D7 A1 F", "PRE(SYS)"},
    {"PRE EVAC", Owner::Sensor, false, "PRE(EVAC)", "A9 B2D7 A1 F", "PRE(EVAC)"},
    {"FLT", Owner::Sensor, false, "FLT(G1)", "AA 9100 A1 F", "FLT(G1)"},
    {"DIS", Owner::Sensor, false, "DIS(Z3)", "AB B300 A1 F", "DIS(Z3)"},
    {"TAC", Owner::Sensor, false, "TAC(SYS)", "AC B1D7 A1 F", "TAC(SYS)"},
    {"zones", Owner::Sensor, false, "OR(Z1 Z2000 SYS EVAC)", "A2 B100 B0D7 B1D7 B2D7 A1 F",
     "OR(Z1 Z2000 SYS EVAC)"},
    {"nested", Owner::Sensor, false, "AND(OR(G1 G2) NOT(Z3))", "A3 A2 9100 9200 A1 A4 B300 A1 A1 F",
     "AND(OR(G1 G2)NOT(Z3))"},
    {"six levels", Owner::Sensor, false, "AND(OR(AND(OR(AND(OR(G1 G2))))))",
     "A3 A2 A3 A2 A3 A2 9100 9200 A1 A1 A1 A1 A1 A1 F", "AND(OR(AND(OR(AND(OR(G1 G2))))))"},
    {"single operators", Owner::Sensor, false, "OR(PRE(G1) FLT(C1L1S3) DIS(Z3) TAC(SYS))",
     "A2 A9 9100 A1 AA C000020 A1 AB B300 A1 AC B1D7 A1 A1 F", "OR(PRE(G1)FLT(C1L1S3)DIS(Z3)TAC(SYS))"},
    {"sensors", Owner::Sensor, false, "OR(C1L1S3 C1L2S7)", "A2 C000020 C040060 A1 F", "OR(C1L1S3 C1L2S7)"},
    {"module channels", Owner::Sensor, false, "OR(C1L1M5.1 C1L1M5.2)", "A2 D000240 D002240 A1 F",
     "OR(C1L1M5.1 C1L1M5.2)"},
    {"plain module by address", Owner::Sensor, false, "OR(C1L1M41)", "A2 D000282 A1 F", "OR(C1L1M41.1)"},
    {"class 1 module", Owner::Sensor, false, "OR(C1L1M20 C1L1M21 C1L1M23)", "A2 D000231 D002231 D006231 A1 F",
     "OR(C1L1M20 C1L1M21 C1L1M23)"},
    {"class 2 module", Owner::Sensor, false, "OR(C1L1M30)", "A2 D0002D1 A1 F", "OR(C1L1M30)"},
    {"DEL no duration", Owner::Sensor, false, "DEL(01.30 (G5))", "A6 0130 FFFF A0 9500 A1 A1 F", "DEL(01.30 (G5))"},
    {"DEL duration", Owner::Sensor, false, "DEL(10.00 00.30 (G1))", "A6 1000 0030 A0 9100 A1 A1 F",
     "DEL(10.00 00.30 (G1))"},
    {"DEL operator", Owner::Sensor, false, "DEL(00.10 (OR(G1 G2)))", "A6 0010 FFFF A0 A2 9100 9200 A1 A1 A1 F",
     "DEL(00.10 (OR(G1 G2)))"},
    {"SDEL duration", Owner::Sensor, false, "SDEL(00.05 01.00 (G1))", "A8 0005 0100 A0 9100 A1 A1 F",
     "SDEL(00.05 01.00 (G1))"},
    {"SDEL no duration", Owner::Sensor, false, "SDEL(09.59 (G1))", "A8 0959 FFFF A0 9100 A1 A1 F",
     "SDEL(09.59 (G1))"},
    {"TIM days slice", Owner::Sensor, false, "TIM(MO FR 08.00 17.30)", "A7 E22 0800 1730 A1 F",
     "TIM(MO FR 08.00 17.30)"},
    {"TIM all days", Owner::Sensor, false, "TIM(SA FR TH WE TU MO SU)", "A7 E7F FFFFFFFF A1 F",
     "TIM(SU MO TU WE TH FR SA)"},
    {"TIM slice only", Owner::Sensor, false, "TIM(00.00 23.59)", "A7 E00 0000 2359 A1 F", "TIM(00.00 23.59)"},
    {"TIM date", Owner::Sensor, false, "TIM(12-25-99)", "A7 8 12 25 99 FFFFFFFF A1 F", "TIM(12-25-99)"},
    {"TIM open month", Owner::Sensor, false, "TIM(-25-99)", "A7 8 FF 25 99 FFFFFFFF A1 F", "TIM(-25-99)"},
    {"TIM open day", Owner::Sensor, false, "TIM(12--99)", "A7 8 12 FF 99 FFFFFFFF A1 F", "TIM(12--99)"},
    {"TIM open year", Owner::Sensor, false, "TIM(12-25- )", "A7 8 12 25 FF FFFFFFFF A1 F", "TIM(12-25- )"},
    {"TIM year left out", Owner::Sensor, false, "TIM(12-25 )", "A7 8 12 25 FF FFFFFFFF A1 F", "TIM(12-25- )"},
    {"TIM open month, day 28", Owner::Sensor, false, "TIM(-28 )", "A7 8 FF 28 FF FFFFFFFF A1 F", "TIM(-28- )"},
    {"TIM all open", Owner::Sensor, false, "TIM(-- )", "A7 8 FF FF FF FFFFFFFF A1 F", "TIM(-- )"},
    {"TIM leap date slice", Owner::Sensor, false, "TIM(02-29-04 08.00 12.00)", "A7 8 02 29 04 0800 1200 A1 F",
     "TIM(02-29-04 08.00 12.00)"},
    {"TIM open year slice", Owner::Sensor, false, "TIM(12-25- 08.00 12.00)", "A7 8 12 25 FF 0800 1200 A1 F",
     "TIM(12-25- 08.00 12.00)"},
    {"TONE", Owner::Sensor, false, "TONE(5 3 Z1:Z5 (G1))", "AE 05 3 100 500 A0 9100 A1 A1 F",
     "TONE(05 3 Z1:Z5 (G1))"},
    {"TONE zone range", Owner::Sensor, false, "TONE(12 4 Z1:Z2000 (OR(G1 G2)))",
     "AE 12 4 100 0D7 A0 A2 9100 9200 A1 A1 A1 F", "TONE(12 4 Z1:Z2000 (OR(G1 G2)))"},
    {"list", Owner::Sensor, true, "(G1 C1L1S3)", "A0 9100 C000020 A1 F", "(G1 C1L1S3)"},
    {"list operands", Owner::Sensor, true, "( G1 G10 C1L2S7 C1L1M5.2 )", "A0 9100 9A00 C040060 D002240 A1 F",
     "(G1 G10 C1L2S7 C1L1M5.2)"},
    {"list DIS", Owner::Sensor, true, "(DIS(Z3) DIS(Z4))", "A0 AB B300 A1 AB B400 A1 A1 F", "(DIS(Z3)DIS(Z4))"},
    {"list DIS point", Owner::Sensor, true, "(DIS(C1L1S3))", "A0 AB C000020 A1 A1 F", "(DIS(C1L1S3))"},
    {"direct group owner", Owner::DirectGroup, false, "OR(G5 G10)", "A2 9500 9A00 A1 F", "OR(G5 G10)"},
    {"group past direct count", Owner::GroupPast, false, "OR(G11 G20)", "A2 9B00 9410 A1 F", "OR(G11 G20)"},
    {"last group owner", Owner::LastGroup, false, "OR(G1599 G11)", "A2 9F36 9B00 A1 F", "OR(G1599 G11)"},
    {"module owner group 1600", Owner::Module, false, "OR(G1600)", "A2 9046 A1 F", "OR(G1600)"},
    {"OR of 14 groups", Owner::LastGroup, false, "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14)",
     "A2 9100 9200 9300 9400 9500 9600 9700 9800 9900 9A00 9B00 9C00 9D00 9E00 A1 F",
     "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 G12 G13 G14)"},
    {"empty", Owner::Sensor, false, "", "F", ""},
    {"blanks", Owner::Sensor, false, "   ", "F", ""},
    {"empty list", Owner::Sensor, true, "", "F", ""},
};

// Programs the compiler cannot produce from the test configuration, or whose values lie at the
// edges of the number fields.
const Row kDecodeOnly[] = {
    {"group fields", Owner::Sensor, false, "", "A2 9046 9FFF 9000 A1 F", "OR(G1600 G4095 G0)"},
    {"zone above EVAC", Owner::Sensor, false, "", "A2 BFFF B000 A1 F", "OR(EVAC Z0)"},
    {"last CPU loop address", Owner::Sensor, false, "", "A2 CFF10FF A1 F", "OR(C64L8S256)"},
    {"sub-address 16 of an absent module", Owner::Sensor, false, "", "A2 D18E390 A1 F", "OR(C2L3M10.16)"},
    {"absent module", Owner::Sensor, false, "", "A2 D000236 A1 F", "OR(C1L1M100.1)"},
    {"sensor ignores sub-address", Owner::Sensor, false, "", "A2 C00E320 A1 F", "OR(C1L1S3)"},
    {"TIM no day no slice", Owner::Sensor, false, "", "A7 E00 FFFFFFFF A1 F", "TIM()"},
    {"TONE zones SYS EVAC", Owner::Sensor, false, "", "AE 00 0 1D7 2D7 A1 F", "TONE(00 0 SYS:EVAC)"},
    {"close after open date", Owner::Sensor, false, "", "A7 8 FF FF FF FFFFFFFF A1 A1 F", "TIM(-- ))"},
    {"close at start", Owner::Sensor, false, "", "A1 F", ")"},
    {"empty parentheses", Owner::Sensor, false, "", "A0 A1 F", "()"},
    {"F as nibble 63", Owner::Sensor, false, "",
     "A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5 F",
     "XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP("
     "XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP(XGRP("},
};

QByteArray to_bytes(const char* nibbles)
{
    QByteArray hex = QByteArray(nibbles).replace(' ', "");
    if (hex.size() % 2)
        hex.append('0');
    return QByteArray::fromHex(hex);
}

struct Decoded {
    int result;
    QByteArray text;
    int nibblePos;
    int textLength;
};

// An exactly sized heap buffer, so the sanitizer build sees any write past it.
Decoded run_decoder(const QByteArray& program)
{
    std::unique_ptr<char[]> buffer(new char[kCBEDecodeBufferSize]());
    std::memcpy(buffer.get(), program.constData(), size_t(qMin(program.size(), 32)));
    CBEDecodeRequest request{buffer.get(), 0xEE, 0xEE};
    const int result = CBEExpr_ToString(&request);
    const void* nul = std::memchr(buffer.get(), 0, kCBEDecodeBufferSize);
    if (!nul)
        return {result, QByteArray("<unterminated>"), request.nibblePos, request.textLength};
    return {result, QByteArray(buffer.get()), request.nibblePos, request.textLength};
}

struct Compiled {
    int result;
    QByteArray program;
    int errorCode;
    int errorPos;
};

Compiled compile(const QByteArray& text, Owner owner, bool listMode)
{
    std::vector<char> buffer(size_t(qMax(text.size() + 1, 32)), '\0');
    std::memcpy(buffer.data(), text.constData(), size_t(text.size()));
    CBECompileRequest request;
    request.text = buffer.data();
    request.listMode = listMode ? 1 : 0;
    switch (owner) {
    case Owner::Sensor:
        request.ownerKind = CBE_OWNER_SENSOR;
        request.owner[0] = 0x00; // C1L1S3
        request.owner[1] = 0x00;
        request.owner[2] = 0x02;
        break;
    case Owner::Module:
        request.ownerKind = CBE_OWNER_MODULE;
        request.owner[0] = 0x00; // C1L1M5.2
        request.owner[1] = 0x22;
        request.owner[2] = 0x04;
        break;
    case Owner::DirectGroup:
        request.ownerKind = CBE_OWNER_GROUP;
        request.owner[0] = 3;
        break;
    case Owner::GroupPast:
        request.ownerKind = CBE_OWNER_GROUP;
        request.owner[0] = 20;
        break;
    case Owner::LastGroup:
        request.ownerKind = CBE_OWNER_GROUP;
        request.owner[0] = u8(1599 & 0xFF);
        request.owner[1] = u8(1599 >> 8);
        break;
    }
    const int result = CBEExpr_Parse(&request);
    QByteArray program;
    if (result > 0)
        program = QByteArray(buffer.data(), result);
    return {result, program, request.errorCode, request.errorPos};
}

void add_rows(const Row* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        QTest::newRow(rows[i].name) << to_bytes(rows[i].nibbles) << QByteArray(rows[i].canonical);
}

} // namespace

class tst_CBEDecoder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void decode_data();
    void decode();
    void decodeCounts_data();
    void decodeCounts();
    void failures_data();
    void failures();
    void failureKeepsTextTerminated();
    void longestText();
    void moduleFollowsConfiguration();
    void randomPrograms();

    void roundTrip_data();
    void roundTrip();
};

void tst_CBEDecoder::initTestCase()
{
    using namespace libtest::device;
    QCOMPARE(g_zpConf->new_config(0), 0);
    DataBlock::IFace* layout = g_zpConf->find_block(70)->get_iface();
    QVERIFY(layout);
    put_rec(slot_ptr(layout, 0), sensor(2, 0));
    put_rec(slot_ptr(layout, 1), sensor(6, 1));
    put_rec(slot_ptr(layout, 2), module(4, 0, 0, 0));
    put_rec(slot_ptr(layout, 3), module(4, 0, 0, 1));
    put_rec(slot_ptr(layout, 4), module(40, 0, 0, 0));
    for (u8 sub = 0; sub < 4; ++sub)
        put_rec(slot_ptr(layout, 5u + sub), module(19, 0, 1, sub));
    put_rec(slot_ptr(layout, 9), module(29, 0, 2, 0));
    QCOMPARE(g_zpConf->build_device_status(false, nullptr), 0);

    const u8 direct[2] = {10, 0};
    QCOMPARE(g_zpConf->set_data(2, direct, 2, 5206), 0);
    u8 check[2] = {0, 0};
    QCOMPARE(g_zpConf->get_data(2, check, 2, 5206), 0);
    QCOMPARE(int(check[0] | (check[1] << 8)), 10);
}

void tst_CBEDecoder::decode_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("text");
    add_rows(kRoundTrip, sizeof kRoundTrip / sizeof kRoundTrip[0]);
    add_rows(kDecodeOnly, sizeof kDecodeOnly / sizeof kDecodeOnly[0]);
    // The example program of a reverse group, byte by byte.
    QTest::newRow("OR bytes") << QByteArray::fromHex("A291009200A1F0") << QByteArray("OR(G1 G2)");
    QTest::newRow("TIM bytes") << QByteArray::fromHex("A7E2208001730A1F") << QByteArray("TIM(MO FR 08.00 17.30)");
}

void tst_CBEDecoder::decode()
{
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, text);
    const Decoded d = run_decoder(program);
    QCOMPARE(d.text, text);
    QCOMPARE(d.result, 0);
}

// nibblePos counts the end nibble; textLength is 0 only when nothing but keywords was written.
void tst_CBEDecoder::decodeCounts_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("nibblePos");
    QTest::addColumn<bool>("hasText");
    QTest::newRow("F0") << QByteArray::fromHex("F0") << 1 << false;
    QTest::newRow("OR") << to_bytes("A2 9100 9200 A1 F") << 13 << true;
    QTest::newRow("TIM") << to_bytes("A7 E22 0800 1730 A1 F") << 16 << true;
    QTest::newRow("keywords only") << to_bytes("A5 A5 F") << 5 << false;
    QTest::newRow("close only") << to_bytes("A1 F") << 3 << true;
}

void tst_CBEDecoder::decodeCounts()
{
    QFETCH(QByteArray, program);
    QFETCH(int, nibblePos);
    QFETCH(bool, hasText);
    const Decoded d = run_decoder(program);
    QCOMPARE(d.result, 0);
    QCOMPARE(d.nibblePos, nibblePos);
    QCOMPARE(d.textLength != 0, hasText);
}

void tst_CBEDecoder::failures_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("nibblePos");

    for (int op = 0; op <= 8; ++op)
        QTest::newRow(qPrintable(QString("opcode %1").arg(op))) << QByteArray(1, char(op << 4 | 0xF)) << QByteArray() << 1;
    QTest::newRow("weekdays outside TIM") << to_bytes("E00 F") << QByteArray() << 1;
    QTest::newRow("keyword D") << to_bytes("A2 9100 AD F") << QByteArray("OR(G1 ") << 8;
    QTest::newRow("keyword F") << to_bytes("AF F") << QByteArray() << 2;
    QTest::newRow("TIM day part 9") << to_bytes("A7 9 00 F") << QByteArray("TIM(") << 3;
    QTest::newRow("TIM day part F") << to_bytes("A7 F") << QByteArray("TIM(") << 3;
    QTest::newRow("64 nibbles no end") << QByteArray(32, char(0xA0)) << QByteArray(32, '(') << 64;
    // An operand cut by the end of the 64 nibbles.
    QTest::newRow("group cut") << (QByteArray(31, char(0xA0)) + QByteArray(1, char(0x91))) << QByteArray(31, '(') << 64;
    QTest::newRow("point cut") << (QByteArray(29, char(0xA0)) + QByteArray::fromHex("C00002"))
                               << QByteArray(29, '(') << 64;
    QTest::newRow("DEL times cut") << (QByteArray(28, char(0xA0)) + QByteArray::fromHex("A6013000"))
                                   << (QByteArray(28, '(') + "DEL(01.30 00.") << 64;
    QTest::newRow("TIM date cut") << (QByteArray(29, char(0xA0)) + QByteArray::fromHex("A78122"))
                                  << (QByteArray(29, '(') + "TIM(12-2") << 64;
    QTest::newRow("TONE cut") << (QByteArray(28, char(0xA0)) + QByteArray::fromHex("AE053100"))
                              << (QByteArray(28, '(') + "TONE(05 3 Z1:") << 64;
    QTest::newRow("keyword cut") << (QByteArray(28, char(0xA0)) + QByteArray::fromHex("C000020A"))
                                 << (QByteArray(28, '(') + "C1L1S3 ") << 64;
}

void tst_CBEDecoder::failures()
{
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, text);
    QFETCH(int, nibblePos);
    const Decoded d = run_decoder(program);
    QCOMPARE(d.result, -1);
    QCOMPARE(d.text, text);
    QCOMPARE(d.nibblePos, nibblePos);
}

// The program bytes that the text did not overwrite must not show through after a failure.
void tst_CBEDecoder::failureKeepsTextTerminated()
{
    const Decoded d = run_decoder(to_bytes("A2 9100 AD 41424344454647484950"));
    QCOMPARE(d.result, -1);
    QCOMPARE(d.text, QByteArray("OR(G1 "));
}

// Four TIMs with every day and a time slice and five XGRPs fill the 63 nibbles before the end
// with the most text per nibble: 4 x 37 + 5 x 5 = 173 characters.
void tst_CBEDecoder::longestText()
{
    const QByteArray tim = "A7E7F23592359";
    const QByteArray program = to_bytes(QByteArray(tim + tim + tim + tim + "A5A5A5A5A5F").constData());
    QCOMPARE(program.size(), 32);
    const QByteArray timText = "TIM(SU MO TU WE TH FR SA 23.59 23.59 ";
    const Decoded d = run_decoder(program);
    QCOMPARE(d.result, 0);
    QCOMPARE(d.text, timText + timText + timText + timText + "XGRP(XGRP(XGRP(XGRP(XGRP(");
    QCOMPARE(d.text.size(), 173);
    QVERIFY(d.text.size() < int(kCBEDecodeBufferSize));
}

// The same module program decodes by the record found at its address: a plain module with its
// sub-address, a class-1 channel by the address it answers to.
void tst_CBEDecoder::moduleFollowsConfiguration()
{
    using namespace libtest::device;
    DataBlock::IFace* layout = g_zpConf->find_block(70)->get_iface();
    const QByteArray program = to_bytes("A2 D002231 A1 F");
    QCOMPARE(run_decoder(program).text, QByteArray("OR(C1L1M21)"));

    put_rec(slot_ptr(layout, 6), module(19, 0, 0, 1));
    QCOMPARE(g_zpConf->build_device_status(false, nullptr), 0);
    QCOMPARE(run_decoder(program).text, QByteArray("OR(C1L1M20.2)"));

    put_rec(slot_ptr(layout, 6), module(19, 0, 1, 1));
    QCOMPARE(g_zpConf->build_device_status(false, nullptr), 0);
    QCOMPARE(run_decoder(program).text, QByteArray("OR(C1L1M21)"));
}

// Random programs, half raw bytes and half built from valid items with random operands, so that
// every item kind meets the end of the 64 nibbles; every one must end with a result, a
// terminated text inside the buffer and a nibble count within the program.
void tst_CBEDecoder::randomPrograms()
{
    std::mt19937 rng(20240607u);
    std::uniform_int_distribution<int> nibble(0, 15);
    std::uniform_int_distribution<int> itemKind(0, 9);
    int succeeded = 0;
    for (int n = 0; n < 100000; ++n) {
        u8 nibbles[64];
        if (n % 2 == 0) {
            for (u8& x : nibbles)
                x = u8(nibble(rng));
        } else {
            int at = 0;
            auto add = [&](int v) {
                if (at < 64)
                    nibbles[at++] = u8(v);
            };
            auto addRandom = [&](int count) {
                for (int i = 0; i < count; ++i)
                    add(nibble(rng));
            };
            while (at < 64) {
                switch (itemKind(rng)) {
                case 0: add(0xA); add(nibble(rng)); break;
                case 1: add(0x9); addRandom(3); break;
                case 2: add(0xB); addRandom(3); break;
                case 3: add(0xC); addRandom(6); break;
                case 4: add(0xD); addRandom(6); break;
                case 5: add(0xA); add(0x6); addRandom(8); break;
                case 6: add(0xA); add(0x7); add(nibble(rng) < 8 ? 0xE : 0x8); addRandom(14); break;
                case 7: add(0xA); add(0xE); addRandom(9); break;
                case 8: add(0xA); add(0x1); break;
                default: if (nibble(rng) == 0) add(0xF); else { add(0xA); add(0x0); } break;
                }
            }
        }
        QByteArray program(32, '\0');
        for (int i = 0; i < 32; ++i)
            program[i] = char((nibbles[2 * i] << 4) | nibbles[2 * i + 1]);
        const Decoded d = run_decoder(program);
        if (d.result != 0 && d.result != -1)
            QFAIL(qPrintable(QString("result %1 for %2").arg(d.result).arg(QString(program.toHex()))));
        if (d.text == "<unterminated>")
            QFAIL(qPrintable("unterminated text for " + QString(program.toHex())));
        if (d.nibblePos < 1 || d.nibblePos > 64)
            QFAIL(qPrintable(QString("nibble count %1 for %2").arg(d.nibblePos).arg(QString(program.toHex()))));
        if (d.result == 0)
            ++succeeded;
    }
    // The built half reaches the end nibble often enough for the success path to be covered.
    QVERIFY(succeeded > 1000);
}

void tst_CBEDecoder::roundTrip_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<bool>("listMode");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("canonical");
    for (const Row& r : kRoundTrip)
        QTest::newRow(r.name) << int(r.owner) << r.listMode << QByteArray(r.input) << to_bytes(r.nibbles)
                              << QByteArray(r.canonical);
}

// The typed text compiles to the program of the tables, the program decodes to the canonical
// text, and the canonical text compiles to the same program.
void tst_CBEDecoder::roundTrip()
{
    QFETCH(int, owner);
    QFETCH(bool, listMode);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, canonical);

    const Compiled typed = compile(input, Owner(owner), listMode);
    QVERIFY2(typed.result > 0, qPrintable(QString("error %1 at %2").arg(typed.errorCode).arg(typed.errorPos)));
    QCOMPARE(typed.program.toHex(' '), program.toHex(' '));

    const Decoded d = run_decoder(typed.program);
    QCOMPARE(d.result, 0);
    QCOMPARE(d.text, canonical);

    const Compiled again = compile(d.text, Owner(owner), listMode);
    QVERIFY2(again.result > 0, qPrintable(QString("error %1 at %2").arg(again.errorCode).arg(again.errorPos)));
    QCOMPARE(again.program.toHex(' '), program.toHex(' '));
}

QTEST_APPLESS_MAIN(tst_CBEDecoder)
#include "tst_cbedecoder.moc"
