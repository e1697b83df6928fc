// The document commands on the real application and scene, offscreen, every question and file
// dialog answered by script: new, compile, overwrite, the image and full-size round trips, bad
// files, saves, quit, recent files, drop, title and the CSV export.
#include "../plant/GeneratedPlantChecks.h"
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "DataBlock/crc.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "models/OvRecentFilesModel.h"
#include "plant/OvAnnunciatorsSystem.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include <QtEndian>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_documents";
static char* s_argv[] = {s_arg0, nullptr};

class tst_Documents : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    static QByteArray contents(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // Compiles into folder, answering the area question when it comes, then No to opening it.
    void compile(const QString& folder)
    {
        m_dialogs.clear();
        m_dialogs.answerFile(folder);
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    // choice 0 KV1300, 1 KV1600-4600.
    void newPlant(int choice = 0)
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + choice));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid() && m_dir.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window && !m_app->plant());
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    void newAndCompile()
    {
        newPlant();
        QVERIFY(m_app->plant());
        QCOMPARE(m_app->plant()->getModificationStat(), 1u);
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE"));
        QVERIFY(QDir().mkpath(path("out")));
        compile(path("out"));
        QCOMPARE(m_dialogs.fileRequests().first().kind, PlantFileRequest::Folder);
        const QByteArray image = contents(path("out/CFG_IN.BIN"));
        QCOMPARE(image.left(8), QByteArray::fromHex("4F2A4B280226C607"));
        QVERIFY(!QFile::exists(path("out/ModbusMap.csv")));
        QVERIFY(messages(QtInfoMsg).filter(QStringLiteral("Download completato:")).size() == 1);
        // An untouched new plant asks nothing at quit.
        QVERIFY(m_app->onQuitRequest());
    }

    void overwriteRefused()
    {
        const QByteArray before = contents(path("out/CFG_IN.BIN"));
        m_app->plant()->setDescription(QStringLiteral("Changed"));
        m_dialogs.clear();
        m_dialogs.answerFile(path("out"));
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.asked().last().informativeText, QStringLiteral("The file already exists. Overwrite it?"));
        QCOMPARE(contents(path("out/CFG_IN.BIN")), before);
    }

    // A program that does not compile is written empty, and the final question says so.
    void programErrors()
    {
        newPlant();
        Plant* plant = m_app->plant();
        QVERIFY(plant->setCPULoopType(0, 0, 1));
        OvGenericPoint sensor(1, 1, 1, 3);
        sensor.setPointType(PointType(2, 1, 1, 30, 4, 0));
        sensor.setAreaIndex(1);
        sensor.setCBE(QStringLiteral("OR(G1"));
        plant->setPoint(sensor);
        QVERIFY(QDir().mkpath(path("errors")));
        expectWarning(QStringLiteral("^CBE ERROR: OR\\(G1\t"));
        expectWarning(QStringLiteral("^1 programs have errors and were written empty.$"));
        compile(path("errors"));
        QCOMPARE(m_dialogs.asked().last().informativeText,
                 QStringLiteral("1 programs have errors and were written empty.\nFiles written. Open the folder?"));
        QVERIFY(QFile::exists(path("errors/CFG_IN.BIN")));
        newPlant();
    }

    // The image opens (every element's CRC is checked on the way in) and compiles to the same bytes.
    void imageRoundTrip()
    {
        // A file of the name the image's path becomes is not the user's plant to overwrite.
        QFile other(path("out/CFG_IN.tov"));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("mine") == 4);
        other.close();
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        QString image = path("out/CFG_IN.BIN");
        m_app->openFile(image);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(image, path("out/CFG_IN.tov"));
        QVERIFY(m_window->title().startsWith(path("out/CFG_IN.tov") + QStringLiteral(" - ")));
        QCOMPARE(m_app->plant()->getModificationStat(), 0u);
        m_dialogs.clear();
        m_dialogs.answerFile(QString()); // the save dialog comes, and is cancelled
        m_app->onSaveFileMenu();
        QCOMPARE(m_dialogs.fileRequests().size(), 1);
        QCOMPARE(m_dialogs.fileRequests().first().kind, PlantFileRequest::SaveFile);
        QCOMPARE(contents(path("out/CFG_IN.tov")), QByteArray("mine"));
        QVERIFY(QDir().mkpath(path("again")));
        compile(path("again"));
        QCOMPARE(contents(path("again/CFG_IN.BIN")), contents(path("out/CFG_IN.BIN")));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing") << "none.tov" << QByteArray() << "File not found"
                                 << "none.tov";
        QByteArray corrupted = contents(path("out/CFG_IN.BIN"));
        corrupted[corrupted.size() / 2] = char(corrupted.at(corrupted.size() / 2) ^ 0x5A);
        QTest::newRow("corrupted image") << "bad.bin" << corrupted << "264"
                                         << "";
        // Panel type 11, which no brand configuration of this program takes: header byte 7, and
        // byte 5246 of the first element (dataType 2, size at 9, CRC at 13, data from 15).
        QByteArray type11 = contents(path("out/CFG_IN.BIN"));
        const int size = int(qFromLittleEndian<quint32>(type11.constData() + 9));
        QCOMPARE(qFromLittleEndian<quint16>(type11.constData() + 13), crc16(type11.constData() + 15, u32(size)));
        type11[7] = 11;
        type11[15 + 5246] = 11;
        qToLittleEndian<quint16>(crc16(type11.constData() + 15, u32(size)), type11.data() + 13);
        QTest::newRow("panel type 11") << "type11.bin" << type11 << "File version unsupported"
                                       << "";
        QTest::newRow("not a plant file") << "bad.tov" << QByteArray("not a plant") << ""
                                          << "";
    }
    void badFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        if (!bytes.isEmpty()) {
            QFile out(path(name));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        }
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        const QString title = m_window->title();
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        QString file = path(name);
        m_app->openFile(file);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().icon, PlantMessage::Critical);
        if (!text.isEmpty())
            QVERIFY2(m_dialogs.asked().first().text.contains(text, Qt::CaseInsensitive),
                     qPrintable(m_dialogs.asked().first().text));
        if (!detail.isEmpty()) {
            QCOMPARE(m_dialogs.asked().first().detailedText, path(detail));
            QCOMPARE(m_window->title(), title);
        }
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        QCOMPARE(m_app->plant()->getModificationStat(), 0u);
    }

    void quit_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("quits");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel") << int(PlantMessage::Cancel) << false << false;
        QTest::newRow("discard") << int(PlantMessage::Discard) << true << false;
        QTest::newRow("save") << int(PlantMessage::Save) << true << true;
    }
    void quit()
    {
        QFETCH(int, answer);
        QFETCH(bool, quits);
        QFETCH(bool, written);
        newPlant();
        QVERIFY(m_app->plant()->setDescription(QStringLiteral("*a:b?")));
        QFile::remove(path("a_b.tov"));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Button(answer));
        if (written)
            m_dialogs.answerFile(path("a_b.tov"));
        QCOMPARE(m_app->onQuitRequest(), quits);
        QCOMPARE(m_dialogs.asked().first().buttons,
                 int(PlantMessage::Save | PlantMessage::Discard | PlantMessage::Cancel));
        QCOMPARE(QFile::exists(path("a_b.tov")), written);
        if (written) // the proposal is the sanitized description
            QVERIFY(m_dialogs.fileRequests().first().start.endsWith(QStringLiteral("/a_b.tov")));
    }

    // The annunciator and viewer models' changes reach the plant and mark its CPU data changed.
    void annunciators()
    {
        newPlant();
        OvAnnunciatorsSystem system(1);
        OvAnnunciator a;
        a.setCpuIndex(1);
        a.setAddress(2);
        system.setAnnunciator(a);
        m_app->onAnnunciatorsChanged(system);
        QCOMPARE(m_app->plant()->getAnnunciatorsCount(), 1);
        QCOMPARE(m_app->plant()->getModificationStat(), uint(Plant::kNewPlant | Plant::kCpus));
        m_app->onViewersChanged(system);
        QCOMPARE(m_app->plant()->getViewersCount(), 1);
        m_app->onAnnunciatorsRemoved(system);
        m_app->onViewersRemoved(system);
        QCOMPARE(m_app->plant()->getAnnunciatorsCount() + m_app->plant()->getViewersCount(), 0);
    }

    void failedSave()
    {
        newPlant();
        m_app->plant()->setDescription(QStringLiteral("Kept"));
        // A folder that cannot be written, for the superuser too: its name is taken by a file.
        QFile blocker(path("locked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString target = path("locked/P.tov");
        m_dialogs.clear();
        m_dialogs.answerFile(target);
        m_dialogs.answer(PlantMessage::Ok);
        expectWarning(QStringLiteral("^Non sono riuscito ad aprire il file .*/locked/P.tov$"));
        expectWarning(QStringLiteral("^Non sono riuscito a salvare il file.$"));
        m_app->onFileSaveAs();
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().text, QStringLiteral("Cannot write the file ") + target);
        QVERIFY(m_app->plant()->getModificationStat() > 1);
        QVERIFY(m_app->currentFilePath() != target);
        // The same at quit: Save fails, the box names the file, the program stays.
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Save);
        m_dialogs.answerFile(target);
        m_dialogs.answer(PlantMessage::Ok);
        QVERIFY(!m_app->onQuitRequest());
        QCOMPARE(m_dialogs.asked().last().text, QStringLiteral("Cannot write the file ") + target);
    }

    void recentFiles()
    {
        // Ten saves, one file twice: nine names, newest first, no duplicate.
        for (int i = 0; i < 11; ++i) {
            m_dialogs.clear();
            m_dialogs.answerFile(path(QStringLiteral("r%1.tov").arg(i == 10 ? 8 : i)));
            m_app->onFileSaveAs();
        }
        OvRecentFilesModel* model = m_app->recentFilesModel();
        QCOMPARE(model->rowCount(), 9);
        QCOMPARE(m_app->getRecentFileListSize(), 9);
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names
                << QFileInfo(model->data(model->index(row, 0), OvRecentFilesModel::itemFileName).toString()).fileName();
        QCOMPARE(
            names,
            QStringList({"r8.tov", "r9.tov", "r7.tov", "r6.tov", "r5.tov", "r4.tov", "r3.tov", "r2.tov", "r1.tov"}));
        // The menu's entry opens its file.
        m_app->plant()->setDescription(QStringLiteral("other"));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        model->clicked(3);
        QVERIFY(m_window->title().startsWith(path("r6.tov")));
    }

    void drop_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plant") << "r5.tov" << true;
        QTest::newRow("upper case image") << "X.BIN" << true;
        QTest::newRow("other") << "x.xyz" << false;
        QTest::newRow("empty") << "" << false;
    }
    void drop()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        const QString url = name.isEmpty() ? QString() : QUrl::fromLocalFile(path(name)).toString();
        QCOMPARE(m_app->isDragValid(url), valid);
        if (name == QLatin1String("r5.tov")) {
            m_app->fileDrop(url);
            QVERIFY(m_window->title().startsWith(path("r5.tov")));
        }
    }

    void title()
    {
        const QString brand = QStringLiteral(" - KV1300-01 Tavrel-FSX");
        m_app->plant()->setDescription(QString());
        QCOMPARE(m_window->title(), path("r5.tov") + brand);
        m_app->plant()->setDescription(QStringLiteral("North wing"));
        QCOMPARE(m_window->title(), path("r5.tov") + QStringLiteral(": North wing") + brand);
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        m_app->onCurrentBrandChanged(8);
        QCOMPARE(m_window->title(), m_app->currentFilePath() + QStringLiteral(" - KV1600-01 Tavrel-FSX UK"));
    }

    void csvExport()
    {
        QVERIFY(QDir().mkpath(path("csv")));
        m_dialogs.clear();
        m_dialogs.answerFile(path("csv"));
        m_dialogs.answer(PlantMessage::No);
        m_app->onXlsExportBtnClicked();
        QCOMPARE(m_dialogs.asked().size(), 1);
        const QStringList files = QDir(path("csv")).entryList(QDir::Files);
        QVERIFY2(files.contains("KV1600-01Plant.xml"), qPrintable(files.join(' ')));
        for (const char* name : {"General parameters.csv", "Zones.csv", "Groups.csv", "Panels.csv"})
            QVERIFY2(files.contains(name), name);
        QVERIFY(!files.contains("Repeaters.csv")); // none enabled
    }

    // The networked brand with a SIB on CPU 1 writes the register map beside the image.
    void modbusMap()
    {
        QVERIFY(m_app->plant()->enableSIB(0));
        QVERIFY(QDir().mkpath(path("map")));
        compile(path("map"));
        QVERIFY(QFile::exists(path("map/CFG_IN.BIN")));
        QVERIFY(QFile::exists(path("map/ModbusMap.csv")));
        // A map that cannot be written is shown; the image is written all the same.
        QVERIFY(QDir().mkpath(path("nomap/ModbusMap.csv")));
        m_dialogs.clear();
        m_dialogs.answerFile(path("nomap"));
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::Ok);
        m_dialogs.answer(PlantMessage::No);
        expectWarning(QStringLiteral("^Errore scrittura file:  \".*/nomap/ModbusMap.csv\"$"));
        expectTraceError(QStringLiteral("Can't open .*/nomap/ModbusMap.csv"));
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        const PlantMessage box = m_dialogs.asked().at(m_dialogs.asked().size() - 2);
        QCOMPARE(box.icon, PlantMessage::Critical);
        QCOMPARE(box.text, QStringLiteral("Cannot write the file ") + path("nomap/ModbusMap.csv"));
        QVERIFY(QFile::exists(path("nomap/CFG_IN.BIN")));
    }

    void fullSizeRoundTrip_data()
    {
        QTest::addColumn<uint>("seed");
        for (uint seed : {1300u, 4800u, 7u})
            QTest::addRow("seed %u", seed) << seed;
    }

    // A generated full-size networked plant compiles, saves, reopens and compiles to the same image.
    void fullSizeRoundTrip()
    {
        QFETCH(uint, seed);
#if defined(__SANITIZE_ADDRESS__)
        // Minutes under the address sanitizer with the full unwinding the GUI tests need; the
        // plant's own full-size round trip runs there, and the normal build runs this one.
        QSKIP("full-size plant: run by the normal build");
#endif
        newPlant(1);
        QVERIFY(m_app->plant()->setPlantType(1, true));
        QVERIFY2(m_app->plant()->getCpuMaxCount() > 1, qPrintable(QString::number(m_app->plant()->getCpuMaxCount())));
        // The generator fills the enabled CPUs: every one the panel takes, with all its boards.
        plantbuild::enableCpus(*m_app->plant(), m_app->plant()->getCpuMaxCount());
        m_app->setTestPlantSeed(seed);
        m_app->dbgTestMakeAll();
        Plant* plant = m_app->plant();
        QCOMPARE(plantcheck::missingTypes(*plant), QString());
        QCOMPARE(plantcheck::zoneFault(*plant), QString());
        QCOMPARE(plantcheck::limitFault(*plant, 16), QString());
        int boards = 0;
        for (int cpu = 0; cpu < plant->getCpuMaxCount(); ++cpu) {
            if (!plant->getCPUStat(uint(cpu)))
                continue;
            for (int board = 0; board < plant->getCPULibCount(cpu); ++board, ++boards) {
                int records = 0;
                for (uint line = uint(2 * board); line < uint(2 * board + 2); ++line)
                    records += plant->getActiveSensorCount(uint(cpu), line)
                        + plant->getActiveModuleCount(uint(cpu), line);
                QVERIFY2(records <= 700, qPrintable(QString("CPU %1 board %2: %3").arg(cpu).arg(board).arg(records)));
            }
        }
        QVERIFY(boards >= 16);
        QVERIFY(QDir().mkpath(path("full1")) && QDir().mkpath(path("full2")));
        compile(path("full1"));
        m_dialogs.clear();
        m_dialogs.answerFile(path("P.tov"));
        m_app->onFileSaveAs();
        QString file = path("P.tov");
        m_app->openFile(file);
        QCOMPARE(m_app->currentFilePath(), path("P.tov"));
        compile(path("full2"));
        const QByteArray first = contents(path("full1/CFG_IN.BIN"));
        QVERIFY(first.size() > 100000);
        QCOMPARE(plantcheck::imageFault(first, u8(g_zpConf->get_panel_type())), QString());
        const QByteArray second = contents(path("full2/CFG_IN.BIN"));
        // The reload announces the boards of the CPUs after the first on the trace.
        traceErrors(QStringLiteral("set_cpu_llId"));
        QCOMPARE(second.size(), first.size());
        QVERIFY(first == second);
        newPlant();
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << 0;
        QTest::newRow("dark") << 1;
    }
    void screenshots()
    {
        QFETCH(int, theme);
        QObject* themes = m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>();
        QVERIFY(themes);
        QVERIFY(QMetaObject::invokeMethod(themes, "clicked", Q_ARG(int, theme)));
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE"));
        QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
        QVERIFY(grab);
        bool ready = false;
        connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
        QTRY_VERIFY(ready);
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(grab->image().save(folder + QStringLiteral("/plant_active_%1.png").arg(theme ? "dark" : "light")));
    }
};

QTEST_APPLESS_MAIN(tst_Documents)
#include "tst_documents.moc"
