#pragma once
// A table of text rows that the CSV writer takes as its input.
#include <QStringList>

namespace QtCSV {

class AbstractData {
public:
    virtual ~AbstractData() = default;

    virtual void addEmptyRow() = 0;
    virtual void addRow(const QStringList& values) = 0;
    virtual void clear() = 0;
    virtual bool isEmpty() const = 0;
    virtual int rowCount() const = 0;
    // An empty list for a row outside 0 to rowCount() - 1.
    virtual QStringList rowValues(int row) const = 0;
};

} // namespace QtCSV
