#include "TestBase.h"

#include "OS/TraceLog.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <mutex>

namespace {

TestBase* s_current = nullptr;
QtMessageHandler s_previous = nullptr;
// A compile's worker logs while the test's thread does: the handler's records take turns.
std::mutex s_records;

// "unit/function:line E", then "[message]" and ":task(code) " when present; an optional time
// prefix stands before it. A message with a line break in it closes its bracket on a later line; a
// line cut at the line size may end anywhere after the "[".
const QString kTail = QStringLiteral("(?::\\S*\\(-?\\d+\\) ?)?");
const QRegularExpression
    kErrorLine(QStringLiteral("(\\S+:\\d+ E(?|\\[(.*)\\]%1|\\[([^\\[\\]]*)\\]%1|\\[(.*)|%1))$").arg(kTail),
               QRegularExpression::MultilineOption);

} // namespace

void TestBase::expectWarning(const QString& pattern)
{
    const std::lock_guard<std::mutex> lock(s_records);
    m_warnings << Expectation{QRegularExpression(pattern), false};
}

void TestBase::expectTraceError(const QString& pattern)
{
    m_traceErrors << Expectation{QRegularExpression(pattern), false};
}

QString TestBase::trace()
{
    g_logger().flush();
    QFile file(m_tracePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text;
    // reset() removes "<name>.0": if it exists, the file rotated since and the test's first lines
    // are there.
    QFile rotated(m_tracePath + QStringLiteral(".0"));
    if (rotated.open(QIODevice::ReadOnly)) {
        if (rotated.seek(m_traceStart))
            text = rotated.readAll();
    } else {
        file.seek(m_traceStart);
    }
    return QString::fromLatin1(text + file.readAll());
}

QStringList TestBase::traceErrors(const QString& where)
{
    QStringList found;
    for (auto it = kErrorLine.globalMatch(trace()); it.hasNext();) {
        const auto match = it.next();
        const QString line = match.captured(1);
        if (line.left(line.indexOf(QLatin1String(" E"))).contains(where)) {
            found << match.captured(2);
            m_consumed << line;
        }
    }
    return found;
}

QStringList TestBase::messages(QtMsgType type) const
{
    const std::lock_guard<std::mutex> lock(s_records);
    QStringList found;
    for (const auto& message : m_messages)
        if (message.first == type)
            found << message.second;
    return found;
}

void TestBase::initTestCase()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_tracePath = m_dir->filePath(QStringLiteral("trace.log"));
    QCOMPARE(g_logger().open_file(m_tracePath.toStdString(), true), 0);
    // Error lines carry stack traces; a failure names the lines instead.
    g_logger().set_console(false);
    s_current = this;
    s_previous = qInstallMessageHandler(handler);
    reset();
}

void TestBase::cleanupTestCase()
{
    qInstallMessageHandler(s_previous);
    s_current = nullptr;
    g_logger().close_file();
    g_logger().set_file_output(false);
    g_logger().set_console(true);
    m_dir.reset();
}

void TestBase::reset()
{
    // Each test starts on an empty trace file: what went before is never read, and a test that
    // lowers the process's file-size limit must find room for its own lines whatever ran before.
    g_logger().close_file();
    QFile::remove(m_tracePath + QStringLiteral(".0"));
    QFile::remove(m_tracePath);
    QCOMPARE(g_logger().open_file(m_tracePath.toStdString(), true), 0);
    m_traceStart = 0;
    const std::lock_guard<std::mutex> lock(s_records);
    m_warnings.clear();
    m_traceErrors.clear();
    m_messages.clear();
    m_unexpected.clear();
    m_consumed.clear();
}

bool TestBase::announced(QList<Expectation>& expectations, const QString& text)
{
    for (auto& expectation : expectations) {
        if (expectation.pattern.match(text).hasMatch()) {
            expectation.seen = true;
            return true;
        }
    }
    return false;
}

void TestBase::cleanup()
{
    QStringList faults;
    {
        const std::lock_guard<std::mutex> lock(s_records);
        faults = m_unexpected;
    }
    for (auto it = kErrorLine.globalMatch(trace()); it.hasNext();) {
        const QString line = it.next().captured(1);
        if (!m_consumed.contains(line) && !announced(m_traceErrors, line))
            faults << QStringLiteral("trace error: ") + line;
    }
    {
        const std::lock_guard<std::mutex> lock(s_records);
        for (const auto& expectation : m_warnings + m_traceErrors)
            if (!expectation.seen)
                faults << QStringLiteral("announced, never logged: ") + expectation.pattern.pattern();
    }
    reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestBase::handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    TestBase* self = s_current;
    if (self) {
        const std::lock_guard<std::mutex> lock(s_records);
        self->m_messages << qMakePair(type, text);
        if (type == QtWarningMsg || type == QtCriticalMsg) {
            if (self->announced(self->m_warnings, text))
                return;
            self->m_unexpected << QStringLiteral("Qt message: ") + text;
        }
    }
    if (s_previous)
        s_previous(type, context, text);
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
