import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The plant-wide parameters the panel keeps, in groups. A field counts only where the setting
// it depends on is on; numbers go through the plant-information checker.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_PLANT_GEN_PARAMETERS")

    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    readonly property var plant: typeof activePlant !== "undefined" ? activePlant : null
    // The panel's baud-rate codes 1 to 8.
    readonly property var baudRates: [1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200]

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }

    OvFormFlickable {
        objectName: "parametersFlick"
        anchors.fill: parent
        anchors.topMargin: metrics.height * 2.8
        anchors.leftMargin: metrics.height
        contentHeight: column.implicitHeight + metrics.height
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            // Clear of the scroll bar, which stands on the right, on the left when mirrored.
            x: LayoutMirroring.enabled ? metrics.height : 0
            width: parent.width - metrics.height
            spacing: metrics.height * 0.5
            // The labels' column: as wide as the widest label, narrower where the fields beside
            // it would not fit.
            readonly property real labelWidth: {
                var widest = metrics.averageCharacterWidth * 20
                for (var i = 0; i < children.length; ++i) {
                    if (children[i].labelNeed !== undefined)
                        widest = Math.max(widest, children[i].labelNeed)
                }
                return Math.min(widest, width - metrics.averageCharacterWidth * 34)
            }

            OvButton {
                objectName: "passwordsButton"
                text: qsTrId("PWD_MNG_PAGE") + page.tr
                onClicked: if (typeof theApp !== "undefined" && theApp) theApp.onPwdMngPageSelected()
            }

            OvLabel { text: qsTrId("PARAM_GROUP_CHECKS") + page.tr; font.bold: true }
            ParameterFlag { member: "detectorsCheckStat"; labelId: QT_TRID_NOOP("CSV_DETECTORSCHECKSTAT") }
            ParameterField {
                member: "detectorsCheckTime"; labelId: QT_TRID_NOOP("CSV_DETECTORSCHECKTIME")
                enabled: page.plant ? page.plant.detectorsCheckStat : false
            }
            ParameterFlag { member: "driftAllert"; labelId: QT_TRID_NOOP("Deriva") }
            ParameterFlag { member: "serialNumbersCheckStat"; labelId: QT_TRID_NOOP("CSV_SERIALNUMBERSCHECKSTAT") }
            ParameterFlag { member: "flashingStat"; labelId: QT_TRID_NOOP("CSV_FLASHINGSTAT") }
            ParameterField { member: "preAlarmLvl"; labelId: QT_TRID_NOOP("PRE_ALARM_LVL_PAR_LBL") }

            OvLabel { text: qsTrId("PARAM_GROUP_TIMERS") + page.tr; font.bold: true }
            ParameterField { member: "acknowledgementInhibitionTime"; labelId: QT_TRID_NOOP("CSV_ACKNOWLEDGEMENTINHIBITIONTIME") }
            ParameterFlag { member: "autoAcknowledgementStat"; labelId: QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTSTAT") }
            ParameterField {
                member: "autoAcknowledgementTime"; labelId: QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTTIME")
                enabled: page.plant ? page.plant.autoAcknowledgementStat : false
            }
            ParameterField { member: "failureSystemTime"; labelId: QT_TRID_NOOP("CSV_FAILURESYSTEMTIME") }
            ParameterField { member: "falseFailureTimeTypeID"; labelId: QT_TRID_NOOP("CSV_FALSEFAILURETIMETYPEID") }
            ParameterField { member: "openCircuitsFailureTime"; labelId: QT_TRID_NOOP("CSV_OPENCIRCUITSFAILURETIME") }
            ParameterField { member: "cameraLowValueTimeFailure"; labelId: QT_TRID_NOOP("CSV_CAMERALOWVALUETIMEFAILURE") }
            ParameterField { member: "failureIvalidResponseTime"; labelId: QT_TRID_NOOP("CSV_FAILUREIVALIDRESPONSETIME") }
            ParameterField { member: "faultMaintenanceTime"; labelId: QT_TRID_NOOP("CSV_FAULTMAINTENANCETIME") }

            OvLabel { text: qsTrId("PARAM_GROUP_SIRENS") + page.tr; font.bold: true }
            ParameterFlag { member: "sirenInstantActivation"; labelId: QT_TRID_NOOP("CSV_SIRENINSTANTACTIVATION") }
            ParameterField {
                member: "sirenDelayTime"; labelId: QT_TRID_NOOP("CSV_SIRENDELAYTIME")
                enabled: page.plant ? !page.plant.sirenInstantActivation : false
            }
            ParameterField { member: "sirenSoundType"; labelId: QT_TRID_NOOP("CSV_SIRENSOUNDTYPE") }
            ParameterField { member: "sirenVolume"; labelId: QT_TRID_NOOP("CSV_SIRENVOLUME") }
            ParameterFlag { member: "sirenPhaseStat"; labelId: QT_TRID_NOOP("CSV_SIRENPHASESTAT") }
            ParameterFlag { member: "sirenCorrelation"; labelId: QT_TRID_NOOP("SIRENE_CORRELATION_ENABLED") }
            ParameterFlag { member: "sirenReactMode"; labelId: QT_TRID_NOOP("SIREN_REACT_MODE") }
            ParameterField { member: "evacSoundType"; labelId: QT_TRID_NOOP("CSV_EVACSOUNDTYPE") }
            ParameterField { member: "evacSoundVolume"; labelId: QT_TRID_NOOP("CSV_EVACSOUNDVOLUME") }

            OvLabel { text: qsTrId("PARAM_GROUP_PRINTER") + page.tr; font.bold: true }
            ParameterFlag { member: "printerStat"; labelId: QT_TRID_NOOP("CSV_PRINTERSTAT") }
            ParameterChoice {
                member: "prnParity"; labelId: QT_TRID_NOOP("CSV_PRINTER_PARITY")
                enabled: page.plant ? page.plant.printerStat : false
                entries: [qsTrId("printerParityNone") + page.tr, qsTrId("printerParityOdd") + page.tr,
                          qsTrId("printerParityEven") + page.tr]
            }
            ParameterChoice {
                member: "prnBaudRate"; labelId: QT_TRID_NOOP("CSV_PRINTER_BAUD_RATE")
                enabled: page.plant ? page.plant.printerStat : false
                entries: page.baudRates.map(function (rate) { return String(rate) })
                values: page.baudRates
            }
            ParameterFlag { member: "storagePrint"; labelId: QT_TRID_NOOP("ModalitaNona") }

            OvLabel { text: qsTrId("PARAM_GROUP_RELAYS") + page.tr; font.bold: true }
            Repeater {
                model: [["plantReleAll", "RLALLEnabled"], ["plantReleU1", "RLU1Enabled"], ["plantReleU2", "RLU2Enabled"]]
                delegate: ParameterChoice {
                    member: modelData[0]; labelId: modelData[1]
                    entries: [qsTrId("ReleCONTROLLEDNO") + page.tr, qsTrId("ReleCONTROLLEDDIODE") + page.tr,
                              qsTrId("ReleCONTROLLEDRESISTOR") + page.tr]
                    // Any supervision code above 1 is a resistor.
                    values: [0, 1, 2]
                    fallback: 2
                }
            }
            Repeater {
                model: [["plantReleFU1", "RLFU1Enabled"], ["plantReleFU2", "RLFU2Enabled"]]
                delegate: ParameterChoice {
                    member: modelData[0]; labelId: modelData[1]
                    entries: ["ReleFNessuno", "ReleFExclusion", "ReleFGuasto", "ReleFEvac", "ReleFAllarme",
                              "ReleFPreAllarme", "ReleFSirena"].map(function (id) { return qsTrId(id) + page.tr })
                }
            }

            OvLabel { text: qsTrId("CSV_WALKTEST") + page.tr; font.bold: true }
            WalkBox { objectName: "walkBox" }
        }
    }
}
