#include "models/OvPlantInfo.h"

#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

#include <QStringList>

OvPlantInfo::OvPlantInfo(QObject* parent)
    : QObject(parent)
{
}

QString OvPlantInfo::checkDescription(const QString& text)
{
    if (text.size() > kDescriptionMax)
        return qtTrId("ERR_DESCRIPTION_TOO_LONG").arg(kDescriptionMax);
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return qtTrId("ERR_DESCRIPTION_NOT_LATIN1");
    }
    return QString();
}

QString OvPlantInfo::setPlantDescription(const QString& text)
{
    const QString refused = checkDescription(text);
    Plant* plant = ActivePlant::get();
    if (refused.isEmpty() && plant && plant->getDescription() != text)
        plant->setDescription(text);
    return refused;
}

QString OvPlantInfo::panelTypeName() const
{
    return QString::fromLatin1(PanelType::get_name(g_zpConf->get_panel_type()));
}

QString OvPlantInfo::enabledCpus() const
{
    const Plant* plant = ActivePlant::get();
    QStringList numbers;
    for (int p = 0; plant && p < plant->cpus().count(); ++p) {
        if (plant->cpus().cpuAt(p)->isEnabled())
            numbers << QString::number(p + 1);
    }
    return numbers.join(QStringLiteral(", "));
}

int OvPlantInfo::activeLoopCount() const
{
    const Plant* plant = ActivePlant::get();
    return plant ? plant->getActiveLoopCount() : 0;
}

int OvPlantInfo::loopMaxCount() const
{
    const Plant* plant = ActivePlant::get();
    return plant ? plant->getLoopMaxCount() : 0;
}

int OvPlantInfo::plantType() const
{
    const Plant* plant = ActivePlant::get();
    return plant ? plant->getPlantType() : 0;
}
