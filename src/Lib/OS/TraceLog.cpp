#include "OS/TraceLog.h"

#include "OS/stacktrace.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

TraceLog::TraceLog()
    : m_maskLock(os_LockCreate())
    , m_console(true)
    , m_fileLock(os_LockCreate())
    , m_fileOutput(false)
    , m_writeLock(os_LockCreate())
    , m_timestamp(true)
    , m_atLineStart(true)
{
}

TraceLog::~TraceLog()
{
    close_file();
    os_LockDelete(m_writeLock);
    os_LockDelete(m_fileLock);
    os_LockDelete(m_maskLock);
}

bool TraceLog::is_enabled(int channel) const
{
    if (m_muted)
        return false;
    if (channel == 1)
        return true;
    if (channel <= 0 || channel >= CHANNEL_COUNT)
        return false;
    return m_mask.test(size_t(channel));
}

void TraceLog::set_channel(int channel, bool on)
{
    if (channel < 0 || channel >= CHANNEL_COUNT)
        return;
    LockGuard guard(&m_maskLock);
    if (guard.is_held())
        m_mask.set(size_t(channel), on);
}

int TraceLog::open_file(const std::string& name, bool fileOutput)
{
    LockGuard guard(&m_fileLock);
    if (!guard.is_held())
        return ZP_ERR_GENERIC;
    if (m_file.is_open())
        m_file.close();
    m_fileName = name;
    if (name.empty()) {
        m_fileOutput = false;
        return ZP_ERR_GENERIC;
    }
    // ate: the rotation check reads the position, which must be the file's end from the start.
    m_file.open(name, std::ios::out | std::ios::app | std::ios::ate);
    m_fileOutput = fileOutput;
    return m_file.is_open() && m_file.good() ? ZP_OK : ZP_ERR_GENERIC;
}

void TraceLog::close_file()
{
    LockGuard guard(&m_fileLock);
    if (guard.is_held() && m_file.is_open())
        m_file.close();
}

void TraceLog::flush()
{
    LockGuard guard(&m_fileLock);
    if (guard.is_held() && m_file.is_open())
        m_file.flush();
}

void TraceLog::set_timestamp(bool on)
{
    m_timestamp = on;
    m_atLineStart = true;
}

void TraceLog::set_console(bool on)
{
    m_console = on;
}

void TraceLog::set_file_output(bool on)
{
    m_fileOutput = on;
}

void TraceLog::rotate_file()
{
    m_file.close();
    const std::string old = m_fileName + ".0";
    std::remove(old.c_str());
    std::rename(m_fileName.c_str(), old.c_str());
    m_file.open(m_fileName, std::ios::out | std::ios::app | std::ios::ate);
}

int TraceLog::write(int channel, bool toFile, bool toConsole, const char* text, const StackTrace* stackTrace)
{
    if (!is_enabled(channel))
        return 0;
    if (!text)
        text = "";
    LockGuard line(&m_writeLock);

    char prefix[50] = "";
    if (m_timestamp && m_atLineStart) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        const time64 seconds = now.tv_sec;
        struct tm utc;
        if (os_gmtime(&seconds, &utc))
            snprintf(prefix, sizeof prefix, "[%02d:%02d:%02d.%03ld] ", utc.tm_hour, utc.tm_min, utc.tm_sec,
                     now.tv_nsec / 1000000);
        m_atLineStart = false;
    }
    if (strchr(text, '\n'))
        m_atLineStart = true;

    if (toConsole && m_console) {
        fputs(prefix, stdout);
        fputs(text, stdout);
        if (stackTrace)
            stackTrace->print(stdout);
        fflush(stdout);
    }

    if (toFile || m_fileOutput) {
        LockGuard guard(&m_fileLock);
        if (guard.is_held() && m_file.is_open()) {
            if (std::streamoff(m_file.tellp()) > ROTATE_SIZE)
                rotate_file();
            if (m_file.is_open()) {
                m_file << prefix << text;
                if (stackTrace)
                    stackTrace->print(m_file);
            }
        }
    }
    return int(strlen(prefix) + strlen(text));
}

int TraceLog::vprintf(int channel, bool toFile, bool toConsole, const char* fmt, va_list args)
{
    if (!is_enabled(channel))
        return 0;
    char msg[MESSAGE_SIZE];
    if (vsnprintf(msg, sizeof msg, fmt, args) < 0)
        msg[0] = '\0';
    return write(channel, toFile, toConsole, msg);
}

int TraceLog::printf(int channel, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const int n = vprintf(channel, true, true, fmt, args);
    va_end(args);
    return n;
}

int TraceLog::printf_file(int channel, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const int n = vprintf(channel, true, false, fmt, args);
    va_end(args);
    return n;
}

int TraceLog::printf_console(int channel, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const int n = vprintf(channel, false, true, fmt, args);
    va_end(args);
    return n;
}

namespace {
// os_Fatal's report: an error line with a stack trace, on disk before the process ends.
void report_fatal(const char* msg)
{
    log_error_text("src/Lib/OS/os", "os_Fatal", 128, msg);
    g_logger().flush();
}
} // namespace

TraceLog& g_logger()
{
    static TraceLog logger;
    static const bool reporting = (os_SetFatalReporter(report_fatal), true);
    (void)reporting;
    return logger;
}

int log_printf(int channel, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const int n = g_logger().vprintf(channel, true, true, fmt, args);
    va_end(args);
    return n;
}

// The last byte is forced to NUL whatever vsnprintf did.
__attribute__((format(printf, 2, 0))) static void format_message(char (&msg)[TraceLog::LOCATION_SIZE], const char* fmt,
                                                                 va_list args)
{
    if (vsnprintf(msg, sizeof msg, fmt, args) < 0)
        msg[0] = '\0';
    msg[sizeof msg - 1] = '\0';
}

void log_location(const char* unit, const char* function, int line, const char* fmt, ...)
{
    if (g_logger().is_muted())
        return;
    char msg[TraceLog::LOCATION_SIZE];
    va_list args;
    va_start(args, fmt);
    format_message(msg, fmt, args);
    va_end(args);

    TraceLog& log = g_logger();
    if (log.at_line_start()) {
        char where[TraceLog::LOCATION_SIZE];
        snprintf(where, sizeof where, "%s/%s:%d ", unit, function, line);
        log.write(1, true, true, where);
    }
    log.write(1, true, true, msg);
}

// "unit/function:line E[message]:task(code) " and a newline, cut to fit ERROR_LINE_SIZE; the
// newline survives the cut so the next write still starts a line.
static void build_error_line(char (&out)[TraceLog::ERROR_LINE_SIZE], const char* unit, const char* function, int line,
                             const char* msg, const int* code)
{
    const size_t room = sizeof out - 2; // characters before the newline and the NUL
    size_t len = 0;
    auto put = [&](const char* s, size_t n) {
        n = std::min(n, room - len);
        memcpy(out + len, s, n);
        len += n;
    };

    char head[TraceLog::LOCATION_SIZE];
    snprintf(head, sizeof head, "%s/%s:%d E", unit, function, line);
    put(head, strlen(head));
    if (msg[0] != '\0') {
        size_t n = strlen(msg);
        if (msg[n - 1] == '\n')
            --n;
        put("[", 1);
        put(msg, n);
        put("]", 1);
    }
    if (code) {
        char tail[64];
        snprintf(tail, sizeof tail, ":%s(%d) ", os_TaskName(), *code);
        put(tail, strlen(tail));
    }
    out[len++] = '\n';
    out[len] = '\0';
}

void log_error_text(const char* unit, const char* function, int line, const char* msg)
{
    if (g_logger().is_muted())
        return;
    char text[TraceLog::ERROR_LINE_SIZE];
    build_error_line(text, unit, function, line, msg ? msg : "", nullptr);
    StackTrace trace;
    trace.capture(32);
    g_logger().write(1, true, true, text, &trace);
}

void log_error(const char* unit, const char* function, int line, const char* fmt, ...)
{
    if (g_logger().is_muted())
        return;
    char msg[TraceLog::LOCATION_SIZE];
    va_list args;
    va_start(args, fmt);
    format_message(msg, fmt, args);
    va_end(args);
    log_error_text(unit, function, line, msg);
}

void log_error_code(const char* unit, const char* function, int line, int code, const char* fmt, ...)
{
    char msg[TraceLog::LOCATION_SIZE];
    va_list args;
    va_start(args, fmt);
    format_message(msg, fmt, args);
    va_end(args);
    char text[TraceLog::ERROR_LINE_SIZE];
    build_error_line(text, unit, function, line, msg, &code);
    g_logger().write(1, true, true, text);
}

void log_list_channels()
{
    log_printf(1, "Lista delle maschere:\n");
    for (int channel = 2; channel < TraceLog::CHANNEL_COUNT; ++channel)
        log_printf(1, "%d\n", channel);
}
