import QtQuick 2.15
import QtQuick.Controls 2.15

// The title of a table column (OvColumnTitle) in its cell. Every title takes two lines' height,
// so the header row is as high whatever the language. A view's header takes the pointer over its
// cells: the view says whether the pointer rests on this one, for the cut title's tool tip.
Rectangle {
    id: cell

    property string title
    property bool hovered: false

    implicitHeight: metrics.height * 2 + metrics.height * 0.6
    color: OvTheme.boxFillColor()

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvColumnTitle {
        objectName: "columnTitle"
        anchors.fill: parent
        anchors.leftMargin: metrics.height * 0.3
        anchors.rightMargin: metrics.height * 0.3
        verticalAlignment: Text.AlignVCenter
        text: cell.title
        ToolTip.visible: cell.hovered && toolTipText !== ""
    }
    Rectangle {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: OvTheme.boxBorderColor()
    }
}
