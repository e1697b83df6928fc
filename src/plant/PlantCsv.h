#pragma once
// Writer of the plant's CSV files: UTF-8 text with "\n" line ends, cells separated by the
// settings store's separator, a cell quoted only when it holds the separator, a double quote,
// CR or LF (inner quotes doubled). Every file starts with the same three header lines and an
// empty line. A file replaces an earlier one only whole.
#include "core/WholeFile.h"

#include <QFile>
#include <QString>
#include <QStringList>

class PlantCsv {
public:
    // The files of one export set. While a Stage lives on its thread, each file opened for its
    // folder is written into a hidden work folder inside it instead, and commit() puts them all
    // in place only once every one was written and every target may be replaced: a failed
    // export leaves the folder's earlier set as it was, its document included. The work folder
    // is locked while the Stage lives; a new Stage removes those of the folder that no running
    // export holds (left by an export that was killed): only a work folder that holds its
    // owner file, and of it only the export's files.
    class Stage {
    public:
        explicit Stage(const QString& folder);
        // Removes whatever was not committed.
        ~Stage();
        Stage(const Stage&) = delete;
        Stage& operator=(const Stage&) = delete;

        // false when the work folder could not be made (failedFile() is then the folder).
        bool isValid() const { return !m_path.isEmpty(); }
        // Where the set is written before commit().
        QString stagingFolder() const { return m_path; }
        // Puts the staged files in place of their targets in the folder, the CSV files in the
        // order written and then the others (the document built from them). Every target is first
        // checked by the rules of a whole-file write (a link is written through, a file the user
        // may not write is refused, a file replaced keeps its mode); nothing moves unless all
        // pass. The folder is locked from the first check through the last move, so another
        // export's commit into it waits. false when a file failed before, a target is refused or
        // a move fails.
        bool commit();
        // Records a file that could not be written, named as it stands in the folder; the first
        // one is kept.
        void fail(const QString& path, const QString& reason);
        QString failedFile() const { return m_failedFile; }
        QString failureReason() const { return m_failureReason; }
        // After a move that failed: true when the files before it in the set were replaced (the
        // failed one and those after it keep their earlier contents).
        bool partlyReplaced() const { return m_partlyReplaced; }

    private:
        friend class PlantCsv;
        static Stage*& current();
        bool create();

        QString m_folder;
        QString m_path;
        int m_owner = -1;
        QStringList m_written;
        QString m_failedFile;
        QString m_failureReason;
        bool m_partlyReplaced = false;
        Stage* m_outer;
    };

    // Opens path for writing; the file replaces an earlier one when close() finds it whole. Holds
    // a reference to the settings store for its lifetime.
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
    // Flushes and closes the file and puts it in place; false when it was not opened or not
    // everything reached it, and then a stage is told.
    bool close();

    // cell as it goes into a line with that separator.
    static QString quoted(const QString& cell, const QString& separator);

private:
    static constexpr int kChunk = 1 << 15;

    QIODevice& device();
    // Writes the text held so far; false once a write failed.
    bool put();
    bool failed(const QString& reason);

    QString m_path;
    Stage* m_stage = nullptr;
    // The staged copy, or else the file itself, written whole.
    QFile m_staged;
    WholeFile m_file;
    // UTF-8 goes to the file in chunks of about kChunk characters.
    QString m_text;
    bool m_written = true;
    QString m_separator;
    bool m_open = false;
};
