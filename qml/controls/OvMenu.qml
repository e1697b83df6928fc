import QtQuick 2.15
import QtQuick.Controls 2.15

Menu {
    id: control

    // As wide as the widest entry, which every entry then takes. Measured while shown: a closed
    // menu would measure again for every entry added at the start.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            (visible ? _widestEntry() : 0) + leftPadding + rightPadding)
    font.family: OvTheme.fontFamily

    function _widestEntry() {
        var widest = 0
        for (var i = 0; i < count; ++i) {
            var entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest
    }
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
