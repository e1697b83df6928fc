import QtQuick 2.15

// A cell of a Controls 1 tree, which lays its rows out from the left whatever the direction.
// Right to left such a tree is drawn left to right and turned over as a whole (a Scale of -1 on
// its transform); each of its cells is turned back so that it reads, laid out right to left.
Item {
    id: cell

    readonly property bool turned: Qt.application.layoutDirection === Qt.RightToLeft

    LayoutMirroring.enabled: turned
    LayoutMirroring.childrenInherit: true
    transform: Scale {
        origin.x: cell.width / 2
        xScale: cell.turned ? -1 : 1
    }
}
