#include "app/ApplicationLog.h"

#include "app/Stopwatch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

namespace {

const qint64 kSizeLimit = 10485760; // 0xA00000: a file of exactly this size is kept
const char kAsterisks[] = "***************************************************************************************";
static_assert(sizeof(kAsterisks) == 87 + 1, "the banner's asterisk line has 87 characters");

struct LogState {
    QMutex mutex;
    QFile file;
    QString path;
    QtMessageHandler previousHandler = nullptr;
    bool installed = false;

    // A message emitted during static destruction must not reach a destroyed file.
    ~LogState() { uninstall(); }

    void uninstall()
    {
        if (!installed)
            return;
        installed = false;
        const QtMessageHandler current = qInstallMessageHandler(previousHandler);
        if (current != ApplicationLog::messageHandler)
            qInstallMessageHandler(current); // someone installed a handler after ours: keep it
    }
};

LogState s_log;

// A message raised while a line is being written on the same thread (a warning from the file
// itself) would deadlock on the lock; it is dropped instead.
thread_local bool t_writing = false;

const char* orUndef(const char* text)
{
    return text ? text : "UNDEF";
}

QByteArray formatLineAt(QtMsgType type, const QMessageLogContext& context, const QString& message,
                        const QByteArray& isoTime, qint64 elapsedMs);

// The local time of the current second. Converting to local time consults the time-zone file on
// every call; a full plant logs tens of thousands of lines a second, so the text is made once
// per second. Only the owner of the log lock calls this.
const QByteArray& localTimeText()
{
    static qint64 s_second = -1;
    static QByteArray s_text;
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != s_second) {
        s_second = second;
        s_text = QDateTime::fromSecsSinceEpoch(second).toString(Qt::ISODate).toLatin1();
    }
    return s_text;
}

} // namespace

QString versionToString(const QPair<int, int>& version)
{
    return QString::number(version.first) + QLatin1Char('.') + QString::number(version.second);
}

namespace ApplicationLog {

bool open(const QString& folder)
{
    close();

    qDebug() << "LOG INTO" << folder;
    qInfo() << folder;

    const QString path = folder + QStringLiteral("/ov4800.log");
    {
        QMutexLocker lock(&s_log.mutex);
        s_log.path = path;
        if (QDir().mkpath(folder)) {
            s_log.file.setFileName(path);
            if (s_log.file.open(QIODevice::WriteOnly | QIODevice::Append)) {
                if (s_log.file.size() > kSizeLimit) {
                    s_log.file.close();
                    QFile::remove(path);
                    s_log.file.open(QIODevice::WriteOnly | QIODevice::Append);
                }
            }
        }
    }

    s_log.previousHandler = qInstallMessageHandler(messageHandler);
    s_log.installed = true;

    QMutexLocker lock(&s_log.mutex);
    return s_log.file.isOpen();
}

void writeStartBanner(int majorVersion, int minorVersion)
{
    qInfo() << kAsterisks;
    qInfo() << "**************\t\tAPPLICATION START:" << QCoreApplication::applicationName()
            << "\tv: " << versionToString(qMakePair(majorVersion, minorVersion)) << "\t******************";
    qInfo() << kAsterisks;
}

void writeEndBanner()
{
    qInfo() << kAsterisks;
    qInfo() << "**************\t\tAPPLICATION END:" << QCoreApplication::applicationName() << "\t******************";
    qInfo() << kAsterisks;
}

void close()
{
    s_log.uninstall();
    QMutexLocker lock(&s_log.mutex);
    if (s_log.file.isOpen())
        s_log.file.close();
}

QString filePath()
{
    QMutexLocker lock(&s_log.mutex);
    return s_log.path;
}

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_writing)
        return;
    t_writing = true;
    {
        // Time is taken under the lock so the lines of the file stay in time order.
        QMutexLocker lock(&s_log.mutex);
        if (s_log.file.isOpen()) {
            QByteArray line = formatLineAt(type, context, message, localTimeText(), g_stopwatch.elapsed());
            line.append('\n');
            s_log.file.write(line);
            s_log.file.flush();
        }
    }
    t_writing = false;
}

QByteArray formatLine(QtMsgType type, const QMessageLogContext& context, const QString& message,
                      const QDateTime& dateTime, qint64 elapsedMs)
{
    return formatLineAt(type, context, message, dateTime.toString(Qt::ISODate).toLatin1(), elapsedMs);
}

} // namespace ApplicationLog

namespace {

QByteArray formatLineAt(QtMsgType type, const QMessageLogContext& context, const QString& message,
                        const QByteArray& isoTime, qint64 elapsedMs)
{
    QByteArray head = isoTime;
    head += '.';
    head += QByteArray::number(elapsedMs % 10000);
    head += " - ";

    const QByteArray file = orUndef(context.file);
    const QByteArray function = orUndef(context.function);
    const QByteArray lineNumber = QByteArray::number(context.line);
    switch (type) {
    case QtDebugMsg: head += "Debug: [" + file + '@' + lineNumber + '\t' + function + "]\t"; break;
    case QtWarningMsg: head += "Warning: [" + file + '@' + lineNumber + '\t' + function + "]\t"; break;
    case QtCriticalMsg: head += "Critical: [" + file + ':' + lineNumber + '\t' + function + ']'; break;
    case QtFatalMsg: head += "Fatal: [" + file + ':' + lineNumber + '\t' + function + ']'; break;
    case QtInfoMsg: head += "Info: "; break;
    }

    // One layout per line of the file: a text of several lines repeats the head on each, and
    // the line breaks it ends with would only leave empty lines.
    QByteArray text = message.toLocal8Bit();
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    if (text.isEmpty())
        text = "UNDEF";
    QByteArray lines;
    for (const QByteArray& part : text.split('\n')) {
        if (!lines.isEmpty())
            lines += '\n';
        lines += head + (part.endsWith('\r') ? part.chopped(1) : part);
    }
    return lines;
}

} // namespace
