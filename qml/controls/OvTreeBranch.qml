import QtQuick 2.15

// The expand arrow of a row of a Controls 1 tree. The view puts it from the left of the first
// column in either direction; mirrored, it takes the mirror image of that place and points to
// the row's reading direction. In a tree turned over as a whole (OvTurnedCell) it stays put.
Item {
    id: branch

    property real indent: 12
    property color color: OvTheme.editTextColor(styleData.selected)
    property bool inTurnedTree: false

    readonly property bool mirrored: Qt.application.layoutDirection === Qt.RightToLeft && !inTurnedTree

    width: indent
    height: 16
    transform: Translate {
        x: branch.parent && branch.parent.parent && branch.mirrored
           ? branch.parent.parent.width - branch.indent * (styleData.depth + 1) - branch.parent.x : 0
    }
    Text {
        anchors.centerIn: parent
        text: styleData.isExpanded ? "\u25bc" : branch.mirrored ? "\u25c0" : "\u25b6"
        color: branch.color
        font.pointSize: 10
    }
}
