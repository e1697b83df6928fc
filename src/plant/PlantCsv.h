#pragma once
// Writer of the plant's CSV files: UTF-8 text with "\n" line ends, cells separated by the
// settings store's separator, a cell quoted only when it holds the separator, a double quote,
// CR or LF (inner quotes doubled). Every file starts with the same three header lines and an
// empty line.
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

class PlantCsv {
public:
    // Opens path for writing, truncating an existing file. Holds a reference to the settings
    // store for its lifetime.
    explicit PlantCsv(const QString& path);
    ~PlantCsv();
    PlantCsv(const PlantCsv&) = delete;
    PlantCsv& operator=(const PlantCsv&) = delete;

    // false when the file could not be opened; then nothing is written.
    bool isOpen() const { return m_open; }
    QString separator() const { return m_separator; }

    // The file name line (shownPath), the program and version line, the creation time line
    // ("yyyyMMdd hh:mm", local time) and an empty line.
    void writeHeader(const QString& shownPath);
    // The cells joined by the separator; with trailingSeparator every cell, the last one
    // included, is followed by it. An empty list writes an empty line.
    void writeLine(const QStringList& cells, bool trailingSeparator);
    // Flushes and closes the file; false when it was not opened or not everything reached it.
    bool close();

    // cell as it goes into a line with that separator.
    static QString quoted(const QString& cell, const QString& separator);

private:
    QFile m_file;
    QTextStream m_stream;
    QString m_separator;
    bool m_open = false;
};
