#pragma once
// A private HOME and XDG folders for a test process, set before QCoreApplication exists so
// that QSettings, QStandardPaths and the application log never reach the real user's files.
#include <QFile>
#include <QTemporaryDir>

class IsolatedHome {
public:
    IsolatedHome()
    {
        // The temporary folder is private to the user, as Qt wants the runtime folder.
        const char* const folders[][2] = {{"HOME", ""},
                                          {"XDG_CONFIG_HOME", "/.config"},
                                          {"XDG_DATA_HOME", "/.local/share"},
                                          {"XDG_CACHE_HOME", "/.cache"},
                                          {"XDG_RUNTIME_DIR", ""}};
        for (const auto& folder : folders) {
            if (m_dir.isValid())
                qputenv(folder[0], QFile::encodeName(m_dir.path() + QLatin1String(folder[1])));
        }
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
