#pragma once
// Reads CSV text into rows of fields. A field that opens with the text delimiter may hold the
// separator and line ends; a doubled delimiter inside it reads as one. Blanks (Unicode space
// separators) around a field are dropped; a line that ends with the separator has an empty last
// field; an empty line outside a quoted field is a row without fields; a file that ends inside a
// quoted field still delivers its last row. Lines may end in "\n" or "\r\n".
//
// codec: null reads UTF-8, the encoding the plant's CSV files are written in; a byte-order mark
// selects its own encoding. A file path must be absolute and name an existing file; a suffix
// other than "csv" is read after a warning. Every failure is one debug line and a false or
// empty result.
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;
class QTextCodec;

namespace QtCSV {

class AbstractData;

class Reader {
public:
    // Receives the rows as they are read.
    class AbstractProcessor {
    public:
        virtual ~AbstractProcessor() = default;
        // May change a raw line (without its line end) before it is split.
        virtual void preProcessRawLine(QString& line) { Q_UNUSED(line) }
        // One complete row; false stops the reading, which then returns false.
        virtual bool processRowElements(const QStringList& elements) = 0;
    };

    // Empty when the file cannot be read.
    static QList<QStringList> readToList(const QString& filePath, const QString& separator = QStringLiteral(","),
                                         const QString& textDelimiter = QStringLiteral("\""),
                                         QTextCodec* codec = nullptr);
    static QList<QStringList> readToList(QIODevice& ioDevice, const QString& separator = QStringLiteral(","),
                                         const QString& textDelimiter = QStringLiteral("\""),
                                         QTextCodec* codec = nullptr);
    // Adds every row read to data; false when the reading failed.
    static bool readToData(const QString& filePath, AbstractData& data, const QString& separator = QStringLiteral(","),
                           const QString& textDelimiter = QStringLiteral("\""), QTextCodec* codec = nullptr);
    static bool readToData(QIODevice& ioDevice, AbstractData& data, const QString& separator = QStringLiteral(","),
                           const QString& textDelimiter = QStringLiteral("\""), QTextCodec* codec = nullptr);
    // An empty separator is refused before anything is read. A device that is not open is
    // opened read-only. An empty text delimiter reads every field as it stands between the
    // separators.
    static bool read(const QString& filePath, AbstractProcessor& processor,
                     const QString& separator = QStringLiteral(","),
                     const QString& textDelimiter = QStringLiteral("\""), QTextCodec* codec = nullptr);
    static bool read(QIODevice& ioDevice, AbstractProcessor& processor, const QString& separator = QStringLiteral(","),
                     const QString& textDelimiter = QStringLiteral("\""), QTextCodec* codec = nullptr);
};

} // namespace QtCSV
