#include "core/ApplicationLog.h"

#include "core/Stopwatch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMetaObject>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const qint64 kSizeLimit = 10485760; // 0xA00000: a file of exactly this size is kept
// Debug and info lines are gathered up to this size, or until the event loop next runs, before
// they go to the file; a full plant logs tens of thousands of lines in one command, and a write
// per line would cost more than the command itself.
const size_t kBatchSize = 256 * 1024;
// A logger that hands over a batch waits while more than this waits for the writer, so a
// runaway logger cannot hold memory without limit.
const size_t kWaitingLimit = 4 * 1024 * 1024;
const char kAsterisks[] = "***************************************************************************************";
static_assert(sizeof(kAsterisks) == 87 + 1, "the banner's asterisk line has 87 characters");

// A message raised while a line is being written on the same thread (a warning from the file
// itself) would deadlock on the lock; it is dropped instead. The writer thread is always writing.
thread_local bool t_writing = false;

// Lines are put together under the lock by the thread that logs them, so the file keeps the
// order in which they were logged; a writer thread takes the batches to the file, so the logging
// thread, mostly the GUI thread, never waits on the write. Without a writer thread the logging
// thread writes in place. Standard primitives rather than Qt's: the thread sanitizer sees the
// order they make, which Qt's make inside a library it does not watch.
struct LogState {
    std::mutex mutex;
    std::condition_variable work;    // batches wait, or the writer is to stop
    std::condition_variable written; // the writer has written batches
    QFile file;                      // while the writer runs, only the writer touches it
    bool accepting = false;          // the file is open and takes lines
    QString path;
    std::string pending;             // whole lines gathered for the next batch
    std::deque<std::string> batches; // handed to the writer, oldest first
    std::vector<std::string> spare;  // emptied batches, kept with their room
    size_t waitingBytes = 0;         // handed and not yet written, the batch in writing included
    quint64 handedCount = 0;
    quint64 writtenCount = 0;
    std::thread writer;
    bool writerRunning = false;
    bool stopping = false;
    bool flushQueued = false;
    QtMessageHandler previousHandler = nullptr;
    bool installed = false;

    // A message emitted during static destruction must not reach a destroyed file.
    ~LogState()
    {
        uninstall();
        shutDown();
    }

    // Caller holds the lock. Everything gathered goes to the writer, or to the file at once
    // when there is none; returns the count of handed batches that covers it.
    quint64 handOver()
    {
        if (pending.empty())
            return handedCount;
        if (!writerRunning) {
            if (file.isOpen())
                file.write(pending.data(), qint64(pending.size()));
            pending.clear();
            return handedCount;
        }
        waitingBytes += pending.size();
        batches.push_back(std::move(pending));
        pending.clear();
        if (!spare.empty()) {
            pending.swap(spare.back());
            spare.pop_back();
        } else {
            pending.reserve(kBatchSize + kBatchSize / 4);
        }
        ++handedCount;
        work.notify_one();
        return handedCount;
    }

    // Caller holds the lock; returns once the first count batches handed are in the file.
    void waitWritten(std::unique_lock<std::mutex>& lock, quint64 count)
    {
        while (writerRunning && writtenCount < count)
            written.wait(lock);
    }

    void writeBatches()
    {
        t_writing = true;
        std::string batch;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            while (batches.empty() && !stopping)
                work.wait(lock);
            if (batches.empty())
                break;
            batch.swap(batches.front());
            batches.pop_front();
            lock.unlock();
            file.write(batch.data(), qint64(batch.size()));
            lock.lock();
            ++writtenCount;
            waitingBytes -= batch.size();
            batch.clear();
            if (spare.size() < 4) {
                spare.push_back(std::move(batch));
                batch = std::string();
            }
            written.notify_all();
        }
        // Under the same lock that saw the last batch: later lines are written in place.
        writerRunning = false;
        written.notify_all();
    }

    // Starts the writer thread; without one the lines are written in place.
    void startWriter()
    {
        stopping = false;
        writerRunning = true;
        try {
            writer = std::thread([this] { writeBatches(); });
        } catch (const std::system_error&) {
            writerRunning = false;
        }
    }

    // Writes everything gathered, stops the writer and closes the file.
    void shutDown()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            handOver();
            stopping = true;
            work.notify_one();
        }
        if (writer.joinable())
            writer.join();
        std::lock_guard<std::mutex> lock(mutex);
        handOver(); // lines logged while the writer stopped
        accepting = false;
        if (file.isOpen())
            file.close();
        pending.clear();
        pending.shrink_to_fit();
        spare.clear();
    }

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

const char* orUndef(const char* text)
{
    return text ? text : "UNDEF";
}

void appendLine(std::string& out, QtMsgType type, const QMessageLogContext& context, const QString& message,
                const QByteArray& isoTime, qint64 elapsedMs);

void flushQueuedLines()
{
    std::unique_lock<std::mutex> lock(s_log.mutex);
    s_log.flushQueued = false;
    s_log.waitWritten(lock, s_log.handOver());
}

// Runs the flush on the thread of the application object, queued by name from whichever thread
// logs. Qt then builds and runs the queued call inside its own library, so the thread that runs
// it reads nothing the logging thread wrote outside the log's lock, whose order the thread
// sanitizer sees; a queued functor would be built on the logging thread and read on the other
// with only Qt's event queue between them. Made before main, on the main thread.
class LogFlusher : public QObject {
    Q_OBJECT

public slots:
    void flush() { flushQueuedLines(); }
};

LogFlusher s_flusher;

// The local time of the current second. Converting to local time consults the time-zone file on
// every call; a full plant logs tens of thousands of lines a second, so the text is made once
// per second. Reading the wall clock costs about as much as a short line, so it is read again
// only once the stopwatch (elapsedMs, read before) shows that the second may have ended, with a
// few milliseconds to spare for truncation and rate differences. Only the owner of the log lock
// calls this.
const QByteArray& localTimeText(qint64 elapsedMs)
{
    static qint64 s_second = -1;
    static qint64 s_sameFrom = 0;
    static qint64 s_sameUntil = -1;
    static QByteArray s_text;
    if (elapsedMs >= s_sameFrom && elapsedMs < s_sameUntil)
        return s_text;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = now / 1000;
    if (second != s_second) {
        s_second = second;
        s_text = QDateTime::fromSecsSinceEpoch(second).toString(Qt::ISODate).toLatin1();
    }
    const qint64 margin = 3;
    s_sameFrom = elapsedMs;
    s_sameUntil = now < 0 ? -1 : elapsedMs + (1000 - now % 1000) - margin;
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
        std::lock_guard<std::mutex> lock(s_log.mutex);
        s_log.path = path;
        s_log.flushQueued = false;
        if (QDir().mkpath(folder)) {
            s_log.file.setFileName(path);
            const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
            if (s_log.file.open(mode)) {
                if (s_log.file.size() > kSizeLimit) {
                    s_log.file.close();
                    QFile::remove(path);
                    s_log.file.open(mode);
                }
            }
        }
        s_log.accepting = s_log.file.isOpen();
        if (s_log.accepting)
            s_log.startWriter();
    }

    s_log.previousHandler = qInstallMessageHandler(messageHandler);
    s_log.installed = true;

    std::lock_guard<std::mutex> lock(s_log.mutex);
    return s_log.accepting;
}

// The name the start banner gave: a plant of another panel family renames the application, and
// the end banner still closes the run it opened.
static QString s_startedName;

void writeStartBanner(int majorVersion, int minorVersion)
{
    s_startedName = QCoreApplication::applicationName();
    qInfo() << kAsterisks;
    qInfo() << "**************\t\tAPPLICATION START:" << s_startedName
            << "\tv: " << versionToString(qMakePair(majorVersion, minorVersion)) << "\t******************";
    qInfo() << kAsterisks;
}

void writeEndBanner()
{
    qInfo() << kAsterisks;
    const QString name = s_startedName.isEmpty() ? QCoreApplication::applicationName() : s_startedName;
    qInfo() << "**************\t\tAPPLICATION END:" << name << "\t******************";
    qInfo() << kAsterisks;
}

void close()
{
    s_log.uninstall();
    s_log.shutDown();
}

QString filePath()
{
    std::lock_guard<std::mutex> lock(s_log.mutex);
    return s_log.path;
}

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_writing)
        return;
    t_writing = true;
    {
        // Time is taken under the lock so the lines of the file stay in time order.
        std::unique_lock<std::mutex> lock(s_log.mutex);
        if (s_log.accepting) {
            const qint64 elapsedMs = g_stopwatch.elapsed();
            appendLine(s_log.pending, type, context, message, localTimeText(elapsedMs), elapsedMs);
            s_log.pending += '\n';
            if (type != QtDebugMsg && type != QtInfoMsg) {
                // A warning or worse may come just before a crash: it and what led to it are in
                // the file before the call returns.
                s_log.waitWritten(lock, s_log.handOver());
            } else if (s_log.pending.size() >= kBatchSize) {
                s_log.handOver();
                while (s_log.writerRunning && s_log.waitingBytes > kWaitingLimit)
                    s_log.written.wait(lock);
            } else if (!s_log.flushQueued) {
                if (QCoreApplication::instance()) {
                    s_log.flushQueued = true;
                    QMetaObject::invokeMethod(&s_flusher, "flush", Qt::QueuedConnection);
                }
            }
        }
    }
    t_writing = false;
}

QByteArray formatLine(QtMsgType type, const QMessageLogContext& context, const QString& message,
                      const QDateTime& dateTime, qint64 elapsedMs)
{
    std::string line;
    appendLine(line, type, context, message, dateTime.toString(Qt::ISODate).toLatin1(), elapsedMs);
    return QByteArray(line.data(), int(line.size()));
}

} // namespace ApplicationLog

namespace {

using ApplicationLog::putText;

char* put(char* p, const char* text, size_t length)
{
    std::memcpy(p, text, length);
    return p + length;
}

enum class Text { NotAscii, Ascii, AsciiWithBreaks };

// A plain ASCII message, nearly every line, copied to to as it is, and whether it holds a '\n'
// or '\r', so a single line needs no second look; NotAscii, with to partly written, for any
// other text.
Text putAscii(char* to, const QString& message)
{
    const ushort* chars = message.utf16();
    const size_t size = size_t(message.size());
    size_t i = 0;
    bool breaks = false;
#if defined(__SSE2__)
    // Eight characters at a time.
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    const __m128i newline = _mm_set1_epi16('\n');
    const __m128i carriageReturn = _mm_set1_epi16('\r');
    __m128i found = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, high), _mm_setzero_si128())) != 0xFFFF)
            return Text::NotAscii;
        found = _mm_or_si128(found, _mm_or_si128(_mm_cmpeq_epi16(v, newline), _mm_cmpeq_epi16(v, carriageReturn)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(to + i), _mm_packus_epi16(v, v));
    }
    breaks = _mm_movemask_epi8(found) != 0;
#endif
    for (; i < size; ++i) {
        if (chars[i] >= 0x80)
            return Text::NotAscii;
        breaks = breaks || chars[i] == '\n' || chars[i] == '\r';
        to[i] = char(chars[i]);
    }
    return breaks ? Text::AsciiWithBreaks : Text::Ascii;
}

// Room for a line's head and ASCII message, kept between lines: growing the batch itself first
// would fill the new room before the line overwrites it. A thread's room has no destructor to
// register, so a thread's first line never waits for the dynamic linker's lock (which a library
// loading on another thread holds). A longer line gets room of its own.
char* lineRoom(size_t size, std::unique_ptr<char[]>& longer)
{
    thread_local char t_room[1024];
    if (size <= sizeof t_room)
        return t_room;
    longer.reset(new char[size]);
    return longer.get();
}

void appendLine(std::string& out, QtMsgType type, const QMessageLogContext& context, const QString& message,
                const QByteArray& isoTime, qint64 elapsedMs)
{
    // The head and an ASCII message are built in one piece and appended whole.
    const size_t headStart = out.size();
    const char* file = orUndef(context.file);
    const char* function = orUndef(context.function);
    const bool source = type != QtInfoMsg;
    const size_t fileLength = source ? std::strlen(file) : 0;
    const size_t functionLength = source ? std::strlen(function) : 0;
    // time, '.', milliseconds, " - ", level, file, separator, line, tab, function, end, message
    std::unique_ptr<char[]> longer;
    char* const line = lineRoom(size_t(isoTime.size()) + 1 + 24 + 3 + 12 + fileLength + 1 + 24 + 1 + functionLength + 2
                                    + size_t(message.size()),
                                longer);
    char* p = put(line, isoTime.constData(), size_t(isoTime.size()));
    *p++ = '.';
    p = ApplicationLog::putDecimal(p, elapsedMs % 10000);
    p = putText(p, " - ");
    const auto sourcePart = [&](char* at, char separator) {
        at = put(at, file, fileLength);
        *at++ = separator;
        at = ApplicationLog::putDecimal(at, context.line);
        *at++ = '\t';
        return put(at, function, functionLength);
    };
    switch (type) {
    case QtDebugMsg: p = putText(sourcePart(putText(p, "Debug: ["), '@'), "]\t"); break;
    case QtWarningMsg: p = putText(sourcePart(putText(p, "Warning: ["), '@'), "]\t"); break;
    case QtCriticalMsg: p = putText(sourcePart(putText(p, "Critical: ["), ':'), "]"); break;
    case QtFatalMsg: p = putText(sourcePart(putText(p, "Fatal: ["), ':'), "]"); break;
    case QtInfoMsg: p = putText(p, "Info: "); break;
    }
    const size_t headLength = size_t(p - line);
    const size_t textStart = headStart + headLength;
    const Text kind = putAscii(p, message);
    if (kind != Text::NotAscii) {
        out.append(line, headLength + size_t(message.size()));
        if (kind == Text::Ascii && !message.isEmpty())
            return;
    } else {
        out.append(line, headLength);
        const QByteArray local = message.toLocal8Bit();
        out.append(local.constData(), size_t(local.size()));
    }

    // One layout per line of the file: a text of several lines repeats the head on each, and
    // the line breaks it ends with would only leave empty lines.
    while (out.size() > textStart && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    if (out.size() == textStart) {
        out += "UNDEF";
        return;
    }
    if (!std::memchr(out.data() + textStart, '\n', out.size() - textStart))
        return;
    const std::string head = out.substr(headStart, textStart - headStart);
    const std::string text = out.substr(textStart);
    out.resize(textStart);
    size_t from = 0;
    for (;;) {
        const size_t to = text.find('\n', from);
        size_t end = to == std::string::npos ? text.size() : to;
        if (end > from && text[end - 1] == '\r')
            --end;
        out.append(text, from, end - from);
        if (to == std::string::npos)
            break;
        out += '\n';
        out += head;
        from = to + 1;
    }
}

} // namespace

#include "ApplicationLog.moc"
