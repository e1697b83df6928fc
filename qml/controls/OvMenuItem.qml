import QtQuick 2.15
import QtQuick.Controls 2.15

MenuItem {
    id: control

    font.family: OvTheme.fontFamily
    icon.color: "transparent"
    icon.width: fontMetrics.height
    icon.height: fontMetrics.height
    leftPadding: fontMetrics.height * 0.6
    rightPadding: leftPadding
    topPadding: fontMetrics.height * 0.3
    bottomPadding: topPadding

    contentItem: Row {
        spacing: fontMetrics.averageCharacterWidth
        leftPadding: control.mirrored ? (control.arrow ? control.arrow.width : 0) : 0
        rightPadding: control.mirrored ? 0 : (control.arrow ? control.arrow.width : 0)
        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: control.icon.width
            height: control.icon.height
            sourceSize.width: width * 2
            sourceSize.height: height * 2
            source: control.icon.source
            visible: control.icon.source.toString() !== ""
        }
        Text {
            text: control.text
            font: control.font
            color: OvTheme.menuTextColor(control.enabled)
            opacity: control.enabled ? 1.0 : 0.5
            anchors.verticalCenter: parent.verticalCenter
        }
        Item {
            width: fontMetrics.averageCharacterWidth * 3
            height: 1
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: control.action && control.action.shortcut !== undefined
                  ? shortcutText(control.action.shortcut) : ""
            font: control.font
            color: OvTheme.menuTextColor(control.enabled)
            opacity: 0.6
        }
    }
    background: Rectangle {
        implicitWidth: fontMetrics.averageCharacterWidth * 34
        color: control.highlighted ? OvTheme.menuTextColor(true) : "transparent"
        opacity: 0.15
    }
    FontMetrics {
        id: fontMetrics
        font: control.font
    }

    function shortcutText(sequence) {
        if (typeof sequence === "number") {
            var keys = {}
            keys[StandardKey.New] = "Ctrl+N"
            keys[StandardKey.Open] = "Ctrl+O"
            keys[StandardKey.Save] = "Ctrl+S"
            return keys[sequence] !== undefined ? keys[sequence] : ""
        }
        return sequence ? sequence.toString() : ""
    }
}
