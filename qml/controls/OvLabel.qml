import QtQuick 2.15
import QtQuick.Controls 2.15

// A text in the program's face. Given less room than its text needs, it is cut at the end and
// the pointer resting on it shows the whole text.
Label {
    id: control

    // The whole text while it is cut, else empty: what the tool tip shows.
    readonly property string toolTipText: truncated ? text : ""

    font.family: OvTheme.fontFamily
    color: OvTheme.editTextColor(false)
    elide: Text.ElideRight
    // Set, not left to the text's own direction, so that a mirrored scene puts Latin texts and
    // numbers on the starting side too.
    horizontalAlignment: Text.AlignLeft

    MouseArea {
        id: pointer
        anchors.fill: parent
        enabled: control.truncated
        hoverEnabled: control.truncated
        acceptedButtons: Qt.NoButton
    }
    ToolTip.visible: pointer.containsMouse && control.toolTipText !== ""
    ToolTip.text: control.toolTipText
    ToolTip.delay: 500
}
