import QtQuick 2.15
import QtQuick.Controls 2.15

// A hidden choice box that shows one text, for the width a column of such boxes needs to show
// that text whole: `needed`, a pixel to spare each side. Hidden, its arrow counts for nothing in
// its own width.
ComboBox {
    readonly property real needed: Math.ceil(implicitWidth + indicator.width + spacing) + 2

    visible: false
    font.family: OvTheme.fontFamily
}
