import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls.Styles 1.4
import QtQuick.Controls 2.15 as C2

// A drop-down that picks one target of the plant from the target tree model: the tree is built
// for deviceType (bits: 1 zones, 2 CPUs, 4 detectors, 8 modules) when it opens, its top rows
// expanded. A row that can be chosen closes it with the row's numbers; any other row opens.
Item {
    id: chooser

    property var devicesModel: typeof theDevicesMdl !== "undefined" ? theDevicesMdl : null
    property int deviceType: 1
    property string text: ""
    readonly property alias opened: popup.opened

    // The chosen target; -1 for what the choice does not name.
    signal chosen(int cpu, int loop, int point, int sub, int area)

    function open() {
        if (!devicesModel)
            return
        devicesModel.rebuildModel(deviceType, true)
        popup.open()
        var tops = devicesModel.getParentIndexes()
        for (var i = 0; i < tops.length; ++i)
            tree.expand(tops[i])
    }
    function activate(index) {
        if (!devicesModel.canBeSelected(index)) {
            tree.isExpanded(index) ? tree.collapse(index) : tree.expand(index)
            return
        }
        devicesModel.select(index)
        text = devicesModel.data(index, 259)
        popup.close()
        chosen(devicesModel.getSelectedCPUAddress(), devicesModel.getSelectedLoopAddress(),
               devicesModel.getSelectedPointAddress(), devicesModel.getSelectedSubAddress(),
               devicesModel.getSelectedAreaAddress())
    }

    implicitWidth: fontMetrics.height * 14
    implicitHeight: fontMetrics.height * 1.8

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }

    Rectangle {
        anchors.fill: parent
        color: OvTheme.boxFillColor()
        border.color: OvTheme.boxBorderColor()
        radius: 3
        Text {
            anchors.fill: parent
            anchors.leftMargin: fontMetrics.height * 0.4
            anchors.rightMargin: fontMetrics.height * 1.4
            verticalAlignment: Text.AlignVCenter
            // Set, so that mirrored a Latin name starts on the right too.
            horizontalAlignment: Text.AlignLeft
            font.family: OvTheme.fontFamily
            color: OvTheme.editTextColor(false)
            text: chooser.text
            elide: Text.ElideRight
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: fontMetrics.height * 0.4
            anchors.verticalCenter: parent.verticalCenter
            font.family: OvTheme.fontFamily
            color: OvTheme.editTextColor(false)
            text: "\u25BE"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: popup.opened ? popup.close() : chooser.open()
        }
    }

    C2.Popup {
        id: popup
        objectName: "deviceChooserPopup"
        // Under the field, from its starting edge: the right one when mirrored.
        x: chooser.LayoutMirroring.enabled ? chooser.width - width : 0
        y: chooser.height
        width: Math.max(chooser.width, fontMetrics.height * 16)
        height: fontMetrics.height * 18
        padding: 1
        closePolicy: C2.Popup.CloseOnEscape | C2.Popup.CloseOnPressOutsideParent
        background: Rectangle {
            color: OvTheme.boxFillColor()
            border.color: OvTheme.boxBorderColor()
        }

        C1.TreeView {
            id: tree
            objectName: "deviceTree"
            anchors.fill: parent
            model: chooser.devicesModel
            headerVisible: false
            backgroundVisible: false
            alternatingRowColors: false
            frameVisible: false
            horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
            onClicked: chooser.activate(index)
            // Right to left, drawn left to right and turned over, each row turned back.
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true
            transform: Scale {
                origin.x: tree.width / 2
                xScale: Qt.application.layoutDirection === Qt.RightToLeft ? -1 : 1
            }
            style: TreeViewStyle {
                backgroundColor: "transparent"
                indentation: fontMetrics.height
                textColor: OvTheme.editTextColor(false)
                branchDelegate: OvTreeBranch {
                    indent: fontMetrics.height
                    inTurnedTree: true
                    color: OvTheme.editTextColor(styleData.selected)
                }
            }
            rowDelegate: Rectangle {
                height: fontMetrics.height * 1.8
                color: OvTheme.rowBgColor(styleData.selected)
            }
            C1.TableViewColumn {
                role: "itemDescription"
                width: tree.width
                delegate: OvTurnedCell {
                    objectName: "deviceRow"
                    readonly property var rowIndex: styleData.index
                    Image {
                        id: icon
                        anchors.verticalCenter: parent.verticalCenter
                        width: visible ? fontMetrics.height * 1.4 : 0
                        height: width
                        visible: !!chooser.devicesModel && !!styleData.index
                                 && chooser.devicesModel.data(styleData.index, 257) !== ""
                        fillMode: Image.PreserveAspectFit
                        source: visible ? "../../Resources/" + chooser.devicesModel.data(styleData.index, 257) : ""
                    }
                    Text {
                        anchors.left: icon.right
                        anchors.leftMargin: fontMetrics.height * 0.3
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        horizontalAlignment: Text.AlignLeft
                        font.family: OvTheme.fontFamily
                        color: OvTheme.editTextColor(styleData.selected)
                        text: styleData.value !== undefined ? styleData.value : ""
                        elide: Text.ElideRight
                    }
                }
            }
        }
    }
}
