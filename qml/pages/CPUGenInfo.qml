import QtQuick 2.15
import "../controls"

// The plant's CPUs: CPU 1 in its own box, the others in the list below.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_CPU_GEN_INFO")

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    // The titles head CPU 1's box and the list alike, as wide as the columns below them.
    // Anchored to the starting edge, the right one when mirrored.
    Item {
        id: titles
        x: metrics.height
        y: metrics.height * 3
        width: parent.width - 2 * metrics.height
        height: metrics.height * 2.6
        Row {
            anchors.left: parent.left
            height: parent.height
            Repeater {
                model: list.columnTitles
                OvColumnTitle {
                    objectName: "panelsTitle"
                    width: list.columnWidths[index]
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    // A cut title keeps a gap to its neighbours, on either side in either direction.
                    leftPadding: metrics.averageCharacterWidth / 4
                    rightPadding: metrics.averageCharacterWidth / 4
                    text: modelData
                    // Titles close together stay apart, as a table's header cells do.
                    Rectangle {
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        width: 1
                        height: parent.height * 0.8
                        visible: index > 0 && index < list.columnTitles.length - 1
                        color: OvTheme.boxBorderColor()
                    }
                }
            }
        }
    }
    MainCPUBox {
        id: mainBox
        anchors.top: titles.bottom
        anchors.left: titles.left
        anchors.right: titles.right
        columnWidths: list.columnWidths
    }
    CPUList {
        id: list
        anchors.top: mainBox.bottom
        anchors.topMargin: metrics.height * 0.6
        anchors.left: mainBox.left
        anchors.right: mainBox.right
        anchors.bottom: parent.bottom
    }
}
