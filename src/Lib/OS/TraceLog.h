#pragma once
// Developer trace of the panel-data library: numbered channels, printf-style messages, a UTC
// time prefix per line, output to the console and optionally to a size-limited file.
#include "OS/os.h"

#include <atomic>
#include <bitset>
#include <cstdarg>
#include <fstream>
#include <string>

class StackTrace;

class TraceLog {
public:
    // Channel 0 is never written, channel 1 always, 2 to 67 when switched on.
    static constexpr int CHANNEL_COUNT = 68;
    // Formatting buffers; longer text is cut.
    static constexpr size_t MESSAGE_SIZE = 300;
    static constexpr size_t LOCATION_SIZE = 301;
    static constexpr size_t ERROR_LINE_SIZE = 300;
    // A log file past this size is renamed to "<name>.0" before the next write.
    static constexpr long ROTATE_SIZE = 2000000;

    TraceLog();
    ~TraceLog();
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;

    bool is_enabled(int channel) const;
    void set_channel(int channel, bool on);
    void enable_channel(int channel) { set_channel(channel, true); }
    void disable_channel(int channel) { set_channel(channel, false); }

    // Opens name for appending (an open file is closed first). 0 when the file is usable, else
    // ZP_ERR_GENERIC; an empty name also clears the file output flag.
    int open_file(const std::string& name, bool fileOutput);
    void close_file();
    void flush();

    // Also starts a new line, so the next write carries a prefix when on.
    void set_timestamp(bool on);
    void set_console(bool on);
    // Lets writes meant for the console alone reach the open file too.
    void set_file_output(bool on);
    // A muted log writes nothing anywhere, channel 1 included, and captures no stack traces:
    // for drivers such as the fuzz targets whose inputs fail by design thousands of times a
    // second. The program itself never mutes it.
    void set_muted(bool on) { m_muted = on; }
    bool is_muted() const { return m_muted; }
    bool at_line_start() const { return m_atLineStart; }

    // Writes text (and the stack trace when given) to the console when toConsole and the
    // console flag are set, and to the open file when toFile or the file output flag is set.
    // Returns the length of time prefix plus text, 0 when the channel is off.
    int write(int channel, bool toFile, bool toConsole, const char* text, const StackTrace* stackTrace = nullptr);
    int print(int channel, const char* text) { return write(channel, true, true, text); }
    int print_file(int channel, const char* text) { return write(channel, true, false, text); }
    int print_console(int channel, const char* text) { return write(channel, false, true, text); }

    // Formatted through a MESSAGE_SIZE buffer.
    int printf(int channel, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    int printf_file(int channel, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    int printf_console(int channel, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    int vprintf(int channel, bool toFile, bool toConsole, const char* fmt, va_list args)
        __attribute__((format(printf, 5, 0)));

private:
    void rotate_file();

    std::bitset<CHANNEL_COUNT> m_mask;
    os_Lock m_maskLock;
    std::atomic<bool> m_console;
    os_Lock m_fileLock;
    std::string m_fileName;
    std::ofstream m_file;
    std::atomic<bool> m_fileOutput;
    // Held through a write: whether a line starts is one state for every thread that logs.
    os_Lock m_writeLock;
    std::atomic<bool> m_timestamp;
    std::atomic<bool> m_atLineStart;
    std::atomic<bool> m_muted{false};
};

// The library's one logger, built on first use. Static objects of the library log from their
// constructors (the global panel configuration among them), and a plain global could still be
// unconstructed then; a function-local static is built by whichever comes first, and is
// destroyed after every static object whose construction finished after it.
TraceLog& g_logger();

namespace trace_log_detail {
// One per translation unit that includes this header, ahead of that unit's own static objects:
// the logger is built before them, so it is also destroyed after them and they can still log
// from their destructors.
struct Init {
    Init() { g_logger(); }
};
static const Init s_init;
} // namespace trace_log_detail

// On g_logger: formatted through a 300-byte buffer and written to file and console.
int log_printf(int channel, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
// On channel 1: "unit/function:line " when at the start of a line, then the message (at most
// 300 characters).
void log_location(const char* unit, const char* function, int line, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));
// On channel 1: "unit/function:line E[message]\n" followed by a stack trace of up to 32 frames.
void log_error(const char* unit, const char* function, int line, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));
// log_error for a message that is not a format.
void log_error_text(const char* unit, const char* function, int line, const char* msg);
// On channel 1, without stack trace: "unit/function:line E[message]:task(code) \n".
void log_error_code(const char* unit, const char* function, int line, int code, const char* fmt, ...)
    __attribute__((format(printf, 5, 6)));
void log_list_channels();
