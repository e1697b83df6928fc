#pragma once
// Rows of variants, each shown as its string form. A value that does not convert to a string
// is refused (false) together with the rest of its row. Indexes as in StringData.
#include "io/QtCSV/AbstractData.h"

#include <QList>
#include <QVariant>

namespace QtCSV {

class VariantData : public AbstractData {
public:
    void addEmptyRow() override;
    void addRow(const QStringList& values) override;
    bool addRow(const QVariant& value);
    bool addRow(const QList<QVariant>& values);
    void clear() override;
    bool isEmpty() const override;
    int rowCount() const override;
    QStringList rowValues(int row) const override;

    bool insertRow(int row, const QVariant& value);
    bool insertRow(int row, const QList<QVariant>& values);
    bool insertRow(int row, const QStringList& values);
    bool replaceRow(int row, const QVariant& value);
    bool replaceRow(int row, const QList<QVariant>& values);
    bool replaceRow(int row, const QStringList& values);
    void removeRow(int row);
    void reserve(int size);

    bool operator==(const VariantData& other) const;
    bool operator!=(const VariantData& other) const { return !(*this == other); }
    VariantData& operator<<(const QVariant& value);
    VariantData& operator<<(const QList<QVariant>& values);
    VariantData& operator<<(const QStringList& values);

private:
    QList<QList<QVariant>> m_rows;
};

} // namespace QtCSV
