// Two starts of the program in one process. The first opens a KV1600-4600 plant, whose brand
// renames the application, and there chooses Italian, saves the plant and sizes the window; the
// second, under the first brand again, must find all of it in the first brand's settings file.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "core/OvParametersReference.h"

#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_settingsrestart";
static char* s_argv[] = {s_arg0, nullptr};

class tst_SettingsRestart : public TestBase {
    Q_OBJECT

    Ov4kApp* m_app = nullptr;
    QString m_plantFile;

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        {
            ScriptedDialogs dialogs;
            dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + 1));
            m_app->onFileNewMenu();
            QCOMPARE(Configuration::instance()->appName(), QStringLiteral("KV1600-01"));
            m_app->onSelectLanguage(QStringLiteral("ov4800_it.qm"));
            QCOMPARE(m_app->languageInUse(), QStringLiteral("it"));
            QVERIFY(QDir().mkpath(s_home.path() + QStringLiteral("/plants")));
            m_plantFile = s_home.path() + QStringLiteral("/plants/north")
                + Configuration::instance()->getFileExtension();
            dialogs.answerFile(m_plantFile);
            m_app->onFileSaveAs();
            QVERIFY(QFile::exists(m_plantFile));
            m_app->setWndWidth(1111);
            m_app->setWndHeight(777);
            QVERIFY(m_app->onQuitRequest());
            QCOMPARE(dialogs.pending() + dialogs.pendingFiles(), 0);
        }
        delete m_app;
        m_app = newTestApp(s_argc, s_argv);
        QVERIFY(runToFirstFrame(m_app));
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    void nextStartReads_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const QString config = s_home.path() + QStringLiteral("/.config");
        QTest::newRow("language") << m_app->languageInUse() << "it";
        QTest::newRow("recent files") << OvParametersReference::RecentFilesName().join('|') << m_plantFile;
        QTest::newRow("last folder") << OvParametersReference().getLastFilePath() << s_home.path() + "/plants";
        QTest::newRow("window size") << QString("%1x%2").arg(m_app->getWndWidth()).arg(m_app->getWndHeight())
                                     << "1111x777";
        QTest::newRow("settings file") << QDir(config).entryList({"*.conf"}, QDir::Files).join('|')
                + QDir(config + "/Tavrel-FSX").entryList(QDir::Files).join('|')
                                       << "KV1300-01.conf";
    }
    void nextStartReads()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_APPLESS_MAIN(tst_SettingsRestart)
#include "tst_settingsrestart.moc"
