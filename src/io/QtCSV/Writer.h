#pragma once
// Writes a table as CSV text, every value enclosed in the text delimiter (doubled inside), one
// line ending "\n" per row, with an optional header row before and footer row after the rows.
//
// To a file: the path must be absolute and not a directory; a suffix other than "csv" is
// written after a warning. Rewrite replaces the file only once the new text is complete: it is
// written beside it under a temporary name and renamed over it, so a failure keeps the old
// file. Append adds to the end of the file. codec: null writes UTF-8.
// Every failure is one debug line and false.
#include <QString>
#include <QStringList>

class QIODevice;
class QTextCodec;

namespace QtCSV {

class AbstractData;
class ContentIterator;

class Writer {
public:
    enum WriteMode { Rewrite = 0, Append = 1 };

    static bool write(const QString& filePath, const AbstractData& data, const QString& separator = QStringLiteral(","),
                      const QString& textDelimiter = QStringLiteral("\""), WriteMode mode = Rewrite,
                      const QStringList& header = QStringList(), const QStringList& footer = QStringList(),
                      QTextCodec* codec = nullptr);
    // A device that is not open is opened for appending in text mode.
    static bool write(QIODevice& ioDevice, const AbstractData& data, const QString& separator = QStringLiteral(","),
                      const QString& textDelimiter = QStringLiteral("\""), const QStringList& header = QStringList(),
                      const QStringList& footer = QStringList(), QTextCodec* codec = nullptr);

private:
    static bool appendToFile(const QString& filePath, ContentIterator& content, QTextCodec* codec);
    static bool overwriteFile(const QString& filePath, ContentIterator& content, QTextCodec* codec);
    static bool writeToIODevice(QIODevice& ioDevice, ContentIterator& content, QTextCodec* codec);
};

} // namespace QtCSV
