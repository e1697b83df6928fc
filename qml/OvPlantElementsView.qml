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
    // Rows sent so far: a click sends its row whether or not the selection moved.
    property int _sent: 0

    color: OvTheme.boxFillColor()
    opacity: 0.95

    function _click(index) {
        if (_programmatic)
            return
        _sent++
        plantElementsClicked(index)
    }

    // The row of index made current and selected, as the Up and Down keys do.
    function _makeCurrent(index) {
        for (var row = 0; row < tree.__listView.count; ++row) {
            if (tree.__model.mapRowToModelIndex(row) === index) {
                tree.__listView.currentIndex = row
                break
            }
        }
        if (selectionModel.currentIndex !== index)
            selectionModel.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect)
    }
    // The arrow keys step as the arrows point: into the highlighted row (opening it first), or
    // out of it (closing it first). Whether it was the tree's step.
    function _step(inward) {
        var index = selectionModel.currentIndex
        if (!treeModel || !index || !index.valid)
            return false
        // The view's own current row may lag behind the highlight, which a page or the model
        // moved: the keys go on from the highlight.
        _makeCurrent(index)
        var hasRows = treeModel.rowCount(index) > 0
        if (inward) {
            if (hasRows && !tree.isExpanded(index))
                tree.expand(index)
            else if (hasRows)
                _makeCurrent(treeModel.index(0, 0, index))
        } else if (hasRows && tree.isExpanded(index)) {
            tree.collapse(index)
        } else if (treeModel.parent(index).valid) {
            _makeCurrent(treeModel.parent(index))
        }
        return true
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

    ItemSelectionModel {
        id: selectionModel
        model: treePane.treeModel
        onCurrentChanged: treePane._click(current)
    }

    // Controls 1 lays a tree's rows out from the left whatever the direction: mirrored, a
    // row's expand arrow lands past the pane. Right to left, the tree is drawn left to right
    // and turned over as a whole, each cell turned back so that it reads.
    readonly property bool _turned: LayoutMirroring.enabled

    C1.TreeView {
        id: tree
        objectName: "plantTree"
        LayoutMirroring.enabled: false
        LayoutMirroring.childrenInherit: true
        transform: Scale {
            origin.x: tree.width / 2
            xScale: treePane._turned ? -1 : 1
        }
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
        // Turned over, a closed row's arrow points left: Left goes in, Right out.
        Keys.onRightPressed: event.accepted = treePane._step(!treePane._turned)
        Keys.onLeftPressed: event.accepted = treePane._step(treePane._turned)
        // A click on a row's arrow selects nothing of itself: the row clicked is made current
        // here, so that the highlight stays on the row whose page shows.
        onClicked: {
            var sent = treePane._sent
            selectionModel.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect)
            if (treePane._sent === sent)
                treePane._click(index)
        }

        style: TreeViewStyle {
            backgroundColor: "transparent"
            indentation: fontMetrics.height * 1.2
            textColor: OvTheme.editTextColor(false)
            // The arrow of the highlighted row, on the highlight.
            highlightedTextColor: OvTheme.editTextColor(true)
            branchDelegate: Item {
                objectName: "plantTreeBranch"
                width: fontMetrics.height * 1.2
                height: fontMetrics.height
                // Turned over with the tree, the arrow of a closed row points to where its
                // row starts.
                Text {
                    anchors.centerIn: parent
                    text: styleData.isExpanded ? "\u25bc" : "\u25b6"
                    color: styleData.textColor
                    font.pointSize: 10
                }
            }
        }

        rowDelegate: Rectangle {
            // As high as the model asks for its row; the view's own sizing row has no model data.
            height: typeof model !== "undefined" && model && model.itemHeight > 0 ? model.itemHeight : 0
            color: OvTheme.rowBgColor(styleData.selected)
        }

        C1.TableViewColumn {
            role: "itemIconImagePath"
            // The branch and indentation of the deepest rows come out of this column.
            width: 48 + fontMetrics.height * 3.6
            delegate: Item {
                id: iconCell
                objectName: "plantTreeIcon"
                LayoutMirroring.enabled: treePane._turned
                LayoutMirroring.childrenInherit: true
                transform: Scale {
                    origin.x: iconCell.width / 2
                    xScale: treePane._turned ? -1 : 1
                }
                readonly property var rowIndex: styleData.index
                // A row the view keeps for later (row -1) still holds the index of a row gone.
                readonly property int errorFlag: treePane._errorsRevision, treePane.treeModel && styleData.row >= 0
                                                 && styleData.index && styleData.index.valid === true
                                                 ? treePane.treeModel.getErrorFlag(styleData.index) : 0
                Image {
                    id: icon
                    anchors.left: parent.left
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
            }
        }
        C1.TableViewColumn {
            role: "itemDescription"
            // Short of the scroll bar, whose place the view leaves out of its viewport.
            width: Math.max(0, tree.viewport.width - 48 - fontMetrics.height * 3.6)
            delegate: Item {
                id: textCell
                // This column starts past the icons of the deepest rows (loops, depth 2): the
                // text of a shallower row (a panel's name) starts right past its own icon.
                readonly property int depth: {
                    var index = styleData.index
                    if (!treePane.treeModel || styleData.row < 0 || !index || index.valid !== true)
                        return 2
                    var depth = 0
                    for (var up = treePane.treeModel.parent(index); up.valid; up = treePane.treeModel.parent(up))
                        ++depth
                    return depth
                }
                readonly property real reach: Math.max(0, 2 - depth) * fontMetrics.height * 1.2

                Text {
                    id: label
                    objectName: "plantTreeText"
                    readonly property var rowIndex: styleData.index
                    x: -textCell.reach
                    width: textCell.width + textCell.reach
                    height: textCell.height
                    transform: Scale {
                        origin.x: label.width / 2
                        xScale: treePane._turned ? -1 : 1
                    }
                    // Beside the icon, on the row's starting side.
                    horizontalAlignment: treePane._turned ? Text.AlignRight : Text.AlignLeft
                    verticalAlignment: Text.AlignVCenter
                    font.family: OvTheme.fontFamily
                    color: OvTheme.editTextColor(styleData.selected)
                    text: styleData.value ? styleData.value : ""
                    // A panel's name takes the lines its row has room for; one cut still has its
                    // whole in the row's tip.
                    wrapMode: Text.Wrap
                    elide: Text.ElideRight
                }
            }
        }
    }

    // One tip, for the row under the pointer. A hover area in each row keeps what it had while
    // rows move under a still pointer (a row opened from the keys), so that several rows told
    // at once; this one asks again whenever the rows move. A selected row tells nothing.
    MouseArea {
        id: treeHover
        anchors.fill: tree
        hoverEnabled: true
        acceptedButtons: Qt.NoButton

        readonly property var rowIndex: {
            tree.__listView.count, tree.flickableItem.contentY, mouseX, mouseY
            if (!containsMouse || !treePane.treeModel)
                return null
            var at = mapToItem(tree, mouseX, mouseY)
            var index = tree.indexAt(at.x, at.y)
            return index.valid ? index : null
        }
        readonly property string tipText: rowIndex && !(selectionModel.selectedIndexes, selectionModel.isSelected(rowIndex))
                                          ? treePane.treeModel.getInfoToolTip(rowIndex) : ""

        C2.ToolTip {
            objectName: "plantTreeTip"
            readonly property bool shown: text !== ""
            // Beside the pointer, towards the reading direction where the window has room.
            readonly property bool leftward: treePane._turned
                                             && treeHover.mapToItem(null, treeHover.mouseX, 0).x >= width + fontMetrics.height
            x: leftward ? treeHover.mouseX - fontMetrics.height - width : treeHover.mouseX + fontMetrics.height
            y: treeHover.mouseY + fontMetrics.height * 1.5
            text: treeHover.tipText
            visible: shown && treePane.visible
            delay: 500
            timeout: 5000
        }
    }
}
