#include "app/ErrorMessages.h"

#include "TestBase.h"

#include <QtTest>

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
        for (int code : {1, 258, 261, 263, 267, 534, 535, 580, 587, 65535, 2147483647, -1, int(-2147483647 - 1)})
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

    // 75 of the codes 0 to 587 have a message id of their own, every other one the generic text.
    void wholeRange()
    {
        QStringList own;
        for (int code = 0; code <= 587; ++code)
            own << getErrorMessage(code).remove(QStringLiteral("ERROR_UNDEF:%1").arg(code));
        QCOMPARE(own.filter(QRegularExpression("^[A-Z0-9_]+$")).size(), 75);
        QCOMPARE(own.filter(QRegularExpression(".")).size(), 75);
    }
};

QTEST_GUILESS_MAIN(TstErrorMessages)
#include "tst_errormessages.moc"
