// What each compiled translation says where a language's own rules matter: questions end in the
// language's question mark, right-to-left texts do not open with a Latin word (the colon after
// it would stand on the wrong side), and the LIB count list counts in digits.
#include "TestBase.h"

#include <QtTest>

namespace {

const char* const kLanguages[] = {"ar", "en", "es", "fr", "hu", "it", "iw", "nl", "no", "pt", "ro"};

// Every question the program asks with a message id of its own.
const char* const kQuestions[] = {
    "USR_MSG_ASK_PLANT_NOT_ASSIGNED",    "USR_MSG_ASK_FOR_FILE_OVER_W",
    "USR_MSG_ASK_FOR_OPEN_FOLDER",       "USR_MSG_ASK_FOR_SAVE",
    "USR_MSG_CONFIRM_PLANT_CHANGE_TYPE", "USR_INFO_COPY_PARAM",
    "USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY",
};

const QChar kRightToLeftMark(0x200F);

bool isRightToLeftLetter(QChar c)
{
    return c.isLetter() && (c.direction() == QChar::DirR || c.direction() == QChar::DirAL);
}

} // namespace

class tst_TranslationTexts : public TestBase {
    Q_OBJECT

    QTranslator m_translator;
    QStringList m_ids; // every id of the English source

    void use(const QString& code)
    {
        QCoreApplication::removeTranslator(&m_translator);
        QVERIFY(m_translator.load(QStringLiteral(":/translations/ov4800_%1.qm").arg(code)));
        QVERIFY(QCoreApplication::installTranslator(&m_translator));
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        Q_INIT_RESOURCE(translations);
        QFile file(QStringLiteral(OV_TRANSLATIONS_DIR "/ov4800_en.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("message"))
                m_ids << xml.attributes().value(QLatin1String("id")).toString();
        }
        QVERIFY(!xml.hasError());
        QVERIFY(m_ids.size() > 400);
    }

    void questions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("id");
        for (const char* code : kLanguages) {
            for (const char* id : kQuestions)
                QTest::addRow("%s %s", code, id) << QString::fromLatin1(code) << QString::fromLatin1(id);
        }
    }
    // Arabic asks with "؟"; every other language with "?"; one mark, right after the last word.
    void questions()
    {
        QFETCH(QString, code);
        QFETCH(QString, id);
        use(code);
        const QString text = qtTrId(qPrintable(id));
        const QChar mark = code == QLatin1String("ar") ? QChar(0x061F) : QChar('?');
        QVERIFY2(text.size() > 2 && text.endsWith(mark), qPrintable(text));
        const QChar before = text.at(text.size() - 2);
        QVERIFY2(before != QLatin1Char('?') && before != QChar(0x061F) && !before.isSpace(), qPrintable(text));
    }

    void rightToLeft_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ar") << "ar";
        QTest::newRow("iw") << "iw";
    }
    // A text in the language's script whose first letter is Latin ("TIM: …") starts with a
    // right-to-left mark, so it is laid out right to left with the colon after the Latin word.
    void rightToLeft()
    {
        QFETCH(QString, code);
        use(code);
        QStringList wrong;
        int marked = 0;
        for (const QString& id : qAsConst(m_ids)) {
            const QString text = qtTrId(qPrintable(id));
            if (!std::any_of(text.cbegin(), text.cend(), isRightToLeftLetter))
                continue;
            const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
            if (isRightToLeftLetter(*first))
                continue;
            if (text.startsWith(kRightToLeftMark))
                ++marked;
            else
                wrong << id;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));
        QVERIFY(marked >= 17);
    }

    void libCounts_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : kLanguages)
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    // One to four LIBs, each entry opening with its number: "1 LIB" beside "2 LIB".
    void libCounts()
    {
        QFETCH(QString, code);
        use(code);
        const char* ids[] = {"CPUInfo-SingleLib", "CPUInfo-DoubleLibs", "CPUInfo-ThreeLibs", "CPUInfo-FourLibs"};
        for (int count = 1; count <= 4; ++count) {
            const QString text = qtTrId(ids[count - 1]);
            QVERIFY2(text.startsWith(QString::number(count) + QLatin1Char(' ')) && text.contains(QLatin1String("LIB")),
                     qPrintable(text));
        }
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_translator);
        TestBase::cleanupTestCase();
    }
};

QTEST_GUILESS_MAIN(tst_TranslationTexts)
#include "tst_translationtexts.moc"
