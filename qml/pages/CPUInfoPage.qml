import QtQuick 2.15

// The loop-board chooser of the CPU page: only the counts the CPU's type allows.
CPUBoxInfo {
    property int revision: 0

    minCount: (revision, activePlant && cpuPosition >= 0 ? activePlant.getNLIbMin(cpuPosition) : 1)
    maxCount: (revision, activePlant && cpuPosition >= 0 ? activePlant.getNLIbMax(cpuPosition) : 4)
}
