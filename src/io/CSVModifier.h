#pragma once
// Merges the per-loop CSV files of an export folder into one device list, "example.csv" in the
// same folder: one row per device or channel with its panel, loop, address, type, label and
// zone with the zone's label from the folder's zone file.
#include <QList>
#include <QObject>
#include <QStringList>

class CSVModifier : public QObject {
    Q_OBJECT

public:
    explicit CSVModifier(QObject* parent = nullptr);

    // Every "Loop*" file of folder in name order, from the row after its caption row on.
    // Output columns: "Panel Number" ("C" and the CPU number, two digits), "Loop Number" ("L"
    // and three digits), "Device Address" ("D" and three digits for a detector, "M", three
    // digits, "." and the two-digit channel for a module), "Device Class, Device Type,
    // Subtype" (family word, type text and input/output kind joined by ", "), the family word,
    // "Device Label", "Zone Address" and "Zone Label".
    static void mergeLoopFiles(const QString& folder);
    // Column 1 of the first row whose column 0 is the number key; empty when key or no row's
    // column 0 is that number, or the row has no column 1.
    static QString lookupLabel(const QList<QStringList>& rows, const QString& key);
};
