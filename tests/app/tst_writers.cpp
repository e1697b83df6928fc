// Every command that writes a file, by every condition its file may meet, on the real application
// and scene offscreen, every question and file dialog answered by script.
#include "AppScene.h"
#include "DocumentCommands.h"
#include "FileSizeLimit.h"
#include "ImageGenerator.h"
#include "IsolatedHome.h"
#include "OS/TraceLog.h"
#include "TestBase.h"
#include "ZpData/Container/ModbusMap.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"
#include "core/WholeFile.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A fault at the rename that puts a file of this name in place, for the thread that sets it: the
// rename refused, the process killed just before or after it, or a pause after it that lets
// another writer's moves come in between.
enum Fault { NoFault, Refuse, KillBefore, KillAfter, PauseAfter };
thread_local Fault t_fault = NoFault;
thread_local QByteArray t_faultFile;

} // namespace

extern "C" int rename(const char* from, const char* to)
{
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"));
    const bool hit = t_fault != NoFault && QByteArray(to).endsWith('/' + t_faultFile);
    if (hit && t_fault == KillBefore)
        ::raise(SIGKILL);
    if (hit && t_fault == Refuse)
        return errno = EIO, -1;
    const int result = real(from, to);
    if (hit && t_fault == KillAfter)
        ::raise(SIGKILL);
    if (hit && t_fault == PauseAfter)
        QThread::msleep(30);
    return result;
}

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_writers";
static char* s_argv[] = {s_arg0, nullptr};

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
    // Rounds of the compile command while another copy of the program writes the image
    // generator's sample plant into the same folder again and again, pausing between its two
    // renames, until the round ends: after each round the folder holds the pair of one plant.
    void compileBesideAnother(const QString& folder)
    {
        ZpConf other(0, 255);
        write("writers/sample.bin", imagegen::image_v3(imagegen::sample_plant(), imagegen::kV2602));
        QVERIFY(other.new_config(0) == 0
                && other.get_io().import_bin(QFile::encodeName(path("writers/sample.bin")), nullptr) <= 0);
        traceErrors();
        const auto writeOther = [&](const QString& into) {
            return write_compile_files(other, QFile::encodeName(into + "/CFG_IN.BIN"),
                                       QFile::encodeName(into + "/ModbusMap.csv"), nullptr);
        };
        const auto pairIn = [](const QString& in) {
            return QByteArrayList{fileContents(in + "/CFG_IN.BIN"), fileContents(in + "/ModbusMap.csv")};
        };
        QVERIFY(QDir().mkpath(path("writers/sample")) && writeOther(path("writers/sample")) == 0);
        const QByteArrayList own{reference("image"), reference("map")}, sample = pairIn(path("writers/sample"));
        QVERIFY(own[0] != sample[0] && own[1] != sample[1]);
        g_logger().flush();
        for (int round = 0; round < 12; ++round) {
            int roundOn[2];
            QVERIFY(::pipe(roundOn) == 0);
            const pid_t writer = ::fork();
            if (writer == 0) {
                t_fault = PauseAfter;
                t_faultFile = "CFG_IN.BIN";
                ::close(roundOn[1]);
                ::fcntl(roundOn[0], F_SETFL, O_NONBLOCK);
                for (char end; ::read(roundOn[0], &end, 1) < 0; ::usleep(2000))
                    writeOther(folder);
                ::_exit(0);
            }
            ::close(roundOn[0]);
            runWriter("image", folder, true);
            ::close(roundOn[1]);
            QVERIFY(writer > 0 && ::waitpid(writer, nullptr, 0) == writer);
            const QByteArrayList got = pairIn(folder);
            QVERIFY2(got == own || got == sample, qPrintable(QString("round %1").arg(round)));
        }
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
    // together or not at all: "pairing" cuts the other one of the two; "two writers" compile two
    // plants into one folder; a failed "last rename" (the map's) names the new file and the old.
    void everyWriter_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<int>("error"); // 0: written
        const QList<QPair<QString, int>> conditions{
            {"link", 0},        {"read-only", EACCES}, {"mode kept", 0},   {"short write", EFBIG},
            {"folder", EISDIR}, {"pairing", EFBIG},    {"two writers", 0}, {"last rename", EIO}};
        // The CSV set is cut at its zones file: the document comes after every file of the set.
        for (const QString writer : {"save", "pdf", "image", "map", "csv", "xml"})
            for (const auto& c : conditions)
                if ((c.first != "pairing" || !partnerOf(writer).isEmpty())
                    && (c.first != "short write" || writer != "xml") && (c.first != "two writers" || writer == "image")
                    && (c.first != "last rename" || writer == "map"))
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
        if (condition == "two writers")
            compileBesideAnother(folder);
        t_fault = condition == "last rename" ? Refuse : NoFault;
        t_faultFile = "ModbusMap.csv";
        runWriter(writer, folder, error == 0, limit);
        t_fault = NoFault;
        if (QTest::currentTestFailed())
            return;
        if (error != 0) {
            traceErrors();
            const PlantMessage box = m_dialogs.asked().last();
            QCOMPARE(box.icon, PlantMessage::Critical);
            QCOMPARE(box.informativeText.isEmpty() || condition == "last rename" ? box.text : box.informativeText,
                     qtTrId("FILE_WR_ERROR_REASON").arg(folder + '/' + writerFile(cut), qt_error_string(error)));
            if (condition == "last rename")
                QCOMPARE(box.informativeText,
                         qtTrId("FILE_WR_NEW_BESIDE_OLD").arg(folder + "/CFG_IN.BIN", folder + "/ModbusMap.csv"));
        }
        QCOMPARE(QFileInfo(target).isSymLink(), condition == "link");
        QCOMPARE(QFileInfo(target).isDir(), condition == "folder");
        for (const QString& w : {writer, partner}) {
            if (w.isEmpty() || (w == writer && condition == "folder"))
                continue;
            const QString file = w == writer ? real : folder + '/' + writerFile(w);
            const bool replaced = !error || (condition == "last rename" && w == "image");
            const QByteArray got = fileContents(file), expected = replaced ? reference(w) : "old " + w.toLatin1();
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

    // A move of the CSV set refused after every target passed its check: the box names the file
    // with the reason, and says so when files before it in the set (the CSV files as written,
    // then the document) were replaced. Each file of the set after the export: n new, o old.
    void cutMoves_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("files");
        QTest::newRow("first move") << "General parameters.csv"
                                    << "oooooo";
        QTest::newRow("second move") << "Zones.csv"
                                     << "nooooo";
        QTest::newRow("last CSV file") << "Loop_ 1_ 1.csv"
                                       << "nnnnoo";
    }
    void cutMoves()
    {
        QFETCH(QString, refused);
        QFETCH(QString, files);
        const QStringList moves{"General parameters.csv", "Zones.csv",      "Groups.csv", "Panels.csv",
                                "Loop_ 1_ 1.csv",         writerFile("xml")};
        QVERIFY(!reference("csv").isEmpty());
        QCOMPARE(QDir(path("writers/reference csv")).entryList(QDir::Files).size(), moves.size());
        const QString name = QString("writers/cut ") + QTest::currentDataTag(), folder = path(name);
        QVERIFY(QDir().mkpath(folder));
        for (const QString& file : moves)
            write(name + '/' + file, "old");
        expectWarning(QRegularExpression::escape(refused));
        t_fault = Refuse;
        t_faultFile = refused.toUtf8();
        runWriter("csv", folder, false);
        t_fault = NoFault;
        const char* id = files.startsWith('n') ? "FILE_WR_ERROR_SET_PART" : "FILE_WR_ERROR_REASON";
        QCOMPARE(m_dialogs.asked().last().informativeText,
                 qtTrId(id).arg(folder + '/' + refused, qt_error_string(EIO)));
        QString found;
        for (const QString& file : moves)
            found += fileContents(folder + '/' + file) == "old" ? 'o' : 'n';
        QCOMPARE(found, files);
    }

    // A writer killed three times at a rename of its files, then one whole write: the folder holds
    // the written files and nothing else. A compile killed between its renames left the new image
    // beside the old map until then.
    void killedWriters_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("fault");
        QTest::newRow("compile, before the renames") << "image" << int(KillBefore);
        QTest::newRow("compile, between the renames") << "image" << int(KillAfter);
        QTest::newRow("save, before the rename") << "save" << int(KillBefore);
    }
    void killedWriters()
    {
        QFETCH(QString, writer);
        QFETCH(int, fault);
        m_app->plant()->enableSIB(0);
        const QString folder = path("writers/killed " + QString(QTest::currentDataTag())), partner = partnerOf(writer);
        QVERIFY(QDir().mkpath(folder));
        for (const QString& w : {writer, partner})
            if (!w.isEmpty())
                write(folder.mid(m_dir.path().size() + 1) + '/' + writerFile(w), "old " + w.toLatin1());
        const QByteArray saved = reference("save"), image = reference("image");
        g_logger().flush();
        for (int kill = 0; kill < 3; ++kill) {
            const pid_t child = ::fork();
            if (child == 0) {
                t_fault = Fault(fault);
                t_faultFile = writerFile(writer).toLatin1();
                WholeFile file(folder + "/P.tov");
                if (writer == "image")
                    write_compile_files(*g_zpConf, QFile::encodeName(folder + "/CFG_IN.BIN"),
                                        QFile::encodeName(folder + "/ModbusMap.csv"), nullptr);
                else if (file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size())
                    file.commit();
                ::_exit(0);
            }
            int status = 0;
            QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status)
                    && WTERMSIG(status) == SIGKILL);
        }
        if (fault == KillAfter) {
            QCOMPARE(fileContents(folder + "/CFG_IN.BIN"), image);
            QCOMPARE(fileContents(folder + "/ModbusMap.csv"), QByteArray("old map"));
        }
        runWriter(writer, folder, true);
        const QStringList written = partner.isEmpty() ? QStringList("P.tov")
                                                      : QStringList({"CFG_IN.BIN", "ModbusMap.csv"});
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), written);
    }
};

QTEST_APPLESS_MAIN(tst_Writers)
#include "tst_writers.moc"
