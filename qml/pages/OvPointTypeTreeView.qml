import QtQuick 2.15
import "../controls"

// The type cell of a point row: the type's name with a down arrow; a click asks the page to open
// the type drop-down at this cell.
Item {
    id: cell

    property string text
    property color textColor: OvTheme.editTextColor(false)
    signal openRequested()

    implicitHeight: name.implicitHeight

    Text {
        id: name
        objectName: "pointTypeName"
        // Set, so that mirrored a Latin name starts on the right too.
        horizontalAlignment: Text.AlignLeft
        anchors.left: parent.left
        anchors.right: arrow.left
        anchors.verticalCenter: parent.verticalCenter
        text: cell.text
        color: cell.textColor
        font.family: OvTheme.fontFamily
        elide: Text.ElideRight
    }
    Image {
        id: arrow
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        height: Math.min(parent.height, name.implicitHeight)
        width: height
        source: OvTheme.image("ptTypeArrow.png")
        fillMode: Image.PreserveAspectFit
    }
    MouseArea {
        objectName: "pointTypeOpen"
        anchors.fill: parent
        onClicked: cell.openRequested()
    }
}
