import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// CPU 1, apart from the list: it is always installed. A click on its picture opens its page.
Rectangle {
    id: box

    property int revision: 0
    // The widths of the CPU list's columns, which the box's cells follow.
    property var columnWidths: []
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
        anchors.verticalCenter: parent.verticalCenter

        // Picture and number over the list's first three columns, the name under its title and
        // the UPS one, which CPU 1 has no box for, and the boards under theirs.
        Item {
            width: Math.max(lead.implicitWidth + lead.anchors.leftMargin + metrics.height,
                            box._span(0, 3))
            height: lead.implicitHeight
            Row {
                id: lead
                anchors.left: parent.left
                anchors.leftMargin: metrics.height * 0.5
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
            }
        }
        OvLabel {
            anchors.verticalCenter: parent.verticalCenter
            width: box._span(3, 5)
            text: (box.revision, box.hasPlant ? activePlant.getCPUDescription(0) : "")
            elide: Text.ElideRight
        }
        CPUBoxInfo {
            anchors.verticalCenter: parent.verticalCenter
            width: box._span(5, 6)
            cpuPosition: 0
            revision: box.revision
            libCount: (box.revision, box.hasPlant ? activePlant.getCPULibCount(0) : 0)
        }
    }
    // The width of the list's columns first to last - 1.
    function _span(first, last) {
        var total = 0
        for (var i = first; i < last && i < columnWidths.length; ++i)
            total += columnWidths[i]
        return total
    }
}
