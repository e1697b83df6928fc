#include "io/XMLmodifier.h"

#include "io/QtCSV/Reader.h"

#include "core/Configuration.h"
#include "core/WholeFile.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/PanelModel.h"

#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QMap>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr u32 kZpxDataType = 2;
constexpr int kCpuCount = 64;
// Columns of a loop file row.
constexpr int kLoopRowMinFields = 15;
constexpr int kFamilyColumn = 0;
constexpr int kAddressColumn = 1;
constexpr int kLabelColumn = 2;
constexpr int kTypeColumn = 3;
constexpr int kZoneColumn = 12;

typedef QList<QStringList> Table;

Table readTable(const QString& path)
{
    return QtCSV::Reader::readToList(path, QStringLiteral(","), QStringLiteral("\""),
                                     QTextCodec::codecForName("UTF-8"));
}

int toInt(const QString& text, bool* ok = nullptr)
{
    return text.trimmed().toInt(ok, 10);
}

int enabledPanelCount(const Table& panels)
{
    int count = 0;
    for (const QStringList& row : panels) {
        if (row.size() < 2)
            continue;
        bool numbered = false;
        bool stated = false;
        toInt(row.at(0), &numbered);
        const int state = toInt(row.at(1), &stated);
        if (numbered && stated && state != 0)
            ++count;
    }
    return count;
}

// Column `column` of the first row whose column 0 is the number key; empty when that row is
// too short or no row has it.
QString lookup(const Table& rows, int key, int column)
{
    for (const QStringList& row : rows) {
        bool ok = false;
        if (!row.isEmpty() && toInt(row.at(0), &ok) == key && ok)
            return row.size() > column ? row.at(column) : QString();
    }
    return QString();
}

QString panelTypeText(int cpu)
{
    if (cpu < 1 || cpu > kCpuCount)
        return QString::fromLatin1(CpuType::get_name(CpuType::UNKNOWN));
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, kZpxDataType, kZpxDataType);
    if (!zpx.layout())
        return QString::fromLatin1(CpuType::get_name(CpuType::UNKNOWN));
    return QString::fromLatin1(CpuType::get_name(zpx->get_cpu_type(u32(cpu - 1))));
}

QDomElement textElement(QDomDocument& doc, const QString& name, const QString& text)
{
    QDomElement element = doc.createElement(name);
    element.appendChild(doc.createTextNode(text));
    return element;
}

bool isSubAddress(const QStringList& row)
{
    return row.size() > kAddressColumn && row.at(kAddressColumn).contains(QLatin1Char('_'));
}

QStringList listLoopFiles(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QStringList(QStringLiteral("Loop*")), QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

// One panel's element tree while its loop files are read.
class TopologyBuilder {
public:
    TopologyBuilder(QDomDocument& doc, const Table& zones)
        : m_doc(doc)
        , m_zones(zones)
    {
    }

    void addLoopFile(QDomElement& panel, int loop, const Table& rows)
    {
        m_panel = panel;
        m_device = QDomElement();
        m_subModule = QDomElement();
        const QString sensorWord = qtTrId("CSV_PT_SENSOR");
        const QString moduleWord = qtTrId("CSV_PT_MODULE");
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList& row = rows.at(i);
            if (row.size() < kLoopRowMinFields)
                continue;
            const QString& family = row.at(kFamilyColumn);
            if (!family.contains(sensorWord) && !family.contains(moduleWord))
                continue;
            const bool sub = isSubAddress(row);
            const bool nextIsSub = i + 1 < rows.size() && isSubAddress(rows.at(i + 1));
            if (nextIsSub)
                qDebug() << row.at(kAddressColumn) << sub << rows.at(i + 1).at(kAddressColumn) << "NEXT IS SUBMODULE";
            else
                qDebug() << row.at(kAddressColumn) << sub;
            if (sub) {
                qDebug() << "DOING SUBMODULE";
                if (!m_device.isNull())
                    m_subModule.appendChild(module(row));
            } else {
                attachDevice();
                m_device = device(loop, row, family.contains(sensorWord));
                m_subModule = m_doc.createElement(QStringLiteral("SubModule"));
            }
        }
        attachDevice();
    }

private:
    // A device is attached once its sub-address rows are all read.
    void attachDevice()
    {
        if (m_device.isNull())
            return;
        if (!m_subModule.hasChildNodes())
            m_subModule.appendChild(m_doc.createTextNode(QString()));
        m_device.appendChild(m_subModule);
        m_panel.appendChild(m_device);
        m_device = QDomElement();
        m_subModule = QDomElement();
    }

    QString zoneLabel(const QStringList& row) const { return lookup(m_zones, toInt(row.at(kZoneColumn)), 1); }

    QDomElement device(int loop, const QStringList& row, bool sensor)
    {
        QDomElement element = m_doc.createElement(QStringLiteral("Device"));
        element.appendChild(textElement(m_doc, QStringLiteral("LoopNumber"), QString::number(loop)));
        element.appendChild(textElement(m_doc, QStringLiteral("PositionOnLoop"), row.at(kAddressColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("Type"), row.at(kTypeColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("Label"), row.at(kLabelColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("ZoneAddress"), row.at(kZoneColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("ZoneLabel"), zoneLabel(row)));
        element.appendChild(textElement(m_doc, QStringLiteral("SerialNumber"), QString()));
        element.appendChild(textElement(m_doc, QStringLiteral("DeviceTypeID"), QLatin1String(sensor ? "0" : "1")));
        element.appendChild(textElement(m_doc, QStringLiteral("DeviceManufactureDate"), QString()));
        return element;
    }

    QDomElement module(const QStringList& row)
    {
        const QString& address = row.at(kAddressColumn);
        QDomElement element = m_doc.createElement(QStringLiteral("Module"));
        element.appendChild(textElement(m_doc, QStringLiteral("Type"), row.at(kTypeColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("Label"), row.at(kLabelColumn)));
        element.appendChild(
            textElement(m_doc, QStringLiteral("Number"), address.mid(address.indexOf(QLatin1Char('_')) + 1)));
        element.appendChild(textElement(m_doc, QStringLiteral("ZoneAddress"), row.at(kZoneColumn)));
        element.appendChild(textElement(m_doc, QStringLiteral("ZoneLabel"), zoneLabel(row)));
        return element;
    }

    QDomDocument& m_doc;
    const Table& m_zones;
    QDomElement m_panel;
    QDomElement m_device;
    QDomElement m_subModule;
};

bool writeDocument(const QString& path, const QDomDocument& doc, QString* failedFile, QString* reason)
{
    WholeFile file(path);
    const auto failed = [&]() {
        qDebug() << "Open the file for writing failed" << path << file.errorString();
        if (failedFile)
            *failedFile = path;
        if (reason)
            *reason = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    QTextStream stream(&file);
    // No declaration names the encoding, so the document must be UTF-8.
    stream.setCodec(QTextCodec::codecForName("UTF-8"));
    doc.save(stream, 1);
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit())
        return failed();
    qDebug() << "Writing is done";
    return true;
}

bool writeTopology(QString folder, QStringList loopFiles, QString* failedFile = nullptr, QString* reason = nullptr)
{
    if (folder.isEmpty()) {
        qDebug() << "writeTopologyXml: no folder";
        return false;
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("TopologyImport"));
    const Table zones = readTable(folder + qtTrId("CSV_AREASSYSTEM") + QStringLiteral(".csv"));
    const Table panels = readTable(folder + qtTrId("CSV_CPUSSYSTEM") + QStringLiteral(".csv"));
    const int panelCount = enabledPanelCount(panels);
    qDebug() << "Number of CPUs: " << panelCount;
    qDebug() << "SIZE OF LOOPS " << loopFiles.size();

    TopologyBuilder builder(doc, zones);
    QMap<int, QDomElement> panelElements;
    for (const QString& name : loopFiles) {
        const QStringList parts = name.split(QLatin1Char('_'));
        const int cpu = parts.size() > 1 ? toInt(parts.at(1)) : 0;
        const int loop = parts.size() > 2 ? toInt(parts.at(2).section(QLatin1Char('.'), 0, 0)) : 0;
        QDomElement& panel = panelElements[cpu];
        if (panel.isNull()) {
            panel = doc.createElement(QStringLiteral("PanelData"));
            panel.setAttribute(QStringLiteral("Type"), panelTypeText(cpu));
            panel.appendChild(textElement(doc, QStringLiteral("PanelLabel"), lookup(panels, cpu, 2)));
            panel.appendChild(
                textElement(doc, QStringLiteral("PanelNumber"), QString::number(panelCount == 1 ? 0 : cpu)));
            root.appendChild(panel);
        }
        builder.addLoopFile(panel, loop, readTable(folder + name));
    }
    doc.appendChild(root);
    return writeDocument(folder + Configuration::instance()->appName() + QStringLiteral("Plant.xml"), doc, failedFile,
                         reason);
}

} // namespace

XMLmodifier::XMLmodifier(QObject* parent)
    : QObject(parent)
{
}

bool XMLmodifier::writeTopologyXml(const QString& folder)
{
    return writeTopology(folder, folder.isEmpty() ? QStringList() : listLoopFiles(folder));
}

bool XMLmodifier::writeTopologyXml(const QString& folder, const QStringList& loopFiles, QString* failedFile,
                                   QString* reason)
{
    QStringList names;
    for (const QString& file : loopFiles)
        names << QFileInfo(file).fileName();
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return writeTopology(folder, names, failedFile, reason);
}
