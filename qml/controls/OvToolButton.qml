import QtQuick 2.15
import QtQuick.Controls 2.15

// A tool-bar button: an image and the message id of its tool tip, shown through the
// window's tool tip while the pointer rests on it.
ToolButton {
    id: control

    property url imageSource
    property string toolTipId

    signal toolTipRequested(string message, bool show)

    padding: fontMetrics.height * 0.2
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    implicitWidth: fontMetrics.height * 2.6
    implicitHeight: implicitWidth

    contentItem: Image {
        // Decoded once at the size it was drawn at, whatever the font makes of the button.
        source: control.imageSource
        // Decoded on the image thread while the rest of the scene is built.
        asynchronous: true
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        opacity: control.enabled ? 1.0 : 0.3
        scale: control.pressed ? 0.92 : 1.0
    }
    background: Rectangle {
        radius: height * 0.15
        color: OvTheme.menuTextColor(true)
        opacity: control.hovered && control.enabled ? 0.18 : 0.0
    }
    onHoveredChanged: toolTipRequested(toolTipId, hovered)

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
}
