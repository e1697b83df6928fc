#include "models/OvPlantInfo.h"

#include "core/Configuration.h"
#include "core/OvParameters.h"
#include "plant/ActivePlant.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/PanelModel.h"

#include <QStringList>
#include <QVector>

#include <algorithm>

OvPlantInfo::OvPlantInfo(QObject* parent)
    : QObject(parent)
{
}

bool OvPlantInfo::fitsName(const QString& text)
{
    return text.size() <= kDescriptionMax
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
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

namespace {

// The four numbers of a dotted address, at most three digits each, left for the plant to
// judge; empty unless there are exactly four.
QVector<int> octets(const QString& text, bool upTo255 = false)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    QVector<int> numbers;
    if (parts.size() != 4)
        return numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 0 || part.size() > 3 || (upTo255 && n > 255))
            return QVector<int>();
        numbers << n;
    }
    return numbers;
}

u32 panelCpuModel()
{
    return PanelType::get_cpu_model(g_zpConf->get_panel_type());
}

struct Bounds {
    int minimum;
    int maximum;
};

// The members the panel keeps whose settings give their bounds.
const struct {
    const char* member;
    OvParameters::Setting setting;
} kSettingBounds[] = {
    {"sirenDelayTime", OvParameters::SirenDelayTime},
    {"acknowledgementInhibitionTime", OvParameters::AcknowledgementInhibitionTime},
    {"autoAcknowledgementTime", OvParameters::AutoAcknowledgementTime},
    {"failureSystemTime", OvParameters::FailureSystemTime},
    {"detectorsCheckTime", OvParameters::DetectorsCheckTime},
    {"falseFailureTimeTypeID", OvParameters::FalseFailureTimeTypeID},
    {"openCircuitsFailureTime", OvParameters::OpenCircuitsFailureTime},
    {"cameraLowValueTimeFailure", OvParameters::CameraLowValueTimeFailure},
    {"failureIvalidResponseTime", OvParameters::FailureInvalidResponseTime},
    {"faultMaintenanceTime", OvParameters::FaultMaintenanceTime},
};

Bounds boundsOf(const QString& member)
{
    for (const auto& entry : kSettingBounds) {
        if (member == QLatin1String(entry.member)) {
            OvParameters* store = OvParameters::instance();
            const Bounds bounds{store->minValue(entry.setting), store->maxValue(entry.setting)};
            OvParameters::release();
            return bounds;
        }
    }
    const Configuration* brand = Configuration::instance();
    if (member == QLatin1String("sirenSoundType") || member == QLatin1String("evacSoundType"))
        return {1, brand->sirenMaxType()};
    if (member == QLatin1String("sirenVolume") || member == QLatin1String("evacSoundVolume"))
        return {1, brand->sirenMaxVolume()};
    if (member == QLatin1String("preAlarmLvl"))
        return {30, 99};
    return {0, -1};
}

} // namespace

uint OvPlantInfo::addressValue(const QString& text)
{
    const QVector<int> n = octets(text, true);
    if (n.isEmpty())
        return 0;
    return uint(n[0]) << 24 | uint(n[1]) << 16 | uint(n[2]) << 8 | uint(n[3]);
}

QString OvPlantInfo::checkAddress(const QString& text) const
{
    const Plant* plant = ActivePlant::get();
    const QVector<int> n = octets(text);
    if (!plant || n.isEmpty() || !plant->isValidNetworkIP(n[0], n[1], n[2], n[3]))
        return qtTrId("ERR_NET_BAD_ADDRESS");
    return QString();
}

QString OvPlantInfo::checkNetmask(const QString& text) const
{
    const Plant* plant = ActivePlant::get();
    const QVector<int> n = octets(text);
    if (!plant || n.isEmpty() || !plant->isValidNetworkMask(n[0], n[1], n[2], n[3]))
        return qtTrId("ERR_NET_BAD_NETMASK");
    return QString();
}

QString OvPlantInfo::checkGateway(const QString& address, const QString& netmask, const QString& gateway) const
{
    if (gateway.trimmed().isEmpty())
        return QString();
    const Plant* plant = ActivePlant::get();
    if (!plant || octets(gateway, true).isEmpty()
        || !plant->optionalNetworkGatway(addressValue(address), addressValue(netmask), addressValue(gateway)))
        return qtTrId("ERR_NET_BAD_GATEWAY");
    return QString();
}

bool OvPlantInfo::hasSIB() const
{
    return CpuModel::has_sib(panelCpuModel());
}

QVariantList OvPlantInfo::loopTypes() const
{
    // A loop type outside what the panel data's repair keeps would not survive a save; the
    // plant refuses it by the same rule. Loop types are numbered as the line protocols.
    const u32 model = panelCpuModel();
    const u32 brand = u32(Configuration::instance()->current_brand());
    QVariantList types;
    for (int type : {OvLoop::LOOP_ZAV200, OvLoop::LOOP_VARN500, OvLoop::LOOP_APOLLO}) {
        if (is_line_protocol_kept(model, brand, u32(type)))
            types << type;
    }
    return types;
}

QString OvPlantInfo::loopTypeName(int type)
{
    switch (type) {
    case OvLoop::LOOP_ZAV200: return qtTrId("CSV_LOOP_PROTOCOL_ADV");
    case OvLoop::LOOP_VARN500: return qtTrId("CSV_LOOP_PROTOCOL_VARN");
    case OvLoop::LOOP_APOLLO: return qtTrId("CSV_LOOP_PROTOCOL_APOLLO");
    default: return qtTrId("STR_UNDEFINED");
    }
}

int OvPlantInfo::parameterMinimum(const QString& member) const
{
    return boundsOf(member).minimum;
}

int OvPlantInfo::parameterMaximum(const QString& member) const
{
    return boundsOf(member).maximum;
}

QString OvPlantInfo::checkParameter(const QString& member, int value) const
{
    const Bounds bounds = boundsOf(member);
    if (bounds.maximum < bounds.minimum)
        return qtTrId("ERR_PARAMETER_UNKNOWN");
    if (value < bounds.minimum || value > bounds.maximum)
        return qtTrId("ERR_VALUE_OUT_OF_RANGE").arg(bounds.minimum).arg(bounds.maximum);
    return QString();
}

QString OvPlantInfo::setParameter(const QString& member, int value)
{
    const QString refused = checkParameter(member, value);
    Plant* plant = ActivePlant::get();
    if (refused.isEmpty() && plant)
        plant->setProperty(member.toLatin1().constData(), uint(value));
    return refused;
}

QString OvPlantInfo::checkPassword(const QString& text)
{
    if (text.isEmpty())
        return QString();
    bool digits = text.size() <= 5;
    for (const QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits || text.toUInt() > Plant::kMaxPassword)
        return qtTrId("ERR_PASSWORD_DIGITS").arg(Plant::kMaxPassword);
    return QString();
}

QString OvPlantInfo::setPassword(int level, const QString& text)
{
    const QString refused = level >= 0 && level < 3 ? checkPassword(text) : qtTrId("ERR_PARAMETER_UNKNOWN");
    if (!refused.isEmpty())
        return refused;
    Plant* plant = ActivePlant::get();
    // The panel has no level without a code: an empty field stands for the panel's own one,
    // which is what the field then shows and what is compiled.
    const uint code = text.isEmpty() ? ZpData_v2602::ZpxProg::kDefaultPasswords[level] : text.toUInt();
    if (plant)
        plant->setPassword(uint(level), code);
    return text.isEmpty() ? qtTrId("MSG_PASSWORD_PANEL_DEFAULT").arg(code) : QString();
}

QString OvPlantInfo::passwordText(int level) const
{
    const Plant* plant = ActivePlant::get();
    if (!plant || level < 0 || level > 2)
        return QString();
    // An undefined code is compiled as the panel's own.
    const uint code = plant->getPassword(uint(level));
    return QString::number(code <= Plant::kMaxPassword ? code : ZpData_v2602::ZpxProg::kDefaultPasswords[level]);
}
