// Every command that writes a file, by every condition its file may meet, on the real application
// and scene offscreen, every question and file dialog answered by script.
#include "AppScene.h"
#include "DocumentCommands.h"
#include "FileSizeLimit.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "io/XMLmodifier.h"

#include <QtTest>

#include <cerrno>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_writers";
static char* s_argv[] = {s_arg0, nullptr};

// The file of the set whose staged copy the topology writer removes after writing the document:
// its move is the one that fails, after every target passed its check.
static QString s_lostFile;

static bool losingWriter(const QString& folder, const QStringList& loopFiles, QString* failedFile, QString* reason)
{
    return XMLmodifier::writeTopologyXml(folder, loopFiles, failedFile, reason)
        && QFile::remove(folder + '/' + s_lostFile);
}

class tst_Writers : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile out(path(name));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size());
    }
    static QString writerFile(const QString& writer)
    {
        return writer == "save" ? "P.tov"
            : writer == "pdf"   ? "R.pdf"
            : writer == "image" ? "CFG_IN.BIN"
            : writer == "csv"   ? "Zones.csv"
            : writer == "xml"   ? Configuration::instance()->appName() + "Plant.xml"
                                : "ModbusMap.csv";
    }
    // The other file of the compile.
    static QString partnerOf(const QString& writer)
    {
        return writer == "image" ? "map" : writer == "map" ? "image" : QString();
    }
    // The command that writes writer's file into folder, its dialogs answered for the outcome,
    // under a file-size limit when limit is not 0.
    void runWriter(const QString& writer, const QString& folder, bool written, rlim_t limit = 0)
    {
        m_dialogs.clear();
        const bool compiles = !partnerOf(writer).isEmpty();
        const bool exports = writer == "csv" || writer == "xml";
        m_dialogs.answerFile(compiles || exports ? folder : folder + '/' + writerFile(writer));
        if (compiles && !m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        if (compiles && QFileInfo::exists(folder + "/CFG_IN.BIN"))
            m_dialogs.answer(PlantMessage::Yes);
        if (writer != "save" || !written)
            m_dialogs.answer((compiles || exports) && written ? PlantMessage::No : PlantMessage::Ok);
        const FileSizeLimit cut(limit);
        if (writer == "save")
            m_app->onFileSaveAs();
        else if (writer == "pdf")
            m_app->onPdfExportBtnClicked();
        else if (exports)
            m_app->onXlsExportBtnClicked();
        else
            m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    // What writer writes for the plant, written once into a folder of its own.
    QByteArray reference(const QString& writer)
    {
        const QString folder = path("writers/reference " + writer);
        if (QDir().mkpath(folder) && !QFileInfo::exists(folder + '/' + writerFile(writer)))
            runWriter(writer, folder, true);
        return fileContents(folder + '/' + writerFile(writer));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid() && m_dir.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        newPlantCommand(m_app, m_dialogs);
        QVERIFY(m_app->plant());
    }
    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    // Every writer keeps the same promises: a link stays and the file it names gets the bytes,
    // an existing file keeps its mode; a read-only file, a folder or a cut write is refused with
    // the file and the reason named, and the old bytes stay. The image and the map are replaced
    // together or not at all: "pairing" cuts the other one of the two.
    void everyWriter_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<int>("error"); // 0: written
        const QList<QPair<QString, int>> conditions{{"link", 0},        {"read-only", EACCES},
                                                    {"mode kept", 0},   {"short write", EFBIG},
                                                    {"folder", EISDIR}, {"pairing", EFBIG}};
        // The CSV set is cut at its zones file: the document comes after every file of the set.
        for (const QString writer : {"save", "pdf", "image", "map", "csv", "xml"})
            for (const auto& c : conditions)
                if ((c.first != "pairing" || !partnerOf(writer).isEmpty())
                    && (c.first != "short write" || writer != "xml"))
                    QTest::addRow("%s, %s", qPrintable(writer), qPrintable(c.first)) << writer << c.first << c.second;
    }
    void everyWriter()
    {
        QFETCH(QString, writer);
        QFETCH(QString, condition);
        QFETCH(int, error);
        m_app->plant()->enableSIB(0);
        const QString name = "writers/" + QString(QTest::currentDataTag()).replace(", ", "-");
        const QString folder = path(name), target = folder + '/' + writerFile(writer), partner = partnerOf(writer);
        const QString real = condition == "link" ? folder + "/real/" + writerFile(writer) : target;
        QVERIFY(QDir().mkpath(folder + "/real") && (condition != "link" || QFile::link(real, target)));
        if (condition == "folder")
            QVERIFY(QDir().mkpath(target));
        else
            write(real.mid(m_dir.path().size() + 1), "old " + writer.toLatin1());
        if (!partner.isEmpty())
            write(name + '/' + writerFile(partner), "old " + partner.toLatin1());
        const QFile::Permissions mode = QFile::ReadOwner | QFile::ReadGroup
            | (condition == "read-only" ? QFile::ReadOther : QFile::WriteOwner);
        QVERIFY(condition == "folder" || QFile::setPermissions(real, mode));
        const QString cut = condition == "pairing" ? partner : writer;
        // 16 KiB free cut the report's cover picture, written at once.
        const rlim_t limit = condition == "short write" || condition == "pairing"
            ? qMin(reference(cut).size() / 2, 16384)
            : 0;
        if (error != 0)
            expectWarning(QRegularExpression::escape(writerFile(cut)) + "|^Non sono riuscito a salvare il file.$");
        runWriter(writer, folder, error == 0, limit);
        if (QTest::currentTestFailed())
            return;
        if (error != 0) {
            traceErrors();
            const PlantMessage box = m_dialogs.asked().last();
            QCOMPARE(box.icon, PlantMessage::Critical);
            QCOMPARE(box.informativeText.isEmpty() ? box.text : box.informativeText,
                     qtTrId("FILE_WR_ERROR_REASON").arg(folder + '/' + writerFile(cut), qt_error_string(error)));
        }
        QCOMPARE(QFileInfo(target).isSymLink(), condition == "link");
        QCOMPARE(QFileInfo(target).isDir(), condition == "folder");
        for (const QString& w : {writer, partner}) {
            if (w.isEmpty() || (w == writer && condition == "folder"))
                continue;
            const QString file = w == writer ? real : folder + '/' + writerFile(w);
            const QByteArray got = fileContents(file), expected = error ? "old " + w.toLatin1() : reference(w);
            // A report holds the time it was made, a CSV file that and where it was written: they
            // differ in nothing else.
            const bool report = w == "pdf" && !error;
            const auto csvLines = [](const QByteArray& bytes, const QString& at) {
                return QString(bytes).remove(at).remove(QRegularExpression("\\d{8} \\d\\d:\\d\\d"));
            };
            QVERIFY2(report ? got.size() == expected.size() && got.endsWith("%%EOF\n")
                         : w == "csv" && !error
                         ? csvLines(got, folder) == csvLines(expected, path("writers/reference csv"))
                         : got == expected,
                     qPrintable(file));
        }
        if (condition != "folder")
            QCOMPARE(QFile::permissions(real) & 0x7077, mode);
        // A whole CSV set, or only the file there was; nothing left of a work folder.
        const bool set = (writer == "csv" || writer == "xml") && !error;
        const QDir written(folder);
        QCOMPARE(written.entryList(QDir::Files).size(),
                 set ? QDir(path("writers/reference " + writer)).entryList(QDir::Files).size()
                     : (condition != "folder") + !partner.isEmpty());
        QCOMPARE(written.entryList({".csv-export-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
    }

    // A move of the CSV set that fails after every target passed its check (a file the set adds,
    // lost at its move): the box names it with the reason, and says so when files before it in
    // the set (the CSV files as written, then the document) were replaced. Each file of the set
    // after the export: n new, o old, - missing.
    void cutMoves_data()
    {
        QTest::addColumn<QString>("lost");
        QTest::addColumn<QString>("files");
        QTest::newRow("first move") << "General parameters.csv"
                                    << "-ooooo";
        QTest::newRow("second move") << "Zones.csv"
                                     << "n-oooo";
        QTest::newRow("last CSV file") << "Loop_ 1_ 1.csv"
                                       << "nnnn-o";
    }
    void cutMoves()
    {
        QFETCH(QString, lost);
        QFETCH(QString, files);
        const QStringList moves{"General parameters.csv", "Zones.csv",      "Groups.csv", "Panels.csv",
                                "Loop_ 1_ 1.csv",         writerFile("xml")};
        QVERIFY(!reference("csv").isEmpty());
        QCOMPARE(QDir(path("writers/reference csv")).entryList(QDir::Files).size(), moves.size());
        const QString name = QString("writers/cut ") + QTest::currentDataTag(), folder = path(name);
        QVERIFY(QDir().mkpath(folder));
        for (const QString& file : moves)
            if (file != lost)
                write(name + '/' + file, "old");
        s_lostFile = lost;
        expectWarning(QRegularExpression::escape(lost));
        Plant::setTopologyWriter(&losingWriter);
        runWriter("csv", folder, false);
        Plant::setTopologyWriter(&XMLmodifier::writeTopologyXml);
        const char* id = files.startsWith('n') ? "FILE_WR_ERROR_SET_PART" : "FILE_WR_ERROR_REASON";
        QCOMPARE(m_dialogs.asked().last().informativeText,
                 qtTrId(id).arg(folder + '/' + lost, qt_error_string(ENOENT)));
        QString found;
        for (const QString& file : moves) {
            const QByteArray bytes = fileContents(folder + '/' + file);
            found += bytes.isEmpty() ? '-' : bytes == "old" ? 'o' : 'n';
        }
        QCOMPARE(found, files);
    }
};

QTEST_APPLESS_MAIN(tst_Writers)
#include "tst_writers.moc"
