import QtQuick 2.15
import "controls"

// The bar at the foot of the window: the latest information message and the clock.
Item {
    id: infoBar

    property string message

    implicitHeight: fontMetrics.height * 1.8

    Image {
        anchors.fill: parent
        source: OvTheme.infoBarImage()
        fillMode: Image.Stretch
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    Text {
        objectName: "infoMessage"
        anchors.left: parent.left
        anchors.right: clock.left
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: fontMetrics.height * 0.6
        anchors.rightMargin: fontMetrics.height * 0.6
        text: infoBar.message
        elide: Text.ElideRight
        font.family: OvTheme.fontFamily
        color: OvTheme.toolTipTextColor()
    }
    Text {
        id: clock
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.rightMargin: fontMetrics.height * 0.6
        font.family: OvTheme.fontFamily
        color: OvTheme.toolTipTextColor()
        opacity: 0.8
        text: theApp ? theApp.getUpdatedTimeStr() : ""
    }
    Timer {
        interval: 1000
        repeat: true
        running: !!theApp
        onTriggered: clock.text = theApp.getUpdatedTimeStr()
    }
}
