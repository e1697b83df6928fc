import QtQuick 2.15
import QtQuick.Controls 2.15

MenuSeparator {
    contentItem: Rectangle {
        implicitHeight: 1
        color: OvTheme.menuTextColor(false)
        opacity: 0.4
    }
}
