import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15 as C2
import QtQuick.Controls.Styles 1.4
import "../controls"

// The group table of one tab over "ovGroupModel": number, icon with its error tool tip, double
// consent (direct tab only), description (typed in its cell) and CBE program. A click on the program opens the
// keypad through cbeRequested.
Item {
    id: listPage

    property var groupModel: typeof ovGroupModel !== "undefined" ? ovGroupModel : null
    property bool directTab: true
    // The row Copy marked; forgotten when the rows are rebuilt (the other tab, another plant),
    // where the same row number names another group.
    property int copiedRow: -1
    property int _revision: 0
    // The columns beside the name and the program; the name holds a name as long as the sample
    // where the widest program shown keeps its whole in the rest.
    readonly property real _fixedWidth: fontMetrics.height * (directTab ? 14.5 : 6.5)
    readonly property real _nameWidth: Math.max(fontMetrics.height * 14,
                                                Math.min(nameSample.needed,
                                                         table.viewport.width - _fixedWidth - _programWidth))
    // Read again on every change of the rows: a program typed, pasted, or the other tab.
    readonly property real _programWidth: {
        var widest = 0
        for (var r = 0; _revision >= 0 && groupModel && r < groupModel.rowCount(); ++r)
            widest = Math.max(widest, fontMetrics.advanceWidth(groupModel.data(groupModel.index(r, 0), 260 /* groupCBE */)))
        // Its title on two lines at most, each word whole, within the header cell's margins.
        var words = programColumn.title.split(/\s+/)
        var title = 0
        for (var w = 0; w < words.length; ++w)
            title = Math.max(title, titleMetrics.advanceWidth(words[w]))
        // The cell's padding and a pixel to spare each side; wide enough to click on to write
        // a first program.
        return Math.max(fontMetrics.height * 6, Math.ceil(title + fontMetrics.height * 0.6) + 2,
                        Math.ceil(widest) + 8 + 2)
    }
    signal cbeRequested(var selection, string title, string text)

    function selectedRows() {
        var rows = []
        table.selection.forEach(function (row) { rows.push(row) })
        return rows
    }
    function selectRow(row) {
        table.selection.clear()
        table.selection.select(row)
        table.currentRow = row
        table.positionViewAtRow(row, ListView.Contain)
    }
    // The menu's Copy and Paste, from the menu and from the keys typed on the rows (a field keeps
    // its own); each tells whether it acted, so that a key it leaves goes on.
    function copyRow(row) {
        if (row < 0)
            return false
        copiedRow = row
        return true
    }
    function pasteOnSelection() {
        var rows = selectedRows()
        if (!groupModel || copiedRow < 0 || rows.length === 0)
            return false
        groupModel.copy(copiedRow, rows)
        return true
    }

    Connections {
        target: listPage.groupModel
        function onRemoteSelect(gIndex) { listPage.selectRow(gIndex) }
        function onDataChanged() { listPage._revision++ }
        function onModelReset() {
            listPage.copiedRow = -1
            listPage._revision++
        }
    }

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    FontMetrics {
        id: titleMetrics
        font.family: OvTheme.fontFamily
        font.bold: true
    }
    // A name as long as the longest the panel keeps for its other names.
    OvFieldSample {
        id: nameSample
        padding: 2
    }

    C1.TableView {
        id: table
        objectName: "groupsTable"
        anchors.fill: parent
        model: listPage.groupModel
        selectionMode: C1.SelectionMode.ExtendedSelection
        Keys.onPressed: {
            if (event.matches(StandardKey.Copy))
                event.accepted = listPage.copyRow(table.currentRow)
            else if (event.matches(StandardKey.Paste))
                event.accepted = listPage.pasteOnSelection()
        }
        style: TableViewStyle {
            headerDelegate: OvHeaderCell {
                title: styleData.value !== undefined ? styleData.value : ""
                hovered: styleData.containsMouse
            }
        }

        C1.TableViewColumn {
            role: "groupIndex"
            title: "#"
            width: fontMetrics.height * 4
            delegate: OvCellText {
                text: styleData.value !== undefined ? String(styleData.value).trim() : ""
                color: styleData.textColor
            }
        }
        C1.TableViewColumn {
            role: "groupIconName"
            width: fontMetrics.height * 2.5
            delegate: Image {
                objectName: "groupIcon"
                fillMode: Image.PreserveAspectFit
                source: styleData.value ? "../../Resources/" + styleData.value : ""
                readonly property string toolTip: listPage._revision, listPage.groupModel && styleData.row >= 0
                                                  ? listPage.groupModel.getIconToolTip(styleData.row) : ""
                MouseArea {
                    id: iconMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton
                }
                C2.ToolTip.visible: iconMouse.containsMouse && toolTip !== ""
                C2.ToolTip.text: toolTip
            }
        }
        C1.TableViewColumn {
            role: "groupDoubleConsent"
            title: qsTrId("CSV_DOUBLECONSENT")
            visible: listPage.directTab
            width: fontMetrics.height * 8
            delegate: C2.CheckBox {
                objectName: "groupDoubleConsent"
                checked: styleData.value === true
                focusPolicy: Qt.NoFocus
                onToggled: {
                    var rows = listPage.selectedRows()
                    if (rows.indexOf(styleData.row) < 0)
                        rows = [styleData.row]
                    listPage.groupModel.setDoubleConsentFlag(rows, checked)
                }
            }
        }
        C1.TableViewColumn {
            role: "groupDescription"
            title: qsTrId("Description")
            width: listPage._nameWidth
            delegate: OvStoredField {
                objectName: "groupDescription"
                readonly property int row: styleData.row
                // Set, so that mirrored a Latin name starts on the right too.
                horizontalAlignment: TextInput.AlignLeft
                stored: styleData.value !== undefined ? styleData.value : ""
                color: styleData.textColor
                padding: 2
                background: Rectangle {
                    color: "transparent"
                    border.width: parent.activeFocus ? 1 : 0
                    border.color: styleData.textColor
                }
                onSubmitted: {
                    if (styleData.row < 0)
                        return
                    var rows = listPage.selectedRows()
                    if (rows.indexOf(styleData.row) < 0)
                        rows = [styleData.row]
                    listPage.groupModel.setGroupDescription(rows, text)
                }
            }
        }
        C1.TableViewColumn {
            id: programColumn
            role: "groupCBE"
            title: qsTrId("FormulaCBE")
            // The rest of the view: a mirrored row runs from the view's right edge.
            width: table.viewport.width - listPage._fixedWidth - listPage._nameWidth
            delegate: OvCellText {
                objectName: "groupCBE"
                readonly property int row: styleData.row
                text: styleData.value !== undefined ? styleData.value : ""
                color: styleData.textColor
                MouseArea {
                    anchors.fill: parent
                    onClicked: listPage.openCbe(styleData.row)
                }
            }
        }
    }

    function openCbe(row) {
        var rows = selectedRows()
        if (rows.indexOf(row) < 0) {
            selectRow(row)
            rows = [row]
        }
        cbeRequested(rows, groupModel.getSelectedIndexesStr(rows),
                     groupModel.data(groupModel.index(row, 0), 260 /* groupCBE */))
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        // The menu acts on the selection: a click beside it selects the clicked row first.
        onClicked: {
            var at = mapToItem(table, mouse.x, mouse.y)
            var row = table.rowAt(at.x, at.y)
            if (row >= 0 && !table.selection.contains(row))
                listPage.selectRow(row)
            menu.popupAtPointer(mapToItem(menu.parent, mouse.x, mouse.y))
        }
    }
    OvMenu {
        id: menu
        property bool removable: false
        onAboutToShow: {
            var rows = listPage.selectedRows()
            var any = false
            for (var i = 0; i < rows.length; ++i)
                if (listPage.groupModel && !listPage.groupModel.isEmpty(rows[i]))
                    any = true
            removable = any
        }
        OvMenuItem {
            objectName: "groupMenuRemove"
            text: qsTrId("GROUP_REMOVE")
            enabled: menu.removable
            onTriggered: listPage.groupModel.resetGroups(listPage.selectedRows())
        }
        OvMenuItem {
            objectName: "groupMenuCopy"
            text: qsTrId("GROUP_COPY")
            enabled: table.currentRow >= 0
            onTriggered: listPage.copyRow(table.currentRow)
        }
        OvMenuItem {
            objectName: "groupMenuPaste"
            text: qsTrId("GROUP_PASTE")
            enabled: listPage.copiedRow >= 0
            onTriggered: listPage.pasteOnSelection()
        }
    }
}
