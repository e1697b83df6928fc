import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The repeaters table: enable and name many repeaters at once. A disabled repeater's number is
// drawn faded; its box and its name, which work on it all the same, are drawn as on any row.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_REPEATERS")
    focus: true

    readonly property var model: typeof ovRepeatersMdl !== "undefined" ? ovRepeatersMdl : null
    property var selection: []
    property int revision: 0

    function isSelected(row) { return revision, selection.indexOf(row) >= 0 }
    function select(row, modifiers) {
        if (modifiers & Qt.ControlModifier) {
            var s = selection.slice()
            var at = s.indexOf(row)
            at >= 0 ? s.splice(at, 1) : s.push(row)
            selection = s
        } else if ((modifiers & Qt.ShiftModifier) && selection.length > 0) {
            var from = selection[selection.length - 1]
            var list = []
            for (var r = Math.min(from, row); r <= Math.max(from, row); ++r)
                list.push(r)
            selection = list
        } else {
            selection = [row]
        }
        revision++
    }
    function canRemove() {
        revision
        // The model goes before the page when the program ends.
        for (var i = 0; model && i < selection.length; ++i)
            if (model.isEnableRTP(selection[i]))
                return true
        return false
    }
    function disable() { if (canRemove()) model.enableRPT(selection, false) }

    Keys.onDeletePressed: disable()
    Keys.onReturnPressed: model.enableRPT(selection, true)
    Keys.onEnterPressed: model.enableRPT(selection, true)

    Connections {
        target: page.model
        function onDataChanged() { page.revision++ }
        function onModelReset() { page.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvColumnWidths {
        id: columns
        titles: [QT_TRID_NOOP("CSV_INDEX"), QT_TRID_NOOP("STR_ENABLED"), QT_TRID_NOOP("CSV_DESCRIPTION")].map(
                    function(id) { return qsTrId(id) + (theLanguageModel ? theLanguageModel.emptyString : "") })
        // Where there is room the name holds the longest the panel keeps, before the titles
        // their one line.
        cells: [6, 6, 20].map(function(n) { return n * metrics.averageCharacterWidth })
        preferred: [8 * metrics.averageCharacterWidth, 12 * metrics.averageCharacterWidth, nameSample.needed]
        first: 2
        // A gap after each title, which starts its column.
        padding: metrics.averageCharacterWidth / 2
        // Clear of the list's scroll bar.
        room: page.width - metrics.height * 2.5
    }
    OvFieldSample { id: nameSample }
    // Titles and cells anchored to the page's starting edge, the right one when mirrored.
    Row {
        id: header
        y: metrics.height * 2.8
        anchors.left: parent.left
        anchors.leftMargin: metrics.height
        Repeater {
            model: columns.titles
            OvColumnTitle {
                width: columns.widths[index]
                rightPadding: 2 * columns.padding
                text: modelData
            }
        }
    }
    ListView {
        id: rows
        objectName: "repeatersList"
        anchors.top: header.bottom
        anchors.topMargin: metrics.height * 0.4
        anchors.left: header.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        model: page.model
        delegate: Rectangle {
            id: row
            objectName: "repeaterRow"
            property int rowIndex: index
            width: rows.width
            height: cells.implicitHeight + 4
            color: OvTheme.rowBgColor(page.isSelected(index))
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: {
                    page.forceActiveFocus()
                    if (mouse.button === Qt.LeftButton || !page.isSelected(index))
                        page.select(index, mouse.modifiers)
                    if (mouse.button === Qt.RightButton)
                        contextMenu.popupAtPointer(mapToItem(contextMenu.parent, mouse.x, mouse.y))
                }
            }
            Row {
                id: cells
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                readonly property real faded: (page.revision, page.model && page.model.isEnableRTP(row.rowIndex)) ? 1.0 : 0.5
                OvLabel {
                    objectName: "repeaterIndex"
                    opacity: cells.faded
                    width: columns.widths[0]
                    text: rptIndex
                    height: descriptionField.height
                    verticalAlignment: Text.AlignVCenter
                    font.family: "monospace"
                }
                Item {
                    width: columns.widths[1]
                    height: descriptionField.height
                    CheckBox {
                        objectName: "enabledCheck"
                        anchors.verticalCenter: parent.verticalCenter
                        checked: rptEnabledStat
                        onClicked: page.model.enableRPT(page.isSelected(row.rowIndex) ? page.selection : [row.rowIndex], checked)
                    }
                }
                OvStoredField {
                    id: descriptionField
                    objectName: "rptDescription"
                    width: columns.widths[2]
                    stored: rptDescription
                    onTextEdited: nameKept(text)
                    onSubmitted: {
                        if (nameKept(text))
                            page.model.setDescription(page.isSelected(row.rowIndex) ? page.selection : [row.rowIndex], text)
                    }
                }
            }
        }
    }
    OvMenu {
        id: contextMenu
        OvMenuItem {
            text: qsTrId("STR_REMOVE")
            enabled: page.canRemove()
            onTriggered: page.disable()
        }
        OvMenuItem {
            text: qsTrId("STR_COPY")
            enabled: false
        }
        OvMenuItem {
            text: qsTrId("STR_PASTE")
            enabled: false
        }
    }
}
