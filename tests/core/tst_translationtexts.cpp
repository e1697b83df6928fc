// What each compiled translation says where a language's own rules matter: questions end in the
// language's question mark, right-to-left texts do not open with a Latin word (the colon after
// it would stand on the wrong side), the LIB count list counts in digits, and counts take the
// language's plural forms. And Qt's own texts in each language and variety.
#include "TestBase.h"
#include "core/OvQtTranslator.h"

#include <QtTest>

namespace {

const char* const kLanguages[] = {"ar", "en", "es", "fr", "hu", "it", "iw", "nl", "no", "pt", "ro"};

// Every question the program asks with a message id of its own.
const char* const kQuestions[] = {
    "USR_MSG_ASK_PLANT_NOT_ASSIGNED",    "USR_MSG_ASK_FOR_FILE_OVER_W",
    "USR_MSG_ASK_FOR_OPEN_FOLDER",       "USR_MSG_ASK_FOR_SAVE",
    "USR_MSG_CONFIRM_PLANT_CHANGE_TYPE", "USR_INFO_COPY_PARAM",
    "USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY",  "USR_MSG_CONFIRM_STAND_ALONE",
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
            QString text = qtTrId(qPrintable(id));
            if (text.contains(QLatin1String("%n")))
                text = qtTrId(qPrintable(id), 5);
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

    void plurals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        const QString programs = QStringLiteral("USR_MSG_COMPILE_PROGRAM_ERRORS");
        const QString devices = QStringLiteral("USR_MSG_COMPILE_SKIPPED_DEVICES");
        const QString varn = QStringLiteral("USR_ERR_VARN_PASTE");
        QTest::newRow("en programs 1") << "en" << programs << 1 << "1 program has errors and was written empty.";
        QTest::newRow("en programs 2") << "en" << programs << 2 << "2 programs have errors and were written empty.";
        QTest::newRow("en devices 1") << "en" << devices << 1 << "1 device did not fit and was left out.";
        QTest::newRow("en devices 700") << "en" << devices << 700 << "700 devices did not fit and were left out.";
        QTest::newRow("en VARN 1") << "en" << varn << 1
                                   << "1 VARN device was not pasted: addresses from 100 on cannot hold it.";
        QTest::newRow("en VARN 2") << "en" << varn << 2
                                   << "2 VARN devices were not pasted: addresses from 100 on cannot hold them.";
        // Romanian: one, a few (up to 19 past a hundred), "de" from 20 on.
        QTest::newRow("ro devices 1") << "ro" << devices << 1 << "1 dispozitiv nu a încăput și a fost omis.";
        QTest::newRow("ro devices 19") << "ro" << devices << 19 << "19 dispozitive nu au încăput și au fost omise.";
        QTest::newRow("ro devices 20") << "ro" << devices << 20 << "20 de dispozitive nu au încăput și au fost omise.";
        QTest::newRow("ro devices 101") << "ro" << devices << 101 << "101 dispozitive nu au încăput și au fost omise.";
        // Arabic: one and two in words, 3 to 10 plural, 11 to 99 and from 100 singular.
        QTest::newRow("ar devices 1") << "ar" << devices << 1 << "جهاز واحد لم يتسع وتم حذفه.";
        QTest::newRow("ar devices 2") << "ar" << devices << 2 << "جهازان لم يتسعا وتم حذفهما.";
        QTest::newRow("ar devices 3") << "ar" << devices << 3 << "3 أجهزة لم تتسع وتم حذفها.";
        QTest::newRow("ar devices 10") << "ar" << devices << 10 << "10 أجهزة لم تتسع وتم حذفها.";
        QTest::newRow("ar devices 11") << "ar" << devices << 11 << "11 جهازًا لم يتسع وتم حذفه.";
        QTest::newRow("ar devices 100") << "ar" << devices << 100 << "100 جهاز لم يتسع وتم حذفه.";
        QTest::newRow("ar devices 103") << "ar" << devices << 103 << "103 أجهزة لم تتسع وتم حذفها.";
        QTest::newRow("ar programs 2") << "ar" << programs << 2 << "برنامجان يحتويان على أخطاء وكُتبا فارغين.";
        // French counts 0 and 1 as one; Hungarian says every count in the singular.
        QTest::newRow("fr programs 1") << "fr" << programs << 1
                                       << "1 programme contient des erreurs et a été écrit vide.";
        QTest::newRow("fr programs 2") << "fr" << programs << 2
                                       << "2 programmes contiennent des erreurs et ont été écrits vides.";
        QTest::newRow("hu devices 1") << "hu" << devices << 1 << "1 eszköz nem fért el, ezért kimaradt.";
        QTest::newRow("hu devices 5") << "hu" << devices << 5 << "5 eszköz nem fért el, ezért kimaradt.";
        QTest::newRow("iw devices 1") << "iw" << devices << 1 << "רכיב אחד לא נכנס והושמט.";
        QTest::newRow("iw devices 2") << "iw" << devices << 2 << "2 רכיבים לא נכנסו והושמטו.";
        // One title over a point's type and a display's.
        QTest::newRow("fr Type") << "fr"
                                 << "Type" << -1 << "Type";
        QTest::newRow("nl Type") << "nl"
                                 << "Type" << -1 << "Type";
        QTest::newRow("it VARN 1")
            << "it" << varn << 1
            << "1 dispositivo VARN non incollato: gli indirizzi da 100 in poi non possono ospitarlo.";
    }
    void plurals()
    {
        QFETCH(QString, code);
        QFETCH(QString, id);
        QFETCH(int, n);
        QFETCH(QString, expected);
        use(code);
        QCOMPARE(qtTrId(qPrintable(id), n), expected);
    }

    void qtCatalogue_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("beside");    // a file put beside the program: "name<-source"
        QTest::addColumn<QString>("catalogue"); // the file loaded; "qt/" stands for Qt's folder
        QTest::addColumn<QString>("save");      // the standard Save button with it
        const auto row = [](const char* name, const QString& code, const QString& beside, const QString& catalogue,
                            const QString& save) { QTest::newRow(name) << code << beside << catalogue << save; };
        row("ro", "ro", "", ":/translations/qtbase_ro.qm", "Salvează");
        row("no", "no", "", ":/translations/qtbase_nb.qm", "Lagre");
        row("pt", "pt", "", ":/translations/qtbase_pt_PT.qm", "Guardar");
        // Brazilian Portuguese beside the program under the bare language's name: still European.
        row("pt, qtbase_pt beside", "pt", "qtbase_pt.qm<-qt/qtbase_pt_BR.qm", ":/translations/qtbase_pt_PT.qm",
            "Guardar");
        // A copy beside the program comes first (here the Bokmål one under the Romanian name).
        row("ro, copy beside", "ro", "qtbase_ro.qm<-:/translations/qtbase_nb.qm", "beside/qtbase_ro.qm", "Lagre");
        row("es", "es", "", "qt/qtbase_es.qm", "Guardar");
        row("fr", "fr", "", "qt/qtbase_fr.qm", "Enregistrer");
        row("hu", "hu", "", "qt/qtbase_hu.qm", "Mentés");
        row("it", "it", "", "qt/qtbase_it.qm", "Salva");
        row("nl", "nl", "", "qt/qtbase_nl.qm", "Opslaan");
        row("ar", "ar", "", "qt/qtbase_ar.qm", "احفظ");
        row("iw", "iw", "", "qt/qtbase_he.qm", "שמור");
        row("en", "en", "", "", "Save");
        row("no code", "", "", "", "Save");
    }
    // Which catalogue of Qt's own texts each language loads, and from where.
    void qtCatalogue()
    {
        QFETCH(QString, code);
        QFETCH(QString, beside);
        QFETCH(QString, catalogue);
        QFETCH(QString, save);
        const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QLatin1Char('/');
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!beside.isEmpty()) {
            const QString from = beside.section(QStringLiteral("<-"), 1).replace(QStringLiteral("qt/"), qtFolder);
            QVERIFY(QFile::copy(from, folder.filePath(beside.section(QStringLiteral("<-"), 0, 0))));
        }
        catalogue.replace(QStringLiteral("qt/"), qtFolder).replace(QStringLiteral("beside/"), folder.path() + '/');

        OvQtTranslator translator;
        QCOMPARE(translator.loadLanguage(code, folder.path()), !catalogue.isEmpty());
        QCOMPARE(translator.filePath(), catalogue);
        QVERIFY(catalogue.isEmpty() || QCoreApplication::installTranslator(&translator));
        const QString shown = QCoreApplication::translate("QPlatformTheme", "Save");
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, save);
    }

    // The catalogues the program carries: each holds the same Qt texts, every one translated,
    // keeping its placeholder, its line breaks and its one shortcut letter.
    void qtCatalogues()
    {
        QSet<QString> first;
        for (const char* name : {"qtbase_ro", "qtbase_nb", "qtbase_pt_PT"}) {
            QFile file(QStringLiteral(OV_TRANSLATIONS_DIR "/%1.ts").arg(QLatin1String(name)));
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            QXmlStreamReader xml(&file);
            QSet<QString> keys;
            QString context, source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                    keys.insert(context + QLatin1Char('|') + source);
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString where = QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(name), context, source);
                    QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(where));
                    const QString text = xml.readElementText();
                    QVERIFY2(!text.trimmed().isEmpty(), qPrintable(where));
                    for (const char* mark : {"%1", "\n", "&"})
                        QVERIFY2(text.count(QString::fromLatin1(mark)) == source.count(QString::fromLatin1(mark)),
                                 qPrintable(where + " " + text));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(keys.size() >= 90);
            if (first.isEmpty())
                first = keys;
            QCOMPARE(keys, first);
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
