import QtQuick 2.15

// The first cell of a row of a Controls 1 tree. The view places and sizes the cell itself,
// indented from the left in either direction, and its loader sizes it again: the text takes its
// place from the column instead, indented from the row's starting side.
Item {
    id: cell

    property real indent: 12
    property alias text: label.text
    property alias color: label.color
    property alias label: label

    readonly property bool mirrored: Qt.application.layoutDirection === Qt.RightToLeft

    OvCellText {
        id: label
        readonly property real indented: cell.indent * (styleData.depth + 1)
        x: cell.parent ? -cell.x + (cell.mirrored ? 0 : indented) : 0
        width: cell.parent ? cell.parent.width - indented : 0
        height: cell.height
    }
}
