#pragma once
// Watches the Qt messages of a test process: counts warnings and worse (which no case expects)
// and, while a MessageCapture exists, keeps every line with its level.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace messagecapture {

inline QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline QList<QPair<QtMsgType, QString>>*& captured()
{
    static QList<QPair<QtMsgType, QString>>* lines = nullptr;
    return lines;
}

// Warnings, criticals and fatals since the last reset().
inline int& warnings()
{
    static int count = 0;
    return count;
}

inline void handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (captured())
        *captured() << qMakePair(type, text);
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        ++warnings();
        if (previousHandler())
            previousHandler()(type, context, text);
    }
}

inline void install()
{
    previousHandler() = qInstallMessageHandler(handler);
}

} // namespace messagecapture

class MessageCapture {
public:
    MessageCapture() { messagecapture::captured() = &m_lines; }
    ~MessageCapture() { messagecapture::captured() = nullptr; }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // The texts of one level.
    QStringList lines(QtMsgType type) const
    {
        QStringList found;
        for (const auto& line : m_lines)
            if (line.first == type)
                found << line.second;
        return found;
    }
    // Every text, whatever its level.
    QStringList lines() const
    {
        QStringList found;
        for (const auto& line : m_lines)
            found << line.second;
        return found;
    }
    void clear() { m_lines.clear(); }

private:
    QList<QPair<QtMsgType, QString>> m_lines;
};
