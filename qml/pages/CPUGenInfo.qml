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
    MainCPUBox {
        id: mainBox
        x: metrics.height
        y: metrics.height * 3
        width: parent.width - 2 * metrics.height
    }
    CPUList {
        anchors.top: mainBox.bottom
        anchors.topMargin: metrics.height * 0.6
        anchors.left: mainBox.left
        anchors.right: mainBox.right
        anchors.bottom: parent.bottom
    }
}
