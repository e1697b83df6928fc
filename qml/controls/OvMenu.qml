import QtQuick 2.15
import QtQuick.Controls 2.15

Menu {
    id: control

    font.family: OvTheme.fontFamily
    delegate: OvMenuItem {}
    background: Rectangle {
        implicitWidth: fontMetrics.averageCharacterWidth * 34
        color: OvTheme.boxFillColor()
        border.color: Qt.darker(color, 1.4)
        radius: 2
    }
    FontMetrics {
        id: fontMetrics
        font: control.font
    }
}
