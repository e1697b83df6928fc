#include "plant/PlantCsv.h"

#include "core/ApplicationInfo.h"
#include "core/OvParameters.h"

#include <QDateTime>

PlantCsv::PlantCsv(const QString& path)
    : m_file(path)
    , m_separator(OvParameters::instance()->csvToken())
{
    m_open = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!m_open)
        return;
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
}

PlantCsv::~PlantCsv()
{
    close();
    OvParameters::release();
}

bool PlantCsv::close()
{
    if (!m_open)
        return false;
    m_open = false;
    m_stream.flush();
    const bool complete = m_stream.status() == QTextStream::Ok && m_file.error() == QFileDevice::NoError;
    m_file.close();
    return complete && m_file.error() == QFileDevice::NoError;
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
        m_stream << quoted(cells.at(i), m_separator);
        if (trailingSeparator || i + 1 < cells.size())
            m_stream << m_separator;
    }
    m_stream << '\n';
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
