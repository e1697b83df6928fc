#include "plant/PlantCsv.h"

#include "core/ApplicationInfo.h"
#include "core/OvParameters.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

PlantCsv::Stage::Stage(const QString& folder)
    : m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_dir(m_folder + QStringLiteral("/.csv-export-XXXXXX"))
    , m_outer(current())
{
    if (!m_dir.isValid())
        fail(folder, m_dir.errorString());
    current() = this;
}

PlantCsv::Stage::~Stage()
{
    current() = m_outer;
}

PlantCsv::Stage*& PlantCsv::Stage::current()
{
    thread_local Stage* stage = nullptr;
    return stage;
}

void PlantCsv::Stage::fail(const QString& path, const QString& reason)
{
    if (!m_failedFile.isEmpty())
        return;
    const QString staged = m_dir.path() + QLatin1Char('/');
    m_failedFile = path.startsWith(staged) ? m_folder + QLatin1Char('/') + path.mid(staged.size()) : path;
    m_failureReason = reason;
}

bool PlantCsv::Stage::commit()
{
    if (!m_failedFile.isEmpty() || !isValid())
        return false;
    QStringList names = m_written;
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!names.contains(name))
            names << name;
    }
    // Refused before anything moves, so the set stays the earlier one.
    for (const QString& name : names) {
        const QFileInfo target(m_folder + QLatin1Char('/') + name);
        if (target.isDir()) {
            fail(target.filePath(), qt_error_string(EISDIR));
            return false;
        }
    }
    for (const QString& name : names) {
        const QString staged = m_dir.filePath(name);
        const QString target = m_folder + QLatin1Char('/') + name;
        // A file replaced keeps the permissions the user gave it.
        if (QFileInfo::exists(target))
            QFile::setPermissions(staged, QFile::permissions(target));
        // std::rename replaces the target in one step, which QFile::rename refuses to do.
        if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
            fail(target, qt_error_string(errno));
            return false;
        }
    }
    return true;
}

PlantCsv::PlantCsv(const QString& path)
    : m_path(path)
    , m_separator(OvParameters::instance()->csvToken())
{
    Stage* stage = Stage::current();
    const QFileInfo info(path);
    QFileDevice* file = &m_file;
    if (stage && stage->isValid() && QDir::cleanPath(info.absolutePath()) == stage->m_folder) {
        m_stage = stage;
        stage->m_written << info.fileName();
        m_staged.setFileName(stage->m_dir.filePath(info.fileName()));
        file = &m_staged;
    } else {
        m_file.setFileName(path);
    }
    // Unbuffered: the text is held here, and a short write is then the file's, with its reason.
    m_open = file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) || failed(*file);
}

PlantCsv::~PlantCsv()
{
    close();
    OvParameters::release();
}

bool PlantCsv::failed(const QFileDevice& file)
{
    if (m_stage)
        m_stage->fail(m_path, file.errorString());
    return false;
}

QFileDevice& PlantCsv::device()
{
    return m_stage ? static_cast<QFileDevice&>(m_staged) : m_file;
}

bool PlantCsv::put()
{
    const QByteArray bytes = m_text.toUtf8();
    m_text.clear();
    // A short write is retried: the write that then fails says why (a full disk, a size limit).
    for (qint64 done = 0; m_written && done < bytes.size();) {
        const qint64 n = device().write(bytes.constData() + done, bytes.size() - done);
        m_written = n > 0;
        done += n;
    }
    return m_written;
}

bool PlantCsv::close()
{
    if (!m_open)
        return false;
    m_open = false;
    QFileDevice& file = device();
    if (!put() || !file.flush() || file.error() != QFileDevice::NoError) {
        failed(file);
        if (m_stage)
            m_staged.close();
        else
            m_file.cancelWriting();
        return false;
    }
    if (!m_stage)
        return m_file.commit() || failed(m_file);
    m_staged.close();
    return m_staged.error() == QFileDevice::NoError || failed(m_staged);
}

void PlantCsv::writeHeader(const QString& shownPath)
{
    writeLine({qtTrId("CSV_FILENAME"), shownPath}, false);
    const QString version = QStringLiteral("%1.%2").arg(kApplicationMajorVersion).arg(kApplicationMinorVersion);
    writeLine({applicationFileName(), qtTrId("ID_OV_VERSION_LBL"), version}, false);
    writeLine({qtTrId("CSV_CREATEDON"), QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd hh:mm"))},
              false);
    writeLine({}, false);
}

void PlantCsv::writeLine(const QStringList& cells, bool trailingSeparator)
{
    if (!m_open)
        return;
    for (int i = 0; i < cells.size(); ++i) {
        m_text += quoted(cells.at(i), m_separator);
        if (trailingSeparator || i + 1 < cells.size())
            m_text += m_separator;
    }
    m_text += QLatin1Char('\n');
    if (m_text.size() >= kChunk)
        put();
}

QString PlantCsv::quoted(const QString& cell, const QString& separator)
{
    const bool needed = (!separator.isEmpty() && cell.contains(separator)) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
    if (!needed)
        return cell;
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}
