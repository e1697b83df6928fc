// The CSV file of one loop: its wiring and protocol, then one row per valid point, a module of
// several channels as its channel rows (under a summary row, except where its channels take
// consecutive addresses: on VARN loops, for the second series, and where their records say so).
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/PlantCsv.h"
#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"

namespace {

constexpr int kColumns = 18;
constexpr int kSecondSeries = 2;

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString number(int value)
{
    return QString::number(value);
}

QString modelName(u16 hwType)
{
    return QString::fromLatin1(get_device_model_name(hwType));
}

QString inputTypeText(const OvGenericPoint& p)
{
    return number(p.subPoints().isEmpty() ? p.inputType() : OvGenericPoint::kInputTypeChannels);
}

QString pointTypeName(const OvGenericPoint& p)
{
    if (!p.subPoints().isEmpty())
        return modelName(p.hwType());
    return PointType::getTypeName(p.family(), p.protocol(), p.series(), p.hwType(), p.swType());
}

QStringList sensorRow(const OvGenericPoint& p)
{
    return {qtTrId("CSV_PT_SENSOR"),
            number(int(p.address())),
            p.description(),
            pointTypeName(p),
            flag(p.checkAudit()),
            flag(p.checkTracking()),
            flag(p.checkFlashing()),
            number(p.alertLevel()),
            number(p.sensLow()),
            number(p.sensNormal()),
            number(p.sensHigh()),
            p.cbe(),
            number(p.areaIndex()),
            flag(p.checkRaviSCtrlDisa()),
            QString(),
            QString(),
            QString(),
            inputTypeText(p)};
}

// A module or a channel row: index and type text as given.
QStringList moduleRow(const OvGenericPoint& p, const QString& index, const QString& type)
{
    return {qtTrId("CSV_PT_MODULE"),
            index,
            p.description(),
            type,
            QString(),
            flag(p.checkTracking()),
            flag(p.checkFlashing()),
            QString(),
            QString(),
            QString(),
            QString(),
            p.cbe(),
            number(p.areaIndex()),
            QString(),
            number(p.fastInputDev1()),
            number(p.fastInputDev2()),
            flag(p.fastInputLogic()),
            inputTypeText(p)};
}

QString swTypeName(u8 swType)
{
    return swType <= 63 ? QString::fromLatin1(get_type_name(swType)) : QString();
}

} // namespace

bool OvLoop::exportCSV(const QString& folder) const
{
    const QString path = csvFileName(folder, m_ownerCpu, m_loopIndex);
    PlantCsv csv(path);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(path);
    csv.writeLine({qtTrId("CSV_LOOP_TYPE"),
                   qtTrId(m_open ? QT_TRID_NOOP("CSV_LOOP_TYPE_OPEN") : QT_TRID_NOOP("CSV_LOOP_TYPE_CLOSE"))},
                  false);
    const char* protocol = m_type == LOOP_ZAV200 ? QT_TRID_NOOP("CSV_LOOP_PROTOCOL_ADV")
        : m_type == LOOP_APOLLO                  ? QT_TRID_NOOP("CSV_LOOP_PROTOCOL_APOLLO")
                                                 : QT_TRID_NOOP("CSV_LOOP_PROTOCOL_VARN");
    csv.writeLine({qtTrId("CSV_LOOP_PROTOCOL"), qtTrId(protocol)}, false);
    csv.writeLine({}, false);
    csv.writeLine({qtTrId("CSV_PT_FAMILY"), qtTrId("CSV_PT_INDEX"), qtTrId("Description"), qtTrId("Type"),
                   qtTrId("checkAudit"), qtTrId("Tracking"), qtTrId("checkFlashing"), qtTrId("AlertLevel"),
                   qtTrId("lowSensibility"), qtTrId("normalSensibility"), qtTrId("highSensibility"),
                   qtTrId("FormulaCBE"), qtTrId("areaIndex"), qtTrId("checkRaviSCtrlDisa"),
                   qtTrId("CSV_KORVA_INPUT_DEV1"), qtTrId("CSV_KORVA_INPUT_DEV2"), qtTrId("CSV_KORVA_INPUT_LGC"),
                   qtTrId("CSV_PT_TYPE_IN_OUT")},
                  true);

    for (const OvGenericPoint* p : m_sensors) {
        if (p->isValid())
            csv.writeLine(sensorRow(*p), false);
    }
    for (const OvGenericPoint* p : m_modules) {
        if (!p->isValid())
            continue;
        const int address = int(p->address());
        if (p->subPoints().isEmpty()) {
            csv.writeLine(moduleRow(*p, number(address), pointTypeName(*p)), false);
            continue;
        }
        // The file's own numbering, kept for its readers: by address alone for every module of a
        // VARN loop and of the second series, whatever name a program gives the channel.
        const bool consecutive = p->series() == kSecondSeries || m_type == LOOP_VARN500 || p->channelsAtOwnAddresses();
        if (!consecutive) {
            QStringList summary{qtTrId("CSV_PT_MODULE"), number(address), QString(), modelName(p->hwType())};
            while (summary.size() < kColumns)
                summary << QString();
            csv.writeLine(summary, false);
        }
        for (int k = 0; k < p->subPoints().size(); ++k) {
            const OvGenericSubPoint& c = p->subPoints().at(k);
            if (!c.isValid())
                continue;
            const QString index = consecutive ? number(address + k)
                                              : QStringLiteral("%1_%2").arg(address).arg(c.getSubIndex());
            csv.writeLine(moduleRow(c, index, swTypeName(c.swType())), false);
        }
    }
    return csv.close();
}
