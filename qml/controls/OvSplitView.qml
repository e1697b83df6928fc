import QtQuick 2.15
import QtQuick.Controls 2.15

SplitView {
    orientation: Qt.Horizontal
    handle: Rectangle {
        implicitWidth: 4
        color: SplitHandle.pressed || SplitHandle.hovered ? OvTheme.boxBorderColor() : OvTheme.boxFillColor()
        opacity: 0.6
    }
}
