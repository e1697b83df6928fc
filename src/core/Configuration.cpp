#include "core/Configuration.h"

#include "core/BrandTable.h"
#include "core/CharBuffer.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <QDebug>
#include <QFile>
#include <QMetaProperty>

#include <algorithm>

namespace {

constexpr u32 kZpxDataType = 2;

typedef BlockLock<ZpData::IF_ZpxProg> ZpxLock;

u32 currentCpuModel()
{
    return PanelType::get_cpu_model(g_zpConf->get_panel_type());
}

u32 currentFamily()
{
    return CpuModel::get_family(currentCpuModel());
}

int readSensorBrand()
{
    ZpxLock zpx(*g_zpConf, 0, kZpxDataType, kZpxDataType);
    if (!zpx.layout()) {
        qWarning() << "general programming block of an unexpected layout";
        return 0;
    }
    return zpx->get_sensor_brand();
}

// Takes the block with its write lock; releasing it recomputes the CRC of a changed block.
void writeSensorBrand(int brand)
{
    ZpConfBlock* block = g_zpConf->get_block(0, kZpxDataType, kZpxDataType);
    if (!block)
        os_FatalPrintf("block == nullptr\n");
    if (block->lock_write() != 0) {
        qWarning() << "general programming block not writable";
        return;
    }
    if (auto* zpx = dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface()))
        zpx->set_sensor_brand(u8(brand));
    block->unlock();
}

template <class T>
QVariantList toVariantList(const std::vector<T>& values)
{
    QVariantList list;
    list.reserve(int(values.size()));
    for (T value : values)
        list << QVariant(int(value));
    return list;
}

} // namespace

Configuration::Configuration()
{
    connect(this, &Configuration::current_brandChanged, this, &Configuration::onCurrentBrandChanged);
}

Configuration* Configuration::instance()
{
    static Configuration configuration;
    return &configuration;
}

// --- setters ---

bool Configuration::set_configNumber(int value)
{
    return change(m_configNumber, value, &Configuration::configNumberChanged);
}

bool Configuration::set_orgName(const QString& value)
{
    return change(m_orgName, value, &Configuration::orgNameChanged);
}

bool Configuration::set_orgDomain(const QString& value)
{
    return change(m_orgDomain, value, &Configuration::orgDomainChanged);
}

bool Configuration::set_appName(const QString& value)
{
    return change(m_appName, value, &Configuration::appNameChanged);
}

bool Configuration::set_translationFileName(const QString& value)
{
    return change(m_translationFileName, value, &Configuration::translationFileNameChanged);
}

bool Configuration::set_windowIcon(const QString& value)
{
    return change(m_windowIcon, value, &Configuration::windowIconChanged);
}

bool Configuration::set_proto_adv(bool value)
{
    return change(m_proto_adv, value, &Configuration::proto_advChanged);
}

bool Configuration::set_proto_apollo(bool value)
{
    return change(m_proto_apollo, value, &Configuration::proto_apolloChanged);
}

bool Configuration::set_proto_varn(bool value)
{
    return change(m_proto_varn, value, &Configuration::proto_varnChanged);
}

bool Configuration::set_central_brand(int value)
{
    return change(m_central_brand, value, &Configuration::central_brandChanged);
}

bool Configuration::set_current_brand(int value)
{
    return change(m_current_brand, value, &Configuration::current_brandChanged);
}

bool Configuration::set_brandChoices(const QVariantList& value)
{
    return change(m_brandChoices, value, &Configuration::brandChoicesChanged);
}

bool Configuration::set_cpuTypeList(const QVariantList& value)
{
    return change(m_cpuTypeList, value, &Configuration::cpuTypeListChanged);
}

bool Configuration::set_allowedPlantTypes(const QVariantList& value)
{
    return change(m_allowedPlantTypes, value, &Configuration::allowedPlantTypesChanged);
}

bool Configuration::set_defaultPlantType(int value)
{
    return change(m_defaultPlantType, value, &Configuration::defaultPlantTypeChanged);
}

bool Configuration::set_has_sib(bool value)
{
    return change(m_has_sib, value, &Configuration::has_sibChanged);
}

bool Configuration::set_has_network_type(bool value)
{
    return change(m_has_network_type, value, &Configuration::has_network_typeChanged);
}

bool Configuration::set_maxDevPerZone(int value)
{
    return change(m_maxDevPerZone, value, &Configuration::maxDevPerZoneChanged);
}

bool Configuration::set_sirenMaxType(int value)
{
    return change(m_sirenMaxType, value, &Configuration::sirenMaxTypeChanged);
}

bool Configuration::set_sirenMaxVolume(int value)
{
    return change(m_sirenMaxVolume, value, &Configuration::sirenMaxVolumeChanged);
}

bool Configuration::set_notify(const QString& value)
{
    if (m_notify == value)
        return false;
    m_notify = value;
    emit notifyChanged();
    return true;
}

// --- invokables ---

bool Configuration::isKVVarn() const
{
    return m_configNumber >= 7 && m_configNumber <= 14;
}

bool Configuration::isKVAdv() const
{
    return m_configNumber >= 15 && m_configNumber <= 22;
}

bool Configuration::isKV() const
{
    return m_configNumber >= 7 && m_configNumber <= 22;
}

bool Configuration::isZP4x() const
{
    return m_configNumber < 5;
}

bool Configuration::isZPCL() const
{
    return m_configNumber > 22;
}

QString Configuration::getBrandString(int brand) const
{
    switch (brand) {
    case 0: return qtTrId("Kaldoren");
    case 1: return qtTrId("Fernholdt");
    case 2: return qtTrId("Tavrel");
    case 3: return qtTrId("Zelmar Detect");
    case 4: return qtTrId("Apollo");
    default: return QString();
    }
}

QString Configuration::getBrandedIcon(const QString& image) const
{
    return getBrandedIcon(image, 255);
}

QString Configuration::getBrandedIcon(const QString& image, int cpuType) const
{
    qDebug() << "GETTING IMAGE FOR BRAND" << m_current_brand << " cpu:" << cpuType;
    const QString cpuName = QString::fromLatin1(CpuType::get_name(u32(cpuType) & 0xFF));
    const bool withCpu = cpuType < 11;

    QStringList suffixes;
    switch (m_central_brand) {
    case 0:
        if (withCpu)
            suffixes << "_" + cpuName;
        if (m_configNumber > 22)
            suffixes << "_ZP";
        suffixes << QString();
        break;
    case 1: suffixes << "_h" << QString(); break;
    case 2:
        if (withCpu)
            suffixes << "_m_" + cpuName;
        suffixes << "_m"
                 << "_h";
        break;
    default: break;
    }

    for (const QString& suffix : suffixes) {
        QString name = image;
        name.replace(QLatin1String("%1"), suffix);
        qDebug() << "checking " << name;
        if (QFile::exists(":/Resources/" + name)) {
            qDebug() << "OK";
            return name;
        }
        qDebug() << "IMMGINE NON TROVATA";
    }
    return QString();
}

void Configuration::newPlantTypeChosen(int index)
{
    if (!(index < m_allowedPlantTypes.size())) {
        qDebug() << "IMPOSSIBLE: index of chosen plant not valid";
        return;
    }
    if (m_configNumber == 1 || m_configNumber == 2)
        qDebug() << "**************Impossible Config";
    const int target = BrandTable::plantTypeTarget(m_configNumber, index);
    if (target != 0)
        applyConfigNumber(target, true);
    qDebug() << "LOADED CONFIG!!! " << m_configNumber;
}

QString Configuration::getFileExtension() const
{
    return BrandTable::plantFileExtension(m_central_brand);
}

void Configuration::printCfg() const
{
    qDebug() << "*****************************CONFIG***************************";
    const QMetaObject* meta = metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        qDebug() << property.name() << " = " << property.read(this);
    }
}

// --- public members ---

QString Configuration::getCpuTypeName(int code)
{
    switch (code) {
    case 1: return QStringLiteral("ZP4800");
    case 2: return QStringLiteral("ZP4700");
    case 3: return QStringLiteral("ZP1300CL");
    case 4: return QStringLiteral("ZP1600CL");
    case 5: return QStringLiteral("ZP3600CL");
    case 6: return QStringLiteral("KV1300");
    case 7: return QStringLiteral("KV1600");
    case 8: return QStringLiteral("KV4600");
    case 9: return QStringLiteral("ZP4800N");
    case 11: return QStringLiteral("NUM");
    default: return QStringLiteral("UNKNOWN");
    }
}

QString Configuration::charBufferToString(char* buffer, int length)
{
    return ::charBufferToString(buffer, length);
}

bool Configuration::isLoopProtocolAllowed(bool forVarn) const
{
    if (!forVarn)
        return true;
    if (currentFamily() == PanelFamily::ZP4X00)
        return true;
    return readSensorBrand() == SENSOR_BRAND_APOLLO;
}

QVariantList Configuration::getAllowedDeviceTypes(quint8 deviceType) const
{
    QVariantList allowed;
    if (!g_zpConf->is_type_enabled(deviceType))
        return allowed;
    const int module = type_is_module(deviceType);
    const u16 defaultCode = get_default_code(deviceType);
    const u32 codeClass = get_code_class(defaultCode);
    const u32 family = currentFamily();
    // The catalogue is asked by code class in the place of the line protocol: the classes
    // and the protocols of the three device series share their numbers.
    const std::vector<u16> codes = get_hw_type_list(family, u8(codeClass), u8(module));
    for (u16 code : codes) {
        const std::vector<u8> types = get_sw_type_list(code, get_code_class(code), 0, family);
        if (std::find(types.begin(), types.end(), deviceType) != types.end())
            allowed << QVariant(int(code));
    }
    return allowed;
}

// --- brand configurations ---

QVariantList Configuration::getAllowedConfigs() const
{
    return BrandTable::allowedConfigs();
}

QVariantList Configuration::getConfigsForPanelType(int panelType) const
{
    return BrandTable::configsForPanelType(panelType);
}

bool Configuration::applyConfigNumber(int number, bool newPanelConfig)
{
    if (!getAllowedConfigs().contains(QVariant(number)))
        return false;

    set_central_brand(BrandTable::kCentralBrand);
    set_configNumber(number);

    if (const BrandRow* row = BrandTable::row(number)) {
        if (number == 2)
            qDebug() << "**************Impossible Config";
        set_orgName(QString::fromLatin1(row->orgName));
        set_orgDomain(QString::fromLatin1(row->orgDomain));
        set_appName(QString::fromLatin1(row->appName));
        set_translationFileName(QString::fromLatin1(BrandTable::kTranslationFileName));
        set_windowIcon(QString::fromLatin1(row->windowIcon));
        QVariantList plantTypes;
        for (const QString& name : BrandTable::plantTypes(number))
            plantTypes << QVariant(name);
        set_allowedPlantTypes(plantTypes);
        set_defaultPlantType(row->defaultPlantType);
        if (newPanelConfig)
            g_zpConf->new_config(row->panelType);
        if (number == 12 || number == 20) {
            ZpxLock zpx(*g_zpConf, 0, kZpxDataType, kZpxDataType);
            if (zpx.layout())
                qDebug() << "TYPE OF 0 CPU " << CpuType::get_name(zpx->get_cpu_type(0));
        }
    }

    derivePanelModel();
    return true;
}

void Configuration::derivePanelModel()
{
    const u32 panelType = g_zpConf->get_panel_type();
    const u32 model = PanelType::get_cpu_model(panelType);
    const u32 family = CpuModel::get_family(model);

    set_proto_adv(CpuModel::has_adv_protocol(model));
    set_proto_apollo(CpuModel::has_apollo_protocol(model));
    set_proto_varn(CpuModel::has_varn_protocol(model));
    set_has_network_type(CpuModel::has_network(model));
    set_maxDevPerZone(family == PanelFamily::KVX000 ? 50 : 32);

    const int brand = readSensorBrand();
    qDebug() << "CFG CURRENT BRAND " << brand;
    set_current_brand(brand);

    set_has_sib(CpuModel::has_sib(model));
    applySirenLimits(brand);
    qDebug() << "SOUND MAX INIT " << m_sirenMaxType << m_sirenMaxVolume;
    set_brandChoices(toVariantList(get_brand_list(panelType)));
    set_cpuTypeList(toVariantList(get_cpu_type_list(model)));
    printCfg();
}

void Configuration::applySirenLimits(int brand)
{
    const u16 limits = get_siren_limits(u32(brand));
    set_sirenMaxType(limits & 0xFF);
    set_sirenMaxVolume(limits >> 8);
}

void Configuration::loadDefaultConfig()
{
    applyConfigNumber(getAllowedConfigs().first().toInt(), true);
    qDebug() << "LOADED CONFIG " << m_configNumber;
}

bool Configuration::applyPanelTypeConfig(int panelType)
{
    const QVariantList configs = getConfigsForPanelType(panelType);
    const QVariantList allowed = getAllowedConfigs();
    qDebug() << "Allowed Configs " << allowed;
    bool applied = false;
    for (const QVariant& entry : allowed) {
        if (configs.contains(entry))
            applied = applyConfigNumber(entry.toInt(), false);
    }
    return applied;
}

void Configuration::onCurrentBrandChanged(int brand)
{
    qDebug() << "NOTIFY CHANGES change brand" << brand;
    qDebug() << "PANEL TYPE" << g_zpConf->get_panel_type();
    if (readSensorBrand() != brand) {
        qDebug() << "CHANGING CONFIG BRAND TYPE TO:" << brand;
        writeSensorBrand(brand);
    }
    applySirenLimits(readSensorBrand());
    m_notify.clear();
    emit notifyChanged();
}
