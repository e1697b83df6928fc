import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15
import QtQuick.Controls.Styles 1.4
import QtQml.Models 2.15
import QtQuick.Window 2.15
import "../controls"

// The walk-test output chooser: the chosen output's name with a down arrow; a click rebuilds the
// tree of outputs and drops it down. A module or channel row is chosen, any other row expands.
Rectangle {
    id: chooser

    readonly property var model: typeof wtModel !== "undefined" ? wtModel : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    property int revision: 0

    signal chosen()

    // Its text whole, a pixel to spare.
    implicitWidth: Math.ceil(shownName.implicitWidth + arrow.implicitWidth + 2 * metrics.averageCharacterWidth) + 1
    implicitHeight: metrics.height * 1.8
    color: OvTheme.boxFillColor()
    border.color: OvTheme.boxBorderColor()
    opacity: enabled ? 1.0 : 0.5

    function activate(index) {
        if (!chooser.model)
            return
        if (chooser.model.canBeSelected(index)) {
            chooser.model.select(index)
            chooser.revision++
            drop.close()
            chooser.chosen()
        } else if (tree.isExpanded(index)) {
            tree.collapse(index)
        } else {
            tree.expand(index)
        }
    }

    Connections {
        target: typeof activePlant !== "undefined" ? activePlant : null
        ignoreUnknownSignals: true
        function onWalkTestChanged() { chooser.revision++ }
    }
    Connections {
        target: typeof theApp !== "undefined" ? theApp : null
        ignoreUnknownSignals: true
        function onNewPlant() { chooser.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvLabel {
        id: shownName
        objectName: "walkTestOutputName"
        anchors.left: parent.left
        anchors.right: arrow.left
        anchors.leftMargin: metrics.averageCharacterWidth
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: (chooser.revision, chooser.model ? chooser.model.getCurrentSelectedItemName() : "") + chooser.tr
    }
    OvLabel {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: metrics.averageCharacterWidth
        anchors.verticalCenter: parent.verticalCenter
        text: "\u25bc"
    }
    MouseArea {
        anchors.fill: parent
        onClicked: {
            if (drop.opened || !chooser.model)
                return
            chooser.model.rebuildModel()
            chooser.revision++
            drop.open()
            selection.setCurrentIndex(chooser.model.getFirstIndex(), ItemSelectionModel.ClearAndSelect)
        }
    }
    ItemSelectionModel {
        id: selection
        model: chooser.model
    }
    Popup {
        id: drop
        objectName: "walkTestDrop"
        width: chooser.width
        height: 12 * 24 + 2 * padding
        padding: 1
        // Kept inside the window: below the field where it fits, else above it where that fits,
        // else on the roomier side, pushed inside.
        margins: 0
        onAboutToShow: {
            var above = chooser.mapToItem(null, 0, 0).y
            var below = chooser.Window.window ? chooser.Window.window.height - above - chooser.height : height
            y = below >= height || (above < height && below >= above) ? chooser.height : -height
        }
        background: Rectangle { color: OvTheme.boxFillColor(); border.color: OvTheme.boxBorderColor() }

        C1.TreeView {
            id: tree
            objectName: "walkTestTree"
            anchors.fill: parent
            model: chooser.model
            selection: selection
            headerVisible: false
            backgroundVisible: false
            onClicked: chooser.activate(index)
            onActivated: chooser.activate(index)
            // Right to left, drawn left to right and turned over, each row turned back.
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true
            transform: Scale {
                origin.x: tree.width / 2
                xScale: Qt.application.layoutDirection === Qt.RightToLeft ? -1 : 1
            }
            style: TreeViewStyle {
                backgroundColor: OvTheme.boxFillColor()
                indentation: 16
                branchDelegate: OvTreeBranch {
                    indent: 16
                    inTurnedTree: true
                    color: OvTheme.editTextColor(styleData.selected)
                }
            }
            rowDelegate: Rectangle {
                height: 24
                color: OvTheme.rowBgColor(styleData.selected)
            }
            itemDelegate: OvTurnedCell {
                objectName: "walkTestRow"
                property string rowText: styleData.value || ""
                Row {
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4
                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        height: 20
                        width: 20
                        fillMode: Image.PreserveAspectFit
                        source: {
                            var icon = chooser.model && styleData.index.valid
                                       ? chooser.model.data(styleData.index, 257) : ""
                            return "../../Resources/" + (icon ? icon : "null.png")
                        }
                    }
                    OvLabel {
                        objectName: "walkTestRowText"
                        anchors.verticalCenter: parent.verticalCenter
                        text: styleData.value || ""
                        color: OvTheme.editTextColor(styleData.selected)
                    }
                }
            }
            C1.TableViewColumn { role: "itemDescription" }
        }
    }
}
