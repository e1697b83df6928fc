// The general parameters: setters, defaults, texts and the dump.
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"
#include "core/OvParametersReference.h"

#include <QDebug>

namespace {

QString valueText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString valueText(uint value)
{
    return QString::number(value);
}

} // namespace

template <class T>
bool Plant::setParameter(T& member, T value, void (Plant::*signal)(), const char* name)
{
    if (member == value)
        return false;
    qDebug().noquote() << name << valueText(value);
    member = value;
    setModificationBits(kParameters);
    emit(this->*signal)();
    return true;
}

bool Plant::setRelay(uint& member, uint value, void (Plant::*signal)(uint))
{
    if (member == value)
        return false;
    member = value;
    // A relay-only change must be asked about at quit like any other.
    setModificationBits(kParameters);
    emit(this->*signal)(value);
    return true;
}

bool Plant::setWalkTestId(uint& member, uint id, void (Plant::*signal)())
{
    if (m_walkTest != 2)
        return false;
    return setParameter(member, id, signal, "walkTestId");
}

bool Plant::setDescription(const QString& description)
{
    qDebug().noquote() << "setDescription"
                       << " NEW = " << description << " OLD = " << m_description;
    if (m_description == description)
        return false;
    m_description = description;
    setModificationBits(kParameters);
    emit descriptionChanged();
    return true;
}

bool Plant::setWalkTest(uint mode)
{
    if (m_walkTest == mode)
        return false;
    m_walkTest = mode;
    m_walkTestCPUID = m_walkTestLoopID = m_walkTestModuleID = m_walkTestSubID = kUndefinedPassword;
    setModificationBits(kParameters);
    emit walkTestChanged();
    return true;
}

bool Plant::setWalkTestCPUID(uint id)
{
    return setWalkTestId(m_walkTestCPUID, id, &Plant::walkTestCPUIDChanged);
}

bool Plant::setWalkTestLoopID(uint id)
{
    return setWalkTestId(m_walkTestLoopID, id, &Plant::walkTestLoopIDChanged);
}

bool Plant::setWalkTestModuleID(uint id)
{
    return setWalkTestId(m_walkTestModuleID, id, &Plant::walkTestModuleIDChanged);
}

bool Plant::setWalkTestSubID(uint id)
{
    return setWalkTestId(m_walkTestSubID, id, &Plant::walkTestSubIDChanged);
}

bool Plant::setWalkTestPoint(uint cpu, uint loop, uint module, uint sub)
{
    if (m_walkTestCPUID == cpu && m_walkTestLoopID == loop && m_walkTestModuleID == module && m_walkTestSubID == sub)
        return false;
    m_walkTestCPUID = cpu;
    m_walkTestLoopID = loop;
    m_walkTestModuleID = module;
    m_walkTestSubID = sub;
    setModificationBits(kParameters);
    emit walkTestChanged();
    return true;
}

bool Plant::setPreAlarmLvl(uint level)
{
    if (level > 100)
        return false;
    return setParameter(m_preAlarmLvl, level, &Plant::preAlarmLvlChanged, "preAlarmLvl");
}

bool Plant::setPassword(uint level, uint code)
{
    if (level > 2 || m_passwords[level] == code)
        return false;
    m_passwords[level] = code;
    setModificationBits(kParameters);
    return true;
}

bool Plant::set_plantReleAll(uint value)
{
    return setRelay(m_plantReleAll, value, &Plant::plantReleAllChanged);
}

bool Plant::set_plantReleU1(uint value)
{
    return setRelay(m_plantReleU1, value, &Plant::plantReleU1Changed);
}

bool Plant::set_plantReleU2(uint value)
{
    return setRelay(m_plantReleU2, value, &Plant::plantReleU2Changed);
}

bool Plant::set_plantReleFU1(uint value)
{
    return setRelay(m_plantReleFU1, value, &Plant::plantReleFU1Changed);
}

bool Plant::set_plantReleFU2(uint value)
{
    return setRelay(m_plantReleFU2, value, &Plant::plantReleFU2Changed);
}

bool Plant::setDriftAllert(bool value)
{
    return setParameter(m_driftAllert, value, &Plant::driftAllertChanged, "driftAllert");
}

bool Plant::setStoragePrint(bool value)
{
    return setParameter(m_storagePrint, value, &Plant::storagePrintChanged, "storagePrint");
}

bool Plant::setFlashingStat(bool value)
{
    return setParameter(m_flashingStat, value, &Plant::flashingStatChanged, "flashingStat");
}

bool Plant::setSirenInstantActivation(bool value)
{
    return setParameter(m_sirenInstantActivation, value, &Plant::sirenInstantActivationChanged,
                        "sirenInstantActivation");
}

bool Plant::setSirenDelayTime(uint value)
{
    return setParameter(m_sirenDelayTime, value, &Plant::sirenDelayTimeChanged, "sirenDelayTime");
}

bool Plant::setAllarmsTxDelayTime(uint value)
{
    return setParameter(m_allarmsTxDelayTime, value, &Plant::allarmsTxDelayTimeChanged, "allarmsTxDelayTime");
}

bool Plant::setEvacuationChecks(bool value)
{
    return setParameter(m_evacuationChecks, value, &Plant::evacuationChecksChanged, "evacuationChecks");
}

bool Plant::setAcknowledgementInhibitionTime(uint value)
{
    return setParameter(m_acknowledgementInhibitionTime, value, &Plant::acknowledgementInhibitionTimeChanged,
                        "acknowledgementInhibitionTime");
}

bool Plant::setAutoAcknowledgementStat(bool value)
{
    return setParameter(m_autoAcknowledgementStat, value, &Plant::autoAcknowledgementStatChanged,
                        "autoAcknowledgementStat");
}

bool Plant::setAutoAcknowledgementTime(uint value)
{
    return setParameter(m_autoAcknowledgementTime, value, &Plant::autoAcknowledgementTimeChanged,
                        "autoAcknowledgementTime");
}

bool Plant::setFailureSystemTime(uint value)
{
    return setParameter(m_failureSystemTime, value, &Plant::failureSystemTimeChanged, "failureSystemTime");
}

bool Plant::setFailureTxTime(uint value)
{
    return setParameter(m_failureTxTime, value, &Plant::failureTxTimeChanged, "failureTxTime");
}

bool Plant::setDetectorsCheckStat(bool value)
{
    return setParameter(m_detectorsCheckStat, value, &Plant::detectorsCheckStatChanged, "detectorsCheckStat");
}

bool Plant::setDetectorsCheckTime(uint value)
{
    return setParameter(m_detectorsCheckTime, value, &Plant::detectorsCheckTimeChanged, "detectorsCheckTime");
}

bool Plant::setFalseFailureTimeTypeID(uint value)
{
    return setParameter(m_falseFailureTimeTypeID, value, &Plant::falseFailureTimeTypeIDChanged,
                        "falseFailureTimeTypeID");
}

bool Plant::setOpenCircuitsFailureTime(uint value)
{
    return setParameter(m_openCircuitsFailureTime, value, &Plant::openCircuitsFailureTimeChanged,
                        "openCircuitsFailureTime");
}

bool Plant::setCameraLowValueTimeFailure(uint value)
{
    return setParameter(m_cameraLowValueTimeFailure, value, &Plant::cameraLowValueTimeFailureChanged,
                        "cameraLowValueTimeFailure");
}

bool Plant::setSirenSoundType(uint value)
{
    return setParameter(m_sirenSoundType, value, &Plant::sirenSoundTypeChanged, "sirenSoundType");
}

bool Plant::setSirenVolume(uint value)
{
    return setParameter(m_sirenVolume, value, &Plant::sirenVolumeChanged, "sirenVolume");
}

bool Plant::setPrinterStat(bool value)
{
    return setParameter(m_printerStat, value, &Plant::printerStatChanged, "printerStat");
}

bool Plant::setPrinterParity(uint value)
{
    return setParameter(m_printerParity, value, &Plant::printerParityChanged, "printerParity");
}

bool Plant::setPrinterBaudRate(uint value)
{
    return setParameter(m_printerBaudRate, value, &Plant::printerBaudRateChanged, "printerBaudRate");
}

bool Plant::setSirenPhaseStat(bool value)
{
    return setParameter(m_sirenPhaseStat, value, &Plant::sirenPhaseStatChanged, "sirenPhaseStat");
}

bool Plant::setSerialNumbersCheckStat(bool value)
{
    return setParameter(m_serialNumbersCheckStat, value, &Plant::serialNumbersCheckStatChanged,
                        "serialNumbersCheckStat");
}

bool Plant::setFailureInvalidResponseTime(uint value)
{
    return setParameter(m_failureIvalidResponseTime, value, &Plant::failureIvalidResponseTimeChanged,
                        "failureIvalidResponseTime");
}

bool Plant::setFaultMaintenanceTime(uint value)
{
    return setParameter(m_faultMaintenanceTime, value, &Plant::faultMaintenanceTimeChanged, "faultMaintenanceTime");
}

bool Plant::setEvacSoundType(uint value)
{
    return setParameter(m_evacSoundType, value, &Plant::evacSoundTypeChanged, "evacSoundType");
}

bool Plant::setEvacSoundVolume(uint value)
{
    return setParameter(m_evacSoundVolume, value, &Plant::evacSoundVolumeChanged, "evacSoundVolume");
}

bool Plant::setSirenReactMode(bool value)
{
    return setParameter(m_sirenReactMode, value, &Plant::sirenReactModeChanged, "sirenReactMode");
}

bool Plant::setSirenCorrelation(bool value)
{
    return setParameter(m_sirenCorrelation, value, &Plant::sirenCorrelationChanged, "sirenCorrelation");
}

QString Plant::getPrinterParityStr() const
{
    switch (m_printerParity) {
    case 0: return qtTrId("printerParityNone");
    case 1: return qtTrId("printerParityOdd");
    case 2: return qtTrId("printerParityEven");
    default: return qtTrId("STR_UNDEFINED");
    }
}

QString Plant::getReleValue(int relay) const
{
    static const char* const functions[] = {QT_TRID_NOOP("ReleFNessuno"), QT_TRID_NOOP("ReleFExclusion"),
                                            QT_TRID_NOOP("ReleFGuasto"),  QT_TRID_NOOP("ReleFEvac"),
                                            QT_TRID_NOOP("ReleFAllarme"), QT_TRID_NOOP("ReleFPreAllarme"),
                                            QT_TRID_NOOP("ReleFSirena")};
    const uint supervision[] = {m_plantReleAll, m_plantReleU1, m_plantReleU2};
    if (relay >= 0 && relay < 3) {
        const uint type = supervision[relay];
        return qtTrId(type == 0       ? QT_TRID_NOOP("ReleCONTROLLEDNO")
                          : type == 1 ? QT_TRID_NOOP("ReleCONTROLLEDDIODE")
                                      : QT_TRID_NOOP("ReleCONTROLLEDRESISTOR"));
    }
    if (relay == 3 || relay == 4) {
        const uint function = relay == 3 ? m_plantReleFU1 : m_plantReleFU2;
        return function < 7 ? qtTrId(functions[function]) : qtTrId("STR_UNDEFINED");
    }
    return qtTrId("STR_UNDEFINED");
}

void Plant::setDefaultParameters()
{
    m_lastError = 0;
    m_description.clear();
    m_plantReleAll = m_plantReleU1 = m_plantReleU2 = m_plantReleFU1 = m_plantReleFU2 = 0;
    m_walkTestCPUID = m_walkTestLoopID = m_walkTestModuleID = m_walkTestSubID = kUndefinedPassword;
    m_preAlarmLvl = 70;
    int directGroups = 300;
    if (const OvParametersReference* r = m_parameters) {
        m_walkTest = uint(r->getWalkTestDefVal());
        m_driftAllert = r->getDriftAllertDefVal();
        m_storagePrint = r->getStoragePrintDefVal();
        m_flashingStat = r->getFlashingStatDefVal();
        m_sirenInstantActivation = r->getSirenInstantActivationDefVal();
        m_sirenDelayTime = uint(r->getSirenDelayTimeDefVal());
        m_allarmsTxDelayTime = uint(r->getAllarmsTxDelayTimeDefVal());
        m_evacuationChecks = r->getEvacuationChecksDefVal();
        m_acknowledgementInhibitionTime = uint(r->getAcknowledgementInhibitionTimeDefVal());
        m_autoAcknowledgementStat = r->getAutoAcknowledgementStatDefVal();
        m_autoAcknowledgementTime = uint(r->getAutoAcknowledgementTimeDefVal());
        m_failureSystemTime = uint(r->getFailureSystemTimeDefVal());
        m_failureTxTime = uint(r->getFailureTxTimeDefVal());
        m_detectorsCheckStat = r->getDetectorsCheckStatDefVal();
        m_detectorsCheckTime = uint(r->getDetectorsCheckTimeDefVal());
        m_falseFailureTimeTypeID = uint(r->getFalseFailureTimeTypeIDDefVal());
        m_openCircuitsFailureTime = uint(r->getOpenCircuitsFailureTimeDefVal());
        m_cameraLowValueTimeFailure = uint(r->getCameraLowValueTimeFailureDefVal());
        m_sirenSoundType = uint(r->getSirenSoundTypeDefVal());
        m_sirenVolume = uint(r->getSirenVolumeDefVal());
        m_printerStat = r->getPrinterStatDefVal();
        m_printerParity = uint(r->getPrinterParityDefVal());
        m_printerBaudRate = uint(r->getPrinterBaudDefVal());
        m_sirenPhaseStat = r->getSirenPhaseStatDefVal();
        m_serialNumbersCheckStat = r->getSerialNumbersCheckStatDefVal();
        m_failureIvalidResponseTime = uint(r->getFailureInvalidResponseTimeDefVal());
        m_faultMaintenanceTime = uint(r->getFaultMaintenanceTimeDefVal());
        m_evacSoundType = uint(r->getSirenSoundTypeDefVal());
        m_evacSoundVolume = uint(r->getSirenVolumeDefVal());
        m_sirenReactMode = true;
        m_sirenCorrelation = r->getSirenCorrelationDefVal();
        directGroups = r->getDirectGroupDefCount();
    } else {
        m_walkTest = 0;
        m_driftAllert = false;
        m_storagePrint = false;
        m_flashingStat = false;
        m_sirenInstantActivation = true;
        m_sirenDelayTime = 0;
        m_allarmsTxDelayTime = 0;
        m_evacuationChecks = false;
        m_acknowledgementInhibitionTime = 0;
        m_autoAcknowledgementStat = false;
        m_autoAcknowledgementTime = 0;
        m_failureSystemTime = 0;
        m_failureTxTime = 0;
        m_detectorsCheckStat = false;
        m_detectorsCheckTime = 0;
        m_falseFailureTimeTypeID = 8;
        m_openCircuitsFailureTime = 10;
        m_cameraLowValueTimeFailure = 20;
        m_sirenSoundType = 1;
        m_sirenVolume = 1;
        m_printerStat = false;
        m_printerParity = 0;
        m_printerBaudRate = 9600;
        m_sirenPhaseStat = false;
        m_serialNumbersCheckStat = false;
        m_failureIvalidResponseTime = 5;
        m_faultMaintenanceTime = 216;
        m_evacSoundType = 1;
        m_evacSoundVolume = 1;
        m_sirenReactMode = true;
        m_sirenCorrelation = false;
    }
    for (uint& code : m_passwords)
        code = kUndefinedPassword;
    resizeToModel();
    m_cpus.reset();
    m_groups.resetGroups(directGroups);
    m_areas.reset();
    m_repeaters.reset();
    m_modificationStat = 0;
}

bool Plant::newPlant()
{
    m_lastError = 0;
    setDefaultParameters();
    m_modificationStat = kNewPlant;
    return m_lastError == 0;
}

void Plant::resetSystems()
{
    m_cpus.reset();
    m_groups.resetGroups(m_parameters ? m_parameters->getDirectGroupDefCount() : 300);
    m_areas.reset();
}

void Plant::dumpParameters() const
{
    auto line = [](const char* name, const QString& value) { qInfo().noquote() << QString(name) + value; };
    auto flag = [](bool on) { return valueText(on); };
    auto number = [](uint n) { return QString::number(n); };
    qInfo().noquote() << "\t********************\t PLANT PARAMETERS \t ***************************";
    line("\tm_description\t\t= ", m_description);
    line("\tdriftAllert\t\t= ", flag(m_driftAllert));
    line("\tplantReleAll\t\t= ", number(m_plantReleAll));
    line("\tplantReleU1\t\t= ", number(m_plantReleU1));
    line("\tplantReleU2\t\t= ", number(m_plantReleU2));
    line("\tplantReleFU1\t\t= ", number(m_plantReleFU1));
    line("\tplantReleFU2\t\t= ", number(m_plantReleFU2));
    line("\tstoragePrint\t\t= ", flag(m_storagePrint));
    line("\twalkTest\t\t= ", number(m_walkTest));
    line("\twalkTestCPUID\t\t= ", number(m_walkTestCPUID));
    line("\twalkTestLoopID\t\t= ", number(m_walkTestLoopID));
    line("\twalkTestModuleID\t= ", number(m_walkTestModuleID));
    line("\twalkTestSubID\t\t= ", number(m_walkTestSubID));
    line("\tflashingStat\t\t= ", flag(m_flashingStat));
    line("\tsirenInstantActivation\t= ", flag(m_sirenInstantActivation));
    line("\tsirenDelayTime\t\t= ", number(m_sirenDelayTime));
    line("\tallarmsTxDelayTime\t= ", number(m_allarmsTxDelayTime));
    line("\tevacuationChecks\t= ", flag(m_evacuationChecks));
    line("\tacknowledgementInhibitionTime\t= ", number(m_acknowledgementInhibitionTime));
    line("\tautoAcknowledgementStat\t= ", flag(m_autoAcknowledgementStat));
    line("\tautoAcknowledgementTime\t= ", number(m_autoAcknowledgementTime));
    line("\tfailureSystemTime\t= ", number(m_failureSystemTime));
    line("\tfailureTxTime\t\t= ", number(m_failureTxTime));
    line("\tdetectorsCheckStat\t= ", flag(m_detectorsCheckStat));
    line("\tdetectorsCheckTime\t= ", number(m_detectorsCheckTime));
    line("\tfalseFailureTimeTypeID\t= ", number(m_falseFailureTimeTypeID));
    line("\topenCircuitsFailureTime\t= ", number(m_openCircuitsFailureTime));
    line("\tcameraLowValueTimeFailure\t= ", number(m_cameraLowValueTimeFailure));
    line("\tsirenSoundType\t\t= ", number(m_sirenSoundType));
    line("\tsirenVolume\t\t= ", number(m_sirenVolume));
    line("\tevacSoundType\t\t= ", number(m_evacSoundType));
    line("\tevacSoundVolume\t\t= ", number(m_evacSoundVolume));
    line("\tpreAlarmLvl\t\t= ", number(m_preAlarmLvl));
    line("\tprinterStat\t\t= ", flag(m_printerStat));
    line("\tprinterParity\t\t= ", number(m_printerParity));
    line("\tprinterBaudRate\t\t= ", number(m_printerBaudRate));
    line("\tsirenPhaseStat\t\t= ", flag(m_sirenPhaseStat));
    line("\tserialNumbersCheckStat\t= ", flag(m_serialNumbersCheckStat));
    line("\tfailureIvalidResponseTime\t= ", number(m_failureIvalidResponseTime));
    line("\tfaultMaintenanceTime\t= ", number(m_faultMaintenanceTime));
    line("\tsirenReactMode \t=", flag(m_sirenReactMode));
    line("\tsirenCorrelation \t=", flag(m_sirenCorrelation));
    line("\tmodificationStat\t= ", number(m_modificationStat));
    line("\tlastError\t\t= ", number(m_lastError));
    for (int i = 0; i < 3; ++i) {
        if (m_passwords[i] <= kMaxPassword)
            qInfo().noquote() << QString("\tPassword[%1]: Defined").arg(i);
    }
    qInfo().noquote() << "\t*******************************************************************************";
}
