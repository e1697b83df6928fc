// The program started without its scene: run() says so in the log and in its exit code.
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"

#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_startfailure";
static char* s_argv[] = {s_arg0, nullptr};

class tst_StartFailure : public TestBase {
    Q_OBJECT

    Ov4kApp* m_app = nullptr;

private slots:
    // The log's handler comes first, so the test base's handler sees every message on top of it.
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        Q_INIT_RESOURCE(translations);
        m_app = new Ov4kApp(s_argc, s_argv);
        TestBase::initTestCase();
    }

    // The scene's resource is never linked, so "qrc:/qml/main.qml" does not exist.
    void sceneMissing()
    {
        expectWarning(QStringLiteral("^QQmlComponent: Component is not ready$"));
        expectWarning(QStringLiteral("^Filed to create GUI components\\.$"));
        QCOMPARE(m_app->run(), EXIT_FAILURE);
        QVERIFY(!m_app->mainWindow());
        QCOMPARE(messages(QtCriticalMsg), QStringList{"Filed to create GUI components."});
        delete m_app;

        // An announced message stops at the test base; the log holds the rest, with source
        // positions relative to the source tree, and ends with its banner.
        QFile file(s_home.path() + QStringLiteral("/.local/share/Tavrel-FSX/KV1300-01/ov4800.log"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QStringList lines = QString::fromLocal8Bit(file.readAll()).split('\n');
        QCOMPARE(lines
                     .filter(QRegularExpression(
                         QStringLiteral(R"(^\S+ - Debug: \[src/app/Ov4kApp\.cpp@\d+\tint Ov4kApp::run\(\)\]\t>>>$)")))
                     .size(),
                 1);
        QCOMPARE(lines.mid(lines.size() - 3, 2).filter(QStringLiteral("APPLICATION END:")).size(), 1);
    }
};

QTEST_APPLESS_MAIN(tst_StartFailure)
#include "tst_startfailure.moc"
