import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The zones table: every edit applies to all selected rows.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_AREAS")
    focus: true

    readonly property var model: typeof ovAreaModel !== "undefined" ? ovAreaModel : null
    property var selection: []
    property int copiedRow: -1
    property int revision: 0
    readonly property var titles: [QT_TRID_NOOP("CSV_INDEX"), QT_TRID_NOOP("CSV_DESCRIPTION"),
        QT_TRID_NOOP("NIGHTANDDAYCHECK"), QT_TRID_NOOP("PREALLARMENABLED"), QT_TRID_NOOP("AREA_CORRELATION"),
        QT_TRID_NOOP("SENSORCOUNT"), QT_TRID_NOOP("MODULECOUNT")]
    readonly property var columnWidths: columns.widths
    // The gap a text keeps to its neighbours, on either side in either direction.
    readonly property real gap: metrics.averageCharacterWidth / 2

    OvColumnWidths {
        id: columns
        titles: page.titles.map(function(id) { return qsTrId(id) + (theLanguageModel ? theLanguageModel.emptyString : "") })
        // Where there is room the name holds the longest the panel keeps, before the titles
        // their one line.
        cells: [5, 10, 6, 6, 0, 5, 5].map(function(n, i) {
            return i === 4 ? correlationSample.needed : n * metrics.averageCharacterWidth
        })
        preferred: [8, 0, 14, 11, 15, 11, 11].map(function(n, i) {
            return i === 1 ? nameSample.needed : n * metrics.averageCharacterWidth
        })
        first: 1
        padding: page.gap
        // The row's width, less its scroll bar at the end.
        room: rows.width - rowsScrollBar.width
    }
    OvFieldSample { id: nameSample }
    // The correlation boxes take their range from it.
    OvSpinSample {
        id: correlationSample
        from: 1
        to: 10
    }

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
    // The menu's bindings are evaluated also while no zone model is published (before the
    // first plant, while the window closes).
    function canRemove() {
        revision
        for (var i = 0; model && i < selection.length; ++i)
            if (!model.isNull(selection[i]))
                return true
        return false
    }
    function canCopy() { return revision, !!model && selection.length === 1 && !model.isNull(selection[0]) }
    function canPaste() { return copiedRow >= 0 && !(selection.length === 1 && selection[0] === copiedRow) }
    function remove() { if (canRemove()) model.reset(selection) }
    // The menu's Copy and Paste, from the menu and from the keys typed on the rows (a field keeps
    // its own); each tells whether it acted, so that a key it leaves goes on.
    function copySelected() {
        if (!canCopy())
            return false
        copiedRow = selection[0]
        return true
    }
    function pasteSelected() {
        if (!canPaste())
            return false
        model.copy(copiedRow, selection)
        return true
    }

    Keys.onDeletePressed: remove()
    Keys.onPressed: {
        if (event.matches(StandardKey.Copy))
            event.accepted = copySelected()
        else if (event.matches(StandardKey.Paste))
            event.accepted = pasteSelected()
    }

    Connections {
        target: page.model
        function onDataUpdated() { page.revision++ }
        function onDataChanged() { page.revision++ }
        // Another plant's zones: the copied row number would name another zone.
        function onModelReset() { page.copiedRow = -1 }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    // Titles and cells anchored to the page's starting edge, the right one when mirrored.
    Row {
        id: header
        y: metrics.height * 2.8
        anchors.left: parent.left
        anchors.leftMargin: metrics.height
        Repeater {
            model: columns.titles
            OvColumnTitle {
                width: page.columnWidths[index]
                leftPadding: page.gap
                rightPadding: page.gap
                text: modelData
            }
        }
    }
    ListView {
        id: rows
        objectName: "areasList"
        anchors.top: header.bottom
        anchors.topMargin: metrics.height * 0.4
        anchors.left: header.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        model: page.model
        ScrollBar.vertical: ScrollBar { id: rowsScrollBar }
        delegate: Rectangle {
            id: row
            objectName: "areaRow"
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
                OvLabel {
                    width: page.columnWidths[0]
                    leftPadding: page.gap
                    rightPadding: page.gap
                    text: areaIndex
                    color: OvTheme.editTextColor(page.isSelected(row.rowIndex))
                    height: descriptionField.height
                    verticalAlignment: Text.AlignVCenter
                }
                OvStoredField {
                    id: descriptionField
                    objectName: "areaDescription"
                    width: page.columnWidths[1]
                    // A long name shows its start; it scrolls to the caret only while edited.
                    autoScroll: activeFocus
                    stored: areaDescription
                    onActiveFocusChanged: {
                        if (!activeFocus)
                            cursorPosition = 0 // back to the start, which no scrolling then moves
                        else if (!page.isSelected(row.rowIndex))
                            page.select(row.rowIndex, 0)
                    }
                    onTextEdited: nameKept(text)
                    onSubmitted: {
                        if (nameKept(text))
                            page.model.setAreaDescription(page.selection, text)
                    }
                }
                Item {
                    width: page.columnWidths[2]
                    height: descriptionField.height
                    CheckBox {
                        objectName: "nightAndDay"
                        anchors.verticalCenter: parent.verticalCenter
                        checked: (page.revision, page.model.getNightAndDayCheck(row.rowIndex))
                        onClicked: page.model.setNightAndDayCheck(page.isSelected(row.rowIndex) ? page.selection : [row.rowIndex], checked)
                    }
                }
                Item {
                    width: page.columnWidths[3]
                    height: descriptionField.height
                    CheckBox {
                        objectName: "preAlarm"
                        anchors.verticalCenter: parent.verticalCenter
                        checked: (page.revision, page.model.getPreAllarmCheck(row.rowIndex))
                        onClicked: page.model.enablePreAllarm(page.isSelected(row.rowIndex) ? page.selection : [row.rowIndex], checked)
                    }
                }
                SpinBox {
                    objectName: "correlation"
                    width: page.columnWidths[4]
                    from: correlationSample.from
                    to: correlationSample.to
                    value: areaCorrelation
                    font.family: OvTheme.fontFamily
                    onValueModified: page.model.setCorrelation(page.isSelected(row.rowIndex) ? page.selection : [row.rowIndex], value)
                }
                OvLabel {
                    width: page.columnWidths[5]
                    leftPadding: page.gap
                    rightPadding: page.gap
                    color: OvTheme.editTextColor(page.isSelected(row.rowIndex))
                    text: areaSensorCount
                    height: descriptionField.height
                    verticalAlignment: Text.AlignVCenter
                    font.family: "monospace"
                }
                OvLabel {
                    width: page.columnWidths[6]
                    leftPadding: page.gap
                    rightPadding: page.gap
                    color: OvTheme.editTextColor(page.isSelected(row.rowIndex))
                    text: areaModuleCount
                    height: descriptionField.height
                    verticalAlignment: Text.AlignVCenter
                    font.family: "monospace"
                }
            }
        }
    }
    OvMenu {
        id: contextMenu
        objectName: "areasMenu"
        OvMenuItem {
            objectName: "removeItem"
            text: qsTrId("STR_REMOVE")
            enabled: page.canRemove()
            onTriggered: page.remove()
        }
        OvMenuItem {
            objectName: "copyItem"
            text: qsTrId("STR_COPY")
            enabled: page.canCopy()
            onTriggered: page.copySelected()
        }
        OvMenuItem {
            objectName: "pasteItem"
            text: qsTrId("STR_PASTE")
            enabled: page.canPaste()
            onTriggered: page.pasteSelected()
        }
    }
}
