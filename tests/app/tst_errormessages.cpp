#include "app/ErrorMessages.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

class TstErrorMessages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void knownCodes_data();
    void knownCodes();
    void codesWithoutText_data();
    void codesWithoutText();
    void idsWithoutTranslator_data();
    void idsWithoutTranslator();
    void sharedTextsKeepTheirIds();
    void everyCodeOfTheTableRangeYieldsText();

private:
    void installEnglish();

    QTranslator m_english;
};

void TstErrorMessages::initTestCase()
{
    Q_INIT_RESOURCE(translations);
    QVERIFY(m_english.load(QStringLiteral(":/translations/ov4800_en.qm")));
}

void TstErrorMessages::cleanup()
{
    QCoreApplication::removeTranslator(&m_english);
}

void TstErrorMessages::installEnglish()
{
    QVERIFY(QCoreApplication::installTranslator(&m_english));
}

void TstErrorMessages::knownCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("english");

    QTest::newRow("0") << 0 << "ERROR_NONE" << "None";
    QTest::newRow("257") << 257 << "ENABLE_TO_READ_OV_FILE" << "Errors in reading the file";
    QTest::newRow("260") << 260 << "FILE_VERSION_NOT_SUPPORTED" << "File version unsupported";
    QTest::newRow("266") << 266 << "FILE_NOT_FOUND" << "File not found";
    QTest::newRow("513") << 513 << "CBE_C_VAL_TOO_BIG" << "Value too large";
    QTest::newRow("514") << 514 << "CBE_L_VAL_TOO_BIG" << "Loop index too large";
    QTest::newRow("515") << 515 << "CBE_PT_IDX_TOO_BIG" << "Point Address too large";
    QTest::newRow("516") << 516 << "CBE_G_VAL_TOO_BIG" << "Group index too large";
    QTest::newRow("518") << 518 << "CBE_TIME_SLICE_TOO_BIG" << "Time value too large";
    QTest::newRow("519") << 519 << "CBE_INVALID_MONTH_INDEX" << "Invalid month ";
    QTest::newRow("521") << 521 << "CBE_TIME_SECONDS_TOO_BIG" << "Time value too large";
    QTest::newRow("522") << 522 << "CBE_STIME_GREATER_THAN_END" << "Starting time greater than ending time";
    QTest::newRow("523") << 523 << "CBE_Z_VAL_TOO_BIG" << "Zone index too large";
    QTest::newRow("524") << 524 << "CBE_INVALID_TONE_INDEX" << "Invalid tone value";
    QTest::newRow("526") << 526 << "CBE_INVALID_AREA_INTERVAL" << "Zone value invalid ";
    QTest::newRow("527") << 527 << "CBE_DIRECT_INV_GROUP_IDX" << "Invalid group index";
    QTest::newRow("528") << 528 << "CBE_DIRECT_INV_GROUP_IDX_1" << "Invalid group index";
    QTest::newRow("529") << 529 << "CBE_REVERSE_INV_GROUP_IDX" << "Invalid group index";
    QTest::newRow("530") << 530 << "CBE_REVERSE_INV_GROUP_IDX_1" << "Invalid group index";
    QTest::newRow("531") << 531 << "CBE_DIRECT_INV_OUT_MODULE" << "Invalid output module";
    QTest::newRow("532") << 532 << "CBE_DIRECT_INV_OUT_SUB" << "Invalid output module";
    QTest::newRow("533") << 533 << "CBE_INV_POINT" << "Invalid point address";
    QTest::newRow("536") << 536 << "CBE_STACK_OVERFLOW" << "Bracket overflow";
    QTest::newRow("537") << 537 << "CBE_DUPLICATED_CMD" << "Duplicated command";
    QTest::newRow("538") << 538 << "CBE_BAD_DEL_DELAY" << "Delay time too large in DEL operator";
    QTest::newRow("539") << 539 << "CBE_LOOP_INDEX_OUT_OF_RANGE" << "Invalid loop number ";
    QTest::newRow("540") << 540 << "CBE_UNEXPECTED_GROUP" << "Unexpected 'G' operator";
    QTest::newRow("541") << 541 << "CBE_UNEXPECTED_LOOP" << "Unexpected 'L' operator ";
    QTest::newRow("542") << 542 << "CBE_UNEXPECTED_MODULE" << "Unexpected 'M' operator";
    QTest::newRow("543") << 543 << "CBE_UNEXPECTED_SENSOR" << "Unespected 'D' operator";
    QTest::newRow("544") << 544 << "CBE_MODULE_INDEX_OUT_OF_RANGE" << "Invalid Module address";
    QTest::newRow("545") << 545 << "CBE_SENSOR_INDEX_OUT_OF_RANGE" << "Invalid Detector address";
    QTest::newRow("546") << 546 << "CBE_UNEXPECTED_CASE" << "Generic error";
    QTest::newRow("547") << 547 << "CBE_NO_VALID_TOKEN" << "Operator Error";
    QTest::newRow("548") << 548 << "CBE_UNEXPECTED_BREAK" << "Truncation error";
    QTest::newRow("549") << 549 << "CBE_TIM_NOT_ALONE" << "TIM is not the only operator in the cbe";
    QTest::newRow("550") << 550 << "CBE_BAD_TIM_START_TIME" << "TIM: invalid start time";
    QTest::newRow("551") << 551 << "CBE_TIM_STOP_TIME_NOT_FOUND" << "TIM: Stop Time not found";
    QTest::newRow("552") << 552 << "CBE_TIM_NO_MINUTES" << "TIM: Start Time or Stop Time without 'minutes'";
    QTest::newRow("553") << 553 << "CBE_BAD_TIM_STOP_TIME" << "TIM: invalid Stop Time value";
    QTest::newRow("554") << 554 << "CBE_TIM_START_TIME_HOURS_INVALID" << "TIM: invalid hours value";
    QTest::newRow("555") << 555 << "CBE_TIM_INVALID_DATE_SEPARATOR" << "TIM: invalid date separator";
    QTest::newRow("556") << 556 << "CBE_TIM_BAD_MONTH" << "TIM: invalid month value";
    QTest::newRow("557") << 557 << "CBE_TIM_BAD_DAY" << "TIM: invalid day value";
    QTest::newRow("558") << 558 << "CBE_TIM_BAD_YEAR" << "TIM: invalid year value";
    QTest::newRow("559") << 559 << "CBE_TIM_BAD_DATE" << "TIM: invalid date";
    QTest::newRow("560") << 560 << "CBE_TOO_MANY_OPERANDS" << "Too many operands";
    QTest::newRow("561") << 561 << "CBE_BAD_LOOP_SYNTAX" << "Invalid loop address";
    QTest::newRow("562") << 562 << "CBE_DEL_SDEL_INVALID_SEPARATOR" << "DEL/SDEL incorrect separator";
    QTest::newRow("563") << 563 << "CBE_DEL_SDEL_INCOMPLETE" << "Expression DEL or SDEL not complete";
    QTest::newRow("564") << 564 << "CBE_TIM_INCOMPLETE" << "Expression TIM not complete";
    QTest::newRow("565") << 565 << "CBE_DEL_NOT_ALONE" << "DEL is not the only operator in the CBE";
    QTest::newRow("566") << 566 << "CBE_SDEL_NOT_ALONE" << "SDEL is not the only operator in the CBE";
    QTest::newRow("567") << 567 << "CBE_CPU_INDEX_OUT_OF_RANGE" << "Invalid CPU address";
    QTest::newRow("568") << 568 << "CBE_UNEXPECTED_CPU" << "Unexpected 'C' operator";
    QTest::newRow("569") << 569 << "CBE_ZONE_INDEX_OUT_OF_RANGE" << "Invalid Zone Number";
    QTest::newRow("570") << 570 << "CBE_UNEXPECTED_ZONE" << "Unexpected 'Z' operator";
    QTest::newRow("571") << 571 << "CBE_TONE_NOT_ALONE" << "TONE is not the only operator in the CBE";
    QTest::newRow("572") << 572 << "CBE_TONE_BAD_ZONE" << "Ivalid Zone number in TONE";
    QTest::newRow("573") << 573 << "CBE_TONE_OUT_OF_RANGE" << "TONE: Value out of range";
    QTest::newRow("574") << 574 << "CBE_VOL_OUT_OF_RANGE" << "Invalid Volume value";
    QTest::newRow("575") << 575 << "CBE_SYS_INVALID" << "SYS operand not allowed";
    QTest::newRow("576") << 576 << "CBE_DIS_NOT_ONLY" << "DIS is not the only operator in the CBE";
    QTest::newRow("577") << 577 << "CBE_DEL_SDEL_DELAY_NOT_FOUND" << "DEL, SDEL commands: delay not found";
    QTest::newRow("578") << 578 << "CBE_NOT_TERMINATED" << "Formula not terminated correctly";
    QTest::newRow("579") << 579 << "CBE_NOTFOUND_TOKEN" << "Operator not found";
    QTest::newRow("581") << 581 << "KORVA_INVALID_INPUT_1" << "Invalid detector address";
    QTest::newRow("582") << 582 << "KORVA_INVALID_INPUT_2" << "Invalid detector address";
    QTest::newRow("583") << 583 << "KORVA_INVALID_SUB" << "Invalid sub-Address";
    QTest::newRow("584") << 584 << "KORVA_DUPLICATED_INPUT" << "Associated Detector already used ";
    QTest::newRow("585") << 585 << "ERR_FLT_DUPLICATED" << "Duplicated filter";
    QTest::newRow("586") << 586 << "ERR_FLT_SMALLER" << "Irrelevant filter";
}

void TstErrorMessages::knownCodes()
{
    QFETCH(int, code);
    QFETCH(QString, id);
    QFETCH(QString, english);

    QCOMPARE(getErrorMessage(code), id);
    installEnglish();
    QCOMPARE(getErrorMessage(code), english);
    QCOMPARE(qtTrId(id.toLatin1().constData()), english);
}

void TstErrorMessages::codesWithoutText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("english");

    QTest::newRow("1") << 1 << "Generic Error:1";
    QTest::newRow("256") << 256 << "Generic Error:256";
    QTest::newRow("258") << 258 << "Generic Error:258";
    QTest::newRow("259 wrong magic") << 259 << "Generic Error:259";
    QTest::newRow("261") << 261 << "Generic Error:261";
    QTest::newRow("264 CRC error") << 264 << "Generic Error:264";
    QTest::newRow("265 bad format") << 265 << "Generic Error:265";
    QTest::newRow("267") << 267 << "Generic Error:267";
    QTest::newRow("512") << 512 << "Generic Error:512";
    QTest::newRow("517") << 517 << "Generic Error:517";
    QTest::newRow("520") << 520 << "Generic Error:520";
    QTest::newRow("525") << 525 << "Generic Error:525";
    QTest::newRow("534") << 534 << "Generic Error:534";
    QTest::newRow("535") << 535 << "Generic Error:535";
    QTest::newRow("580") << 580 << "Generic Error:580";
    QTest::newRow("587") << 587 << "Generic Error:587";
    QTest::newRow("1000") << 1000 << "Generic Error:1000";
    QTest::newRow("65535 unknown failure") << 65535 << "Generic Error:65535";
    QTest::newRow("65536") << 65536 << "Generic Error:65536";
    QTest::newRow("int max") << 2147483647 << "Generic Error:2147483647";
    QTest::newRow("-1") << -1 << "Generic Error:-1";
    QTest::newRow("-257") << -257 << "Generic Error:-257";
    QTest::newRow("-586") << -586 << "Generic Error:-586";
    QTest::newRow("int min") << int(-2147483647 - 1) << "Generic Error:-2147483648";
}

void TstErrorMessages::codesWithoutText()
{
    QFETCH(int, code);
    QFETCH(QString, english);

    installEnglish();
    QCOMPARE(getErrorMessage(code), english);
}

void TstErrorMessages::idsWithoutTranslator_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0 << "ERROR_NONE";
    QTest::newRow("266") << 266 << "FILE_NOT_FOUND";
    QTest::newRow("586") << 586 << "ERR_FLT_SMALLER";
    QTest::newRow("259") << 259 << "ERROR_UNDEF:259";
    QTest::newRow("65535") << 65535 << "ERROR_UNDEF:65535";
    QTest::newRow("-1") << -1 << "ERROR_UNDEF:-1";
}

void TstErrorMessages::idsWithoutTranslator()
{
    QFETCH(int, code);
    QFETCH(QString, expected);

    QCOMPARE(getErrorMessage(code), expected);
}

// A translation may tell these apart: each code resolves its own id.
void TstErrorMessages::sharedTextsKeepTheirIds()
{
    const QStringList ids = { getErrorMessage(527), getErrorMessage(528), getErrorMessage(529),
                              getErrorMessage(530) };
    QCOMPARE(ids, QStringList({ "CBE_DIRECT_INV_GROUP_IDX", "CBE_DIRECT_INV_GROUP_IDX_1",
                                "CBE_REVERSE_INV_GROUP_IDX", "CBE_REVERSE_INV_GROUP_IDX_1" }));
    QCOMPARE(getErrorMessage(531), QStringLiteral("CBE_DIRECT_INV_OUT_MODULE"));
    QCOMPARE(getErrorMessage(532), QStringLiteral("CBE_DIRECT_INV_OUT_SUB"));
}

// Every code from 0 to 587 yields either its own text or the generic one with its number;
// none yields an empty text.
void TstErrorMessages::everyCodeOfTheTableRangeYieldsText()
{
    installEnglish();
    int generic = 0;
    for (int code = 0; code <= 587; ++code) {
        const QString text = getErrorMessage(code);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(code)));
        if (text == QStringLiteral("Generic Error:") + QString::number(code))
            ++generic;
    }
    // 588 codes, of which 72 have a text of their own.
    QCOMPARE(generic, 588 - 72);
}

QTEST_GUILESS_MAIN(TstErrorMessages)
#include "tst_errormessages.moc"
