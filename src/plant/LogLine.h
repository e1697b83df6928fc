#pragma once
// Building blocks for the log lines a full plant writes by the ten thousand: the text is put
// together by plain appends and handed to the message handler directly, without the stream that
// qDebug() and qInfo() build and tear down for every line. The texts are those the streams
// would give.
#include "core/ApplicationLog.h"

#include <QLoggingCategory>
#include <QString>

// Emits text at level type (QtDebugMsg, QtInfoMsg) with the calling line's file, line and
// function, as qDebug() and qInfo() do.
#define OV_LOG_LINE(type, text)                                                                                        \
    qt_message_output(type, QMessageLogContext(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC, "default"), \
                      text)

namespace logline {

inline bool debugEnabled()
{
    return QLoggingCategory::defaultCategory()->isDebugEnabled();
}

inline bool infoEnabled()
{
    return QLoggingCategory::defaultCategory()->isInfoEnabled();
}

// value in plain decimal, as a stream writes it.
inline void appendNumber(QString& out, qint64 value)
{
    char digits[24];
    out.append(QLatin1String(digits, int(ApplicationLog::putDecimal(digits, value) - digits)));
}

// text in double quotes as a quoting stream writes it; only a text that needs escapes goes
// through the stream.
void appendQuoted(QString& out, const QString& text);

} // namespace logline
