import QtQuick 2.15
import QtQuick.Controls 2.15

MenuBar {
    id: control

    background: Image {
        source: OvTheme.menuBarImage()
        fillMode: Image.Stretch
    }
    delegate: MenuBarItem {
        id: barItem
        leftPadding: fontMetrics.height * 0.8
        rightPadding: leftPadding
        topPadding: fontMetrics.height * 0.3
        bottomPadding: topPadding
        font.family: OvTheme.fontFamily
        contentItem: Text {
            text: barItem.text
            font: barItem.font
            color: OvTheme.menuTextColor(barItem.enabled)
            opacity: barItem.enabled ? 1.0 : 0.55
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: barItem.highlighted ? OvTheme.menuTextColor(true) : "transparent"
            opacity: 0.15
        }
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
}
