#include "io/QtCSV/ContentIterator.h"

#include "io/QtCSV/AbstractData.h"

namespace QtCSV {

ContentIterator::ContentIterator(const AbstractData& data, const QString& separator, const QString& textDelimiter,
                                 const QStringList& header, const QStringList& footer, int chunkSize)
    : m_data(data)
    , m_separator(separator)
    , m_textDelimiter(textDelimiter)
    , m_header(header)
    , m_footer(footer)
    , m_chunkSize(qMax(1, chunkSize))
{
}

bool ContentIterator::isEmpty() const
{
    return m_data.isEmpty() && m_header.isEmpty() && m_footer.isEmpty();
}

QString ContentIterator::getNext()
{
    if (m_atEnd)
        return QString();
    QString chunk;
    int lines = 0;
    if (m_row < 0) {
        if (!m_header.isEmpty()) {
            chunk += composeRow(m_header, m_separator, m_textDelimiter);
            ++lines;
        }
        m_row = 0;
    }
    for (; lines < m_chunkSize && m_row < m_data.rowCount(); ++m_row, ++lines)
        chunk += composeRow(m_data.rowValues(m_row), m_separator, m_textDelimiter);
    if (lines < m_chunkSize) {
        if (!m_footer.isEmpty())
            chunk += composeRow(m_footer, m_separator, m_textDelimiter);
        m_atEnd = true;
    }
    return chunk;
}

QString ContentIterator::composeRow(const QStringList& values, const QString& separator, const QString& textDelimiter)
{
    static const QString kQuote = QStringLiteral("\"");
    QStringList fields;
    fields.reserve(values.size());
    for (QString value : values) {
        if (!textDelimiter.isEmpty()) {
            value.replace(textDelimiter, textDelimiter + textDelimiter);
            fields << textDelimiter + value + textDelimiter;
        } else if (value.contains(separator) || value.contains(QLatin1Char('\r'))
                   || value.contains(QLatin1Char('\n'))) {
            fields << kQuote + value + kQuote;
        } else {
            fields << value;
        }
    }
    return fields.join(separator) + QLatin1Char('\n');
}

} // namespace QtCSV
