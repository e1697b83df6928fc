#pragma once
// A file that replaces its target only whole, as a Qt device: the one way the application's
// writers (plant file, report, CSV set) put a file in place, with the rules of the library's
// SaveFile. Every byte written must reach the file: a short write fails the device, and
// commit() then refuses, so a cut file never takes the target's name.
#include "OS/SaveFile.h"

#include <QIODevice>
#include <QString>

class WholeFile : public QIODevice {
    Q_OBJECT
public:
    explicit WholeFile(const QString& path, QObject* parent = nullptr);
    ~WholeFile() override;

    // Write-only; false with errorCode() set when the target is refused or no file can be made.
    bool open(OpenMode mode) override;
    // Puts the file in place when every write reached it; false leaves the target untouched.
    bool commit();
    // Drops what was written; the target is untouched.
    void cancelWriting();

    bool isSequential() const override { return true; }
    QString fileName() const { return m_path; }
    // errno of the first failure, 0 when there was none; errorString() is its text.
    int errorCode() const { return m_file.error(); }
    // "Cannot write the file <name>: <reason>" in the user's language.
    QString failureText() const;
    // The same for any file that could not be written.
    static QString failureText(const QString& path, const QString& reason);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    void takeError();

    QString m_path;
    SaveFile m_file;
};
