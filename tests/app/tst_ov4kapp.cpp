// The real application object, started offscreen with private settings and data folders and
// quit from its own event loop; the log it leaves behind is then read line by line.
// One QApplication per process: the object is built by the first test function and
// destroyed by startAndQuit(), so the order of the functions matters.
#include "IsolatedHome.h"

#include "app/Ov4kApp.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

namespace {

IsolatedHome* g_home = nullptr;

// The program name, one option Qt takes for itself, then a file name split by the shell.
int g_argc = 6;
char g_arg0[] = "tst_ov4kapp";
char g_arg1[] = "-platform";
char g_arg2[] = "offscreen";
char g_arg3[] = "a";
char g_arg4[] = "b";
char g_arg5[] = "c";
char* g_argv[] = {g_arg0, g_arg1, g_arg2, g_arg3, g_arg4, g_arg5, nullptr};

const QString kStars = QString(87, QLatin1Char('*'));
// Date and time, "." and the milliseconds modulo 10000 without leading zeros, " - ".
const QString kStamp = QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.(0|[1-9]\d{0,3}) - )");

QString infoText(const QString& line)
{
    const int at = line.indexOf(QLatin1String(" - Info: "));
    return at < 0 ? QString() : line.mid(at + 9);
}

} // namespace

class TestOv4kApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void argumentsJoinedAfterQtOptions();
    void mouseUnknownBeforeFirstMove();
    void mouseMoveRecordedRounded_data();
    void mouseMoveRecordedRounded();
    void mousePressNotRecorded();
    void startAndQuit();
    void logInAppDataFolderOfBrand();
    void logStartsWithStartBanner();
    void logEndsWithEndBanner();
    void logHoldsMainLoopStart();
    void onlyFirstArgumentLogged();
    void noFailedConnection();
    void noWarningOrCriticalLine();
    void everyLineMatchesItsLevel();

private:
    Ov4kApp* m_app = nullptr;
    QString m_logPath;
    QStringList m_lines;
};

void TestOv4kApp::initTestCase()
{
    QVERIFY(g_home && g_home->isValid());
    m_app = new Ov4kApp(g_argc, g_argv);
}

void TestOv4kApp::argumentsJoinedAfterQtOptions()
{
    QCOMPARE(m_app->currentFilePath(), QStringLiteral("a b c"));
}

void TestOv4kApp::mouseUnknownBeforeFirstMove()
{
    QCOMPARE(m_app->getMouseXPosition(), -1);
    QCOMPARE(m_app->getMouseYPosition(), -1);
}

void TestOv4kApp::mouseMoveRecordedRounded_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("halves round upward") << QPointF(2.5, -2.5) << 3 << -2;
    QTest::newRow("nearest") << QPointF(10.4, 7.6) << 10 << 8;
    QTest::newRow("origin") << QPointF(0.0, 0.0) << 0 << 0;
    QTest::newRow("negative below half") << QPointF(-3.4, -0.6) << -3 << -1;
}

void TestOv4kApp::mouseMoveRecordedRounded()
{
    QFETCH(QPointF, pos);
    QFETCH(int, x);
    QFETCH(int, y);
    QObject receiver;
    QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&receiver, &move);
    QCOMPARE(m_app->getMouseXPosition(), x);
    QCOMPARE(m_app->getMouseYPosition(), y);
}

void TestOv4kApp::mousePressNotRecorded()
{
    QObject receiver;
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 30), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&receiver, &move);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 60), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&receiver, &press);
    QCOMPARE(m_app->getMouseXPosition(), 20);
    QCOMPARE(m_app->getMouseYPosition(), 30);
}

void TestOv4kApp::startAndQuit()
{
    // Quit once the scene has drawn its first frame, so bindings evaluated while drawing
    // have reported what they had to.
    Ov4kApp* app = m_app;
    QTimer::singleShot(0, app, [app] {
        QQuickWindow* window = app->mainWindow();
        QVERIFY(window);
        QObject::connect(window, &QQuickWindow::frameSwapped, app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window->update();
    });
    const int result = m_app->run();
    QCOMPARE(result, 0);
    QVERIFY(m_app->mainWindow());
    QCOMPARE(m_app->mainWindow()->title(), QStringLiteral("KV1300-01 Tavrel-FSX"));
    QQmlContext* context = m_app->engine()->rootContext();
    QCOMPARE(context->contextProperty(QStringLiteral("theApp")).value<QObject*>(),
             static_cast<QObject*>(m_app));
    QVERIFY(context->contextProperty(QStringLiteral("theThemeModel")).value<QObject*>());
    QVERIFY(context->contextProperty(QStringLiteral("theCpuTypeMdl")).value<QObject*>());
    QVERIFY(context->contextProperty(QStringLiteral("theParameters")).value<QObject*>());
    QVERIFY(context->contextProperty(QStringLiteral("config")).value<QObject*>());
    QVERIFY(!context->contextProperty(QStringLiteral("activePlant")).value<QObject*>());
    QCOMPARE(m_app->mainWindow()->property("workingAreaStat").toString(), QStringLiteral("JUST_OPEN"));

    m_logPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                + QStringLiteral("/ov4800.log");
    delete m_app;
    m_app = nullptr;

    QFile file(m_logPath);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(m_logPath));
    m_lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    QVERIFY(!m_lines.isEmpty());
    QCOMPARE(m_lines.takeLast(), QString()); // the last line is ended too
    QVERIFY(m_lines.size() >= 8);
}

void TestOv4kApp::logInAppDataFolderOfBrand()
{
    // The brand applied first names the folder: organisation, then application.
    QCOMPARE(m_logPath, g_home->path() + QStringLiteral("/.local/share/Tavrel-FSX/KV1300-01/ov4800.log"));
}

void TestOv4kApp::logStartsWithStartBanner()
{
    QCOMPARE(infoText(m_lines.at(0)), kStars);
    QCOMPARE(infoText(m_lines.at(1)),
             QStringLiteral("**************\t\tAPPLICATION START: \"KV1300-01\" \tv:  \"2.7\" \t******************"));
    QCOMPARE(infoText(m_lines.at(2)), kStars);
}

void TestOv4kApp::logEndsWithEndBanner()
{
    const int n = m_lines.size();
    QCOMPARE(infoText(m_lines.at(n - 3)), kStars);
    QCOMPARE(infoText(m_lines.at(n - 2)),
             QStringLiteral("**************\t\tAPPLICATION END: \"KV1300-01\" \t******************"));
    QCOMPARE(infoText(m_lines.at(n - 1)), kStars);
}

void TestOv4kApp::logHoldsMainLoopStart()
{
    int count = 0;
    for (const QString& line : qAsConst(m_lines))
        count += infoText(line) == QLatin1String("Start Main Loop.");
    QCOMPARE(count, 1);
}

void TestOv4kApp::onlyFirstArgumentLogged()
{
    QStringList logged;
    for (const QString& line : qAsConst(m_lines)) {
        if (line.contains(QLatin1String("Application argument:")))
            logged << infoText(line);
    }
    QCOMPARE(logged, QStringList{QStringLiteral("Application argument:  \"a\"")});
}

void TestOv4kApp::noFailedConnection()
{
    for (const QString& line : qAsConst(m_lines)) {
        QVERIFY2(!line.contains(QLatin1String("FAILED")), qPrintable(line));
        QVERIFY2(!line.contains(QLatin1String("Connect SIGNAL")), qPrintable(line));
    }
}

void TestOv4kApp::noWarningOrCriticalLine()
{
    // QML warnings reach the log as warning lines.
    const QRegularExpression bad(kStamp + QStringLiteral("(Warning|Critical|Fatal): "));
    QStringList found;
    for (const QString& line : qAsConst(m_lines)) {
        if (bad.match(line).hasMatch()) {
            qInfo().noquote() << line;
            found << line;
        }
    }
    QVERIFY2(found.isEmpty(), "warning or critical lines in the log, listed above");
}

void TestOv4kApp::everyLineMatchesItsLevel()
{
    const QRegularExpression layout(
        kStamp
        + QStringLiteral(R"(((Debug|Warning): \[[^\t]+@\d+\t[^\t]*\]\t.*)"
                         R"(|(Critical|Fatal): \[[^\t]+:\d+\t[^\t]*\](?!\t).*)"
                         R"(|Info: .*)$)"));
    for (const QString& line : qAsConst(m_lines))
        QVERIFY2(layout.match(line).hasMatch(), qPrintable(line));
    // A debug line of this program carries its own source file.
    bool ownSource = false;
    for (const QString& line : qAsConst(m_lines))
        ownSource = ownSource || line.contains(QRegularExpression(QStringLiteral(R"(Debug: \[[^\t]*Ov4kApp\.cpp@\d+\t)")));
    QVERIFY(ownSource);
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    g_home = &home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/.local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/.cache")));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = home.path() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    // Offscreen has no OpenGL: the scene draws in software, as with "swgl.par".
    qputenv("QT_QUICK_BACKEND", "software");
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);

    TestOv4kApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ov4kapp.moc"
