import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The loop-board chooser of one CPU: row k asks the plant for k + 1 boards within the plant
// type's loop budget. Counts outside minCount..maxCount are not offered; a refused choice shows
// the CPU's count again.
ComboBox {
    id: box

    property int cpuPosition: -1
    property int libCount: 0
    property int minCount: 1
    property int maxCount: 4

    objectName: "libCombo"
    model: typeof theLibMdl !== "undefined" ? theLibMdl : null
    textRole: "name"
    font.family: OvTheme.fontFamily
    currentIndex: Math.max(libCount - 1, 0)
    delegate: ItemDelegate {
        width: box.width
        text: model.name
        font.family: OvTheme.fontFamily
        enabled: box.allowed(index)
        highlighted: box.highlightedIndex === index
    }

    function allowed(row) { return row + 1 >= minCount && row + 1 <= maxCount }
    function choose(row) {
        if (allowed(row) && row + 1 !== libCount && typeof activePlant !== "undefined" && activePlant)
            activePlant.setCPULibCount(cpuPosition, row + 1, true)
        currentIndex = Qt.binding(function() { return Math.max(box.libCount - 1, 0) })
    }
    onActivated: choose(index)
}
