// The document commands on the real application and scene, offscreen, every question and file
// dialog answered by script: new, compile, overwrite, the image and full-size round trips, bad
// files, saves, quit, recent files, drop, title and the CSV export.
#include "../io/LegacyFileGenerator.h"
#include "../plant/GeneratedPlantChecks.h"
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "DataBlock/crc.h"
#include "DocumentCommands.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvPlantInfo.h"
#include "models/OvRecentFilesModel.h"
#include "plant/OvAnnunciatorsSystem.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include <QtEndian>
#include <QtQuick>
#include <QtTest>

#include <cerrno>

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

    static constexpr const char* kOtherBrand =
        "The extension .kov belongs to plant files of another brand: this program opens plant files .tov.";

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
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
    // The tool bar's commands that need a plant, enabled or not, in this order.
    QList<bool> plantCommands() const
    {
        QList<bool> enabled;
        for (const char* name : {"saveButton", "pdfButton", "csvButton", "compileButton", "checkCbeButton"}) {
            QObject* button = m_window->findChild<QObject*>(QLatin1String(name));
            enabled << (button && button->property("enabled").toBool());
        }
        return enabled;
    }
    QObject* activePlant() const
    {
        return m_app->engine()->rootContext()->contextProperty(QStringLiteral("activePlant")).value<QObject*>();
    }
    // A plant file made by hand: magic, version 0x0200, then the compressed image as a byte array.
    static QByteArray plantFile(const QByteArray& image)
    {
        QByteArray file;
        QDataStream out(&file, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << qint32(0x13F0C475) << qint16(0x0200) << qCompress(image);
        return file;
    }
    static QByteArray randomBytes(int size)
    {
        QRandomGenerator generator(45);
        QByteArray bytes(size, 0);
        for (char& c : bytes)
            c = char(generator.bounded(256));
        return bytes;
    }
    // Size, direct count, then runs of groups: "D" direct, "R" reverse, "+" double consent.
    static QString groupRuns(const OvGroupsSystem& groups)
    {
        auto kind = [&groups](int p) {
            const OvGroup& g = groups.groups().at(p);
            return QString(g.isDirect() ? "D" : "R") + (g.doubleConsent() ? "+" : "");
        };
        QString text = QString("%1 %2").arg(groups.count()).arg(groups.directGroupsCount());
        for (int first = 0, p = 1; p <= groups.count(); ++p) {
            if (p == groups.count() || kind(p) != kind(first)) {
                text += QString(" %1%2").arg(kind(first)).arg(first + 1) + (p > first + 1 ? QString("-%1").arg(p) : "");
                first = p;
            }
        }
        return text;
    }
    // The brand chooser's command, the save question answered Discard when it comes.
    void changeBrand(int brand)
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() != 0)
            m_dialogs.answer(PlantMessage::Discard);
        m_app->onCurrentBrandChanged(brand);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(Configuration::instance()->current_brand(), brand);
    }
    // The data of one element of a version 3 image; empty when it has none.
    static QByteArray imageBlock(const QByteArray& image, int dataType)
    {
        for (int at = 8; at + 7 <= image.size();) {
            const int size = int(qFromLittleEndian<quint32>(image.constData() + at + 1));
            if (u8(image.at(at)) == dataType)
                return image.mid(at + 7, size);
            at += 7 + size;
        }
        return QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile out(path(name));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(bytes), qint64(bytes.size()));
    }
    // choice 0 KV1300, 1 KV1600-4600.
    void newPlant(int choice = 0) { newPlantCommand(m_app, m_dialogs, choice); }

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

    // Before any plant, a file that fails to open leaves none: the commands that need one stay
    // disabled and the start page stays.
    void badFileWithoutPlant_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty image") << "empty.bin" << QByteArray() << "Errors in reading the file";
        QTest::newRow("random bytes as a plant file")
            << "random.tov" << randomBytes(1000) << "The file is not a plant file";
        QTest::newRow("plant file cut short")
            << "short.tov" << plantFile(randomBytes(4000)).left(50) << "The file is damaged or in an unknown format";
        QTest::newRow("another brand's plant file") << "other.kov" << plantFile(randomBytes(4000)) << kOtherBrand;
    }
    void badFileWithoutPlant()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        write(name, bytes);
        const QString title = m_window->title();
        const QString page = m_window->property("workingAreaStat").toString();
        QCOMPARE(plantCommands(), (QList<bool>{false, false, false, false, false}));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        QString file = path(name);
        m_app->openFile(file);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().icon, PlantMessage::Critical);
        QCOMPARE(m_dialogs.asked().first().text, text);
        QCOMPARE(m_dialogs.asked().first().title, QString());
        QVERIFY(!m_app->plant());
        QVERIFY(!activePlant());
        QCOMPARE(plantCommands(), (QList<bool>{false, false, false, false, false}));
        QCOMPARE(m_window->title(), title);
        QCOMPARE(m_window->property("workingAreaStat").toString(), page);
        QCOMPARE(m_app->currentFilePath(), QString());
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
        const QByteArray image = fileContents(path("out/CFG_IN.BIN"));
        QCOMPARE(image.left(8), QByteArray::fromHex("4F2A4B280226C607"));
        QVERIFY(!QFile::exists(path("out/ModbusMap.csv")));
        QVERIFY(messages(QtInfoMsg).filter(QStringLiteral("Download completato:")).size() == 1);
        // An untouched new plant asks nothing at quit.
        QVERIFY(m_app->onQuitRequest());
        m_dialogs.clear();
        newPlant();
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            QCOMPARE(m_dialogs.asked().first().title, QStringLiteral("Plant type"));
    }

    // A new plant's groups on either panel, under its first detector brand or another, networked
    // before or after the change of brand: the first 300 direct with double consent on, the others reverse with it off,
    // in the plant and in the compiled image, where a record past the panel's groups keeps the block's default (the
    // empty program, bit 0 set). A file brings back the flags it stores, also through a change of brand after the open.
    void newPlantGroups_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("brand");
        QTest::addColumn<bool>("networked");
        QTest::addColumn<bool>("typeFirst");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("stored");
        const QString single = "400 300 D+1-300 R301-400", net = "1600 300 D+1-300 R301-1600";
        const QString singleStored = "400 300 D1 D+2-300 R+301 R302-399 R+400";
        const QString netStored = "1600 300 D1 D+2-300 R+301 R302-399 R+400 R401-1600";
        for (int panel : {0, 1})
            for (int brand : {3, 4})
                QTest::addRow("%s, brand %d", panel ? "KV1600-4600" : "KV1300", brand)
                    << panel << brand << false << false << single << singleStored;
        for (int brand : {3, 4})
            QTest::addRow("KV1600-4600 networked, brand %d", brand) << 1 << brand << true << false << net << netStored;
        QTest::newRow("KV1600-4600 networked first, brand 4") << 1 << 4 << true << true << net << netStored;
    }

    void newPlantGroups()
    {
        QFETCH(int, panel);
        QFETCH(int, brand);
        QFETCH(bool, networked);
        QFETCH(bool, typeFirst);
        QFETCH(QString, groups);
        QFETCH(QString, stored);
        newPlant(panel);
        if (networked && typeFirst)
            m_app->onPlantChangeTypeRqst(1);
        if (Configuration::instance()->current_brand() != brand)
            changeBrand(brand);
        if (networked && !typeFirst)
            m_app->onPlantChangeTypeRqst(1);
        QCOMPARE(m_app->plant()->getPlantType(), networked ? 1 : 0);
        QCOMPARE(groupRuns(m_app->plant()->groups()), groups);

        const QString folder = path(
            QStringLiteral("groups%1-%2-%3%4").arg(panel).arg(brand).arg(networked).arg(typeFirst));
        QVERIFY(QDir().mkpath(folder));
        compile(folder);
        const QByteArray image = fileContents(folder + QStringLiteral("/CFG_IN.BIN"));
        QCOMPARE(imageBlock(image, 2).mid(5202, 6).toHex(), QByteArray("000000002c01"));
        const QByteArray records = imageBlock(image, 5);
        QCOMPARE(records.size(), 1600 * 33);
        const int count = m_app->plant()->groups().count();
        for (int g = 1; g <= 1600; ++g) {
            const QByteArray expected = QByteArray::fromHex("f0") + QByteArray(31, '\0') + char(g <= 300 || g > count);
            QVERIFY2(records.mid(33 * (g - 1), 33) == expected,
                     qPrintable(QString("group %1: %2").arg(g).arg(QString(records.mid(33 * (g - 1), 33).toHex()))));
        }

        OvGroupsSystem& edited = m_app->plant()->groups();
        edited.groupAt(0)->setDoubleConsent(false);
        edited.groupAt(300)->setDoubleConsent(true);
        edited.groupAt(399)->setDoubleConsent(true);
        QString file = folder + QStringLiteral("/p.tov");
        m_dialogs.clear();
        m_dialogs.answerFile(file);
        m_app->onFileSaveAs();
        m_app->openFile(file);
        QCOMPARE(m_app->currentFilePath(), file);
        QCOMPARE(groupRuns(m_app->plant()->groups()), stored);
        changeBrand(7 - brand);
        QCOMPARE(groupRuns(m_app->plant()->groups()), stored);
        newPlant();
    }

    void overwriteRefused()
    {
        const QByteArray before = fileContents(path("out/CFG_IN.BIN"));
        m_app->plant()->setDescription(QStringLiteral("Changed"));
        m_dialogs.clear();
        m_dialogs.answerFile(path("out"));
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.asked().last().text, QStringLiteral("The file already exists. Overwrite it?"));
        QCOMPARE(m_dialogs.asked().last().title, qtTrId("USR_MSG_EXPORT_TO_BIN_FILE"));
        QCOMPARE(fileContents(path("out/CFG_IN.BIN")), before);
    }

    // The programs that do not compile, and the modules that share a loop address (as files of
    // older versions hold them), are named before the save or the compile stores them; so are
    // the modules without a typed channel, which the panel cannot keep. Cancel writes nothing.
    // After a compile the final question names the programs once more.
    void programErrors_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("untyped");
        QTest::newRow("compile, stored") << false << int(PlantMessage::Ok) << false << false;
        QTest::newRow("compile, cancelled") << false << int(PlantMessage::Cancel) << false << false;
        QTest::newRow("save, stored") << true << int(PlantMessage::Ok) << false << false;
        QTest::newRow("save, cancelled") << true << int(PlantMessage::Cancel) << false << false;
        QTest::newRow("compile, shared address, stored") << false << int(PlantMessage::Ok) << true << false;
        QTest::newRow("compile, shared address, cancelled") << false << int(PlantMessage::Cancel) << true << false;
        QTest::newRow("save, shared address, stored") << true << int(PlantMessage::Ok) << true << false;
        QTest::newRow("save, shared address, cancelled") << true << int(PlantMessage::Cancel) << true << false;
        QTest::newRow("compile, untyped channels, stored") << false << int(PlantMessage::Ok) << false << true;
        QTest::newRow("compile, untyped channels, cancelled") << false << int(PlantMessage::Cancel) << false << true;
        QTest::newRow("save, untyped channels, stored") << true << int(PlantMessage::Ok) << false << true;
        QTest::newRow("save, untyped channels, cancelled") << true << int(PlantMessage::Cancel) << false << true;
    }
    void programErrors()
    {
        QFETCH(bool, save);
        QFETCH(int, answer);
        QFETCH(bool, shared);
        QFETCH(bool, untyped);
        newPlant();
        Plant* plant = m_app->plant();
        QVERIFY(plant->setCPULoopType(0, 0, 1));
        if (untyped) {
            // Neither channel of the module at 7 has a type; the module at 9 keeps its first.
            plant->setPoint(plantbuild::point(1, 1, 7, 2, 2, 1, 133, 0, 2));
            OvGenericPoint half = plantbuild::point(1, 1, 9, 2, 2, 1, 133, 53, 2);
            OvGenericSubPoint second = half.subPoints().at(1);
            second.setSWType(0, true);
            half.updateSubPoint(second);
            plant->setPoint(half);
        } else if (shared) {
            // The second channel of the module at 2 answers at 3, where another module stands.
            OvGenericPoint dual = plantbuild::point(1, 1, 2, 2, 2, 1, 133, 53, 2);
            dual.setAreaIndex(1);
            for (OvGenericSubPoint channel : dual.subPoints()) {
                channel.setAreaIndex(1);
                dual.updateSubPoint(channel);
            }
            plant->setPoint(dual);
            OvGenericPoint output = plantbuild::point(1, 1, 3, 2, 2, 1, 130, 46);
            output.setAreaIndex(1);
            plant->setPoint(output);
        } else {
            OvGenericPoint sensor(1, 1, 1, 3);
            sensor.setPointType(PointType(2, 1, 1, 30, 4, 0));
            sensor.setAreaIndex(1);
            sensor.setCBE(QStringLiteral("OR(G1"));
            plant->setPoint(sensor);
            // A reverse group naming a sensor the loop does not have.
            QCOMPARE(plant->groups().directGroupsCount(), 300);
            plant->groups().groupAt(301)->setCBE(QStringLiteral("OR(C1L1S50)"));
            expectWarning(QStringLiteral("^CBE ERROR: OR\\(G1\t"));
            expectWarning(QStringLiteral("^CBE ERROR: OR\\(C1L1S50\\)"));
        }
        const bool stored = answer == PlantMessage::Ok;
        const QString folder = path(QTest::currentDataTag()).replace(QLatin1String(", "), QLatin1String("-"));
        QVERIFY(QDir().mkpath(folder));
        const QString target = save ? folder + QStringLiteral("/p.tov") : folder + QStringLiteral("/CFG_IN.BIN");
        m_dialogs.clear();
        m_dialogs.answerFile(save ? target : folder);
        if (!save && !plant->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::Button(answer));
        if (!save && stored) {
            m_dialogs.answer(PlantMessage::No);
            if (!shared && !untyped)
                expectWarning(QStringLiteral("^2 programs have errors and were written empty.$"));
        }
        if (save)
            m_app->onFileSaveAs();
        else
            m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        const PlantMessage& asked = m_dialogs.asked().at(m_dialogs.asked().size() - (!save && stored ? 2 : 1));
        QCOMPARE(asked.text,
                 untyped ? QStringLiteral("These modules have no channel with a type and will not be stored:")
                     : shared
                     ? QStringLiteral("These devices share a loop address with another device and will be stored as "
                                      "they are:")
                     : QStringLiteral("These programs have errors and will be stored empty:"));
        QCOMPARE(asked.informativeText,
                 untyped      ? QStringLiteral("C1L1M7")
                     : shared ? QStringLiteral("C1L1M2, C1L1M3")
                              : QStringLiteral("G302, C1L1S3"));
        QCOMPARE(asked.buttons, int(PlantMessage::Ok | PlantMessage::Cancel));
        QCOMPARE(asked.defaultButton, PlantMessage::Cancel);
        QCOMPARE(QFile::exists(target), stored);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/ModbusMap.csv")));
        QCOMPARE(plant->isPlantDataModified(), !(save && stored));
        if (!save && stored)
            QCOMPARE(m_dialogs.asked().last().text,
                     QString(shared || untyped ? "" : "2 programs have errors and were written empty.\n")
                         + "Folder: " + folder + QStringLiteral("\nFiles written. Open the folder?"));
        if (save && stored && (shared || untyped)) {
            m_dialogs.clear();
            QString opened = target;
            m_app->openFile(opened);
            QCOMPARE(m_dialogs.asked().size(), 0);
        }
        if (save && stored && shared) {
            // The file opens as it was stored, both modules where they were.
            QCOMPARE(int(m_app->plant()->getPoint(0, 0, 1, 2)->hwType()), 133);
            QCOMPARE(int(m_app->plant()->getPoint(0, 0, 2, 2)->hwType()), 130);
        }
        if (save && stored && untyped) {
            // As it said: the module without a typed channel is gone, the other keeps its typed one.
            QCOMPARE(int(m_app->plant()->getPoint(0, 0, 6, 2)->hwType()), 0);
            const OvGenericPoint* half = m_app->plant()->getPoint(0, 0, 8, 2);
            QCOMPARE(int(half->hwType()), 133);
            QCOMPARE(half->getValidCount(), 1);
        }
        newPlant();
    }

    // Boards past the panel's device blocks are not stored: the save says so before it writes,
    // and Cancel writes nothing.
    void devicesLeftOutAtSave_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("stored") << int(PlantMessage::Ok);
        QTest::newRow("cancelled") << int(PlantMessage::Cancel);
    }
    void devicesLeftOutAtSave()
    {
        QFETCH(int, answer);
        newPlant(1);
        Plant* plant = m_app->plant();
        plant->setPlantType(1, false);
        for (int c = 1; c <= 17; ++c) {
            CPUDevice* cpu = plant->cpus().cpuAt(c - 1);
            cpu->setEnabled(true);
            cpu->setCpuType(8);
            cpu->setLibCount(c < 17 ? 4 : 1);
            const OvGenericPoint sensor = plantbuild::point(c, 1, 1, 1, 1, 1, 20, 2);
            plant->cpus().setPoint(&sensor);
        }
        traceErrors("set_cpu_llId");
        expectWarning("^No free device block: CPU 17 LIB 1 loop 1 not stored, 1 device records left out$");
        expectWarning("^No free device block: CPU 17 LIB 1 loop 2 not stored, 0 device records left out$");
        const QString target = path(QStringLiteral("leftout-%1.tov").arg(QTest::currentDataTag()));
        m_dialogs.clear();
        m_dialogs.answerFile(target);
        m_dialogs.answer(PlantMessage::Button(answer));
        m_app->onFileSaveAs();
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.asked().last().text, QStringLiteral("1 device did not fit and was left out."));
        QCOMPARE(QFile::exists(target), answer == PlantMessage::Ok);
        newPlant();
    }

    // Going down to a smaller plant type asks once, the question ending in one question mark.
    void lowerPlantTypeQuestion()
    {
        newPlant(1);
        QVERIFY(m_app->plant()->setPlantType(1, true));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Cancel);
        m_app->onPlantChangeTypeRqst(0);
        QCOMPARE(m_dialogs.pending(), 0);
        const QString text = m_dialogs.asked().last().text;
        QVERIFY2(text.endsWith(QLatin1String(" continue?")), qPrintable(text));
        QCOMPARE(m_app->plant()->getPlantType(), 1);
        newPlant();
    }

    // Going stand-alone names the CPUs after the first (type 7 takes one board, 8 two to four) with
    // their boards and device records (a sensor and a module of two channels on each); Cancel
    // leaves them to be counted alike by the next question, Ok removes them.
    void standAloneQuestion_data()
    {
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QString>("removed");
        QTest::newRow("CPU 1 only") << 1 << 1 << QString();
        QTest::newRow("2 CPUs") << 2 << 2 << "CPUs: 1, loop interface boards: 2, devices: 3";
        QTest::newRow("16 CPUs of 4 boards") << 16 << 4 << "CPUs: 15, loop interface boards: 60, devices: 45";
        QTest::newRow("64 CPUs") << 64 << 1 << "CPUs: 63, loop interface boards: 63, devices: 189";
    }
    void standAloneQuestion()
    {
        QFETCH(int, last);
        QFETCH(int, boards);
        QFETCH(QString, removed);
        newPlant(1);
        Plant* plant = m_app->plant();
        QVERIFY(plant->setPlantType(1, true));
        for (int c = 1; c <= last; ++c) {
            if (c > 1) {
                plant->setCPUStat(c - 1, true);
                plant->setCPUType(c - 1, boards > 1 ? 8 : 7);
                plant->setCPULibCount(c - 1, boards);
                QVERIFY(plant->setCPULoopType(uint(c - 1), 0, uint(plant->getCPULoopType(0, 0))));
            }
            plant->setPoint(plantbuild::point(c, 1, 1, 2, 1, 1, 30, 4));
            plant->setPoint(plantbuild::point(c, 1, 9, 2, 2, 1, 133, 53, 2));
        }
        const QString expected = removed.isEmpty()
            ? qtTrId("USR_MSG_CONFIRM_PLANT_CHANGE_TYPE")
            : QString("A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, "
                      "boards and devices (%1). Do you want to continue?")
                  .arg(removed);
        m_dialogs.clear();
        for (PlantMessage::Button answer : {PlantMessage::Cancel, PlantMessage::Cancel, PlantMessage::Ok}) {
            m_dialogs.answer(answer);
            m_app->onPlantChangeTypeRqst(0);
            QCOMPARE(m_dialogs.asked().last().text, expected);
        }
        QCOMPARE(
            QString("%1 %2 %3").arg(m_dialogs.asked().size()).arg(plant->getPlantType()).arg(plant->cpus().count()),
            QString("3 0 1"));
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
        QCOMPARE(fileContents(path("out/CFG_IN.tov")), QByteArray("mine"));
        QVERIFY(QDir().mkpath(path("again")));
        compile(path("again"));
        QCOMPARE(fileContents(path("again/CFG_IN.BIN")), fileContents(path("out/CFG_IN.BIN")));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing") << "none.tov" << QByteArray() << "File not found"
                                 << "none.tov";
        QByteArray corrupted = fileContents(path("out/CFG_IN.BIN"));
        corrupted[corrupted.size() / 2] = char(corrupted.at(corrupted.size() / 2) ^ 0x5A);
        QTest::newRow("corrupted image") << "bad.bin" << corrupted << "Checksum error: the file is damaged"
                                         << "";
        // Panel type 11, which no brand configuration of this program takes: header byte 7, and
        // byte 5246 of the first element (dataType 2, size at 9, CRC at 13, data from 15).
        QByteArray type11 = fileContents(path("out/CFG_IN.BIN"));
        const int size = int(qFromLittleEndian<quint32>(type11.constData() + 9));
        QCOMPARE(qFromLittleEndian<quint16>(type11.constData() + 13), crc16(type11.constData() + 15, u32(size)));
        type11[7] = 11;
        type11[15 + 5246] = 11;
        qToLittleEndian<quint16>(crc16(type11.constData() + 15, u32(size)), type11.data() + 13);
        QTest::newRow("panel type 11") << "type11.bin" << type11 << "File version unsupported"
                                       << "";
        QTest::newRow("not a plant file") << "bad.tov" << QByteArray("not a plant") << ""
                                          << "";
        // This build's configurations take no plant file of an earlier release.
        QTest::newRow("earlier release") << "earlier.tov" << legacygen::file(legacygen::record(2, QByteArray()))
                                         << "File version unsupported"
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

    // Under a configuration of the earlier releases the open command reads a plant file of one
    // with the reader the program's start installed.
    void legacyFileRead()
    {
        write("earlier.tov", legacygen::file(legacygen::record(2, legacygen::fText(4, "Earlier"))));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        const int running = Configuration::instance()->configNumber();
        Configuration::instance()->set_configNumber(3);
        QString file = path("earlier.tov");
        m_app->openFile(file);
        Configuration::instance()->set_configNumber(running);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().icon, PlantMessage::Warning);
        QCOMPARE(m_app->plant()->getDescription(), QStringLiteral("Earlier"));
    }

    // A file that fails to open leaves the modified plant that was open as it was: its image, its
    // name, the window title, its modification state and the commands.
    void failedOpenKeepsThePlant_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QByteArray image = fileContents(path("out/CFG_IN.BIN"));
        QVERIFY(image.size() > 10000);
        QTest::newRow("empty image") << "empty.bin" << QByteArray() << "Errors in reading the file";
        QTest::newRow("1000 bytes of an image") << "part.bin" << image.left(1000) << "Errors in reading the file";
        QByteArray corrupted = image;
        corrupted[corrupted.size() / 2] = char(corrupted.at(corrupted.size() / 2) ^ 0x5A);
        QTest::newRow("corrupted image") << "crc.bin" << corrupted << "Checksum error: the file is damaged";
        QTest::newRow("random bytes as a plant file")
            << "random.tov" << randomBytes(4096) << "The file is not a plant file";
        const QByteArray whole = plantFile(image);
        QTest::newRow("plant file cut short")
            << "short.tov" << whole.left(whole.size() / 2) << "The file is damaged or in an unknown format";
        QTest::newRow("another brand's plant file")
            << "kept.KOV" << whole << QString(kOtherBrand).replace("kov", "KOV");
    }
    void failedOpenKeepsThePlant()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Plant* plant = m_app->plant();
        QVERIFY(plant);
        plant->setDescription(QStringLiteral("Kept %1").arg(QTest::currentDataTag()));
        const uint stat = plant->getModificationStat();
        QVERIFY(stat > 1);
        const QString folder = path(QStringLiteral("keep/") + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder + "/before") && QDir().mkpath(folder + "/after"));
        compile(folder + "/before");
        const QString file = m_app->currentFilePath();
        const QString title = m_window->title();
        const QString page = m_window->property("workingAreaStat").toString();
        const QList<bool> commands = plantCommands();
        QCOMPARE(commands.mid(1, 3), (QList<bool>{true, true, true}));
        write(name, bytes);
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        m_dialogs.answer(PlantMessage::Ok);
        QString opened = path(name);
        m_app->openFile(opened);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.asked().size(), 2);
        const PlantMessage box = m_dialogs.asked().last();
        QCOMPARE(box.icon, PlantMessage::Critical);
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, QString());
        QCOMPARE(m_app->plant(), plant);
        QCOMPARE(activePlant(), static_cast<QObject*>(plant));
        QCOMPARE(plant->getDescription(), QStringLiteral("Kept %1").arg(QTest::currentDataTag()));
        QCOMPARE(plant->getModificationStat(), stat);
        QVERIFY(plant->isModified());
        QCOMPARE(m_app->currentFilePath(), file);
        QCOMPARE(m_window->title(), title);
        QCOMPARE(m_window->property("workingAreaStat").toString(), page);
        QCOMPARE(plantCommands(), commands);
        compile(folder + "/after");
        QCOMPARE(fileContents(folder + "/after/CFG_IN.BIN"), fileContents(folder + "/before/CFG_IN.BIN"));
        // Nothing of the bad file is kept: the plant as it was compiles to the same bytes.
        traceErrors();
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
        const QString named = QStringLiteral("Cannot write the file %1: %2").arg(target, qt_error_string(ENOTDIR));
        QCOMPARE(m_dialogs.asked().first().text, named);
        QVERIFY(m_app->plant()->getModificationStat() > 1);
        QVERIFY(m_app->currentFilePath() != target);
        // The same at quit: Save fails, the box names the file, the program stays.
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Save);
        m_dialogs.answerFile(target);
        m_dialogs.answer(PlantMessage::Ok);
        QVERIFY(!m_app->onQuitRequest());
        QCOMPARE(m_dialogs.asked().last().text, named);
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
        // The File menu numbers them from 1.
        QObject* fileMenu = m_window->findChild<QObject*>(QStringLiteral("fileMenu"));
        QVERIFY(QMetaObject::invokeMethod(fileMenu, "open"));
        QQuickItem* first = nullptr;
        QVERIFY(QMetaObject::invokeMethod(m_window->findChild<QObject*>(QStringLiteral("recentMenu")), "itemAt",
                                          Q_RETURN_ARG(QQuickItem*, first), Q_ARG(int, 0)));
        QCOMPARE(first->property("text").toString(), "1 " + path("r8.tov"));
        QVERIFY(QMetaObject::invokeMethod(fileMenu, "dismiss"));
        // The menu's entry opens its file.
        m_app->plant()->setDescription(QStringLiteral("other"));
        QVERIFY(plantCommands().first()); // Save, after a save
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        model->clicked(3);
        QVERIFY(m_window->title().startsWith(path("r6.tov")));
    }

    // Open and import ask to save a modified plant once, before their file dialog; what they
    // open leaves nothing to save.
    void openAsksOnce()
    {
        for (const bool import : {false, true}) {
            m_app->plant()->setDescription(QStringLiteral("Changed"));
            m_dialogs.clear();
            m_dialogs.answer(PlantMessage::Discard);
            m_dialogs.answerFile(path(import ? "out/CFG_IN.BIN" : "r3.tov"));
            import ? m_app->onImportBtnClicked() : m_app->onOpenFileMenu();
            QCOMPARE(m_dialogs.asked().size(), 1);
            QCOMPARE(m_app->currentFilePath(), path(import ? "out/CFG_IN.tov" : "r3.tov"));
            QVERIFY(!plantCommands().first());
        }
    }

    void drop_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plant") << "r5.tov" << true;
        QTest::newRow("upper case image") << "X.BIN" << true;
        QTest::newRow("other") << "x.xyz" << false;
        QTest::newRow("another brand's plant file") << "x.fov" << true;
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

    // Each file dialog names its files the same way: the kind, a blank, the pattern.
    void fileFilters_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("filter");
        QTest::newRow("open") << 0 << "Plant files (*.tov)";
        QTest::newRow("import") << 1 << "Panel image files (*.bin)";
        QTest::newRow("save as") << 2 << "Plant files (*.tov)";
    }
    void fileFilters()
    {
        QFETCH(int, command);
        QFETCH(QString, filter);
        m_dialogs.clear();
        m_dialogs.answerFile(QString()); // cancelled
        if (command == 0)
            m_app->onOpenFileMenu();
        else if (command == 1)
            m_app->onImportBtnClicked();
        else
            m_app->onFileSaveAs();
        QCOMPARE(m_dialogs.fileRequests().size(), 1);
        QCOMPARE(m_dialogs.fileRequests().first().filter, filter);
    }

    void title()
    {
        const QString brand = QStringLiteral(" - KV1300-01 Tavrel-FSX");
        m_app->plant()->setDescription(QString());
        QCOMPARE(m_window->title(), path("r5.tov") + brand);
        m_app->plant()->setDescription(QStringLiteral("North wing"));
        QCOMPARE(m_window->title(), path("r5.tov") + QStringLiteral(": North wing") + brand);
        // Another detector brand keeps the panel's names; the plant is read again from the panel
        // data, which hold the opened file's description, not the discarded one, and is unnamed.
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        m_app->onCurrentBrandChanged(4);
        QCOMPARE(Configuration::instance()->current_brand(), 4);
        QCOMPARE(m_window->title(), QStringLiteral("New plant: Kept") + brand);
        // The panel of the tests that follow.
        newPlant(1);
        QCOMPARE(m_window->title(), QStringLiteral("New plant - KV1600-01 Tavrel-FSX UK"));
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
        // A file of the set that cannot be replaced is named, with the system's reason.
        QVERIFY(QFile::remove(path("csv/Zones.csv")) && QDir().mkpath(path("csv/Zones.csv")));
        m_dialogs.clear();
        m_dialogs.answerFile(path("csv"));
        m_dialogs.answer(PlantMessage::Ok);
        expectWarning("a file of the set could not be written");
        m_app->onXlsExportBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        const PlantMessage box = m_dialogs.asked().last();
        QCOMPARE(box.icon, PlantMessage::Critical);
        QCOMPARE(box.text, QStringLiteral("Cannot write the export files"));
        QCOMPARE(box.informativeText,
                 QStringLiteral("Cannot write the file %1: %2").arg(path("csv/Zones.csv"), qt_error_string(EISDIR)));
    }

    // A KV1600-4600 loop chooser offers only the protocols the panel keeps under the plant's
    // detector brand; every loop set to what it offers comes back from the file as it was set,
    // and the image compiled after the round trip is the same to the byte.
    void loopProtocolsKept_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<QVariantList>("offered");
        QTest::newRow("brand 3: VARN only") << 3 << QVariantList{1};
        QTest::newRow("brand 4: APOLLO only") << 4 << QVariantList{2};
    }
    void loopProtocolsKept()
    {
        QFETCH(int, brand);
        QFETCH(QVariantList, offered);
        newPlant(1);
        Configuration::instance()->set_current_brand(brand);
        OvPlantInfo info;
        QCOMPARE(info.loopTypes(), offered);
        Plant* plant = m_app->plant();
        const int loops = plant->getCPULoopCount(0);
        QCOMPARE(loops, 2);
        for (int l = 0; l < loops; ++l)
            QVERIFY(plant->setCPULoopType(0, uint(l), offered.at(l % offered.size()).toUInt()));
        OvGenericPoint sensor(1, 1, 1, 3);
        sensor.setPointType(offered.first().toInt() == 2 ? PointType(4, 1, 4, 62464, 2, 1)
                                                         : PointType(2, 1, 1, 30, 4, 0));
        sensor.setAreaIndex(1);
        QVERIFY2(sensor.isValid(), "a sensor of the loop's protocol");
        plant->setPoint(sensor);
        const QString dir = QStringLiteral("brand%1").arg(brand);
        QVERIFY(QDir().mkpath(path(dir + "a")) && QDir().mkpath(path(dir + "b")));
        compile(path(dir + "a"));
        m_dialogs.clear();
        m_dialogs.answerFile(path(dir + ".tov"));
        m_app->onFileSaveAs();
        QString file = path(dir + ".tov");
        m_app->openFile(file);
        QCOMPARE(m_app->currentFilePath(), path(dir + ".tov"));
        plant = m_app->plant();
        QCOMPARE(Configuration::instance()->current_brand(), brand);
        QCOMPARE(info.loopTypes(), offered);
        for (int l = 0; l < loops; ++l)
            QCOMPARE(plant->getCPULoopType(0, uint(l)), offered.at(l % offered.size()).toInt());
        QCOMPARE(plant->getActiveSensorCount(0, 0), 1);
        compile(path(dir + "b"));
        const QByteArray first = fileContents(path(dir + "a/CFG_IN.BIN"));
        QVERIFY(first.size() > 1000);
        QCOMPARE(fileContents(path(dir + "b/CFG_IN.BIN")).toHex(), first.toHex());
        newPlant();
    }

    // The question after compile and CSV export names the folder, and a Yes hands the viewer
    // that very folder, also when its name holds characters a URL treats apart.
    void openFolder_data()
    {
        QTest::addColumn<bool>("compileCommand");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("boxes");
        QTest::newRow("compile") << true << "open plain" << true << 0;
        QTest::newRow("compile, hash") << true << "open#1" << true << 0;
        QTest::newRow("compile, percent and question mark") << true << "a%20b?c" << true << 0;
        QTest::newRow("compile, no viewer") << true << "open#2" << false << 1;
        QTest::newRow("csv") << false << "csv plain" << true << 0;
        QTest::newRow("csv, hash") << false << "csv#1" << true << 0;
        QTest::newRow("csv, no viewer") << false << "csv#2" << false << 1;
    }
    void openFolder()
    {
        QFETCH(bool, compileCommand);
        QFETCH(QString, name);
        QFETCH(bool, opens);
        QFETCH(int, boxes);
        if (!m_app->plant())
            newPlant();
        const QString folder = path(name);
        QVERIFY(QDir().mkpath(folder));
        m_dialogs.clear();
        m_dialogs.setViewerOpens(opens);
        m_dialogs.answerFile(folder);
        if (compileCommand && !m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::Yes);
        for (int b = 0; b < boxes; ++b)
            m_dialogs.answer(PlantMessage::Ok);
        const int before = m_dialogs.shownUrls().size();
        if (compileCommand)
            m_app->onCompileBtnClicked();
        else
            m_app->onXlsExportBtnClicked();
        m_dialogs.setViewerOpens(false);
        QCOMPARE(m_dialogs.pending(), 0);
        const PlantMessage question = m_dialogs.asked().at(m_dialogs.asked().size() - 1 - boxes);
        QCOMPARE(question.title, qtTrId(compileCommand ? "USR_MSG_EXPORT_TO_BIN_FILE" : "USR_MSG_EXPORT_TO_CSV_FILE"));
        QCOMPARE(question.text,
                 QStringLiteral("Folder: ") + QDir::toNativeSeparators(folder)
                     + QStringLiteral("\nFiles written. Open the folder?"));
        QCOMPARE(m_dialogs.shownUrls().size(), before + 1);
        const QUrl shown = m_dialogs.shownUrls().last();
        QCOMPARE(shown, QUrl::fromLocalFile(folder));
        QCOMPARE(shown.toLocalFile(), folder);
        if (boxes > 0)
            QCOMPARE(m_dialogs.asked().last().title, question.title);
        if (boxes > 0)
            QCOMPARE(m_dialogs.asked().last().text,
                     compileCommand ? QStringLiteral("Cannot open the folder") : QStringLiteral("Export completed"));
    }

    // The networked brand with a SIB on CPU 1 writes the register map beside the image.
    void modbusMap()
    {
        QVERIFY(m_app->plant()->enableSIB(0));
        QVERIFY(QDir().mkpath(path("map")));
        compile(path("map"));
        QVERIFY(QFile::exists(path("map/CFG_IN.BIN")));
        QVERIFY(QFile::exists(path("map/ModbusMap.csv")));
        // A map that cannot be written is shown; the image is not written without it.
        QVERIFY(QDir().mkpath(path("nomap/ModbusMap.csv")));
        m_dialogs.clear();
        m_dialogs.answerFile(path("nomap"));
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::Ok);
        expectWarning(QStringLiteral("^Errore scrittura file:  \".*/nomap/ModbusMap.csv\"$"));
        expectTraceError(QStringLiteral("Can't open .*/nomap/ModbusMap.csv"));
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        const PlantMessage box = m_dialogs.asked().last();
        QCOMPARE(box.icon, PlantMessage::Critical);
        QCOMPARE(
            box.text,
            QStringLiteral("Cannot write the file %1: %2").arg(path("nomap/ModbusMap.csv"), qt_error_string(EISDIR)));
        QVERIFY(!QFile::exists(path("nomap/CFG_IN.BIN")));
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
        // Under detector brand 3 the loops of a KV panel are VARN.
        QCOMPARE(Configuration::instance()->current_brand(), 3);
        QCOMPARE(plantcheck::missingTypes(*plant, {OvLoop::LOOP_VARN500}), QString());
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
        const QByteArray first = fileContents(path("full1/CFG_IN.BIN"));
        QVERIFY(first.size() > 100000);
        QCOMPARE(plantcheck::imageFault(first, u8(g_zpConf->get_panel_type())), QString());
        const QByteArray second = fileContents(path("full2/CFG_IN.BIN"));
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
