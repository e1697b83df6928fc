// The CBE editor driven as the keypad drives it: after every button the text, the text from the
// caret on, the enabled buttons and the first error code, per operator in tables; the labels,
// init, the 250-character limit and the selection of buttons by typed letters.
#include "TestBase.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "cbe/CBECompiler.h"
#include "cbe/OvCBEEditor.h"

#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <random>
#include <utility>

using namespace Ov4800;

namespace {

// Short names of the command buttons in the tables.
const QMap<QString, int> kCommands = {{"SP", 42}, {"BS", 43}, {"<", 44}, {">", 45}, {"EN", 46}};

int buttonOf(OvCBEEditor& editor, const QString& name)
{
    if (kCommands.contains(name))
        return kCommands[name];
    for (int i = 0; i < OvCBEEditor::BTN_COUNT; ++i)
        if (editor.getBtnName(i) == name)
            return i;
    return -1;
}

// The enabled digits as one word, then the other buttons in button order.
QString enabledButtons(OvCBEEditor& editor)
{
    QString digits;
    for (int d = 0; d <= 9; ++d)
        if (editor.isEnabled(d == 0 ? 9 : d - 1))
            digits += QString::number(d);
    QStringList names;
    if (!digits.isEmpty())
        names << digits;
    for (int i = 10; i < OvCBEEditor::BTN_COUNT; ++i)
        if (editor.isEnabled(i))
            names << kCommands.key(i, editor.getBtnName(i));
    return names.join(' ');
}

struct Step {
    QString button, text, fromCursor, enabled;
    uint error;
};

QString errorCode(const int& code)
{
    return QString::number(code);
}

// Empty when the compiler takes the form of a text (which groups and points exist aside), else
// its error code and position.
QString compileFault(const QString& text, bool direct)
{
    QByteArray bytes = toDisplayString(text).toLatin1();
    bytes.append(QByteArray(64, '\0'));
    CBECompileRequest request;
    request.text = bytes.data();
    request.listMode = direct ? 1 : 0;
    request.checkReferences = 0;
    if (CBEExpr_Parse(&request) >= 0)
        return QString();
    return QString("error %1 at %2").arg(request.errorCode).arg(request.errorPos);
}

// The buttons a random walk may press next: every enabled one but Enter.
QList<int> walkButtons(OvCBEEditor& editor)
{
    QList<int> enabled;
    for (int i = 0; i < OvCBEEditor::BTN_COUNT; ++i)
        if (i != OvCBEEditor::BTN_ENTER && editor.isEnabled(i))
            enabled << i;
    return enabled;
}

// The detector brand while a row runs.
struct BrandScope {
    explicit BrandScope(u8 brand) { put(brand); }
    ~BrandScope() { put(0); }
    static void put(u8 b)
    {
        BlockLock<ZpData_v2602::ZpxProg> general(*g_zpConf, 0, 2, 2, BlockAccess::write);
        QVERIFY(general.layout());
        general->put_sensor_brand(b);
    }
};

const QString kOperatorStart = "NOT AND OR DEL SDEL XGRP TIM DIS PRE FLT TAC TONE EN";
const QString kOrStarts = "NOT AND XGRP DIS PRE FLT TAC SYS C G Z BS EVAC";

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class tst_CBEEditor : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        static QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(OV_TRANSLATIONS_DIR "/ov4800_en.qm")));
        QCoreApplication::installTranslator(&translator);
        OvCBEEditor::setErrorText(errorCode);
    }

    void keySequences_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QList<Step>>("steps");
        const QString pointDigits = "0123456789 BS <";
        QTest::newRow("OR of a group and a point")
            << false
            << QList<Step>{
                   {"", "", "", kOperatorStart, 0},
                   {"OR", "OR()", ")", kOrStarts, 0},
                   {"G", "OR(G)", ")", pointDigits, 0},
                   {"1", "OR(G1)", ")", "0123456789 SP BS < EN", 0},
                   {"SP", "OR(G1 )", ")", "NOT AND XGRP DIS PRE FLT TAC SYS C G Z BS < EN EVAC", 0},
                   {"C", "OR(G1 C)", ")", pointDigits, 0},
                   {"6", "OR(G1 C6)", ")", "0123456789 L BS <", 0},
                   {"5", "OR(G1 C65)", ")", "BS <", 513},
                   {"BS", "OR(G1 C6)", ")", "0123456789 L BS <", 0},
                   {"4", "OR(G1 C64)", ")", "L BS <", 0},
                   {"L", "OR(G1 C64L)", ")", "123456789 BS <", 0},
                   {"9", "OR(G1 C64L9)", ")", "BS <", 514},
                   {"BS", "OR(G1 C64L)", ")", "123456789 BS <", 0},
                   {"1", "OR(G1 C64L1)", ")", "S M BS <", 0},
                   {"S", "OR(G1 C64L1S)", ")", pointDigits, 0},
                   {"3", "OR(G1 C64L1S3)", ")", "0123456789 SP BS < EN", 0},
                   {"<", "OR(G1 C64L1S3)", "3)", "BS < > EN", 0},
                   {"BS", "OR(G1 C64L1)", ")", "S M BS <", 0},
                   {"M", "OR(G1 C64L1M)", ")", pointDigits, 0},
                   {"1", "OR(G1 C64L1M1)", ")", "0123456789 . SP BS < EN", 0},
                   {"6", "OR(G1 C64L1M16)", ")", "0123456789 . SP BS < EN", 0},
                   {"0", "OR(G1 C64L1M160)", ")", "BS <", 515},
                   {"BS", "OR(G1 C64L1M16)", ")", "0123456789 . SP BS < EN", 0},
                   {".", "OR(G1 C64L1M16.)", ")", pointDigits, 0},
                   {"1", "OR(G1 C64L1M16.1)", ")", "0123456789 SP BS < EN", 0},
                   {"6", "OR(G1 C64L1M16.16)", ")", "BS <", 517},
               };
        QTest::newRow("group limits, AND in OR, blanks between operands")
            << false
            << QList<Step>{
                   {"OR", "OR()", ")", kOrStarts, 0},
                   {"G", "OR(G)", ")", pointDigits, 0},
                   {"1", "OR(G1)", ")", "0123456789 SP BS < EN", 0},
                   {"6", "OR(G16)", ")", "0123456789 SP BS < EN", 0},
                   {"0", "OR(G160)", ")", "0123456789 SP BS < EN", 0},
                   {"1", "OR(G1601)", ")", "BS <", 516},
                   {"BS", "OR(G160)", ")", "0123456789 SP BS < EN", 0},
                   {"SP", "OR(G160 )", ")", "NOT AND XGRP DIS PRE FLT TAC SYS C G Z BS < EN EVAC", 0},
                   {"AND", "OR(G160 AND())", "))", "NOT OR XGRP DIS PRE FLT TAC SYS C G Z BS < > EVAC", 0},
                   {"EVAC", "OR(G160 AND(EVAC))", "))", "SP BS < > EN", 0},
                   {"<", "OR(G160 AND(EVAC))", "EVAC))", "NOT OR XGRP DIS PRE FLT TAC SYS C G Z BS < > EN EVAC", 0},
                   {"Z", "OR(G160 AND(Z EVAC))", " EVAC))", pointDigits + " >", 0},
                   {"2", "OR(G160 AND(Z2 EVAC))", " EVAC))", "0123456789 BS < > EN", 0},
                   {"0", "OR(G160 AND(Z20 EVAC))", " EVAC))", "0123456789 BS < > EN", 0},
                   {"0", "OR(G160 AND(Z200 EVAC))", " EVAC))", "0 BS < > EN", 0},
               };
        QTest::newRow("NOT, TAC, XGRP and SYS") << false
                                                << QList<Step>{
                                                       {"NOT", "NOT()", ")", "DIS PRE FLT TAC SYS C G Z BS EVAC", 0},
                                                       {"TAC", "NOT(TAC())", "))", "SYS BS < >", 0},
                                                       {"SYS", "NOT(TAC(SYS))", "))", "BS < > EN", 0},
                                                       {"BS", "", "", kOperatorStart, 0},
                                                       {"XGRP", "XGRP()", ")", "G BS < >", 0},
                                                       {"G", "XGRP(G)", ")", "0123456789 BS < >", 0},
                                                       {"7", "XGRP(G7)", ")", "0123456789 BS < > EN", 0},
                                                   };
        QTest::newRow("DEL with delay and duration")
            << false
            << QList<Step>{
                   {"DEL", "DEL()", ")", "0123456789 . BS", 0},
                   {"1", "DEL(1)", ")", "0123456789 BS <", 0},
                   {"0", "DEL(10)", ")", ". BS <", 0},
                   {".", "DEL(10.)", ")", "0123456789 BS <", 0},
                   {"0", "DEL(10.0)", ")", "0123456789 BS <", 0},
                   {"1", "DEL(10.01)", ")", "BS <", 518},
                   {"BS", "DEL(10.0)", ")", "0123456789 BS <", 0},
                   {"0", "DEL(10.00)", ")", "SP BS <", 0},
                   {"SP", "DEL(10.00 )", ")", "0123456789 . ( BS <", 0},
                   {".", "DEL(10.00 00.)", ")", "0123456789 BS <", 0},
                   {"3", "DEL(10.00 00.3)", ")", "0123456789 BS <", 0},
                   {"0", "DEL(10.00 00.30)", ")", "SP BS <", 0},
                   {"SP", "DEL(10.00 00.30 )", ")", "( BS <", 0},
                   {"(", "DEL(10.00 00.30 ())", "))", "NOT AND OR PRE TAC SYS C G Z BS < EVAC", 0},
                   {"G", "DEL(10.00 00.30 (G))", "))", pointDigits, 0},
                   {"5", "DEL(10.00 00.30 (G5))", "))", "0123456789 SP BS < EN", 0},
               };
        QTest::newRow("SDEL seconds") << false
                                      << QList<Step>{
                                             {"SDEL", "SDEL()", ")", "0123456789 . BS", 0},
                                             {".", "SDEL(00.)", ")", "0123456789 BS <", 0},
                                             {"6", "SDEL(00.6)", ")", "0123456789 BS <", 0},
                                             {"1", "SDEL(00.61)", ")", "SP BS <", 521},
                                         };
        QTest::newRow("TIM with weekdays") << false
                                           << QList<Step>{
                                                  {"TIM", "TIM()", ")", "0123456789 MO TU WE TH FR SA SU - BS", 0},
                                                  {"MO", "TIM(MO )", ")", "012 TU WE TH FR SA SU BS <", 0},
                                                  {"FR", "TIM(MO FR )", ")", "012 TU WE TH SA SU BS <", 0},
                                                  {"1", "TIM(MO FR 1)", ")", "0123456789 BS <", 0},
                                                  {"7", "TIM(MO FR 17)", ")", ". BS <", 0},
                                                  {".", "TIM(MO FR 17.)", ")", "0123456789 BS <", 0},
                                                  {"0", "TIM(MO FR 17.0)", ")", "0123456789 BS <", 0},
                                                  {"0", "TIM(MO FR 17.00)", ")", "SP BS <", 0},
                                                  {"SP", "TIM(MO FR 17.00 )", ")", "012 BS <", 0},
                                                  {"0", "TIM(MO FR 17.00 0)", ")", "0123456789 BS <", 0},
                                                  {"8", "TIM(MO FR 17.00 08)", ")", ". BS <", 0},
                                                  {".", "TIM(MO FR 17.00 08.)", ")", "0123456789 BS <", 0},
                                                  {"0", "TIM(MO FR 17.00 08.0)", ")", "0123456789 BS <", 0},
                                                  {"0", "TIM(MO FR 17.00 08.00)", ")", "SP BS <", 0},
                                                  {"<", "TIM(MO FR 17.00 08.00)", "0)", "0123456789 BS < >", 0},
                                                  {"<", "TIM(MO FR 17.00 08.00)", "00)", "0123456789 < >", 0},
                                                  {"<", "TIM(MO FR 17.00 08.00)", ".00)", "BS < >", 0},
                                                  {"<", "TIM(MO FR 17.00 08.00)", "8.00)", "0123456789 BS < >", 0},
                                                  {"<", "TIM(MO FR 17.00 08.00)", "08.00)", "< >", 0},
                                                  // The start slice at the caret: start after stop.
                                                  {"<", "TIM(MO FR 17.00 08.00)", " 08.00)", "BS < >", 522},
                                              };
        QTest::newRow("TIM with a date") << false
                                         << QList<Step>{
                                                {"TIM", "TIM()", ")", "0123456789 MO TU WE TH FR SA SU - BS", 0},
                                                {"1", "TIM(1)", ")", "0123456789 BS <", 0},
                                                {"3", "TIM(13)", ")", "BS <", 519},
                                                {"BS", "TIM(1)", ")", "0123456789 BS <", 0},
                                                {"2", "TIM(12)", ")", "- BS <", 0},
                                                {"-", "TIM(12-)", ")", "0123456789 BS <", 0},
                                                {"3", "TIM(12-3)", ")", "0123456789 BS <", 0},
                                                {"1", "TIM(12-31)", ")", "- BS <", 0},
                                                {"-", "TIM(12-31-)", ")", "0123456789 BS <", 0},
                                                {"0", "TIM(12-31-0)", ")", "0123456789 BS <", 0},
                                                {"0", "TIM(12-31-00)", ")", "BS <", 520},
                                                {"BS", "TIM(12-31-0)", ")", "0123456789 BS <", 0},
                                                {"9", "TIM(12-31-09)", ")", "SP BS <", 0},
                                                {"SP", "TIM(12-31-09 )", ")", "012 BS <", 0},
                                            };
        QTest::newRow("TIM without date") << false
                                          << QList<Step>{
                                                 {"TIM", "TIM()", ")", "0123456789 MO TU WE TH FR SA SU - BS", 0},
                                                 {"-", "TIM(-- )", ")", "012 BS <", 0},
                                                 {"2", "TIM(-- 2)", ")", "0123456789 BS <", 0},
                                                 {"5", "TIM(-- 25)", ")", "BS <", 518},
                                                 {"BS", "TIM(-- 2)", ")", "0123456789 BS <", 0},
                                                 {"3", "TIM(-- 23)", ")", ". BS <", 0},
                                             };
        QTest::newRow("TONE") << false
                              << QList<Step>{
                                     {"TONE", "TONE()", ")", "0123456789 BS", 0},
                                     {"0", "TONE(0)", ")", "123456789 BS <", 524},
                                     {"5", "TONE(05)", ")", "SP BS <", 0},
                                     {"SP", "TONE(05 )", ")", "1234 BS <", 0},
                                     {"3", "TONE(05 3)", ")", "SP BS <", 0},
                                     {"SP", "TONE(05 3 )", ")", "Z BS <", 0},
                                     {"Z", "TONE(05 3 Z)", ")", pointDigits, 0},
                                     {"5", "TONE(05 3 Z5)", ")", "0123456789 : BS <", 0},
                                     {":", "TONE(05 3 Z5:)", ")", "Z BS <", 0},
                                     {"Z", "TONE(05 3 Z5:Z)", ")", pointDigits, 0},
                                     {"3", "TONE(05 3 Z5:Z3)", ")", "0123456789 SP BS <", 526},
                                     {"BS", "TONE(05 3 Z5:Z)", ")", pointDigits, 0},
                                     {"9", "TONE(05 3 Z5:Z9)", ")", "0123456789 SP BS <", 0},
                                     {"SP", "TONE(05 3 Z5:Z9 )", ")", "( BS <", 0},
                                     {"(", "TONE(05 3 Z5:Z9 ())", "))", "NOT AND OR PRE TAC SYS C G Z BS < EVAC", 0},
                                     {"SYS", "TONE(05 3 Z5:Z9 (SYS))", "))", "SP BS < EN", 0},
                                 };
        QTest::newRow("direct outputs and back to the empty expression")
            << true
            << QList<Step>{
                   {"", "()", ")", "DIS C G EN", 0},
                   {"C", "(C)", ")", pointDigits, 0},
                   {"1", "(C1)", ")", "0123456789 L BS <", 0},
                   {"L", "(C1L)", ")", "123456789 BS <", 0},
                   {"2", "(C1L2)", ")", "S M BS <", 0},
                   {"M", "(C1L2M)", ")", pointDigits, 0},
                   {"7", "(C1L2M7)", ")", "0123456789 . SP BS < EN", 0},
                   {"SP", "(C1L2M7 )", ")", "C G BS < EN", 0},
                   {"BS", "(C1L2M7)", ")", "0123456789 . SP BS < EN", 0},
                   {"<", "(C1L2M7)", "7)", "0123456789 BS < > EN", 0},
                   {"<", "(C1L2M7)", "M7)", "BS < > EN", 0},
                   {"BS", "(C1LM7)", "M7)", "123456789 BS < >", 0},
                   {"2", "(C1L2M7)", "M7)", "BS < > EN", 0},
                   {"<", "(C1L2M7)", "2M7)", "BS < > EN", 0},
                   {"BS", "(C1)", ")", "0123456789 L BS <", 0},
                   {"<", "(C1)", "1)", "0123456789 BS < >", 0},
                   {"BS", "()", ")", "DIS C G EN", 0},
               };
        QTest::newRow("direct DIS") << true
                                    << QList<Step>{
                                           {"DIS", "(DIS())", "))", "C Z BS < >", 0},
                                           {"Z", "(DIS(Z))", "))", "0123456789 BS < >", 0},
                                           {"4", "(DIS(Z4))", "))", "0123456789 BS < > EN", 0},
                                           {">", "(DIS(Z4))", ")", "SP BS < EN", 0},
                                           {"SP", "(DIS(Z4) )", ")", "DIS BS < EN", 0},
                                       };
    }

    void keySequences()
    {
        QFETCH(bool, direct);
        QFETCH(QList<Step>, steps);
        OvCBEEditor editor;
        editor.init(direct, QString());
        int n = 0;
        for (const Step& step : steps) {
            const QString where = QString("step %1 (%2)").arg(n++).arg(step.button);
            if (!step.button.isEmpty()) {
                const int button = buttonOf(editor, step.button);
                QVERIFY2(editor.isEnabled(button), qPrintable(where));
                QVERIFY2(editor.add(button), qPrintable(where));
            }
            QCOMPARE(editor.getString() + " | " + where, step.text + " | " + where);
            QCOMPARE(editor.getGhostString() + " | " + where, step.fromCursor + " | " + where);
            QCOMPARE(enabledButtons(editor) + " | " + where, step.enabled + " | " + where);
            QCOMPARE(editor.getFirstErrorMsg() + " | " + where, QString::number(step.error) + " | " + where);
            QCOMPARE(editor.getErrorCount() > 0, step.error != 0);
        }
    }

    // Random walks over the enabled buttons, removals and caret moves included: every enabled
    // button is taken, the text never passes the limit by more than one key, and the sanitizer
    // build sees every node deleted exactly once.
    void randomWalks()
    {
        std::mt19937 rng(1234u);
        OvCBEEditor editor;
        for (int walk = 0; walk < 1000; ++walk) {
            editor.init(walk % 3 == 0, QString());
            QStringList history;
            for (int step = 0; step < 80; ++step) {
                const QList<int> enabled = walkButtons(editor);
                if (enabled.isEmpty())
                    break;
                const int button = enabled[int(rng() % unsigned(enabled.size()))];
                const QString before = editor.getString();
                const bool added = editor.add(button);
                history << kCommands.key(button, editor.getBtnName(button));
                QVERIFY2(added || button == OvCBEEditor::BTN_RIGHT || button == OvCBEEditor::BTN_LEFT,
                         qPrintable(history.join(' ') + " after " + before));
                QVERIFY(editor.getString().size() <= 254);
                editor.getGhostString();
                // A complete text without errors reads back whole.
                if (editor.getErrorCount() == 0 && editor.getExpression()->isComplete()) {
                    const CBEExpression again(walk % 3 == 0, editor.getString());
                    QVERIFY2(again.getString() == editor.getString() && again.tookWholeText(),
                             qPrintable(history.join(" ") + ": " + editor.getString() + " -> " + again.getString()));
                }
            }
        }
    }

    // Seeded random walks over the enabled buttons: whenever Enter is offered, the compiler takes
    // the text, or it is empty and clears the CBE. The zones a panel has are the plant's check.
    // Every fourth walk runs under APOLLO, whose sounders take other tones and volumes.
    void enterOnlyOnCompiledText()
    {
        std::mt19937 rng(4800u);
        OvCBEEditor editor;
        for (int walk = 0; walk < 4000; ++walk) {
            const BrandScope brand{u8(walk % 4 == 1 ? u32(SENSOR_BRAND_APOLLO) : 0u)};
            const bool direct = walk % 3 == 0;
            editor.init(direct, QString());
            QStringList history;
            for (int step = 0; step < 40; ++step) {
                if (editor.isEnabled(OvCBEEditor::BTN_ENTER) && !editor.getExpression()->isEmpty()) {
                    const QString fault = compileFault(editor.getString(), direct);
                    QVERIFY2(fault.isEmpty() || fault.startsWith(QString("error %1 ").arg(CBE_ERR_ZONE)),
                             qPrintable(editor.getString() + ": " + fault + " after " + history.join(' ')));
                }
                const QList<int> enabled = walkButtons(editor);
                if (enabled.isEmpty())
                    break;
                const int button = enabled[int(rng() % unsigned(enabled.size()))];
                editor.add(button);
                history << kCommands.key(button, editor.getBtnName(button));
            }
        }
    }

    // Every edit of up to six keys from every caret position of an opened TIM program: whenever
    // Enter is offered, the compiler takes the text.
    void editSearch_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::newRow("date") << "TIM(12-31-09 08.00 17.00)";
        QTest::newRow("date of a leap year") << "TIM(02-29-08 00.30 23.59)";
        QTest::newRow("first of the year") << "TIM(01-01-10 06.00 06.01)";
        QTest::newRow("tens") << "TIM(10-20-30 10.10 20.20)";
        QTest::newRow("no date") << "TIM(-- 08.00 17.00)";
        QTest::newRow("weekdays") << "TIM(MO FR 08.00 17.30)";
        QTest::newRow("Sunday") << "TIM(SU 00.00 23.59)";
    }

    void editSearch()
    {
        QFETCH(QString, opened);
        OvCBEEditor editor;
        const auto replay = [&](const QStringList& path) {
            editor.init(false, opened);
            for (const QString& key : path)
                editor.add(buttonOf(editor, key));
        };
        QList<QStringList> level;
        for (QStringList lefts;; lefts << "<") {
            replay(lefts);
            level << lefts;
            if (!editor.isEnabled(OvCBEEditor::BTN_LEFT))
                break;
        }
        // Breadth first; an edit that reaches a text and caret met before goes no further.
        QSet<QString> seen;
        QMap<QString, QString> bad;
        for (int depth = 0; depth <= 6; ++depth) {
            for (const QStringList& path : std::exchange(level, {})) {
                replay(path);
                const QString text = editor.getString();
                if (seen.contains(text + '|' + editor.getGhostString()))
                    continue;
                seen.insert(text + '|' + editor.getGhostString());
                if (editor.isEnabled(OvCBEEditor::BTN_ENTER) && !compileFault(text, false).isEmpty())
                    bad.insert(text, path.join(' '));
                for (const QString& key : QString("0 1 3 - SP BS < > MO").split(' '))
                    if (depth < 6 && editor.isEnabled(buttonOf(editor, key)))
                        level << path + QStringList(key);
            }
        }
        const QString example = bad.isEmpty() ? "" : ", e.g. " + bad.firstKey() + " by " + bad.first();
        QCOMPARE(QString("%1 texts%2").arg(bad.size()).arg(example), QString("0 texts"));
    }

    // A text opened and edited, or typed whole: Enter is offered only on a text the compiler
    // takes, and the error shown is the compiler's cause.
    void edits_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fromCursor");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<uint>("error");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<int>("brand");
        const auto row = [](const char* name, const QString& opened, const QString& keys, const QString& text,
                            const QString& fromCursor, uint error, const QString& refused = QString(), int brand = 0) {
            QTest::newRow(name) << opened << keys << text << fromCursor << (error == 0) << error << refused << brand;
        };
        const QString dec31 = "TIM(12-31-09 08.00 17.00)";
        const QString toMonth = "< < < < < < < < < < < < < < < < < < BS BS";
        const QString toDay = "< < < < < < < < < < < < < < < BS 9";
        const QString slices = " SP 0 8 . 0 0 SP 1 7 . 0 0";
        row("31 December", dec31, "", dec31, ")", 0);
        row("month removed before day 31", dec31, toMonth, "TIM(-31-09 08.00 17.00)", "-31-09 08.00 17.00)", 559);
        row("month typed against the day", dec31, toMonth + " > BS 1 2", "TIM(1231-09 08.00 17.00)",
            "31-09 08.00 17.00)", 555);
        row("separator typed back", dec31, toMonth + " > BS 1 2 -", dec31, "31-09 08.00 17.00)", 0);
        row("month removed before day 28", "TIM(12-28-09 08.00 17.00)", toMonth, "TIM(-28-09 08.00 17.00)",
            "-28-09 08.00 17.00)", 0);
        row("month removed before day 29 of a leap year", "TIM(12-29-08 08.00 17.00)", toMonth,
            "TIM(-29-08 08.00 17.00)", "-29-08 08.00 17.00)", 0);
        row("month removed before day 29", "TIM(12-29-09 08.00 17.00)", toMonth, "TIM(-29-09 08.00 17.00)",
            "-29-09 08.00 17.00)", 559);
        row("30 February typed", "", "TIM 0 2 - 3 0 - 0 9" + slices, "TIM(02-30-09 08.00 17.00)", ")", 559);
        row("31 April typed", "", "TIM 0 4 - 3 1 - 0 9" + slices, "TIM(04-31-09 08.00 17.00)", ")", 559);
        row("30 April typed", "", "TIM 0 4 - 3 0 - 0 9" + slices, "TIM(04-30-09 08.00 17.00)", ")", 0);
        row("28 February 2009 to the 29th", "TIM(02-28-09 08.00 17.00)", toDay, "TIM(02-29-09 08.00 17.00)",
            "-09 08.00 17.00)", 559);
        row("28 February 2008 to the 29th", "TIM(02-28-08 08.00 17.00)", toDay, "TIM(02-29-08 08.00 17.00)",
            "-08 08.00 17.00)", 0);
        row("open month, day 30", "TIM(12-30-09 08.00 17.00)", toMonth, "TIM(-30-09 08.00 17.00)",
            "-30-09 08.00 17.00)", 559);
        // Minutes and seconds stop at 59, as the compiler counts them.
        row("minute 60", "", "TIM MO 0 8 . 6 0 SP 0 9 . 3 0", "TIM(MO 08.60 09.30)", ")", 521);
        row("minute 59", "", "TIM MO 0 8 . 5 9 SP 0 9 . 0 0", "TIM(MO 08.59 09.00)", ")", 0);
        row("second 60", "", "DEL 0 0 . 6 0 SP ( G 1", "DEL(00.60 (G1))", "))", 521);
        row("second 59", "", "DEL 0 0 . 5 9 SP ( G 1", "DEL(00.59 (G1))", "))", 0);
        // Six levels of "(" compile, a seventh does not.
        row("six levels", "", "AND OR AND OR AND OR G 1", "AND(OR(AND(OR(AND(OR(G1))))))", "))))))", 0);
        row("seven levels", "", "AND OR AND OR AND OR AND G 1", "AND(OR(AND(OR(AND(OR(AND(G1)))))))", ")))))))", 536);
        // A program holds 62 nibbles before its end: OR and its ")" take 4, a group 4.
        QStringList groupKeys, groupTexts;
        for (int g = 1; g <= 15; ++g) {
            groupKeys << "G " + QString::number(g).split("").join(' ').trimmed();
            groupTexts << "G" + QString::number(g);
        }
        row("14 groups", "", "OR " + groupKeys.mid(0, 14).join(" SP "), "OR(" + groupTexts.mid(0, 14).join(' ') + ")",
            ")", 0);
        row("15 groups", "", "OR " + groupKeys.join(" SP "), "OR(" + groupTexts.join(' ') + ")", ")", 535);
        // An opened program takes the caret where typing left it, never behind its last ")".
        row("opened DEL", "DEL(01.30 (G5))", "", "DEL(01.30 (G5))", ")", 0, "G");
        row("opened TIM", "TIM(MO FR 08.00 17.30)", "", "TIM(MO FR 08.00 17.30)", ")", 0, "MO 1");
        row("opened OR", "OR(G1 G2)", "", "OR(G1 G2)", ")", 0);
        // A direct group's outputs (a program opening with "("): the compiler knows no SUB, so
        // the keypad offers none and an opened one is refused with the compiler's cause ('S'
        // unexpected); a module's sub-address is typed after its ".".
        row("opened SUB1", "(C1L2M7 SUB1(C1L1M2.1))", "", "(C1L2M7 SUB1(C1L1M2.1))", ")", 543, "SUB1");
        row("direct output at a sub-address", "()", "C 1 L 1 M 2 . 1", "(C1L1M2.1)", ")", 0, "SUB1");
        row("no SUB1 after an output", "()", "C 1 L 1 M 2 SP", "(C1L1M2 )", ")", 0, "SUB1");
        // The compiler reads one day part, and as many digits of a number as it has room for, a
        // leading 0 counted: a key that leaves a text it can never take is not offered.
        const QString allDigits = "0 1 2 3 4 5 6 7 8 9";
        const auto open = [](const char* name, const QString& opened, const QString& keys, const QString& text,
                             const QString& fromCursor, bool enter, const QString& refused, int brand = 0) {
            QTest::newRow(name) << opened << keys << text << fromCursor << enter << 0u << refused << brand;
        };
        open("weekday before no date", "", "TIM - < < <", "TIM(-- )", "-- )", false, "MO TU WE TH FR SA SU");
        open("CPU of two digits", "", "OR C 0 2", "OR(C02)", ")", false, allDigits);
        open("loop 0", "()", "C 9 L", "(C9L)", ")", false, "0");
        open("sensor of three digits", "()", "C 1 L 2 S 0 1 1", "(C1L2S011)", ")", true, allDigits);
        open("module of three digits", "()", "C 0 7 L 4 M 0 0 7", "(C07L4M007)", ")", true, allDigits);
        open("sub-address of two digits", "()", "C 1 L 1 M 2 . 0 1", "(C1L1M2.01)", ")", true, allDigits);
        open("group of four zeros", "", "OR G 0 0 0", "OR(G000)", ")", false, "0");
        // The sounders of APOLLO take volumes 1 to 7, those of the other brands 1 to 4.
        const QString tone7 = "TONE(15 7 Z1:Z5 (G1))";
        row("volume 7 typed under APOLLO", "", "TONE 1 5 SP 7 SP Z 1 : Z 5 SP ( G 1", tone7, "))", 0, "",
            SENSOR_BRAND_APOLLO);
        open("volume 8 under APOLLO", "", "TONE 1 5 SP", "TONE(15 )", ")", false, "0 8 9 Z (", SENSOR_BRAND_APOLLO);
        row("volume 7 opened under APOLLO", tone7, "", tone7, ")", 0, "", SENSOR_BRAND_APOLLO);
        open("volume 5 under another brand", "", "TONE 1 5 SP", "TONE(15 )", ")", false, "5 6 7", 1);
        // A part removed in the middle is typed back where it stood.
        const QString tone = "TONE(05 3 Z1:Z5 (G1))";
        const QString toVolume = "< < < < < < < < < < <";
        row("tone typed back", tone, toVolume + " < < BS BS 1 2", "TONE(12 3 Z1:Z5 (G1))", " 3 Z1:Z5 (G1))", 0);
        open("volume removed", tone, toVolume + " BS", "TONE(05 Z1:Z5 (G1))", "Z1:Z5 (G1))", false, "0 5 Z ( SP");
        row("volume typed back", tone, toVolume + " BS 4", "TONE(05 4 Z1:Z5 (G1))", " Z1:Z5 (G1))", 0, "5");
        row("volume typed back under APOLLO", tone7, toVolume + " BS 6", "TONE(15 6 Z1:Z5 (G1))", " Z1:Z5 (G1))", 0,
            "8", SENSOR_BRAND_APOLLO);
        row("day typed back", dec31, "< < < < < < < < < < < < < < < BS BS 3 0", "TIM(12-30-09 08.00 17.00)",
            "-09 08.00 17.00)", 0);
        row("month typed back", dec31, toMonth + " 0 1", "TIM(01-31-09 08.00 17.00)", "-31-09 08.00 17.00)", 0);
        row("year typed back", dec31, "< < < < < < < < < < < < BS BS 1 0", "TIM(12-31-10 08.00 17.00)", " 08.00 17.00)",
            0);
        // A date field cut down to "0" is a field still: no second one, nor the "--" of no date,
        // goes in front of it; "--" only where no date has begun, and a date typed in front of a
        // time gets its blank.
        const QString lefts12 = "< < < < < < < < < < < <";
        open("year cut to 0", dec31, lefts12 + " BS <", "TIM(12-31-0 08.00 17.00)", "0 08.00 17.00)", false, allDigits);
        open("month cut to 0", "TIM(02-29-08 00.30 23.59)", "< < < < < < < < < < < < < < < < < < BS <",
             "TIM(0-29-08 00.30 23.59)", "0-29-08 00.30 23.59)", false, "- MO");
        open("day typed after a month cut to 0", dec31, "< < < < < < < < < < < < < < < BS BS < BS BS 0 > 3 1",
             "TIM(0-31-09 08.00 17.00)", "-09 08.00 17.00)", false, "");
        open("year typed after a day cut to 0", dec31, "< < < < < < < < < < < < < < < BS BS 0 > > > BS BS 1 0",
             "TIM(12-0-10 08.00 17.00)", " 08.00 17.00)", false, "");
        open("month 0 in front of a time", "TIM(-- 08.00 17.00)", lefts12 + " BS 0 <", "TIM(0 08.00 17.00)",
             "0 08.00 17.00)", false, "- MO");
        row("day in front", dec31, toMonth + " > BS", "TIM(31-09 08.00 17.00)", "31-09 08.00 17.00)", 559, "- MO");
        row("month typed back before an open day", dec31, toMonth + " > > > BS BS < 1 2", "TIM(12--09 08.00 17.00)",
            "--09 08.00 17.00)", 0, "- MO");
        row("date typed in front of a time", "TIM(-- 08.00 17.00)", lefts12 + " BS 1 2 - 3 1 - 0 9", dec31,
            " 08.00 17.00)", 0);
        // Whatever the operators make of a text, Enter waits for the compiler: without a plant
        // the keypad takes zones up to 2000, the panel fewer.
        row("zone the panel lacks", "", "OR Z 2 0 0 0", "OR(Z2000)", ")", 569);
        // A program the keypad cannot take apart is confirmed whole only where the compiler takes
        // it: SYS in a list, NOT of two operands.
        row("held list with SYS", "(G1 SYS)", "", "(G1 SYS)", "", 575, "G");
        row("held NOT of two", "NOT(G1 G2)", "", "NOT(G1 G2)", "", 560, "G");
    }

    void edits()
    {
        QFETCH(QString, opened);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, fromCursor);
        QFETCH(bool, enter);
        QFETCH(uint, error);
        QFETCH(QString, refused);
        QFETCH(int, brand);
        const BrandScope scope{u8(brand)};
        OvCBEEditor editor;
        editor.enableLogicalCtrl(true);
        editor.init(opened.startsWith('('), opened);
        for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
            const int button = buttonOf(editor, key);
            QVERIFY2(editor.isEnabled(button) && editor.add(button), qPrintable(key + " on " + editor.getString()));
        }
        QCOMPARE(editor.getString(), text);
        QCOMPARE(editor.getGhostString(), fromCursor);
        QCOMPARE(editor.isEnabled(OvCBEEditor::BTN_ENTER), enter);
        QCOMPARE(editor.getFirstErrorMsg(), QString::number(error));
        QCOMPARE(editor.getErrorCount() > 0, error != 0);
        for (const QString& key : refused.split(' ', Qt::SkipEmptyParts))
            QVERIFY2(!editor.isEnabled(buttonOf(editor, key)), qPrintable(key));
    }

    // Labels of every button, and of indexes that are none.
    void buttonNames()
    {
        OvCBEEditor editor;
        const QStringList labels = QString(
                                       "1 2 3 4 5 6 7 8 9 0 NOT AND OR DEL SDEL XGRP TIM DIS PRE FLT TAC TONE SUB1 SYS "
                                       "MO TU WE TH FR SA SU . : - C L S M ( ) G Z Space _ _ _ Enter EVAC")
                                       .split(' ');
        for (int i = 0; i < 48; ++i)
            QCOMPARE(editor.getBtnName(i), labels[i] == "_" ? QString() : labels[i]);
        QCOMPARE(editor.getBtnName(48), QString("?\\*"));
        QCOMPARE(editor.getBtnName(-1), QString("?\\*"));
        QSignalSpy changed(&editor, &OvCBEEditor::applicationLanguageChanged);
        editor.onApplicationLanguageChanged();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(editor.getBtnName(42), QString("Space"));
    }

    void beforeInit()
    {
        OvCBEEditor editor;
        QSignalSpy controls(&editor, &OvCBEEditor::enableControls);
        QVERIFY(!editor.isEnabled(12));
        QVERIFY(!editor.add(12));
        QVERIFY(!editor.handleKey(Qt::Key_1));
        QCOMPARE(editor.getErrorCount(), 0);
        QCOMPARE(editor.getString(), QString());
        QCOMPARE(editor.getFirstErrorMsg(), QString());
        editor.clear();
        editor.removeCurrent();
        QCOMPARE(controls.count(), 2);
    }

    // The kind wins over the text; gLimit stays across init.
    void init()
    {
        OvCBEEditor editor;
        QSignalSpy controls(&editor, &OvCBEEditor::enableControls);
        editor.init(5, true, "CBE_UNDEFINED");
        QCOMPARE(editor.getString(), QString("()"));
        QCOMPARE(editor.getExpression()->getKind(), 1u);
        editor.init(false, "");
        QCOMPARE(editor.getString(), QString());
        QCOMPARE(editor.getExpression()->getKind(), 2u);
        // A text of the other kind is held whole, not dropped (see heldText).
        editor.init(true, "OR(G1)");
        QCOMPARE(editor.getString(), QString("OR(G1)"));
        editor.init(false, "OR(G1 C1L1S2)");
        QCOMPARE(editor.getString(), QString("OR(G1 C1L1S2)"));
        QCOMPARE(controls.count(), 4);
        // A reverse group 5 may name only groups below 5 once the plant checks are on; without
        // an active plant every reference passes.
        QSignalSpy again(&editor, &OvCBEEditor::enableControls);
        editor.enableLogicalCtrl(true);
        editor.enableLogicalCtrl(true);
        QCOMPARE(again.count(), 1);
        QVERIFY(editor.getLogicalCtrlStat());
        QCOMPARE(editor.getErrorCount(), 0);
    }

    // A stored direct program opens with the caret where typing left it, before its ")".
    void reopenedDirect()
    {
        OvCBEEditor editor;
        editor.init(3, true, "(C1L1M2 C1L1M10)");
        QCOMPARE(editor.getGhostString(), QString(")"));
        QVERIFY(editor.add(OvCBEEditor::BTN_BACKSPACE));
        QCOMPARE(editor.getString(), QString("(C1L1M2 C1L1M1)"));
    }

    // A text the tree cannot take whole is shown and confirmed whole, never as the part the tree
    // took, and only where the compiler takes it; it takes no key, and backspace drops it for the
    // empty expression.
    void heldText_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        // The compiler's cause where it refuses the text; 0 where Enter keeps it.
        QTest::addColumn<uint>("error");
        QTest::newRow("other kind") << true << "OR(G1)" << 547u;
        QTest::newRow("list as operator") << false << "(G1 G2)" << 0u;
        QTest::newRow("TIM without its date") << false << "TIM(8.00 17.30)" << 534u;
        QTest::newRow("two blanks") << false << "OR(G1  G2)" << 0u;
        QTest::newRow("lower case") << true << "(G1 g2)" << 534u;
    }

    void heldText()
    {
        QFETCH(bool, direct);
        QFETCH(QString, text);
        QFETCH(uint, error);
        OvCBEEditor editor;
        editor.init(3, direct, text);
        QCOMPARE(editor.getString(), text);
        QCOMPARE(editor.getGhostString(), QString());
        QCOMPARE(enabledButtons(editor), QString(error ? "BS" : "BS EN"));
        QCOMPARE(editor.getErrorCount(), 1);
        QCOMPARE(editor.getFirstErrorMsg(),
                 error ? QString::number(error)
                       : QString("The keypad cannot edit this program: Enter keeps it as it is, backspace clears it."));
        QVERIFY(!editor.handleKey(Qt::Key_G));
        QVERIFY(!editor.add(40));
        QVERIFY(!editor.add(46));
        QCOMPARE(editor.getString(), text);
        QVERIFY(editor.add(43));
        QCOMPARE(editor.getString(), QString(direct ? "()" : ""));
        QCOMPARE(editor.getErrorCount(), 0);
        QCOMPARE(editor.isEnabled(40), direct);
    }

    // Enter on an empty direct expression removes even "()" and leaves the storing to the page.
    void enter()
    {
        OvCBEEditor editor;
        editor.init(false, "OR(");
        QCOMPARE(editor.getString(), QString("OR()"));
        QVERIFY(!editor.isEnabled(46));
        editor.init(true, "");
        QVERIFY(editor.isEnabled(46));
        QVERIFY(!editor.add(46));
        QCOMPARE(editor.getString(), QString());
        QCOMPARE(enabledButtons(editor), QString("DIS C G EN"));
        QVERIFY(editor.getExpression()->getNodes().isEmpty());
    }

    // 250 characters leave only backspace and Enter; 249 still take keys. A list this long
    // names more groups than a program holds, so Enter stays off.
    void lengthLimit()
    {
        OvCBEEditor editor;
        editor.init(false, QString());
        editor.add(12);
        int groups = 0;
        while (editor.getString().size() < 247) {
            editor.add(40);
            editor.add(groups++ % 9);
            editor.add(42);
        }
        QCOMPARE(editor.getString().size(), 247);
        editor.add(40);
        editor.add(0);
        QCOMPARE(editor.getString().size(), 249);
        QCOMPARE(enabledButtons(editor), QString("0123456789 SP BS <"));
        QVERIFY(editor.add(1));
        QCOMPARE(editor.getString().size(), 250);
        QCOMPARE(enabledButtons(editor), QString("BS"));
        QVERIFY(editor.add(43));
        QCOMPARE(editor.getString().size(), 249);
    }

    // Letters select among the enabled buttons; Space and Enter take part without hiding any.
    void handleKey()
    {
        OvCBEEditor editor;
        editor.init(false, QString());
        enabledButtons(editor);
        auto type = [&](const QString& letters) {
            bool added = false;
            for (QChar c : letters)
                added = editor.handleKey(Qt::Key_A + (c.toUpper().unicode() - 'A'));
            enabledButtons(editor);
            return added;
        };
        QVERIFY(!type("T"));
        QVERIFY(type("I"));
        QCOMPARE(editor.getString(), QString("TIM()"));
        QVERIFY(type("m"));
        QVERIFY(!type("S"));
        QVERIFY(type("A"));
        QCOMPARE(editor.getString(), QString("TIM(MO SA )"));
        QVERIFY(!editor.handleKey(Qt::Key_Return));
        QVERIFY(editor.handleKey(Qt::Key_0));
        QVERIFY(editor.handleKey(Qt::Key_8));
        QVERIFY(editor.handleKey(Qt::Key_Period));
        QVERIFY(!editor.handleKey(Qt::Key_ParenRight));
        QCOMPARE(editor.getString(), QString("TIM(MO SA 08.)"));
        QVERIFY(editor.handleKey(Qt::Key_Backspace));
        QVERIFY(editor.handleKey(Qt::Key_Left));
        QVERIFY(editor.handleKey(Qt::Key_Right));
        // A letter typed before a successful add no longer counts.
        editor.init(false, QString());
        enabledButtons(editor);
        QVERIFY(!type("D"));
        QVERIFY(editor.add(12));
        enabledButtons(editor);
        QVERIFY(!type("I"));
        QCOMPARE(editor.getString(), QString("OR()"));
        // A key that is no button empties the letters as well.
        editor.init(false, QString());
        enabledButtons(editor);
        QVERIFY(!type("D"));
        QVERIFY(!editor.handleKey(Qt::Key_Return));
        QVERIFY(!type("I"));
        QVERIFY(!type("D"));
        QVERIFY(type("I"));
        QCOMPARE(editor.getString(), QString("DIS()"));
        // Every lettered button is reached by typing its label; other buttons by their keys.
        const QMap<QString, int> keys = {{">", Qt::Key_Right},
                                         {".", Qt::Key_Period},
                                         {":", Qt::Key_Colon},
                                         {"-", Qt::Key_Minus},
                                         {"(", Qt::Key_ParenLeft}};
        const QStringList sequences = {
            "OR AND NOT G 1 > Space XGRP G 2 > Space PRE SYS > Space FLT C 1 L 1 M 2 . 1 > Space TAC SYS > Space "
            "EVAC Space Z 3 Space DIS C 1 L 1 S 4",
            "TIM MO TU WE TH FR SA SU 0 8 . 0 0 Space 1 7 . 3 0",
            "DEL 0 1 . 0 0 Space ( G 1",
            "SDEL 0 1 . 0 0 Space ( Z 1",
            "TONE 0 5 Space 3 Space Z 1 : Z 2 Space ( SYS",
            "!( C 1 L 1 M 2 . 1 Space G 9"};
        for (const QString& sequence : sequences) {
            const bool direct = sequence.startsWith('!');
            editor.init(direct, QString());
            enabledButtons(editor);
            for (const QString& name : sequence.mid(direct ? 3 : 0).split(' ')) {
                bool ok = false;
                if (name[0].isDigit())
                    ok = editor.handleKey(Qt::Key_0 + name.toInt());
                else if (keys.contains(name))
                    ok = editor.handleKey(keys[name]);
                for (int i = 0; !ok && !keys.contains(name) && i < name.size(); ++i)
                    ok = editor.handleKey(Qt::Key_A + (name[i].toUpper().unicode() - 'A'));
                enabledButtons(editor);
                QVERIFY2(ok, qPrintable(name + " in " + editor.getString()));
            }
        }
        // Enter and EVAC share the E: EV selects EVAC.
        editor.init(false, "OR(G1 ");
        enabledButtons(editor);
        QVERIFY(!editor.handleKey(Qt::Key_E));
        QVERIFY(editor.handleKey(Qt::Key_V));
        QCOMPARE(editor.getString(), QString("OR(G1 EVAC)"));
    }
};

Q_DECLARE_METATYPE(Step)

QTEST_MAIN(tst_CBEEditor)
#include "tst_cbeeditor.moc"
