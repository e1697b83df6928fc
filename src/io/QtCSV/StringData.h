#pragma once
// Rows of texts. An insert index at or below 0 inserts at the front, one at or past the end
// appends; replaceRow and removeRow ignore an index outside the table.
#include "io/QtCSV/AbstractData.h"

#include <QList>

namespace QtCSV {

class StringData : public AbstractData {
public:
    void addEmptyRow() override;
    void addRow(const QStringList& values) override;
    void addRow(const QString& value);
    void clear() override;
    bool isEmpty() const override;
    int rowCount() const override;
    QStringList rowValues(int row) const override;

    void insertRow(int row, const QString& value);
    void insertRow(int row, const QStringList& values);
    void replaceRow(int row, const QString& value);
    void replaceRow(int row, const QStringList& values);
    void removeRow(int row);
    void reserve(int size);

    bool operator==(const StringData& other) const;
    bool operator!=(const StringData& other) const { return !(*this == other); }
    StringData& operator<<(const QString& value);
    StringData& operator<<(const QStringList& values);

private:
    QList<QStringList> m_rows;
};

} // namespace QtCSV
