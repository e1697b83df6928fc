import QtQuick 2.15
import "controls"

// The window's single tool tip, placed by the window at the last mouse position.
Item {
    id: toolTip

    property alias text: label.text
    // The background waits for the first showing: the start shows no tool tip.
    property bool _shown: false

    onVisibleChanged: {
        if (visible)
            _shown = true
    }

    width: label.implicitWidth + fontMetrics.height * 1.2
    height: label.implicitHeight + fontMetrics.height * 0.6

    BorderImage {
        anchors.fill: parent
        source: toolTip._shown ? OvTheme.toolTipImage() : ""
        border { left: 6; right: 6; top: 6; bottom: 6 }
    }
    Text {
        id: label
        anchors.centerIn: parent
        font.family: OvTheme.fontFamily
        color: OvTheme.toolTipTextColor()
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
}
