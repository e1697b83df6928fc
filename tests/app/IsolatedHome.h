#pragma once
// A private HOME and XDG config folder for a test process, set before QCoreApplication exists
// so that QSettings and QStandardPaths never reach the real user's files.
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class IsolatedHome {
public:
    IsolatedHome()
    {
        if (!m_dir.isValid())
            return;
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/.config")));
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
