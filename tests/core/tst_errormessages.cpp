#include "core/ErrorMessages.h"

#include "TestBase.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEExpression.h"
#include "cbe/CBEOperands.h"

#include <QtTest>

#include <memory>

using namespace Ov4800;

class TstErrorMessages : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    // The row name is the code. Without a translator the message id shows; the trailing blanks
    // belong to the English texts.
    void text_data()
    {
        QTest::addColumn<QStringList>("idAndEnglish");
        QTest::newRow("0") << QStringList{"ERROR_NONE", "None"};
        QTest::newRow("259") << QStringList{"FILE_NOT_A_PLANT_FILE", "The file is not a plant file"};
        QTest::newRow("264") << QStringList{"FILE_CHECKSUM_ERROR", "Checksum error: the file is damaged"};
        QTest::newRow("265") << QStringList{"FILE_DAMAGED_OR_UNKNOWN_FORMAT",
                                            "The file is damaged or in an unknown format"};
        QTest::newRow("519") << QStringList{"CBE_INVALID_MONTH_INDEX", "Invalid month "};
        QTest::newRow("528") << QStringList{"CBE_DIRECT_INV_GROUP_IDX_1", "Invalid group index"};
        QTest::newRow("532") << QStringList{"CBE_DIRECT_INV_OUT_SUB", "Invalid output module"};
        QTest::newRow("564") << QStringList{"CBE_TIM_INCOMPLETE", "Expression TIM not complete"};
        QTest::newRow("584") << QStringList{"KORVA_DUPLICATED_INPUT", "Associated Detector already used "};
        QTest::newRow("586") << QStringList{"ERR_FLT_SMALLER", "Irrelevant filter"};
        QTest::newRow("543") << QStringList{"CBE_UNEXPECTED_SENSOR", "Unexpected 'D' operator"};
        QTest::newRow("549") << QStringList{"CBE_TIM_NOT_ALONE", "TIM is not the only operator in the CBE"};
        QTest::newRow("572") << QStringList{"CBE_TONE_BAD_ZONE", "Invalid Zone number in TONE"};
        QTest::newRow("517") << QStringList{"CBE_SUB_IDX_TOO_BIG", "Sub-address too large"};
        QTest::newRow("520") << QStringList{"CBE_INVALID_YEAR_INDEX", "Invalid year"};
        QTest::newRow("525") << QStringList{"CBE_INVALID_VOLUME_INDEX", "Volume value out of range"};
        QTest::newRow("534") << QStringList{"CBE_UNBALANCED_BRACKETS", "Unbalanced brackets"};
        QTest::newRow("535") << QStringList{"CBE_PROGRAM_TOO_LONG", "Program too long"};
        QTest::newRow("588") << QStringList{"CBE_INVALID_DAY_INDEX", "Invalid day"};
        QTest::newRow("589") << QStringList{"CBE_UNEXPECTED_EVAC", "Unexpected 'EVAC' operator"};
        QTest::newRow("590") << QStringList{"CBE_EVAC_IN_LIST", "EVAC cannot stand in a list of outputs"};
        for (int code : {1, 258, 261, 263, 267, 580, 587, 65535, 2147483647, -1, int(-2147483647 - 1)})
            QTest::addRow("%d", code) << QStringList{QStringLiteral("ERROR_UNDEF:%1").arg(code),
                                                     QStringLiteral("Generic Error:%1").arg(code)};
    }
    void text()
    {
        QFETCH(QStringList, idAndEnglish);
        const int code = QString(QTest::currentDataTag()).toInt();
        const QString id = getErrorMessage(code);
        Q_INIT_RESOURCE(translations);
        QVERIFY(m_english.load(":/translations/ov4800_en.qm") && QCoreApplication::installTranslator(&m_english));
        QCOMPARE((QStringList{id, getErrorMessage(code)}), idAndEnglish);
        QCoreApplication::removeTranslator(&m_english);
    }

    // A code with a text of its own never shares its message id with another code.
    void wholeRange()
    {
        QMap<QString, int> owner;
        for (int code = 0; code <= 1000; ++code) {
            const QString id = getErrorMessage(code);
            if (id.startsWith(QLatin1String("ERROR_UNDEF:")))
                continue;
            QVERIFY2(!owner.contains(id),
                     qPrintable(QStringLiteral("%1 and %2 share %3").arg(owner.value(id)).arg(code).arg(id)));
            owner.insert(id, code);
        }
    }

    // Keys typed into one operand of the CBE editor: the error it reports, in English.
    void operandErrors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("english");
        QTest::newRow("C65") << int(KIND_CPU) << "C65"
                             << "Value too large";
        QTest::newRow("L9") << int(KIND_LOOP) << "L9"
                            << "Loop index too large";
        QTest::newRow("S160") << int(KIND_SENSOR) << "S160"
                              << "Point Address too large";
        QTest::newRow(".16") << int(KIND_SUB) << ".16"
                             << "Sub-address too large";
        QTest::newRow("Z2001") << int(KIND_AREA) << "2001"
                               << "Zone index too large";
        QTest::newRow("tone 34") << int(KIND_TONE_INDEX) << "34"
                                 << "Invalid tone value";
        QTest::newRow("volume 5") << int(KIND_VOLUME_INDEX) << "5"
                                  << "Volume value out of range";
        QTest::newRow("day 00") << int(KIND_DAY) << "00"
                                << "Invalid day";
        QTest::newRow("day 32") << int(KIND_DAY) << "32"
                                << "Invalid day";
        QTest::newRow("month 00") << int(KIND_MONTH) << "00"
                                  << "Invalid month ";
        QTest::newRow("month 13") << int(KIND_MONTH) << "13"
                                  << "Invalid month ";
        QTest::newRow("year 00") << int(KIND_YEAR) << "00"
                                 << "Invalid year";
        QTest::newRow("TIM 24.00") << int(KIND_TIM) << "24.00"
                                   << "Time value too large";
        QTest::newRow("TIM 10.61") << int(KIND_TIM) << "10.61"
                                   << "Time value too large";
    }
    void operandErrors()
    {
        QFETCH(int, kind);
        QFETCH(QString, keys);
        QFETCH(QString, english);
        std::unique_ptr<CBEOperator> node;
        switch (kind) {
        case KIND_CPU: node.reset(new CBECPUIndex); break;
        case KIND_LOOP: node.reset(new CBELoopIndex); break;
        case KIND_SENSOR: node.reset(new CBESensorIndex); break;
        case KIND_SUB: node.reset(new CBESubIndex); break;
        case KIND_AREA: node.reset(new CBEAreaIndex); break;
        case KIND_TONE_INDEX: node.reset(new ToneIndex); break;
        case KIND_VOLUME_INDEX: node.reset(new VolumeIndex); break;
        case KIND_DAY: node.reset(new Day); break;
        case KIND_MONTH: node.reset(new Month); break;
        case KIND_YEAR: node.reset(new Year); break;
        case KIND_TIM: node.reset(new CBETimeSlice(1439)); break;
        }
        for (QChar c : keys)
            QVERIFY(node->addKey(findStorageToken(c)));
        const UserErrorCode code = UserErrorCode(node->getFirstError());
        QVERIFY(code != 0);
        QCOMPARE(englishText(code), english);
    }

    // Every error the compiler reports reaches the user as a text of its own, and the two it
    // reports for a text that cannot become a program say what is wrong.
    void compileErrors_data()
    {
        QTest::addColumn<int>("compileError");
        QTest::addColumn<QString>("english");
        QTest::newRow("unbalanced") << int(CBE_ERR_BALANCE) << "Unbalanced brackets";
        QTest::newRow("no opening") << int(CBE_ERR_NO_OPEN) << "Unbalanced brackets";
        QTest::newRow("too long") << int(CBE_ERR_TOO_BIG) << "Program too long";
        QTest::newRow("TIM day") << int(CBE_ERR_TIM_DAY_VALUE) << "TIM: invalid day value";
        QTest::newRow("EVAC") << int(CBE_ERR_UNEXPECTED_EVAC) << "Unexpected 'EVAC' operator";
        QTest::newRow("EVAC in a list") << int(CBE_ERR_EVAC_IN_LIST) << "EVAC cannot stand in a list of outputs";
        for (int error = CBE_ERR_BALANCE; error <= CBE_ERR_EVAC_IN_LIST; ++error)
            QTest::addRow("code %d", error) << error << QString();
    }
    void compileErrors()
    {
        QFETCH(int, compileError);
        QFETCH(QString, english);
        const QString text = englishText(UserErrorCode(cbeCompileErrorToUserError(compileError)));
        QVERIFY2(!text.startsWith(QLatin1String("Generic Error")), qPrintable(text));
        if (!english.isEmpty())
            QCOMPARE(text, english);
    }

    // The file errors that the plant file and panel image readers report.
    void fileErrors_data()
    {
        QTest::addColumn<QString>("english");
        QTest::newRow("257") << "Errors in reading the file";
        QTest::newRow("259") << "The file is not a plant file";
        QTest::newRow("260") << "File version unsupported";
        QTest::newRow("264") << "Checksum error: the file is damaged";
        QTest::newRow("265") << "The file is damaged or in an unknown format";
        QTest::newRow("266") << "File not found";
    }
    void fileErrors()
    {
        QFETCH(QString, english);
        QCOMPARE(englishText(QString(QTest::currentDataTag()).toInt()), english);
    }

private:
    QString englishText(UserErrorCode code)
    {
        Q_INIT_RESOURCE(translations);
        if (!m_english.load(":/translations/ov4800_en.qm") || !QCoreApplication::installTranslator(&m_english))
            return QStringLiteral("no English translation");
        const QString text = getErrorMessage(code);
        QCoreApplication::removeTranslator(&m_english);
        return text;
    }
};

QTEST_GUILESS_MAIN(TstErrorMessages)
#include "tst_errormessages.moc"
