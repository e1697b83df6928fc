#include "core/WholeFile.h"

#include <QDir>
#include <QFile>

WholeFile::WholeFile(const QString& path, QObject* parent)
    : QIODevice(parent)
    , m_path(path)
    , m_file(QFile::encodeName(path).constData())
{
}

WholeFile::~WholeFile()
{
    cancelWriting();
}

void WholeFile::takeError()
{
    setErrorString(qt_error_string(m_file.error()));
}

bool WholeFile::open(OpenMode mode)
{
    if ((mode & ReadOnly) || !(mode & WriteOnly) || isOpen()) {
        setErrorString(qt_error_string(EINVAL));
        return false;
    }
    if (!m_file.open()) {
        takeError();
        return false;
    }
    return QIODevice::open(mode | Unbuffered);
}

qint64 WholeFile::writeData(const char* data, qint64 size)
{
    if (m_file.write(data, size_t(size)))
        return size;
    takeError();
    return -1;
}

bool WholeFile::commit()
{
    if (!isOpen())
        return false;
    QIODevice::close();
    if (m_file.commit() != ZP_OK) {
        takeError();
        return false;
    }
    return true;
}

void WholeFile::cancelWriting()
{
    if (isOpen())
        QIODevice::close();
    m_file.discard();
}

QString WholeFile::failureText() const
{
    return failureText(m_path, qt_error_string(errorCode()));
}

QString WholeFile::failureText(const QString& path, const QString& reason)
{
    return qtTrId("FILE_WR_ERROR_REASON").arg(QDir::toNativeSeparators(path), reason);
}
