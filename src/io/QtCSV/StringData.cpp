#include "io/QtCSV/StringData.h"

namespace QtCSV {

void StringData::addEmptyRow()
{
    m_rows << QStringList();
}

void StringData::addRow(const QStringList& values)
{
    m_rows << values;
}

void StringData::addRow(const QString& value)
{
    m_rows << QStringList(value);
}

void StringData::clear()
{
    m_rows.clear();
}

bool StringData::isEmpty() const
{
    return m_rows.isEmpty();
}

int StringData::rowCount() const
{
    return m_rows.size();
}

QStringList StringData::rowValues(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : QStringList();
}

void StringData::insertRow(int row, const QString& value)
{
    insertRow(row, QStringList(value));
}

void StringData::insertRow(int row, const QStringList& values)
{
    m_rows.insert(qBound(0, row, m_rows.size()), values);
}

void StringData::replaceRow(int row, const QString& value)
{
    replaceRow(row, QStringList(value));
}

void StringData::replaceRow(int row, const QStringList& values)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row] = values;
}

void StringData::removeRow(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.removeAt(row);
}

void StringData::reserve(int size)
{
    m_rows.reserve(size);
}

bool StringData::operator==(const StringData& other) const
{
    return m_rows == other.m_rows;
}

StringData& StringData::operator<<(const QString& value)
{
    addRow(value);
    return *this;
}

StringData& StringData::operator<<(const QStringList& values)
{
    addRow(values);
    return *this;
}

} // namespace QtCSV
