#pragma once
// The application log "ov4800.log": every Qt message of the program, from any thread, one
// whole line each, between a start and an end banner.
#include <QByteArray>
#include <QPair>
#include <QString>
#include <QtGlobal>

#include <cstring>

class QDateTime;

namespace ApplicationLog {

// Opens <folder>/ov4800.log for appending (creating the folder and its parents when missing)
// and installs messageHandler. A file above 10,485,760 bytes is deleted and started afresh;
// the size is checked only here. The handler is installed even when no file could be
// opened: messages are then dropped. Returns whether the file is open. Opening again
// first closes the file already open.
bool open(const QString& folder);

// Three info lines: asterisks, "APPLICATION START:" with the application name and
// versionToString of the application object's version, asterisks.
void writeStartBanner(int majorVersion, int minorVersion);

// Three info lines: asterisks, "APPLICATION END:" with the application name, asterisks.
void writeEndBanner();

// Restores the handler that open() replaced, then writes every line logged so far and closes
// the file, so a message emitted meanwhile on another thread is either written whole or
// dropped. Later messages go to the handler that was there before open().
void close();

// <folder>/ov4800.log of the last open(); empty before the first.
QString filePath();

// The handler installed by open(): adds formatLine() and a newline under one lock, so lines
// from the GUI thread and from pool threads never interleave and keep the order in which they
// were logged. A writer thread started by open() takes them to the file (the logging thread
// writes them itself when the thread cannot start). A warning or worse returns only once it
// and every line before it are in the file; debug and info lines are gathered in batches and
// are in the file at the latest when the event loop next runs or the log is closed. A logger
// waits while more than a few MiB of lines wait for the file. Does nothing while no file is
// open.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// One log line without its newline: dateTime in ISO form, "." and elapsedMs modulo 10000,
// " - ", the level word with its source position, and the message in local 8-bit encoding.
// A missing file, function or message reads "UNDEF". Line breaks that end the message are
// dropped; each inner one starts a further line with the same head, joined by "\n".
QByteArray formatLine(QtMsgType type, const QMessageLogContext& context, const QString& message,
                      const QDateTime& dateTime, qint64 elapsedMs);

// value in plain decimal at p, which has room for 20 characters; returns the end. Log lines
// are built with it by the ten thousand, so it neither allocates nor consults a locale, and
// writes the digits in place rather than copying them.
inline char* putDecimal(char* p, qint64 value)
{
    quint64 rest = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    if (value < 0)
        *p++ = '-';
    int digits = 1;
    for (quint64 left = rest; left >= 10; left /= 10)
        ++digits;
    char* const end = p + digits;
    char* d = end;
    do {
        *--d = char('0' + rest % 10);
        rest /= 10;
    } while (rest);
    return end;
}

// The text of a string literal at p, without its NUL; returns the end.
template <size_t N>
inline char* putText(char* p, const char (&text)[N])
{
    std::memcpy(p, text, N - 1);
    return p + N - 1;
}

} // namespace ApplicationLog

// major "." minor in plain decimal: (2, 7) gives "2.7".
QString versionToString(const QPair<int, int>& version);
