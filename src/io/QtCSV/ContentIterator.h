#pragma once
// Hands a table over as CSV text in chunks of at most chunkSize lines: the header row (when not
// empty) first, then the rows, then the footer row (when not empty) in the last chunk.
#include <QString>
#include <QStringList>

namespace QtCSV {

class AbstractData;

class ContentIterator {
public:
    static constexpr int kChunkSize = 1000;

    ContentIterator(const AbstractData& data, const QString& separator, const QString& textDelimiter,
                    const QStringList& header, const QStringList& footer, int chunkSize = kChunkSize);

    // True when there is nothing to write: no rows, no header and no footer.
    bool isEmpty() const;
    bool hasNext() const { return !m_atEnd; }
    // The next chunk; empty once at the end.
    QString getNext();

    // Each value with its delimiters doubled and enclosed in the delimiter; with an empty
    // delimiter a value holding the separator, "\r" or "\n" is enclosed in double quotes.
    // The line ends in "\n".
    static QString composeRow(const QStringList& values, const QString& separator, const QString& textDelimiter);

private:
    const AbstractData& m_data;
    QString m_separator;
    QString m_textDelimiter;
    QStringList m_header;
    QStringList m_footer;
    int m_chunkSize;
    int m_row = -1;
    bool m_atEnd = false;
};

} // namespace QtCSV
