import QtQuick 2.15
import QtQuick.Controls 2.15

// A hidden field that holds the longest text its kind of field takes, for the width such a field
// needs to show it whole: `needed`, a pixel to spare each side. A name the panel keeps has 32
// Latin-1 characters, here of one of the widest letters. Given the padding of the fields it
// stands for, it has theirs.
TextField {
    property int characters: 32
    readonly property real needed: Math.ceil(contentWidth + leftPadding + rightPadding) + 2

    visible: false
    font.family: OvTheme.fontFamily
    text: "W".repeat(characters)
}
