#include "io/QtCSV/VariantData.h"

namespace QtCSV {

namespace {

bool allConvert(const QList<QVariant>& values)
{
    for (const QVariant& value : values)
        if (!value.canConvert<QString>())
            return false;
    return true;
}

QList<QVariant> toVariants(const QStringList& values)
{
    QList<QVariant> row;
    row.reserve(values.size());
    for (const QString& value : values)
        row << QVariant(value);
    return row;
}

} // namespace

void VariantData::addEmptyRow()
{
    m_rows << QList<QVariant>();
}

void VariantData::addRow(const QStringList& values)
{
    m_rows << toVariants(values);
}

bool VariantData::addRow(const QVariant& value)
{
    return addRow(QList<QVariant>{value});
}

bool VariantData::addRow(const QList<QVariant>& values)
{
    if (!allConvert(values))
        return false;
    m_rows << values;
    return true;
}

void VariantData::clear()
{
    m_rows.clear();
}

bool VariantData::isEmpty() const
{
    return m_rows.isEmpty();
}

int VariantData::rowCount() const
{
    return m_rows.size();
}

QStringList VariantData::rowValues(int row) const
{
    QStringList values;
    if (row < 0 || row >= m_rows.size())
        return values;
    for (const QVariant& value : m_rows.at(row))
        values << value.toString();
    return values;
}

bool VariantData::insertRow(int row, const QVariant& value)
{
    return insertRow(row, QList<QVariant>{value});
}

bool VariantData::insertRow(int row, const QList<QVariant>& values)
{
    if (!allConvert(values))
        return false;
    m_rows.insert(qBound(0, row, m_rows.size()), values);
    return true;
}

bool VariantData::insertRow(int row, const QStringList& values)
{
    return insertRow(row, toVariants(values));
}

bool VariantData::replaceRow(int row, const QVariant& value)
{
    return replaceRow(row, QList<QVariant>{value});
}

bool VariantData::replaceRow(int row, const QList<QVariant>& values)
{
    if (row < 0 || row >= m_rows.size() || !allConvert(values))
        return false;
    m_rows[row] = values;
    return true;
}

bool VariantData::replaceRow(int row, const QStringList& values)
{
    return replaceRow(row, toVariants(values));
}

void VariantData::removeRow(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.removeAt(row);
}

void VariantData::reserve(int size)
{
    m_rows.reserve(size);
}

bool VariantData::operator==(const VariantData& other) const
{
    return m_rows == other.m_rows;
}

VariantData& VariantData::operator<<(const QVariant& value)
{
    addRow(value);
    return *this;
}

VariantData& VariantData::operator<<(const QList<QVariant>& values)
{
    addRow(values);
    return *this;
}

VariantData& VariantData::operator<<(const QStringList& values)
{
    addRow(values);
    return *this;
}

} // namespace QtCSV
