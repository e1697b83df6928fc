import QtQuick 2.15

// A plain cell of a table: its text on the row's starting side, cut at the end, with the same
// room on either side so that a mirrored cell is the mirror image of the other.
Text {
    padding: 4
    verticalAlignment: Text.AlignVCenter
    // Set, not left to the text's own direction: mirrored, Latin texts start on the right too.
    horizontalAlignment: Text.AlignLeft
    elide: Text.ElideRight
    font.family: OvTheme.fontFamily
}
