// The CBE text model without the editor: token texts, the longest-match tokenizer and the two
// spellings, index and operand limits, the error cache, plant checks through an in-test plant,
// and stored programs turned into the plant's text and compiled back.
#include "../Lib/ImageGenerator.h"
#include "TestBase.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEExpression.h"
#include "cbe/CBEOperators.h"
#include "cbe/CBEPlantInfo.h"
#include "cbe/CBEProgramText.h"
#include "cbe/OvCBEEditor.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Values/DeviceCatalogue.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

using namespace Ov4800;

namespace {

// Groups 1 to 20, 1 to 10 direct; 100 zones. Points (1-based): C1L1S3 of protocol 1 and
// series 2 (a class-1 record), C1L1S4 of protocol 1 and series 1, C1L1M5 with a valid channel 1,
// C1L1M6 without channels.
class TestPlant : public CBEPlantInfo {
public:
    int groupCount() const override { return 20; }
    int directGroupCount() const override { return 10; }
    int maxAreasCount() const override { return 100; }
    CBEPointInfo point(int cpu, int loop, int address, int family, int sub) const override
    {
        CBEPointInfo p;
        if (cpu != 0 || loop != 0)
            return p;
        if (family == 1 && (address == 2 || address == 3))
            p = {true, 1, address == 2 ? 2 : 1, false, false, address == 2 ? 1 : 0};
        if (family == 2 && (address == 4 || address == 5))
            p = {true, 1, 1, address == 4, address == 4 && sub == 0};
        return p;
    }
};

// The plant of the panel that initTestCase builds, as the keypad's checks see it: 20 groups,
// 1 to 10 direct, 100 areas, and the two plain sensors C1L1S1 and C1L2S5 (the other records
// answer to no reference here).
class PanelPlant : public TestPlant {
public:
    CBEPointInfo point(int cpu, int loop, int address, int family, int sub) const override
    {
        CBEPointInfo p;
        if (cpu == 0 && family == 1 && sub == kAnySub && ((loop == 0 && address == 0) || (loop == 1 && address == 4)))
            p = {true, 1, 1, false, false, 0, 0, address, 0};
        return p;
    }
};

int buttonNamed(OvCBEEditor& editor, const QString& name)
{
    for (int i = 0; i < OvCBEEditor::BTN_COUNT; ++i)
        if (editor.getBtnName(i) == name)
            return i;
    return -1;
}

// Nibbles as hex digits, blanks only for reading; the pad nibble is added here.
QByteArray bytes(QByteArray nibbles)
{
    nibbles.replace(' ', "");
    return QByteArray::fromHex(nibbles.size() % 2 ? nibbles + '0' : nibbles);
}

ProgramText textOf(const QByteArray& program, bool direct)
{
    u8 stored[32] = {};
    std::memcpy(stored, program.constData(), size_t(qMin(program.size(), 32)));
    return programText(stored, direct);
}

// The program of a text compiled as the expression of the group with this index (counted from
// 0); empty on failure, with the error code and position in *fault.
QByteArray compiled(const QString& text, bool direct, u8 group = 20, QString* fault = nullptr)
{
    QByteArray buffer = text.toLatin1() + QByteArray(300, '\0');
    CBECompileRequest request;
    request.text = buffer.data();
    request.owner[0] = group;
    request.listMode = direct ? 1 : 0;
    const int length = CBEExpr_Parse(&request);
    if (length <= 0 && fault)
        *fault = QString("error %1 at %2").arg(request.errorCode).arg(request.errorPos);
    return length > 0 ? buffer.left(length) : QByteArray();
}

// A random condition over groups, zones, SYS and EVAC, a DEL, or a TIM.
struct Generator {
    std::mt19937 rng{7u};
    int pick(int n) { return int(rng() % u32(n)); }
    QString two(int v) { return QString::number(v + 100).mid(1); }
    QString operand()
    {
        static const char* const kPoints[] = {"C1L1S1", "C1L1S3", "C1L1S7", "C1L1M7", "C1L1M12.1", "C1L2S5"};
        switch (pick(5)) {
        case 0: return "G" + QString::number(1 + pick(9));
        case 1: return "Z" + QString::number(1 + pick(2000));
        case 2: return "SYS";
        case 3: return kPoints[pick(6)];
        default: return "EVAC";
        }
    }
    QString expression(int depth)
    {
        static const char* const kOps[] = {"OR(", "AND(", "NOT(", "XGRP(", "PRE(", "FLT(", "DIS(", "TAC("};
        if (depth >= 3 || (depth > 0 && pick(3) == 0))
            return operand();
        const int k = depth == 0 ? pick(2) : pick(8);
        if (k == 3)
            return "XGRP(G" + QString::number(1 + pick(9)) + ")";
        if (k == 7)
            return "TAC(SYS)";
        QString text = kOps[k];
        if (k > 3)
            return text + operand() + ")";
        for (int i = k < 2 ? 1 + pick(3) : 1; i > 0; --i)
            text += expression(depth + 1) + (i > 1 ? " " : "");
        return text + ")";
    }
    QString program()
    {
        const int kind = pick(5);
        if (kind == 3)
            return "TONE(" + two(1 + pick(5)) + " " + QString::number(1 + pick(3)) + " Z" + QString::number(1 + pick(9))
                + ":Z" + QString::number(10 + pick(90)) + " (" + expression(1) + "))";
        if (kind == 0)
            return "DEL(" + two(pick(10)) + "." + two(pick(60)) + " (" + expression(1) + "))";
        if (kind == 1) {
            const QString days = pick(2) ? "MO FR " : "";
            const int start = pick(1400);
            return "TIM(" + days + two(start / 60) + "." + two(start % 60) + " 23.59)";
        }
        return expression(0);
    }
};

} // namespace

class tst_CBEText : public TestBase {
    Q_OBJECT

private slots:
    // Groups 1 to 10 are direct, so XGRP, PRE and FLT may name them. CPU 1 has loops 1 and 2 with
    // C1L1S1, C1L1S3, C1L1S7 of code class 2 (also answering as C1L1M7), outputs C1L1M10.1 and
    // .2, input C1L1M12.1 and C1L2S5.
    void initTestCase()
    {
        TestBase::initTestCase();
        using namespace imagegen;
        Plant p;
        p.boards = {{0, 0, 1, 1}};
        p.devices = {
            {0, 0, 0, 0, false, 0x4002, 2, 0, 1, 5, "", false}, {0, 1, 2, 0, false, 0x4002, 2, 0, 1, 5, "", false},
            {0, 2, 6, 0, false, 0x4002, 2, 2, 1, 5, "", false}, {0, 3, 9, 0, true, 0x400B, 14, 0, 2, 0, "", false},
            {0, 4, 9, 0, true, 0x400B, 14, 0, 2, 1, "", false}, {0, 5, 11, 0, true, 0x400B, 43, 0, 2, 0, "", false},
            {0, 6, 4, 1, false, 0x4002, 2, 0, 1, 5, "", false},
        };
        QTemporaryDir dir;
        QFile file(dir.filePath("plant.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image_v3(p, kV2602)) > 0);
        file.close();
        QCOMPARE(g_zpConf->new_config(0), 0);
        QVERIFY(g_zpConf->get_io().import_bin(qPrintable(file.fileName()), nullptr) <= 0);
        const u8 direct[2] = {10, 0};
        QCOMPARE(g_zpConf->set_data(2, direct, 2, 5206), 0);
        // Building the configuration logs the binding of its free device blocks.
        traceErrors("set_cpu_llId");
    }

    void cleanup()
    {
        setCBEPlant(nullptr);
        TestBase::cleanup();
    }

    void tokens()
    {
        const QStringList storage = QString(
                                        "0 1 2 3 4 5 6 7 8 9 C G SYS MO TU WE TH FR SA SU . : - L S M Z _ ( ) OR AND "
                                        "NOT XGRP DEL TIM SDEL PRE FLT DIS TAC SUB1 TONE EVAC")
                                        .split(' ');
        for (uint code = 0; code < 44; ++code) {
            const QString text = storage[int(code)] == "_" ? " " : storage[int(code)];
            QCOMPARE(tokenStorageText(code), text);
            QCOMPARE(tokenDisplayText(code), code == 41 ? QString("SUB") : text);
            QCOMPARE(checkTokenCode(code), code);
            QCOMPARE(keyDigitValue(code), code <= 9 ? int(code) : -1);
        }
        QCOMPARE(tokenStorageText(44), QString());
        QCOMPARE(tokenDisplayText(44), QString());
        QCOMPARE(checkTokenCode(44), 0xFFFFu);
    }

    void findToken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("storage");
        QTest::addColumn<uint>("display");
        QTest::newRow("SUB1") << "SUB1(G1)" << 41u << 41u;
        QTest::newRow("SUB") << "SUB(G1)" << 19u << 41u;
        QTest::newRow("SDEL over S") << "SDEL(01.00" << 36u << 36u;
        QTest::newRow("S") << "S12" << 24u << 24u;
        QTest::newRow("SYS") << "SYS)" << 12u << 12u;
        QTest::newRow("MO over M") << "MO " << 13u << 13u;
        QTest::newRow("TONE") << "TONE(" << 42u << 42u;
        QTest::newRow("digit") << "10" << 1u << 1u;
        QTest::newRow("lower case") << "x" << 0xFFFFu << 0xFFFFu;
        QTest::newRow("empty") << "" << 0xFFFFu << 0xFFFFu;
    }

    void findToken()
    {
        QFETCH(QString, text);
        QFETCH(uint, storage);
        QFETCH(uint, display);
        QCOMPARE(findStorageToken(text), storage);
        QCOMPARE(findDisplayToken(text), display);
    }

    void conversions()
    {
        QCOMPARE(toDisplayString("(SUB1(C1L1M2.1))"), QString("(SUB(C1L1M2.1))"));
        QCOMPARE(toStorageString("(SUB(C1L1M2.1))"), QString("(SUB1(C1L1M2.1))"));
        QCOMPARE(toDisplayString("OR(c1)"), QString("OR("));
        QCOMPARE(toStorageString("SUB1("), QString("SUB11("));
        QCOMPARE(checkCBEString("(C1L1M1)"), 1u);
        QCOMPARE(checkCBEString("OR(C1L1S1)"), 2u);
        QCOMPARE(checkCBEString("C1L1S1"), 0xFFFFu);
        QCOMPARE(checkCBEString(""), 0xFFFFu);
    }

    void index()
    {
        CBEIndex six(6, 1, 64);
        QCOMPARE(six.maxDigits, 2);
        QVERIFY(six.isKeyEnabled(4));
        QVERIFY(!six.isKeyEnabled(5));
        six.addKey(4);
        QCOMPARE(six.getValue(), 64);
        for (uint d = 0; d <= 9; ++d)
            QVERIFY(!six.isKeyEnabled(d));
        six.cursor = 0;
        six.addKey(1);
        QCOMPARE(six.getString(), QString("61"));
        QCOMPARE(CBEIndex(1, 1, 1).maxDigits, 0);
        CBEIndex twelve(1, 0, 132, 3);
        twelve.addKey(2);
        twelve.cursor = 0;
        QVERIFY(twelve.isKeyEnabled(3));
        QVERIFY(!twelve.isKeyEnabled(4));
        CBEIndex seven(0, 2);
        seven.addKey(7);
        QCOMPARE(seven.getValue(), 7);
        seven.clear();
        QCOMPARE(seven.getValue(), -1);
    }

    // A time slice goes after the days, not in front of them.
    void timSliceAfterDays()
    {
        CBEExpression expression(false, "TIM(MO )");
        auto* tim = dynamic_cast<CBETIM*>(expression.getNodes().value(0));
        QVERIFY(tim);
        QCOMPARE(tim->getString(), QString("TIM(MO )"));
        tim->cursor = 1;
        QVERIFY(!tim->canAddTimeSlice());
        tim->cursor = tim->size() - 2;
        QVERIFY(tim->canAddTimeSlice());
    }

    // Keys into a fresh operand: complete, error count and first error.
    void operands_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("errors");
        QTest::addColumn<uint>("first");
        QTest::newRow("C64") << int(KIND_CPU) << "C64" << true << 0 << 0u;
        QTest::newRow("C65") << int(KIND_CPU) << "C65" << false << 1 << 513u;
        QTest::newRow("C0") << int(KIND_CPU) << "C0" << false << 0 << 0u;
        QTest::newRow("L8") << int(KIND_LOOP) << "L8" << true << 0 << 0u;
        QTest::newRow("L9") << int(KIND_LOOP) << "L9" << false << 1 << 514u;
        QTest::newRow("M159") << int(KIND_MODULE) << "M159" << true << 0 << 0u;
        QTest::newRow("S159") << int(KIND_SENSOR) << "S159" << true << 0 << 0u;
        QTest::newRow("S160") << int(KIND_SENSOR) << "S160" << false << 1 << 515u;
        QTest::newRow("Z2001") << int(KIND_AREA) << "Z2001" << false << 1 << 523u;
        QTest::newRow("tone 34") << int(KIND_TONE_INDEX) << "34" << false << 1 << 524u;
        QTest::newRow(".15") << int(KIND_SUB) << ".15" << true << 0 << 0u;
        QTest::newRow(".16") << int(KIND_SUB) << ".16" << false << 1 << 517u;
        QTest::newRow("G1600") << int(KIND_GROUP) << "G1600" << true << 0 << 0u;
        QTest::newRow("Z2000") << int(KIND_AREA) << "Z2000" << true << 0 << 0u;
        QTest::newRow("day 00") << int(KIND_DAY) << "00" << false << 1 << 588u;
        QTest::newRow("day 0") << int(KIND_DAY) << "0" << false << 0 << 0u;
        QTest::newRow("day 7") << int(KIND_DAY) << "7" << false << 0 << 0u;
        QTest::newRow("day 07") << int(KIND_DAY) << "07" << true << 0 << 0u;
        QTest::newRow("day 32") << int(KIND_DAY) << "32" << false << 1 << 588u;
        QTest::newRow("month 12") << int(KIND_MONTH) << "12" << true << 0 << 0u;
        QTest::newRow("year 00") << int(KIND_YEAR) << "00" << false << 1 << 520u;
        QTest::newRow("tone 33") << int(KIND_TONE_INDEX) << "33" << true << 0 << 0u;
        QTest::newRow("volume 4") << int(KIND_VOLUME_INDEX) << "4" << true << 0 << 0u;
        QTest::newRow("volume 5") << int(KIND_VOLUME_INDEX) << "5" << false << 1 << 525u;
        QTest::newRow("TIM 23.59") << int(KIND_TIM) << "23.59" << true << 0 << 0u;
        QTest::newRow("TIM 10.61") << int(KIND_TIM) << "10.61" << true << 1 << 521u;
        QTest::newRow("TIM 24.00") << int(KIND_TIM) << "24.00" << false << 1 << 518u;
        QTest::newRow("DEL 10.00") << int(KIND_DEL) << "10.00" << true << 0 << 0u;
        QTest::newRow("DEL 10.01") << int(KIND_DEL) << "10.01" << false << 1 << 518u;
        QTest::newRow("DEL .") << int(KIND_DEL) << "." << false << 0 << 0u;
    }

    void operands()
    {
        QFETCH(int, kind);
        QFETCH(QString, keys);
        QFETCH(bool, complete);
        QFETCH(int, errors);
        QFETCH(uint, first);
        std::unique_ptr<CBEOperator> node;
        switch (kind) {
        case KIND_CPU: node.reset(new CBECPUIndex); break;
        case KIND_LOOP: node.reset(new CBELoopIndex); break;
        case KIND_MODULE: node.reset(new CBEModuleIndex); break;
        case KIND_SENSOR: node.reset(new CBESensorIndex); break;
        case KIND_SUB: node.reset(new CBESubIndex); break;
        case KIND_GROUP:
            node.reset(new CBEGroupIndex);
            keys.remove(0, 1);
            break;
        case KIND_AREA:
            node.reset(new CBEAreaIndex);
            keys.remove(0, 1);
            break;
        case KIND_DAY: node.reset(new Day); break;
        case KIND_MONTH: node.reset(new Month); break;
        case KIND_YEAR: node.reset(new Year); break;
        case KIND_TONE_INDEX: node.reset(new ToneIndex); break;
        case KIND_VOLUME_INDEX: node.reset(new VolumeIndex); break;
        case KIND_TIM: node.reset(new CBETimeSlice(1439)); break;
        case KIND_DEL: node.reset(new CBETimeSlice(600)); break;
        }
        for (QChar c : keys)
            QVERIFY(node->addKey(findStorageToken(c)));
        QCOMPARE(node->isComplete(), complete);
        QCOMPARE(node->getErrorCount(), errors);
        QCOMPARE(node->getFirstError(), first);
    }

    void removal()
    {
        // On the "L" of a point the loop and everything behind it go.
        CBEPoint point;
        for (uint key : {1u, 23u, 2u, 24u, 3u})
            QVERIFY(point.addKey(key));
        QCOMPARE(point.getString(), QString("C1L2S3"));
        point.cursor = 1;
        point.children[1]->cursor = 0;
        QVERIFY(point.removeCurrent());
        QCOMPARE(point.getString(), QString("C1"));
        QCOMPARE(point.cursor, 0);
        CBETimeSlice slice(600);
        QVERIFY(slice.addKey(20));
        QCOMPARE(slice.getString(), QString("00."));
        QCOMPARE(slice.cursor, 1);
        // An operand typed between two others gets a blank on each side.
        CBEExpression expression(false, "OR(G1 G2)");
        QVERIFY(expression.moveLeft());
        QVERIFY(expression.moveLeft());
        QVERIFY(expression.moveLeft());
        QCOMPARE(expression.getStringFromCursor(), QString("G2)"));
        QVERIFY(expression.addToken(TK_G));
        QVERIFY(expression.addToken(7));
        QCOMPARE(expression.getString(), QString("OR(G1 G7 G2)"));
    }

    // The error count is computed once per arguments until the tree changes.
    void errorCache()
    {
        CBEExpression expression(false, "OR(Z3)");
        reset();
        QCOMPARE(expression.getErrorCount(false, -1), 0);
        QCOMPARE(expression.getErrorCount(false, -1), 0);
        QCOMPARE(messages(QtDebugMsg).size(), 1);
        QCOMPARE(expression.getErrorCount(false, 4), 0);
        QCOMPARE(messages(QtDebugMsg).size(), 2);
        CBEExpression far(false, "OR(Z150)");
        TestPlant plant;
        setCBEPlant(&plant);
        QCOMPARE(far.getErrorCount(false, -1), 0);
        QCOMPARE(far.getErrorCount(true, -1), 1);
        QCOMPARE(far.getFirstError(-1), 523u);
    }

    void plantChecks_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("group");
        QTest::addColumn<uint>("error");
        QTest::newRow("direct above own") << true << "(G5)" << 4 << 0u;
        QTest::newRow("direct not above own") << true << "(G5)" << 10 << 528u;
        QTest::newRow("direct to reverse") << true << "(G12)" << 4 << 527u;
        QTest::newRow("reverse below own") << false << "OR(G12)" << 14 << 0u;
        QTest::newRow("reverse not below own") << false << "OR(G12)" << 10 << 530u;
        QTest::newRow("reverse of a point") << false << "OR(G20)" << -1 << 0u;
        QTest::newRow("XGRP of a reverse group") << false << "XGRP(G12)" << -1 << 527u;
        QTest::newRow("zone limit") << false << "OR(Z100)" << -1 << 0u;
        QTest::newRow("zone limit + 1") << false << "OR(Z101)" << -1 << 523u;
        QTest::newRow("point") << false << "OR(C1L1S4)" << -1 << 0u;
        QTest::newRow("missing point") << false << "OR(C1L1S5)" << -1 << 533u;
        QTest::newRow("channel") << false << "OR(C1L1M5.1)" << -1 << 0u;
        QTest::newRow("missing channel") << false << "OR(C1L1M5.2)" << -1 << 533u;
        QTest::newRow("output sensor of series 2") << true << "(C1L1S3)" << 1 << 532u;
        QTest::newRow("output sensor of series 1") << true << "(C1L1S4)" << 1 << 0u;
        QTest::newRow("output module") << true << "(C1L1M6)" << 1 << 0u;
        QTest::newRow("output module channel") << true << "(C1L1M6.2)" << 1 << 532u;
        QTest::newRow("missing output") << true << "(C1L1M7)" << 1 << 531u;
    }

    void plantChecks()
    {
        QFETCH(bool, direct);
        QFETCH(QString, text);
        QFETCH(int, group);
        QFETCH(uint, error);
        CBEExpression unchecked(direct, text);
        QCOMPARE(unchecked.getString(), text);
        QCOMPARE(unchecked.getErrorCount(true, group), 0);
        QCOMPARE(unchecked.getFirstError(group), 0u);
        CBEExpression expression(direct, text);
        TestPlant plant;
        setCBEPlant(&plant);
        QCOMPARE(expression.getErrorCount(true, group), error ? 1 : 0);
        QCOMPARE(expression.getFirstError(group), error);
    }

    // Stored programs into the plant's text: the tree's text, or the decoder's when the tree cannot
    // hold it.
    void programTexts_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("faithful");
        QTest::newRow("OR") << bytes("A2 9100 9200 A1 F0") << false << "OR(G1 G2)" << true;
        QTest::newRow("blanks added") << bytes("A2 A3 9100 9410 A1 A4 9300 A1 A5 9A00 A1 B300 A1 F") << false
                                      << "OR(AND(G1 G20) NOT(G3) XGRP(G10) Z3)" << true;
        QTest::newRow("reverse list") << bytes("A0 9100 9200 A1 F0") << false << "OR(G1 G2)" << true;
        QTest::newRow("direct list") << bytes("A0 9100 9200 A1 F0") << true << "(G1 G2)" << true;
        QTest::newRow("midnight") << bytes("A7 E00 0030 0600 A1 F") << false << "TIM(-- 00.30 06.00)" << true;
        QTest::newRow("morning") << bytes("A7 E00 0800 1730 A1 F") << false << "TIM(-- 08.00 17.30)" << true;
        QTest::newRow("weekdays") << bytes("A7 E22 0800 1730 A1 F") << false << "TIM(MO FR 08.00 17.30)" << true;
        QTest::newRow("date") << bytes("A7 8122599 0800 1730 A1 F") << false << "TIM(12-25-99 08.00 17.30)" << true;
        QTest::newRow("open month") << bytes("A7 8FF28FF FFFFFFFF A1 F") << false << "TIM(-28- )" << false;
        QTest::newRow("DEL") << bytes("A6 0130 FFFF A0 9500 A1 A1 F0") << false << "DEL(01.30 (G5))" << true;
        QTest::newRow("TONE") << bytes("AE 05 3 100 500 A0 9500 A1 A1 F") << false << "TONE(05 3 Z1:Z5 (G5))" << true;
        QTest::newRow("PRE of a group") << bytes("A2 A9 9A00 A1 A1 F0") << false << "OR(PRE(G10))" << false;
        QTest::newRow("direct group") << bytes("A0 9100 A1 F0") << true << "(G1)" << true;
        QTest::newRow("dual device") << bytes("A2 D000060 A1 F") << false << "OR(C1L1M7)" << true;
        QTest::newRow("module channel") << bytes("A0 D000290 A1 F") << true << "(C1L1M10.1)" << true;
        QTest::newRow("sensor") << bytes("A2 C040040 A1 F") << false << "OR(C1L2S5)" << true;
    }

    void programTexts()
    {
        QFETCH(QByteArray, program);
        QFETCH(bool, direct);
        QFETCH(QString, text);
        QFETCH(bool, faithful);
        const ProgramText t = textOf(program, direct);
        QVERIFY(t.decoded);
        QCOMPARE(t.text, text);
        QCOMPARE(t.faithful, faithful);
        QVERIFY(!textOf(bytes("F0"), false).decoded);
    }

    // Generated programs come back as the same program, as a documented rewrite that compiles, or
    // reported as not faithful with the decoder's text.
    void roundTrip()
    {
        Generator g;
        int faithful = 0, checked = 0;
        for (int n = 0; n < 400; ++n) {
            const QString source = g.program();
            const QByteArray program = compiled(source, false);
            if (program.isEmpty())
                continue;
            ++checked;
            const ProgramText t = textOf(program, false);
            QVERIFY2(t.decoded, qPrintable(source));
            const QByteArray again = compiled(t.text, false);
            if (!t.faithful) {
                QVERIFY2(again == program, qPrintable(source + " -> " + t.text));
                continue;
            }
            ++faithful;
            const bool rewritten = t.text.startsWith("TIM(-- ") && !source.startsWith("TIM(--");
            QVERIFY2(again == program || (rewritten && !again.isEmpty()), qPrintable(source + " -> " + t.text));
        }
        QVERIFY(checked > 300);
        QVERIFY2(faithful > checked / 3, qPrintable(QString("%1 of %2").arg(faithful).arg(checked)));
    }

    // The tones and volumes a TONE may name: the sounders' limits counted from 1, 33 and 4, for
    // APOLLO 15 and 7; the keypad holds to the panel's brand (here 0) as the compiler does.
    void toneLimits()
    {
        QCOMPARE(cbeToneLimits(0).tone, 33u);
        QCOMPARE(cbeToneLimits(0).volume, 4u);
        QCOMPARE(cbeToneLimits(SENSOR_BRAND_APOLLO).tone, 15u);
        QCOMPARE(cbeToneLimits(SENSOR_BRAND_APOLLO).volume, 7u);
        QCOMPARE(cbePanelToneLimits().tone, 33u);
        CBEExpression expression(false, "TONE(33 4 Z1:Z5 (G5))");
        QVERIFY(expression.isComplete());
        QVERIFY(!compiled(expression.getString(), false).isEmpty());
    }

    // The keypad with the logical check, in reverse group 20 and direct group 5: every text it
    // offers Enter on without an error shown compiles. Random walks from the empty program open
    // with each operator in turn, with backspace and caret keys now and then; at every caret
    // position of opened programs every key, and backspace then every key, edit dates, times and
    // lists in the middle.
    void keypadEnterCompiles()
    {
        PanelPlant plant;
        setCBEPlant(&plant);
        // An area index reports each check of its limit on the debug channel.
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
        const QStringList openers = {"TIM",  "NOT", "TIM", "AND", "TIM", "OR",  "DEL", "TIM", "SDEL",
                                     "XGRP", "TIM", "DIS", "PRE", "TIM", "FLT", "TAC", "TONE"};
        const QStringList opened = {"TIM(12-31-09 08.00 17.00)",     "TIM(02-28-09 08.00 17.00)", "TIM(-- 08.00 17.00)",
                                    "TIM(04-30-08 06.15 23.45)",     "TIM(MO FR 08.00 17.30)",    "DEL(01.30 (G5))",
                                    "SDEL(09.59 00.10 (OR(G1 Z2)))", "TONE(05 3 Z1:Z5 (G5))"};
        const QMap<int, QString> commands = {{OvCBEEditor::BTN_SPACE, "SP"},
                                             {OvCBEEditor::BTN_BACKSPACE, "BS"},
                                             {OvCBEEditor::BTN_LEFT, "<"},
                                             {OvCBEEditor::BTN_RIGHT, ">"}};
        OvCBEEditor editor;
        editor.enableLogicalCtrl(true);
        QMap<QString, int> compiledBy;
        QSet<QString> tried;
        QStringList refused;
        const auto check = [&](bool direct, const QString& how) {
            const QString text = editor.getString();
            if (!editor.isEnabled(OvCBEEditor::BTN_ENTER) || editor.getErrorCount() != 0 || tried.contains(text)
                || editor.getExpression()->isEmpty())
                return;
            tried.insert(text);
            QString fault;
            if (compiled(toDisplayString(text), direct, direct ? 4 : 19, &fault).isEmpty())
                refused << text + ": " + fault + " by " + how;
            else
                compiledBy[text.left(text.indexOf('('))] += 1;
        };
        const auto enabled = [&] {
            QList<int> buttons;
            for (int i = 0; i < OvCBEEditor::BTN_COUNT; ++i)
                if (i != OvCBEEditor::BTN_ENTER && editor.isEnabled(i))
                    buttons << i;
            return buttons;
        };
        const auto name = [&](int button) { return commands.value(button, editor.getBtnName(button)); };

        std::mt19937 rng(69u);
        for (int walk = 0; walk < 400; ++walk) {
            const bool direct = walk % 4 == 3;
            editor.init(direct ? 5 : 20, direct, QString());
            QStringList history;
            for (int step = 0; step < 50; ++step) {
                check(direct, history.join(' '));
                QList<int> keys, edits;
                for (int i : enabled())
                    (commands.contains(i) && i != OvCBEEditor::BTN_SPACE ? edits : keys) << i;
                if (step == 0 && !direct)
                    keys = {buttonNamed(editor, openers[walk % openers.size()])};
                const QList<int>& from = !edits.isEmpty() && (keys.isEmpty() || rng() % 8 == 0) ? edits : keys;
                if (from.isEmpty())
                    break;
                const int button = from[int(rng() % unsigned(from.size()))];
                history << name(button);
                editor.add(button);
            }
        }

        for (const QString& start : opened) {
            const auto at = [&](int position) {
                editor.init(20, false, start);
                for (int i = 0; i < position; ++i)
                    editor.add(OvCBEEditor::BTN_LEFT);
            };
            at(0);
            int positions = 0;
            while (editor.isEnabled(OvCBEEditor::BTN_LEFT) && editor.add(OvCBEEditor::BTN_LEFT))
                ++positions;
            for (int p = 0; p <= positions; ++p) {
                at(p);
                for (int a : enabled()) {
                    at(p);
                    editor.add(a);
                    const QString how = start + " " + QString("< ").repeated(p) + name(a);
                    check(false, how);
                    if (a != OvCBEEditor::BTN_BACKSPACE)
                        continue;
                    for (int b : enabled()) {
                        at(p);
                        editor.add(a);
                        editor.add(b);
                        check(false, how + " " + name(b));
                    }
                }
            }
        }
        setCBEPlant(nullptr);
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
        QVERIFY2(refused.isEmpty(),
                 qPrintable(QString::number(refused.size()) + " refused, among them:\n"
                            + QStringList(refused.mid(0, 12)).join('\n')));
        // Every opener (TAC has the one text TAC(SYS)) and the direct list reached texts that
        // compile, TIM with many dates and times.
        for (const QString& op : openers)
            QVERIFY2(compiledBy.value(op) >= 1, qPrintable(op));
        QVERIFY(compiledBy.value("TIM") >= 100);
        QVERIFY(compiledBy.value(QString()) >= 100);
    }
};

QTEST_MAIN(tst_CBEText)
#include "tst_cbetext.moc"
