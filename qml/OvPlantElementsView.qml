import QtQuick 2.15
import "controls"

// The plant tree pane, bound to the tree model once a plant exists.
Rectangle {
    id: treePane

    color: OvTheme.boxFillColor()
    opacity: 0.95

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    OvLabel {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: fontMetrics.height * 0.6
        text: qsTrId("PLANT_TREE_TITLE") + (theLanguageModel ? theLanguageModel.emptyString : "")
        font.bold: true
        elide: Text.ElideRight
    }
}
