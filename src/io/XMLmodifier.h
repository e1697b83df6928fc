#pragma once
// The topology document of an export: "<appName>Plant.xml" in the export folder, root element
// "TopologyImport", built from the CSV files the export has just written (zones, panels and the
// per-loop files) and the CPU types of the panel configuration.
#include <QObject>
#include <QStringList>

class XMLmodifier : public QObject {
    Q_OBJECT

public:
    explicit XMLmodifier(QObject* parent = nullptr);

    // Writes the document into folder (with or without a trailing "/"); true when the whole
    // file was written. An existing document is replaced only by a complete new one.
    //
    // loopFiles names the loop files of this export (file names in folder, such as
    // "Loop_ 1_ 2.csv"; a folder part is ignored); only they become devices, so a loop file
    // left in a reused folder by an earlier export stays out. Without the list every file of
    // the folder matching "Loop*" is taken. The files are handled in the plain character order
    // of their names: CPU order, then loop order, for the export's blank-filled numbers.
    // A CSV file that cannot be read counts as an empty table. When the document cannot be
    // written, failedFile and reason, when given, get its path and the system's reason.
    static bool writeTopologyXml(const QString& folder);
    static bool writeTopologyXml(const QString& folder, const QStringList& loopFiles, QString* failedFile = nullptr,
                                 QString* reason = nullptr);
};
