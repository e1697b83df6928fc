#include "io/QtCSV/Reader.h"

#include "io/QtCSV/AbstractData.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>

namespace QtCSV {

namespace {

const QString kLF = QStringLiteral("\n");

class ReadToListProcessor : public Reader::AbstractProcessor {
public:
    bool processRowElements(const QStringList& elements) override
    {
        data << elements;
        return true;
    }

    QList<QStringList> data;
};

// A field as split, before its blanks and delimiters are cleaned. A quoted field has lost its
// enclosing delimiters already.
struct Piece {
    QString text;
    bool quoted;
};

bool checkFile(const QString& filePath)
{
    if (filePath.isEmpty())
        qDebug() << "CheckFile"
                 << "Error - file path is empty";
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || info.isRelative() || info.isDir() || !info.exists()) {
        qDebug() << "openFile"
                 << "Error - wrong file path:" << filePath;
        return false;
    }
    if (info.suffix() != QLatin1String("csv"))
        qDebug() << "CheckFile"
                 << "Warning - file suffix is not .csv";
    return true;
}

bool openFile(const QString& filePath, QFile& file)
{
    if (!checkFile(filePath))
        return false;
    file.setFileName(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "openFile"
                 << "Error - can't open file:" << filePath;
        return false;
    }
    return true;
}

// Delimiters that begin at pos and the positions before it, stepping back a delimiter at a
// time while at or after start.
int delimitersBackFrom(const QString& line, int pos, int start, const QString& delimiter)
{
    int count = 0;
    while (pos >= start && line.midRef(pos).startsWith(delimiter)) {
        ++count;
        pos -= delimiter.size();
    }
    return count;
}

// Position of the delimiter that closes a quoted field starting at start and is followed by the
// separator, or -1. A delimiter preceded by an odd run of delimiters closes the field; an even
// run is an escaped delimiter.
int findMiddleElementEnd(const QString& line, int start, const QString& separator, const QString& delimiter)
{
    if (line.isEmpty() || start < 0 || separator.isEmpty() || delimiter.isEmpty())
        return -1;
    const QString end = delimiter + separator;
    for (int hit = line.indexOf(end, start); hit >= 0; hit = line.indexOf(end, hit + 1))
        if (delimitersBackFrom(line, hit, start, delimiter) % 2 == 1)
            return hit;
    return -1;
}

// Whether the line's last delimiter closes a quoted field starting at start.
bool isElementLast(const QString& line, int start, const QString& separator, const QString& delimiter)
{
    if (line.isEmpty() || start < 0 || separator.isEmpty() || delimiter.isEmpty() || !line.endsWith(delimiter))
        return false;
    return delimitersBackFrom(line, line.size() - delimiter.size(), start, delimiter) % 2 == 1;
}

bool isBlank(QChar c)
{
    return c.category() == QChar::Separator_Space;
}

QString clean(const Piece& piece, const QString& delimiter)
{
    QString text = piece.text;
    if (text.isEmpty())
        return text;
    int first = 0;
    int last = text.size() - 1;
    while (first < text.size() && isBlank(text.at(first)))
        ++first;
    while (last >= 0 && isBlank(text.at(last)))
        --last;
    if (first > last) {
        first = 0;
        last = text.size() - 1;
    } else if (!piece.quoted && !delimiter.isEmpty()) {
        // A quoted field opened after a blank was split as plain text.
        if (text.midRef(first).startsWith(delimiter))
            first += delimiter.size();
        if (last + 1 - delimiter.size() >= 0 && text.midRef(last + 1 - delimiter.size()).startsWith(delimiter))
            last -= delimiter.size();
    }
    if ((first > 0 || last < text.size() - 1) && first <= last)
        text = text.mid(first, last - first + 1);
    if (!delimiter.isEmpty())
        text.replace(delimiter + delimiter, delimiter);
    return text;
}

QStringList splitElements(const QString& line, const QString& separator, const QString& delimiter, bool& ended)
{
    if (separator.isEmpty()) {
        ended = true;
        return QStringList(line);
    }
    if (line.isEmpty())
        return ended ? QStringList() : QStringList(kLF);

    QList<Piece> pieces;
    int p = 0;
    bool done = false;
    // After a separator at the very end of the line comes an empty last field.
    auto afterSeparator = [&](int next) {
        p = next;
        if (p >= line.size()) {
            pieces << Piece{QString(), false};
            done = true;
        }
    };
    while (!done && p < line.size()) {
        if (!ended) {
            const int end = findMiddleElementEnd(line, p, separator, delimiter);
            if (end >= 0) {
                pieces << Piece{kLF + line.mid(p, end - p), true};
                ended = true;
                afterSeparator(end + delimiter.size() + separator.size());
            } else {
                if (isElementLast(line, p, separator, delimiter)) {
                    pieces << Piece{kLF + line.mid(p, line.size() - delimiter.size() - p), true};
                    ended = true;
                } else {
                    pieces << Piece{kLF + line.mid(p), true};
                }
                done = true;
            }
        } else if (!delimiter.isEmpty() && line.midRef(p).startsWith(delimiter)) {
            p += delimiter.size();
            const int end = findMiddleElementEnd(line, p, separator, delimiter);
            if (end >= 0) {
                pieces << Piece{line.mid(p, end - p), true};
                afterSeparator(end + delimiter.size() + separator.size());
            } else {
                if (isElementLast(line, p, separator, delimiter)) {
                    pieces << Piece{line.mid(p, line.size() - delimiter.size() - p), true};
                } else {
                    pieces << Piece{line.mid(p), true};
                    ended = false;
                }
                done = true;
            }
        } else {
            const int sep = line.indexOf(separator, p);
            if (sep < 0) {
                pieces << Piece{line.mid(p), false};
                done = true;
            } else {
                pieces << Piece{line.mid(p, sep - p), false};
                afterSeparator(sep + separator.size());
            }
        }
    }

    QStringList fields;
    for (const Piece& piece : pieces)
        fields << clean(piece, delimiter);
    return fields;
}

void appendTo(QStringList& row, const QStringList& fields)
{
    if (fields.isEmpty())
        return;
    row.last() += fields.first();
    row << fields.mid(1);
}

} // namespace

QList<QStringList> Reader::readToList(const QString& filePath, const QString& separator, const QString& textDelimiter,
                                      QTextCodec* codec)
{
    ReadToListProcessor processor;
    read(filePath, processor, separator, textDelimiter, codec);
    return processor.data;
}

QList<QStringList> Reader::readToList(QIODevice& ioDevice, const QString& separator, const QString& textDelimiter,
                                      QTextCodec* codec)
{
    ReadToListProcessor processor;
    read(ioDevice, processor, separator, textDelimiter, codec);
    return processor.data;
}

bool Reader::readToData(const QString& filePath, AbstractData& data, const QString& separator,
                        const QString& textDelimiter, QTextCodec* codec)
{
    ReadToListProcessor processor;
    const bool result = read(filePath, processor, separator, textDelimiter, codec);
    for (const QStringList& row : processor.data)
        data.addRow(row);
    return result;
}

bool Reader::readToData(QIODevice& ioDevice, AbstractData& data, const QString& separator, const QString& textDelimiter,
                        QTextCodec* codec)
{
    ReadToListProcessor processor;
    const bool result = read(ioDevice, processor, separator, textDelimiter, codec);
    for (const QStringList& row : processor.data)
        data.addRow(row);
    return result;
}

bool Reader::read(const QString& filePath, AbstractProcessor& processor, const QString& separator,
                  const QString& textDelimiter, QTextCodec* codec)
{
    QFile file;
    if (!openFile(filePath, file))
        return false;
    return read(file, processor, separator, textDelimiter, codec);
}

bool Reader::read(QIODevice& ioDevice, AbstractProcessor& processor, const QString& separator,
                  const QString& textDelimiter, QTextCodec* codec)
{
    if (separator.isEmpty()) {
        qDebug() << "checkParams"
                 << "Error - separator could not be empty";
        return false;
    }
    if (!ioDevice.isOpen() && !ioDevice.open(QIODevice::ReadOnly)) {
        qDebug() << "read"
                 << "Error - failed to open IO Device";
        return false;
    }

    QTextStream stream(&ioDevice);
    stream.setCodec(codec ? codec : QTextCodec::codecForName("UTF-8"));
    bool ended = true;
    QStringList pending;
    while (!stream.atEnd()) {
        QString line = stream.readLine();
        processor.preProcessRawLine(line);
        const QStringList fields = splitElements(line, separator, textDelimiter, ended);
        if (!ended) {
            if (pending.isEmpty())
                pending = fields;
            else
                appendTo(pending, fields);
            continue;
        }
        bool go;
        if (pending.isEmpty()) {
            go = processor.processRowElements(fields);
        } else {
            appendTo(pending, fields);
            go = processor.processRowElements(pending);
            pending.clear();
        }
        if (!go)
            return false;
    }
    if (!pending.isEmpty())
        return processor.processRowElements(pending);
    return true;
}

} // namespace QtCSV
