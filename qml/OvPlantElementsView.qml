import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15 as C2
import QtQuick.Controls.Styles 1.4
import QtQml.Models 2.15
import "controls"

// The plant tree pane: each row an icon with its error or warning badge and a text; the rows
// that are not selected tell on hover what they open. A click (or a new current row) goes to
// the window as plantElementsClicked; a selection the model makes itself (itemSelected) is shown
// without being sent back.
Rectangle {
    id: treePane

    readonly property var treeModel: typeof elementTreeViewModel !== "undefined" ? elementTreeViewModel : null

    signal plantElementsClicked(var idx)

    property bool _programmatic: false
    // Bumped on updateErrorsFlag: every badge binds to it and asks the model again.
    property int _errorsRevision: 0

    color: OvTheme.boxFillColor()
    opacity: 0.95

    function _click(index) {
        if (!_programmatic)
            plantElementsClicked(index)
    }

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    OvLabel {
        id: title
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: fontMetrics.height * 0.6
        text: qsTrId("PLANT_TREE_TITLE") + (theLanguageModel ? theLanguageModel.emptyString : "")
        font.bold: true
        elide: Text.ElideRight
    }

    Connections {
        target: treePane.treeModel
        ignoreUnknownSignals: true
        function onUpdateErrorsFlag() { treePane._errorsRevision++ }
        function onItemSelected(itemIndex) {
            treePane._programmatic = true
            var parentIndex = treePane.treeModel.parent(itemIndex)
            if (parentIndex.valid)
                tree.expand(parentIndex)
            tree.expand(itemIndex)
            selectionModel.setCurrentIndex(itemIndex, ItemSelectionModel.ClearAndSelect)
            treePane._programmatic = false
        }
        function onExpandModelIndex(itemIndex) { tree.expand(itemIndex) }
        function onModelReset() { treePane._errorsRevision++ }
    }

    // A row's tip under the pointer, owned by its row: the shared attached tip sits above the
    // row, over the one before, and outlives a row that a model reset removes under the pointer.
    component PointerTip: C2.ToolTip {
        objectName: "plantTreeTip"
        property MouseArea area
        property bool shown: false
        parent: area
        x: area ? area.mouseX + fontMetrics.height : 0
        y: area ? area.mouseY + fontMetrics.height * 1.5 : 0
        visible: shown && treePane.visible
        delay: 500
        timeout: 5000
    }

    ItemSelectionModel {
        id: selectionModel
        model: treePane.treeModel
        onCurrentChanged: treePane._click(current)
    }

    C1.TreeView {
        id: tree
        objectName: "plantTree"
        anchors.top: title.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.topMargin: fontMetrics.height * 0.4
        model: treePane.treeModel
        selection: selectionModel
        headerVisible: false
        backgroundVisible: false
        alternatingRowColors: false
        frameVisible: false
        horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
        onClicked: treePane._click(index)

        style: TreeViewStyle {
            backgroundColor: "transparent"
            indentation: fontMetrics.height * 1.2
            textColor: OvTheme.editTextColor(false)
        }

        rowDelegate: Rectangle {
            // The view's rows take no model data: every row is as high as the model's rows ask.
            height: 64
            color: OvTheme.rowBgColor(styleData.selected)
        }

        C1.TableViewColumn {
            role: "itemIconImagePath"
            // The branch and indentation of the deepest rows come out of this column.
            width: 48 + fontMetrics.height * 3.6
            delegate: Item {
                id: iconCell
                objectName: "plantTreeIcon"
                readonly property var rowIndex: styleData.index
                // A row the view keeps for later (row -1) still holds the index of a row gone.
                readonly property int errorFlag: treePane._errorsRevision, treePane.treeModel && styleData.row >= 0
                                                 && styleData.index && styleData.index.valid === true
                                                 ? treePane.treeModel.getErrorFlag(styleData.index) : 0
                readonly property string toolTip: treePane.treeModel && styleData.row >= 0 && styleData.index
                                                  && styleData.index.valid === true
                                                  ? treePane.treeModel.getInfoToolTip(styleData.index) : ""

                Image {
                    id: icon
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40
                    height: 40
                    sourceSize: Qt.size(80, 80)
                    fillMode: Image.PreserveAspectFit
                    source: "../Resources/" + (styleData.value ? styleData.value : "null.png")
                }
                Image {
                    objectName: "badge"
                    anchors.right: icon.right
                    anchors.bottom: icon.bottom
                    width: icon.width / 2
                    height: icon.height / 2
                    visible: iconCell.errorFlag > 0
                    source: iconCell.errorFlag === 2 ? "../Resources/errors.png"
                          : iconCell.errorFlag === 1 ? "../Resources/warning.png" : ""
                }
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton
                }
                readonly property bool tipShown: hover.containsMouse && !styleData.selected && toolTip !== ""
                PointerTip {
                    area: hover
                    shown: iconCell.tipShown
                    text: iconCell.toolTip
                }
            }
        }
        C1.TableViewColumn {
            role: "itemDescription"
            width: Math.max(0, tree.width - 52 - fontMetrics.height * 3.6)
            delegate: Text {
                id: textCell
                verticalAlignment: Text.AlignVCenter
                font.family: OvTheme.fontFamily
                color: OvTheme.editTextColor(styleData.selected)
                text: styleData.value ? styleData.value : ""
                elide: Text.ElideRight

                readonly property string toolTip: treePane.treeModel && styleData.row >= 0 && styleData.index
                                                  && styleData.index.valid === true
                                                  ? treePane.treeModel.getInfoToolTip(styleData.index) : ""
                MouseArea {
                    id: textHover
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton
                }
                PointerTip {
                    area: textHover
                    shown: textHover.containsMouse && !styleData.selected && textCell.toolTip !== ""
                    text: textCell.toolTip
                }
            }
        }
    }
}
