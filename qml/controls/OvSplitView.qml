import QtQuick 2.15
import QtQuick.Controls 2.15

// Side by side from the starting edge: mirrored, the first item stands at the right. The split
// view lays its items out left to right whatever the direction, so they take the reverse order.
SplitView {
    id: split

    orientation: Qt.Horizontal
    handle: Rectangle {
        implicitWidth: 4
        color: SplitHandle.pressed || SplitHandle.hovered ? OvTheme.boxBorderColor() : OvTheme.boxFillColor()
        opacity: 0.6
    }

    readonly property bool _mirrored: LayoutMirroring.enabled
    property bool _reversed: false

    function _order() {
        if (_reversed === _mirrored)
            return
        for (var i = 0; i < count - 1; ++i)
            moveItem(count - 1, i)
        _reversed = _mirrored
    }
    on_MirroredChanged: _order()
    Component.onCompleted: _order()
}
