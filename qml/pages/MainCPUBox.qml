import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// CPU 1, apart from the list: it is always installed. A click on its picture opens its page.
Rectangle {
    id: box

    property int revision: 0
    readonly property bool hasPlant: typeof activePlant !== "undefined" && activePlant !== null

    objectName: "mainCpuBox"
    implicitHeight: content.implicitHeight + metrics.height
    color: OvTheme.boxFillColor()
    border.color: OvTheme.boxBorderColor()
    radius: 4

    Connections {
        target: box.hasPlant ? activePlant : null
        function onCpuLibCountChanged() { box.revision++ }
        function onCpuDescriptionChanged() { box.revision++ }
        function onCpuExtensionFlagChanged() { box.revision++ }
        function onPlantTypeChanged() { box.revision++ }
        function onCpuDataChanged() { box.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    Row {
        id: content
        // An anchor, which mirrors, where an x would keep the row on the left.
        anchors.left: parent.left
        anchors.leftMargin: metrics.height * 0.5
        anchors.verticalCenter: parent.verticalCenter
        spacing: metrics.height

        Image {
            objectName: "mainCpuImage"
            width: metrics.height * 3
            height: width
            fillMode: Image.PreserveAspectFit
            source: (box.revision, box.hasPlant && config
                     ? "qrc:/Resources/" + config.getBrandedIcon("centrale%1.png", activePlant.getCPUType(0)) : "")
            MouseArea {
                anchors.fill: parent
                onClicked: if (typeof cpusModelData !== "undefined" && cpusModelData) cpusModelData.selectCPU(-1)
            }
        }
        OvLabel {
            anchors.verticalCenter: parent.verticalCenter
            text: "# 1"
            font.family: "monospace"
            font.bold: true
        }
        OvLabel {
            anchors.verticalCenter: parent.verticalCenter
            width: metrics.averageCharacterWidth * 34
            text: (box.revision, box.hasPlant ? activePlant.getCPUDescription(0) : "")
            elide: Text.ElideRight
        }
        CPUBoxInfo {
            anchors.verticalCenter: parent.verticalCenter
            width: metrics.averageCharacterWidth * 18
            cpuPosition: 0
            revision: box.revision
            libCount: (box.revision, box.hasPlant ? activePlant.getCPULibCount(0) : 0)
        }
    }
}
