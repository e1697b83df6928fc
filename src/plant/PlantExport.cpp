// The CSV export set of the plant: the general parameters, areas, groups, repeaters, CPUs, the
// files of every enabled CPU, and last the topology document built from them.
#include "plant/Plant.h"

#include "plant/PlantCsv.h"

#include <QDebug>

namespace {

Plant::TopologyWriter s_topologyWriter = nullptr;

QString number(uint value)
{
    return QString::number(value);
}

// A walk-test id not set reads -1, as a group not set does in the groups file.
QString walkTestId(uint id)
{
    return id == Plant::kUndefinedPassword ? QStringLiteral("-1") : number(id);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString setFile(const QString& folder, const char* id)
{
    return folder + QLatin1Char('/') + qtTrId(id) + QStringLiteral(".csv");
}

} // namespace

void Plant::setTopologyWriter(TopologyWriter writer)
{
    s_topologyWriter = writer;
}

bool Plant::exportCsvFiles(const QString& folder)
{
    m_lastError = 0;
    m_exportFailedFile.clear();
    m_exportFailureReason.clear();
    m_exportPartlyReplaced = false;
    if (folder.isEmpty()) {
        m_lastError = kFileCannotWrite;
        return false;
    }
    PlantCsv::Stage stage(folder);
    bool complete = stage.isValid();
    complete = complete && exportParametersCsv(setFile(folder, QT_TRID_NOOP("CSV_PLANTGENPARAMETER")));
    complete = complete && m_areas.exportCsv(setFile(folder, QT_TRID_NOOP("CSV_AREASSYSTEM")));
    complete = complete && m_groups.exportCsv(setFile(folder, QT_TRID_NOOP("CSV_GROUPSSYSTEM")));
    if (m_repeaters.getEnabledCount() > 0)
        complete = complete && m_repeaters.exportCsv(setFile(folder, QT_TRID_NOOP("CSV_REPEATER")));
    complete = complete && m_cpus.exportCsv(setFile(folder, QT_TRID_NOOP("CSV_CPUSSYSTEM")));

    QStringList loopFiles;
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu && complete; cpu = m_cpus.getNextEnabledCPU(i)) {
        complete = cpu->exportLoopsCsv(folder, &loopFiles);
        if (complete && !cpu->annunciators().annunciators().isEmpty())
            complete = cpu->exportAnnunciatorsCsv(folder);
        if (complete && !cpu->viewers().annunciators().isEmpty())
            complete = cpu->exportViewersCsv(folder);
    }
    if (!s_topologyWriter)
        qCritical() << "exportCsvFiles: no topology writer installed";
    // The document is built from the staged files, beside them. Only this export's loop files
    // go in: a reused folder may hold those of loops since removed.
    if (complete) {
        QString failedFile;
        QString reason;
        complete = s_topologyWriter && s_topologyWriter(stage.stagingFolder(), loopFiles, &failedFile, &reason);
        if (!complete && !failedFile.isEmpty())
            stage.fail(failedFile, reason);
    }
    complete = complete && stage.commit();
    if (!complete) {
        m_exportFailedFile = stage.failedFile().isEmpty() ? folder : stage.failedFile();
        m_exportFailureReason = stage.failureReason();
        m_exportPartlyReplaced = stage.partlyReplaced();
        qCritical().noquote() << "exportCsvFiles: a file of the set could not be written in" << folder << "-"
                              << m_exportFailedFile << m_exportFailureReason;
        m_lastError = kFileCannotWrite;
    }
    return m_lastError == 0;
}

bool Plant::exportParametersCsv(const QString& filePath) const
{
    PlantCsv csv(filePath);
    if (!csv.isOpen())
        return false;
    const auto line = [&csv](const char* id, const QString& value) { csv.writeLine({qtTrId(id), value}, false); };
    csv.writeHeader(filePath);
    line(QT_TRID_NOOP("CSV_DESCRIPTION"), m_description);
    line(QT_TRID_NOOP("CSV_PRINTERSTAT"), flag(m_printerStat));
    if (m_printerStat) {
        line(QT_TRID_NOOP("CSV_PRINTER_PARITY"), getPrinterParityStr());
        line(QT_TRID_NOOP("CSV_PRINTER_BAUD_RATE"), number(m_printerBaudRate));
    }
    line(QT_TRID_NOOP("CSV_WALKTEST"), number(m_walkTest));
    line(QT_TRID_NOOP("CSV_WALKTESTCPUID"), walkTestId(m_walkTestCPUID));
    line(QT_TRID_NOOP("CSV_WALKTESTLOOPID"), walkTestId(m_walkTestLoopID));
    line(QT_TRID_NOOP("CSV_WALKTESTMODULEID"), walkTestId(m_walkTestModuleID));
    line(QT_TRID_NOOP("CSV_WALKTESTSUBID"), walkTestId(m_walkTestSubID));
    line(QT_TRID_NOOP("CSV_FLASHINGSTAT"), flag(m_flashingStat));
    line(QT_TRID_NOOP("CSV_SIRENINSTANTACTIVATION"),
         qtTrId(m_sirenInstantActivation ? QT_TRID_NOOP("STR_ENABLED") : QT_TRID_NOOP("STR_DISABLED")));
    if (!m_sirenInstantActivation)
        line(QT_TRID_NOOP("CSV_SIRENDELAYTIME"), number(m_sirenDelayTime));
    line(QT_TRID_NOOP("CSV_DETECTORSCHECKSTAT"), flag(m_detectorsCheckStat));
    line(QT_TRID_NOOP("CSV_DETECTORSCHECKTIME"), number(m_detectorsCheckTime));
    line(QT_TRID_NOOP("CSV_ACKNOWLEDGEMENTINHIBITIONTIME"), number(m_acknowledgementInhibitionTime));
    line(QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTSTAT"), flag(m_autoAcknowledgementStat));
    line(QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTTIME"), number(m_autoAcknowledgementTime));
    line(QT_TRID_NOOP("CSV_FAILURESYSTEMTIME"), number(m_failureSystemTime));
    line(QT_TRID_NOOP("CSV_DRIFTALLERT"), flag(m_driftAllert));
    line(QT_TRID_NOOP("CSV_SERIALNUMBERSCHECKSTAT"), flag(m_serialNumbersCheckStat));
    line(QT_TRID_NOOP("PRE_ALARM_LVL_PAR_LBL"), number(m_preAlarmLvl));
    line(QT_TRID_NOOP("CSV_STORAGEPRINT"), flag(m_storagePrint));
    line(QT_TRID_NOOP("CSV_FAILUREIVALIDRESPONSETIME"), number(m_failureIvalidResponseTime));
    line(QT_TRID_NOOP("CSV_FALSEFAILURETIMETYPEID"), number(m_falseFailureTimeTypeID));
    line(QT_TRID_NOOP("CSV_OPENCIRCUITSFAILURETIME"), number(m_openCircuitsFailureTime));
    line(QT_TRID_NOOP("CSV_CAMERALOWVALUETIMEFAILURE"), number(m_cameraLowValueTimeFailure));
    line(QT_TRID_NOOP("CSV_FAULTMAINTENANCETIME"), number(m_faultMaintenanceTime));
    line(QT_TRID_NOOP("SIRENE_CORRELATION_ENABLED"), flag(m_sirenCorrelation));
    line(QT_TRID_NOOP("CSV_SIRENSOUNDTYPE"), number(m_sirenSoundType));
    line(QT_TRID_NOOP("CSV_SIRENVOLUME"), number(m_sirenVolume));
    line(QT_TRID_NOOP("CSV_EVACSOUNDTYPE"), number(m_evacSoundType));
    line(QT_TRID_NOOP("CSV_EVACSOUNDVOLUME"), number(m_evacSoundVolume));
    line(QT_TRID_NOOP("CSV_SIRENPHASESTAT"), flag(m_sirenPhaseStat));
    line(QT_TRID_NOOP("RLALLEnabled"), getReleValue(0));
    line(QT_TRID_NOOP("RLU1Enabled"), getReleValue(1));
    line(QT_TRID_NOOP("RLU2Enabled"), getReleValue(2));
    line(QT_TRID_NOOP("RLFU1Enabled"), getReleValue(3));
    line(QT_TRID_NOOP("RLFU2Enabled"), getReleValue(4));
    return csv.close();
}
