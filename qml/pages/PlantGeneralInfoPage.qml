import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The plant's description and type, and what it holds: panel type, enabled CPUs, loops in use.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_PLANT_GEN_INFO")

    readonly property var info: typeof thePlantInfo !== "undefined" ? thePlantInfo : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    property int revision: 0

    Connections {
        target: typeof activePlant !== "undefined" ? activePlant : null
        function onPlantTypeChanged() { page.revision++ }
        function onDescriptionChanged() { page.revision++ }
        function onCpuDataChanged() { page.revision++ }
        function onCpuLibCountChanged() { page.revision++ }
    }
    // The CPUs and loops change on other pages; an open or a new plant replaces them. Back on
    // the page, the field holds the stored description, which nothing refuses.
    onVisibleChanged: {
        if (!visible)
            return
        revision++
        description.refusal = ""
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvFieldSample { id: nameSample }
    Column {
        x: metrics.height
        y: metrics.height * 3
        width: parent.width - 2 * metrics.height
        spacing: metrics.height * 0.6

        // Each child on the column's starting edge: a column places them at x 0, which no
        // mirroring moves, where an anchor mirrors.
        OvLabel { anchors.left: parent.left; text: qsTrId("PLANT_DESCRIPTION") + page.tr; font.bold: true }
        OvStoredField {
            id: description
            objectName: "plantDescription"
            anchors.left: parent.left
            // The longest name the panel keeps, where the page has room for it.
            width: Math.min(nameSample.needed, parent.width)
            stored: (page.revision, activePlant ? activePlant.description : "")
            onSubmitted: refusal = page.info ? page.info.setPlantDescription(text) : ""
            onTextEdited: refusal = page.info ? page.info.checkDescription(text) : ""
        }
        OvLabel {
            objectName: "descriptionRefusal"
            anchors.left: parent.left
            text: description.refusal
            color: "#ff6060"
            visible: text !== ""
        }
        OvLabel { anchors.left: parent.left; text: qsTrId("PLANT_TYPE") + page.tr; font.bold: true }
        Row {
            id: typeRow
            width: parent.width
            spacing: metrics.height
            PlantTypeBox {
                objectName: "plantTypeBox"
                width: Math.min(typeRow.width - brandChooser.width - typeRow.spacing, metrics.height * 24)
                height: metrics.height * 9
                enabled: config ? config.has_network_type : false
                currentType: (page.revision, page.info ? page.info.plantType() : 0)
                onTypeChosen: if (typeof mainWindow !== "undefined") mainWindow.plantChangeTypeRqst(typeIndex)
            }
            BrandChooser {
                id: brandChooser
                width: Math.max(implicitWidth, metrics.averageCharacterWidth * 20)
                height: metrics.height * 9
            }
        }
        Grid {
            id: facts
            anchors.left: parent.left
            columns: 2
            columnSpacing: metrics.height
            rowSpacing: metrics.height * 0.4
            // A value takes what the page leaves right of the names; a longer one is cut, whole
            // in its tool tip.
            readonly property real valueWidth: Math.max(0, parent.width - columnSpacing
                                                        - Math.max(panelName.implicitWidth, cpusName.implicitWidth,
                                                                   loopsName.implicitWidth))
            OvLabel { id: panelName; text: qsTrId("PLANT_PANEL_TYPE") + page.tr; font.bold: true }
            OvLabel {
                objectName: "panelType"
                width: Math.min(implicitWidth, facts.valueWidth)
                text: (page.revision, page.info ? page.info.panelTypeName() : "")
            }
            OvLabel { id: cpusName; text: qsTrId("PLANT_ENABLED_CPUS") + page.tr; font.bold: true }
            OvLabel {
                objectName: "enabledCpus"
                width: Math.min(implicitWidth, facts.valueWidth)
                text: (page.revision, page.info ? page.info.enabledCpus() : "")
            }
            OvLabel { id: loopsName; text: qsTrId("PLANT_LOOPS_IN_USE") + page.tr; font.bold: true }
            OvLabel {
                objectName: "loopsInUse"
                width: Math.min(implicitWidth, facts.valueWidth)
                text: (page.revision, page.info ? page.info.activeLoopCount() + " / " + page.info.loopMaxCount() : "")
            }
        }
    }
}
