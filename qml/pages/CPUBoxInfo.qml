import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The loop-board chooser of one CPU: row k asks the plant for k + 1 boards within the plant
// type's loop budget. Only the counts the CPU's type allows are offered; a count outside them is
// refused with the range on the information bar, and the box shows the CPU's count again.
ComboBox {
    id: box

    property int cpuPosition: -1
    property int libCount: 0
    // Bumped when the CPU's type may have changed.
    property int revision: 0
    property int minCount: (revision, libCount, _hasPlant() ? activePlant.getNLIbMin(cpuPosition) : 1)
    property int maxCount: (revision, libCount, _hasPlant() ? activePlant.getNLIbMax(cpuPosition) : 4)

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

    // A function, not a property: a binding reading the plant must see it as it is now.
    function _hasPlant() { return typeof activePlant !== "undefined" && !!activePlant && cpuPosition >= 0 }
    function allowed(row) { return row + 1 >= minCount && row + 1 <= maxCount }
    function choose(row) {
        if (!allowed(row)) {
            if (typeof mainWindow !== "undefined")
                mainWindow.showInfoMsg(qsTrId("ERR_VALUE_OUT_OF_RANGE").arg(minCount).arg(maxCount))
        } else if (row + 1 !== libCount && _hasPlant()) {
            activePlant.setCPULibCount(cpuPosition, row + 1, true)
        }
        currentIndex = Qt.binding(function() { return Math.max(box.libCount - 1, 0) })
    }
    onActivated: choose(index)
}
