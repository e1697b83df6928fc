#include "io/QtCSV/Writer.h"

#include "io/QtCSV/AbstractData.h"
#include "io/QtCSV/ContentIterator.h"

#include "core/WholeFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>

namespace QtCSV {

bool Writer::write(const QString& filePath, const AbstractData& data, const QString& separator,
                   const QString& textDelimiter, WriteMode mode, const QStringList& header, const QStringList& footer,
                   QTextCodec* codec)
{
    if (filePath.isEmpty()) {
        qDebug() << "write"
                 << "Error - empty path to file";
        return false;
    }
    if (data.isEmpty()) {
        qDebug() << "write"
                 << "Error - empty data";
        return false;
    }
    const QFileInfo info(filePath);
    if (info.isRelative() || info.isDir()) {
        qDebug() << "write"
                 << "Error - wrong file path/name:" << filePath;
        return false;
    }
    if (info.suffix() != QLatin1String("csv"))
        qDebug() << "CheckFile"
                 << "Warning - file suffix is not .csv";

    ContentIterator content(data, separator, textDelimiter, header, footer);
    return mode == Append ? appendToFile(filePath, content, codec) : overwriteFile(filePath, content, codec);
}

bool Writer::write(QIODevice& ioDevice, const AbstractData& data, const QString& separator,
                   const QString& textDelimiter, const QStringList& header, const QStringList& footer,
                   QTextCodec* codec)
{
    ContentIterator content(data, separator, textDelimiter, header, footer);
    return writeToIODevice(ioDevice, content, codec);
}

bool Writer::appendToFile(const QString& filePath, ContentIterator& content, QTextCodec* codec)
{
    if (content.isEmpty()) {
        qDebug() << "appendToFile"
                 << "Error - invalid arguments";
        return false;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        qDebug() << "appendToFile"
                 << "Error - can't open file:" << file.fileName();
        return false;
    }
    const bool written = writeToIODevice(file, content, codec);
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool Writer::overwriteFile(const QString& filePath, ContentIterator& content, QTextCodec* codec)
{
    WholeFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "overwriteFile"
                 << "Error - can't open the file" << filePath << file.errorString();
        return false;
    }
    if (!writeToIODevice(file, content, codec)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qDebug() << "overwriteFile"
                 << "Error - failed to write" << filePath << file.errorString();
        return false;
    }
    return true;
}

bool Writer::writeToIODevice(QIODevice& ioDevice, ContentIterator& content, QTextCodec* codec)
{
    if (content.isEmpty()) {
        qDebug() << "writeToIODevice"
                 << "Error - invalid arguments";
        return false;
    }
    if (!ioDevice.isOpen() && !ioDevice.open(QIODevice::Append | QIODevice::Text)) {
        qDebug() << "writeToIODevice"
                 << "Error - failed to open IO Device";
        return false;
    }
    QTextStream stream(&ioDevice);
    stream.setCodec(codec ? codec : QTextCodec::codecForName("UTF-8"));
    while (content.hasNext())
        stream << content.getNext();
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

} // namespace QtCSV
