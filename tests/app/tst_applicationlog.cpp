// The application log: line layout of each level, banners, appending, the size limit at
// start, uninstalling on close, and whole lines from several threads. Every test logs into
// a folder of its own.
#include "app/ApplicationLog.h"
#include "IsolatedHome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const qint64 kLimit = 10485760;
const QString kAsterisks = QString(87, QLatin1Char('*'));

struct CallSite
{
    QString file;
    int line;
    QString function;
};

// Each message is emitted on the same line as the __LINE__ that names it.
CallSite logAt(QtMsgType type, const QString& text)
{
    switch (type) {
    case QtDebugMsg:
        qDebug().noquote() << text; return {QStringLiteral(__FILE__), __LINE__, QString::fromLatin1(Q_FUNC_INFO)};
    case QtWarningMsg:
        qWarning().noquote() << text; return {QStringLiteral(__FILE__), __LINE__, QString::fromLatin1(Q_FUNC_INFO)};
    case QtCriticalMsg:
        qCritical().noquote() << text; return {QStringLiteral(__FILE__), __LINE__, QString::fromLatin1(Q_FUNC_INFO)};
    case QtInfoMsg:
        qInfo().noquote() << text; return {QStringLiteral(__FILE__), __LINE__, QString::fromLatin1(Q_FUNC_INFO)};
    case QtFatalMsg:
        break;
    }
    return {};
}

// Date-time, "." and 0 to 9999 without leading zeros, " - ".
const QString kStamp = QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.(0|[1-9]\d{0,3}) - )");

QString debugPattern(const CallSite& at, const QString& text)
{
    return kStamp + QStringLiteral("Debug: \\[") + QRegularExpression::escape(at.file) + QLatin1Char('@')
           + QString::number(at.line) + QStringLiteral("\\t") + QRegularExpression::escape(at.function)
           + QStringLiteral("\\]\\t") + QRegularExpression::escape(text) + QLatin1Char('$');
}

QString warningPattern(const CallSite& at, const QString& text)
{
    return kStamp + QStringLiteral("Warning: \\[") + QRegularExpression::escape(at.file) + QLatin1Char('@')
           + QString::number(at.line) + QStringLiteral("\\t") + QRegularExpression::escape(at.function)
           + QStringLiteral("\\]\\t") + QRegularExpression::escape(text) + QLatin1Char('$');
}

QString criticalPattern(const CallSite& at, const QString& text)
{
    return kStamp + QStringLiteral("Critical: \\[") + QRegularExpression::escape(at.file) + QLatin1Char(':')
           + QString::number(at.line) + QStringLiteral("\\t") + QRegularExpression::escape(at.function)
           + QStringLiteral("\\]") + QRegularExpression::escape(text) + QLatin1Char('$');
}

QString infoPattern(const QString& text)
{
    return kStamp + QStringLiteral("Info: ") + QRegularExpression::escape(text) + QLatin1Char('$');
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The file's lines; the last one must be ended too.
QStringList readLines(const QString& path)
{
    QString text = QString::fromLocal8Bit(readAll(path));
    if (text.isEmpty())
        return {};
    if (!text.endsWith(QLatin1Char('\n')))
        return {QStringLiteral("<last line not ended>")};
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The message part of an info line.
QString infoText(const QString& line)
{
    const QRegularExpressionMatch match = QRegularExpression(kStamp + QStringLiteral("Info: (.*)$")).match(line);
    return match.hasMatch() ? match.captured(2) : QStringLiteral("<not an info line: %1>").arg(line);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QStringList s_captured;

void captureHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    s_captured.append(message);
}

} // namespace

class TstApplicationLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formatLine_data();
    void formatLine();
    void versionText_data();
    void versionText();

    void levelLayouts();
    void startAndEndBanners();
    void bannerVersion();
    void appendsToExistingFile();
    void sizeLimitAtStart_data();
    void sizeLimitAtStart();
    void createsMissingFolders();
    void folderCannotBeCreated();
    void closeUninstallsHandler();
    void threadsWriteWholeLines();

private:
    QString logPath() const { return m_dir->path() + QStringLiteral("/ov4800.log"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstApplicationLog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstApplicationLog::cleanup()
{
    ApplicationLog::close();
    m_dir.reset();
}

void TstApplicationLog::formatLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray at = "2024-01-02T03:04:05.";
    QTest::newRow("debug") << int(QtDebugMsg) << QByteArray("a") << 12 << QByteArray("f")
                           << QStringLiteral("x") << qint64(12345) << at + "2345 - Debug: [a@12\tf]\tx";
    QTest::newRow("warning") << int(QtWarningMsg) << QByteArray("a") << 12 << QByteArray("f")
                             << QStringLiteral("x") << qint64(12345) << at + "2345 - Warning: [a@12\tf]\tx";
    QTest::newRow("critical") << int(QtCriticalMsg) << QByteArray("a") << 12 << QByteArray("f")
                              << QStringLiteral("x") << qint64(12345) << at + "2345 - Critical: [a:12\tf]x";
    QTest::newRow("fatal") << int(QtFatalMsg) << QByteArray("a") << 12 << QByteArray("f")
                           << QStringLiteral("x") << qint64(12345) << at + "2345 - Fatal: [a:12\tf]x";
    QTest::newRow("info") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                          << QStringLiteral("x") << qint64(12345) << at + "2345 - Info: x";
    QTest::newRow("ms 10007") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                              << QStringLiteral("x") << qint64(10007) << at + "7 - Info: x";
    QTest::newRow("ms 0") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                          << QStringLiteral("x") << qint64(0) << at + "0 - Info: x";
    QTest::newRow("ms 9999") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                             << QStringLiteral("x") << qint64(9999) << at + "9999 - Info: x";
    QTest::newRow("ms 10000") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                              << QStringLiteral("x") << qint64(10000) << at + "0 - Info: x";
    QTest::newRow("ms 3600050") << int(QtInfoMsg) << QByteArray("a") << 12 << QByteArray("f")
                                << QStringLiteral("x") << qint64(3600050) << at + "50 - Info: x";
    QTest::newRow("debug undef") << int(QtDebugMsg) << QByteArray() << 0 << QByteArray()
                                 << QString() << qint64(1) << at + "1 - Debug: [UNDEF@0\tUNDEF]\tUNDEF";
    QTest::newRow("warning undef") << int(QtWarningMsg) << QByteArray() << 0 << QByteArray()
                                   << QString() << qint64(1) << at + "1 - Warning: [UNDEF@0\tUNDEF]\tUNDEF";
    QTest::newRow("critical undef") << int(QtCriticalMsg) << QByteArray() << 0 << QByteArray()
                                    << QString() << qint64(1) << at + "1 - Critical: [UNDEF:0\tUNDEF]UNDEF";
    QTest::newRow("fatal undef") << int(QtFatalMsg) << QByteArray() << 0 << QByteArray()
                                 << QString() << qint64(1) << at + "1 - Fatal: [UNDEF:0\tUNDEF]UNDEF";
    QTest::newRow("info undef") << int(QtInfoMsg) << QByteArray() << 0 << QByteArray()
                                << QString() << qint64(1) << at + "1 - Info: UNDEF";
    QTest::newRow("message with tabs and quotes")
        << int(QtDebugMsg) << QByteArray("src/app/Ov4kApp.cpp") << 120
        << QByteArray("int Ov4kApp::run()") << QStringLiteral("\"GUI\"\tcreated.") << qint64(42)
        << at + "42 - Debug: [src/app/Ov4kApp.cpp@120\tint Ov4kApp::run()]\t\"GUI\"\tcreated.";
}

void TstApplicationLog::formatLine()
{
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QByteArray, function);
    QFETCH(QString, message);
    QFETCH(qint64, elapsed);
    QFETCH(QByteArray, expected);

    const QMessageLogContext context(file.isNull() ? nullptr : file.constData(), line,
                                     function.isNull() ? nullptr : function.constData(), "default");
    // Milliseconds of the clock are not part of the date-time.
    const QDateTime at(QDate(2024, 1, 2), QTime(3, 4, 5, 678));
    QCOMPARE(ApplicationLog::formatLine(QtMsgType(type), context, message, at, elapsed), expected);
}

void TstApplicationLog::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2.7") << 2 << 7 << QStringLiteral("2.7");
    QTest::newRow("10.0") << 10 << 0 << QStringLiteral("10.0");
    QTest::newRow("0.12") << 0 << 12 << QStringLiteral("0.12");
}

void TstApplicationLog::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, expected);
    QCOMPARE(versionToString(qMakePair(major, minor)), expected);
}

void TstApplicationLog::levelLayouts()
{
    QVERIFY(ApplicationLog::open(m_dir->path()));
    QCOMPARE(ApplicationLog::filePath(), logPath());

    const CallSite debugAt = logAt(QtDebugMsg, QStringLiteral("debug text"));
    const CallSite warningAt = logAt(QtWarningMsg, QStringLiteral("warning text"));
    const CallSite criticalAt = logAt(QtCriticalMsg, QStringLiteral("critical text"));
    logAt(QtInfoMsg, QStringLiteral("info text"));
    // The debug stream's own form: items separated by a blank, texts quoted.
    qInfo() << "Application argument: " << QStringLiteral("a b");
    ApplicationLog::close();

    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), 5);
    QVERIFY2(QRegularExpression(debugPattern(debugAt, QStringLiteral("debug text"))).match(lines.at(0)).hasMatch(),
             qPrintable(lines.at(0)));
    QVERIFY2(QRegularExpression(warningPattern(warningAt, QStringLiteral("warning text"))).match(lines.at(1)).hasMatch(),
             qPrintable(lines.at(1)));
    QVERIFY2(QRegularExpression(criticalPattern(criticalAt, QStringLiteral("critical text"))).match(lines.at(2)).hasMatch(),
             qPrintable(lines.at(2)));
    QVERIFY2(QRegularExpression(infoPattern(QStringLiteral("info text"))).match(lines.at(3)).hasMatch(),
             qPrintable(lines.at(3)));
    QCOMPARE(infoText(lines.at(4)), QStringLiteral("Application argument:  \"a b\""));
    QVERIFY(!readAll(logPath()).contains('\r'));
}

void TstApplicationLog::startAndEndBanners()
{
    QVERIFY(ApplicationLog::open(m_dir->path()));
    ApplicationLog::writeStartBanner(2, 7);
    qInfo("Start Main Loop.");
    ApplicationLog::writeEndBanner();
    ApplicationLog::close();

    // "LOG INTO" and the folder are written before the handler exists: not in the file.
    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), 7);
    QCOMPARE(infoText(lines.at(0)), kAsterisks);
    QCOMPARE(infoText(lines.at(1)),
             QStringLiteral("**************\t\tAPPLICATION START: \"tst_applicationlog\" \tv:  \"2.7\" \t******************"));
    QCOMPARE(infoText(lines.at(2)), kAsterisks);
    QCOMPARE(infoText(lines.at(3)), QStringLiteral("Start Main Loop."));
    QCOMPARE(infoText(lines.at(4)), kAsterisks);
    QCOMPARE(infoText(lines.at(5)),
             QStringLiteral("**************\t\tAPPLICATION END: \"tst_applicationlog\" \t******************"));
    QCOMPARE(infoText(lines.at(6)), kAsterisks);
}

void TstApplicationLog::bannerVersion()
{
    QVERIFY(ApplicationLog::open(m_dir->path()));
    ApplicationLog::writeStartBanner(3, 12);
    ApplicationLog::close();

    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), 3);
    QCOMPARE(infoText(lines.at(1)),
             QStringLiteral("**************\t\tAPPLICATION START: \"tst_applicationlog\" \tv:  \"3.12\" \t******************"));
}

void TstApplicationLog::appendsToExistingFile()
{
    writeFile(logPath(), "earlier run\n");

    QVERIFY(ApplicationLog::open(m_dir->path()));
    qInfo("first run");
    ApplicationLog::close();
    QVERIFY(ApplicationLog::open(m_dir->path()));
    qInfo("second run");
    ApplicationLog::close();

    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("earlier run"));
    QCOMPARE(infoText(lines.at(1)), QStringLiteral("first run"));
    QCOMPARE(infoText(lines.at(2)), QStringLiteral("second run"));
}

void TstApplicationLog::sizeLimitAtStart_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("kept");
    QTest::newRow("one byte under") << qint64(10485759) << true;
    QTest::newRow("exactly 10485760") << qint64(10485760) << true;
    QTest::newRow("one byte over") << qint64(10485761) << false;
}

void TstApplicationLog::sizeLimitAtStart()
{
    QFETCH(qint64, size);
    QFETCH(bool, kept);

    QByteArray earlier(int(size), 'x');
    earlier[int(size) - 1] = '\n';
    writeFile(logPath(), earlier);
    QCOMPARE(QFileInfo(logPath()).size(), size);

    QVERIFY(ApplicationLog::open(m_dir->path()));
    qInfo("new run");
    ApplicationLog::close();

    const QByteArray content = readAll(logPath());
    const int newLineStart = kept ? int(size) : 0;
    QCOMPARE(content.left(newLineStart), earlier.left(newLineStart));
    const QString newLine = QString::fromLocal8Bit(content.mid(newLineStart));
    QVERIFY2(newLine.endsWith(QLatin1Char('\n')), qPrintable(newLine.left(200)));
    QCOMPARE(infoText(newLine.chopped(1)), QStringLiteral("new run"));
    QVERIFY(kept ? content.size() > kLimit : content.size() < 100);
}

void TstApplicationLog::createsMissingFolders()
{
    const QString folder = m_dir->path() + QStringLiteral("/data/OvTest/tst_applicationlog");
    QVERIFY(ApplicationLog::open(folder));
    QCOMPARE(ApplicationLog::filePath(), folder + QStringLiteral("/ov4800.log"));
    qInfo("in a new folder");
    ApplicationLog::close();

    const QStringList lines = readLines(folder + QStringLiteral("/ov4800.log"));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(infoText(lines.at(0)), QStringLiteral("in a new folder"));
}

void TstApplicationLog::folderCannotBeCreated()
{
    // A regular file where a folder of the path should be.
    writeFile(m_dir->path() + QStringLiteral("/blocked"), "not a folder\n");
    const QString folder = m_dir->path() + QStringLiteral("/blocked/log");

    s_captured.clear();
    const QtMessageHandler before = qInstallMessageHandler(captureHandler);
    const bool opened = ApplicationLog::open(folder);
    // The handler is installed anyway and drops what it cannot write.
    qWarning("dropped");
    ApplicationLog::writeEndBanner();
    ApplicationLog::close();
    qWarning("after close");
    qInstallMessageHandler(before);

    QVERIFY(!opened);
    QVERIFY(!QFile::exists(folder + QStringLiteral("/ov4800.log")));
    // Only the two lines written before the handler existed, and the one after close.
    QCOMPARE(s_captured, QStringList({QStringLiteral("LOG INTO \"%1\"").arg(folder),
                                      QStringLiteral("\"%1\"").arg(folder), QStringLiteral("after close")}));
}

void TstApplicationLog::closeUninstallsHandler()
{
    s_captured.clear();
    const QtMessageHandler before = qInstallMessageHandler(captureHandler);
    QVERIFY(ApplicationLog::open(m_dir->path()));
    qInfo("while open");
    ApplicationLog::close();
    qWarning("after close");
    qCritical("after close too");
    // A call already on its way when the file closed sees a closed file.
    const QMessageLogContext context(__FILE__, __LINE__, Q_FUNC_INFO, "default");
    ApplicationLog::messageHandler(QtWarningMsg, context, QStringLiteral("late call"));
    const QtMessageHandler restored = qInstallMessageHandler(before);

    // Function pointers have no QCOMPARE form.
    QVERIFY(restored == captureHandler);
    QCOMPARE(s_captured.mid(2), QStringList({QStringLiteral("after close"), QStringLiteral("after close too")}));
    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(infoText(lines.at(0)), QStringLiteral("while open"));
}

void TstApplicationLog::threadsWriteWholeLines()
{
    const int threadCount = 4;
    const int linesPerThread = 500;
    // Long lines make a torn write likely to show.
    const QString padding(300, QLatin1Char('p'));

    QVERIFY(ApplicationLog::open(m_dir->path()));
    CallSite at;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t, &padding, &at]() {
            for (int i = 0; i < linesPerThread; ++i) {
                const CallSite site = logAt(QtDebugMsg, QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(padding));
                if (t == 0 && i == 0)
                    at = site;
            }
        }));
    }
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        QVERIFY(thread->wait());
    ApplicationLog::close();

    const QStringList lines = readLines(logPath());
    QCOMPARE(lines.size(), threadCount * linesPerThread);
    const QRegularExpression pattern(debugPattern(at, QStringLiteral("thread ")).chopped(1)
                                     + QStringLiteral("(\\d) line (\\d+) ") + padding + QLatin1Char('$'));
    QVector<int> next(threadCount, 0);
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = pattern.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(300)));
        const int t = match.captured(2).toInt();
        QVERIFY(t < threadCount);
        // Each thread's lines keep their order.
        QCOMPARE(match.captured(3).toInt(), next[t]);
        ++next[t];
    }
    QCOMPARE(next, QVector<int>(threadCount, linesPerThread));
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;

    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OvTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_applicationlog"));

    TstApplicationLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_applicationlog.moc"
