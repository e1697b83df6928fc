import QtQuick 2.15
import QtQuick.Controls 2.15

// A hidden choice box that shows one text, for the width a column of such boxes needs to show
// that text whole: `needed`, a pixel to spare each side, closed and open, where its list, as wide
// as the box, draws the current choice in a heavier weight. Hidden, its arrow counts for nothing
// in its own width.
ComboBox {
    id: sample

    readonly property real needed: Math.ceil(Math.max(implicitWidth + indicator.width + spacing,
                                                      currentRow.implicitWidth)) + 2

    visible: false
    font.family: OvTheme.fontFamily

    // A row of the open list, with the text as the current choice.
    ItemDelegate {
        id: currentRow
        visible: false
        text: sample.displayText
        font.weight: Font.DemiBold
    }
}
