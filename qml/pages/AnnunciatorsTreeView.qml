import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15
import QtQuick.Controls.Styles 1.4
import QtQml.Models 2.15
import "../controls"

// The devices of one model (viewers or annunciators) with their event filters. Every command
// applies to the view's selection, which holds device rows only or filter rows only.
FocusScope {
    id: view

    property var model: null
    readonly property bool viewerMode: model ? model.isViewer() : false
    readonly property bool secondFamily: config ? (config.configNumber, config.isKV()) : false
    // The row remembered by Copy; forgotten when its row may be gone.
    property var copied: null
    property int revision: 0
    readonly property string _lang: theLanguageModel ? theLanguageModel.emptyString : ""
    // The longer of a viewer's two types: type 1.
    readonly property string mimicViewer: qsTrId("VIEWERKV") + " M (" + qsTrId("MIMIC") + ")" + _lang

    function selection() { return revision, selectionModel.selectedIndexes }
    // Whether the model may be asked about a cell's row: the cells of a removed row (a paste over
    // a device with filters) live on a while, on row -1, with an index the model cannot take.
    function known(cell) { return cell.row >= 0 && !!model && !!cell.index && cell.index.valid === true }
    // The selection when it holds the row, else the row alone.
    function selectionWith(index) {
        return selectionModel.isSelected(index) ? selectionModel.selectedIndexes : [index]
    }
    function installedTotal() {
        return (typeof theViewersMdl !== "undefined" && theViewersMdl ? theViewersMdl.countEnabled() : 0)
               + (typeof theAnnunciatorsMdl !== "undefined" && theAnnunciatorsMdl ? theAnnunciatorsMdl.countEnabled() : 0)
    }
    function enable(indexes, on) { model.enableDevice(indexes, on, installedTotal()) }
    function expandSelection() {
        var list = selectionModel.selectedIndexes
        for (var i = 0; i < list.length; ++i)
            tree.expand(list[i])
    }
    function addFilter() {
        if (viewerMode || !model.canAddFilter(selection()))
            return
        model.addFilter(selection())
        expandSelection()
    }
    function removeFilter() {
        if (viewerMode || !model.canRmFilter(selection()))
            return
        model.removeFilter(selection())
        expandSelection()
    }
    function remove() { if (model.canBeResetted(selection())) model.enableDevice(selection(), false) }
    // The menu's Copy and Paste, from the menu and from the keys typed on the rows (a field keeps
    // its own); each tells whether it acted, so that a key it leaves goes on.
    function copy() {
        if (!model.canBeUsedForCopy(selection()))
            return false
        copied = selection()[0]
        return true
    }
    // Also evaluated once the model is withdrawn, as the program ends.
    function canPaste() { return revision, copied !== null && !!model && model.canBeUsedForPaste(copied, selection()) }
    function paste() {
        if (!canPaste())
            return false
        model.copy(copied, selection())
        return true
    }
    function selectAll() {
        var all = model.selectAll(tree.currentIndex)
        for (var i = 0; i < all.length; ++i)
            selectionModel.select(all[i], ItemSelectionModel.Select | ItemSelectionModel.Rows)
    }
    // A mimic viewer shows 80 zones from its first: the last first zone is the one whose 80 end
    // at the plant's last zone. Row r of the zone list is zone r, row 0 none.
    function lastStartingZone() {
        var rows = typeof theAreaListMdl !== "undefined" && theAreaListMdl ? theAreaListMdl.rowCount() : 0
        return Math.max(1, rows - 80)
    }
    function zoneOffered(zone) { return zone >= 1 && zone <= lastStartingZone() }
    // The zone typed, 0 for what is no number; the range is said on the information bar while a
    // zone no viewer can start from is typed, as a refused name is.
    function typedZone(text) { return /^[0-9]+$/.test(text) ? parseInt(text, 10) : 0 }
    function zoneRefusal(text) {
        var reason = zoneOffered(typedZone(text)) ? "" : qsTrId("ERR_VALUE_OUT_OF_RANGE").arg(1).arg(lastStartingZone())
        if (typeof mainWindow !== "undefined")
            mainWindow.showInfoMsg(reason)
        return reason
    }

    // A box's choice, ended with an ellipsis where the box is too narrow for it.
    component ElidedChoice: Text {
        property ComboBox box
        leftPadding: box.mirrored ? 1 : 12
        rightPadding: box.mirrored ? 12 : 1
        text: box.displayText
        font: box.font
        color: box.palette.buttonText
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Keys.onPressed: {
        if (!model)
            return
        if (event.matches(StandardKey.Copy) || event.matches(StandardKey.Paste)) {
            event.accepted = event.matches(StandardKey.Copy) ? copy() : paste()
            return
        }
        if (event.key === Qt.Key_Plus) {
            addFilter()
        } else if (event.key === Qt.Key_Minus) {
            removeFilter()
        } else if (event.key === Qt.Key_Delete) {
            remove()
        } else if (event.key === Qt.Key_Escape) {
            selectionModel.clearSelection()
        } else {
            return
        }
        event.accepted = true
    }

    // Ahead of the tree's own Select All, which selects across devices and filters at once.
    Shortcut {
        sequence: StandardKey.SelectAll
        enabled: view.activeFocus && !!view.model
        onActivated: view.selectAll()
    }
    ItemSelectionModel {
        id: selectionModel
        model: view.model
        onSelectionChanged: {
            view.revision++
            if (view.model && !view.model.areCoerent(selectedIndexes))
                clearSelection()
        }
    }
    Connections {
        target: view.model
        function onActiveCPUChanged() {
            selectionModel.clear()
            view.copied = null
        }
        function onModelReset() { view.copied = null; view.revision++ }
        function onRowsRemoved() { view.copied = null; view.revision++ }
        function onRowsInserted() { view.revision++ }
        function onDataChanged() { view.revision++ }
    }
    // A language switch gives the filter types their new texts only after every binding has
    // been evaluated again: the type boxes find the rows' types among the new texts.
    Connections {
        target: typeof ovEvtFilterModel !== "undefined" ? ovEvtFilterModel : null
        function onModelReset() { view.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }

    // The columns' widths follow their titles and the room of the view, which they fill; a hidden
    // column has none.
    OvColumnWidths {
        id: columns
        readonly property bool viewerKV: view.viewerMode && view.secondFamily
        readonly property var shown: [true, true, true, !view.viewerMode, !view.viewerMode, true, viewerKV, viewerKV,
            !view.viewerMode]
        titles: [QT_TRID_NOOP("CSV_INDEX"), "", QT_TRID_NOOP("STR_ENABLED"), "", "", QT_TRID_NOOP("CSV_DESCRIPTION"),
            QT_TRID_NOOP("Type"), QT_TRID_NOOP("PAGE_ZONE"), QT_TRID_NOOP("CSV_FILTER_TARGET")].map(
                function(id, i) { return id === "" || !shown[i] ? "" : qsTrId(id) + view._lang })
        // A name holds the longest of the shown names (its field 1 px in from each side), and
        // where there is room the longest the panel keeps, before the titles their one line;
        // where the page is narrower, the table scrolls.
        cells: [3, 2, 3, 2.4, 2.4, 12, 0, 6, 12].map(function(n, i) {
            return !shown[i] ? 0 : i === 5 ? Math.max(n * metrics.height, shownNameSample.needed + 2)
                                           : i === 6 ? typeSample.needed : n * metrics.height
        })
        preferred: [4, 2, 4, 2.4, 2.4, 0, 0, 9, 16].map(function(n, i) {
            return !shown[i] ? 0 : i === 5 ? nameSample.needed + 2 : i === 6 ? typeSample.needed : n * metrics.height
        })
        stretchFirst: true
        padding: metrics.height * 0.3
        room: tree.viewport.width
        stretch: 5
        // Narrower, the type boxes would cut the two types alike.
        scrolls: true
    }
    // The type box with its longer choice: the type column shows either whole, so that the two
    // types are told apart.
    OvFieldSample { id: nameSample }
    OvFieldSample {
        id: shownNameSample
        text: {
            var widest = ""
            for (var r = 0; view.revision >= 0 && view.model && r < view.model.rowCount(); ++r) {
                var name = view.model.data(view.model.index(r, 0), 260 /* description */)
                if (name && metrics.advanceWidth(name) > metrics.advanceWidth(widest))
                    widest = name
            }
            return widest
        }
    }
    OvBoxSample {
        id: typeSample
        displayText: view.mimicViewer
        contentItem: ElidedChoice { box: typeSample }
    }
    // The plant file has no place for a viewer's type and first zone.
    OvLabel {
        id: notKept
        objectName: "viewerNote"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: view.viewerMode && view.secondFamily
        wrapMode: Text.WordWrap
        text: qsTrId("NOTE_VIEWER_NOT_KEPT") + view._lang
    }
    C1.TreeView {
        id: tree
        objectName: "annunciatorTree"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: notKept.visible ? notKept.top : parent.bottom
        model: view.model
        selection: selectionModel
        selectionMode: C1.SelectionMode.ExtendedSelection
        // No rows made ahead in the background: another CPU with fewer rows would make Qt cancel a
        // row still being made under an index the model no longer has.
        __listView.cacheBuffer: 0
        alternatingRowColors: false
        backgroundVisible: false
        frameVisible: false
        onPressAndHold: contextMenu.popupAtPointer()
        // Mirrored, each row runs from the right end of its cells (the content holds room for
        // the scroll bar beyond them): the tree opens there, on its first column.
        readonly property real _startX: LayoutMirroring.enabled
                                        ? Math.max(0, flickableItem.headerItem.headerRow.width - flickableItem.width) : 0
        on_StartXChanged: flickableItem.contentX = _startX
        Component.onCompleted: flickableItem.contentX = _startX
        style: TreeViewStyle {
            backgroundColor: "transparent"
            indentation: metrics.height
            branchDelegate: OvTreeBranch {
                indent: metrics.height
                color: OvTheme.editTextColor(styleData.selected)
            }
            textColor: OvTheme.editTextColor(false)
            headerDelegate: OvHeaderCell {
                title: styleData.value ? qsTrId(styleData.value) + view._lang : ""
                hovered: styleData.containsMouse
            }
        }
        rowDelegate: Rectangle {
            height: metrics.height * 2.2
            color: OvTheme.rowBgColor(styleData.selected)
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: {
                var index = tree.indexAt(mouse.x, mouse.y)
                if (index.valid && !selectionModel.isSelected(index))
                    selectionModel.select(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
                view.forceActiveFocus()
                contextMenu.popupAtPointer(mapToItem(contextMenu.parent, mouse.x, mouse.y))
            }
        }

        C1.TableViewColumn {
            role: "itemAddress"
            title: QT_TRID_NOOP("CSV_INDEX")
            width: columns.widths[0]
            delegate: OvTreeFirstCell {
                objectName: "addressCell"
                readonly property var rowIndex: styleData.index
                indent: metrics.height
                color: OvTheme.editTextColor(styleData.selected)
                text: styleData.value !== undefined ? styleData.value : ""
            }
        }
        C1.TableViewColumn {
            role: "itemIconName"
            width: columns.widths[1]
            delegate: Image {
                objectName: "errorIcon"
                fillMode: Image.PreserveAspectFit
                source: styleData.value ? "../../Resources/" + styleData.value : ""
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton
                }
                ToolTip.visible: hover.containsMouse && !!styleData.value
                ToolTip.text: view.model && styleData.value ? view.model.data(styleData.index, 263) : ""
            }
        }
        C1.TableViewColumn {
            role: "devEnabled"
            title: QT_TRID_NOOP("STR_ENABLED")
            width: columns.widths[2]
            delegate: Item {
                readonly property var rowIndex: styleData.index
                CheckBox {
                    objectName: "installedBox"
                    anchors.centerIn: parent
                    visible: !!view.model && !view.model.isFilter(styleData.index)
                    checked: styleData.value === true
                    onClicked: view.enable(view.selectionWith(styleData.index), checked)
                }
            }
        }
        C1.TableViewColumn {
            role: "addFilterCmd"
            width: columns.widths[3]
            visible: !view.viewerMode
            delegate: Item {
                readonly property var rowIndex: styleData.index
                Button {
                    objectName: "addFilterButton"
                    anchors.fill: parent
                    anchors.margins: 2
                    padding: 0
                    visible: styleData.value === true
                    text: "+"
                    onClicked: {
                        if (!selectionModel.isSelected(styleData.index))
                            selectionModel.select(styleData.index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
                        view.addFilter()
                    }
                }
            }
        }
        C1.TableViewColumn {
            role: "removeFilterCmd"
            width: columns.widths[4]
            visible: !view.viewerMode
            delegate: Item {
                readonly property var rowIndex: styleData.index
                Button {
                    objectName: "removeFilterButton"
                    anchors.fill: parent
                    anchors.margins: 2
                    padding: 0
                    visible: styleData.value === true
                    text: "-"
                    onClicked: {
                        if (!selectionModel.isSelected(styleData.index))
                            selectionModel.select(styleData.index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
                        view.removeFilter()
                    }
                }
            }
        }
        C1.TableViewColumn {
            role: "description"
            title: QT_TRID_NOOP("CSV_DESCRIPTION")
            width: columns.widths[5]
            delegate: Item {
                id: cell
                readonly property var rowIndex: styleData.index
                readonly property bool filterRow: (view.revision, view.known(styleData) && view.model.isFilter(styleData.index))
                OvStoredField {
                    objectName: "descriptionField"
                    anchors.fill: parent
                    anchors.margins: 1
                    autoScroll: activeFocus
                    onActiveFocusChanged: if (!activeFocus) cursorPosition = 0
                    visible: !cell.filterRow
                    enabled: (view.revision, view.known(styleData) && view.model.isValid(styleData.index, 0))
                    stored: styleData.value !== undefined && !cell.filterRow ? styleData.value : ""
                    onTextEdited: nameKept(text)
                    onSubmitted: {
                        if (!visible)
                            return
                        if (nameKept(text))
                            view.model.setDescription(view.selectionWith(styleData.index), text)
                    }
                }
                ComboBox {
                    id: filterTypeBox
                    objectName: "filterTypeBox"
                    anchors.fill: parent
                    anchors.margins: 1
                    visible: cell.filterRow
                    font.family: OvTheme.fontFamily
                    model: typeof ovEvtFilterModel !== "undefined" ? ovEvtFilterModel : null
                    textRole: "filterName"
                    contentItem: ElidedChoice { box: filterTypeBox }
                    currentIndex: (view.revision, cell.filterRow && view.known(styleData)
                                   ? find(view.model.getFilterType(styleData.index)) : -1)
                    onActivated: view.model.setFilterType(view.selectionWith(styleData.index), index)
                }
            }
        }
        C1.TableViewColumn {
            role: "viewerType"
            title: QT_TRID_NOOP("Type")
            width: columns.widths[6]
            visible: view.viewerMode && view.secondFamily
            delegate: Item {
                readonly property var rowIndex: styleData.index
                ComboBox {
                    id: viewerTypeBox
                    objectName: "viewerTypeBox"
                    anchors.fill: parent
                    anchors.margins: 1
                    visible: (view.revision, view.known(styleData) && view.model.isValid(styleData.index, 0))
                    font.family: OvTheme.fontFamily
                    model: [qsTrId("VIEWERKV") + view._lang, view.mimicViewer]
                    contentItem: ElidedChoice { box: viewerTypeBox }
                    currentIndex: styleData.value !== undefined ? styleData.value : 0
                    // The types in a new language put the box on its first row, whenever the
                    // other texts follow: the viewer's type is taken again after them.
                    onModelChanged: currentIndex = Qt.binding(function() {
                        return styleData.value !== undefined ? styleData.value : 0
                    })
                    onActivated: view.model.setViewerType(view.selectionWith(styleData.index), index)
                }
            }
        }
        C1.TableViewColumn {
            role: "zoneRangeStart"
            title: QT_TRID_NOOP("PAGE_ZONE")
            width: columns.widths[7]
            visible: view.viewerMode && view.secondFamily
            delegate: Item {
                readonly property var rowIndex: styleData.index
                // The first zone as typed, and the last of the 80 it shows; a first zone no viewer
                // can start from is refused with the range, and the stored one comes back.
                Row {
                    anchors.fill: parent
                    anchors.margins: 1
                    spacing: metrics.averageCharacterWidth
                    visible: (view.revision, view.known(styleData) && view.model.data(styleData.index, 259) === true
                              && view.model.data(styleData.index, 269) === 1)
                    OvStoredField {
                        id: zoneField
                        objectName: "zoneRange"
                        readonly property int start: styleData.value !== undefined ? styleData.value : 1
                        width: metrics.averageCharacterWidth * 7
                        height: parent.height
                        stored: start
                        onTextEdited: refusal = view.zoneRefusal(text)
                        onSubmitted: {
                            if (!parent.visible)
                                return
                            refusal = view.zoneRefusal(text)
                            if (refusal === "")
                                view.model.setStartingZone(view.selectionWith(styleData.index), view.typedZone(text))
                        }
                    }
                    // While a refused zone is typed, the range is said here too, in sight
                    // whatever the window shows of the information bar.
                    OvLabel {
                        objectName: "zoneRangeEnd"
                        readonly property bool refused: zoneField.activeFocus && zoneField.text !== String(zoneField.start)
                                                        && !view.zoneOffered(view.typedZone(zoneField.text))
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width - zoneField.width - parent.spacing
                        color: refused ? "#ff6060" : OvTheme.editTextColor(false)
                        text: refused ? qsTrId("ERR_VALUE_OUT_OF_RANGE").arg(1).arg(view.lastStartingZone()) + view._lang
                                      : "\u2013 " + (zoneField.start + 79)
                    }
                }
            }
        }
        C1.TableViewColumn {
            role: "filterTarget"
            title: QT_TRID_NOOP("CSV_FILTER_TARGET")
            width: columns.widths[8]
            visible: !view.viewerMode
            delegate: Item {
                readonly property var rowIndex: styleData.index
                OvDeviceChooser {
                    objectName: "targetChooser"
                    anchors.fill: parent
                    anchors.margins: 1
                    readonly property int selector: (view.revision, view.known(styleData)
                                                     ? view.model.data(styleData.index, 264) || 0 : 0)
                    visible: selector > 0
                    deviceType: selector
                    text: styleData.value !== undefined ? styleData.value : ""
                    onChosen: view.model.selectTarget(styleData.index, cpu, loop, point, sub, area)
                }
            }
        }
    }

    OvMenu {
        id: contextMenu
        objectName: "annunciatorMenu"
        OvMenuItem {
            objectName: "copyItem"
            text: qsTrId("STR_COPY") + view._lang
            enabled: (view.revision, !!view.model && view.model.canBeUsedForCopy(view.selection()))
            onTriggered: view.copy()
        }
        OvMenuItem {
            objectName: "pasteItem"
            text: qsTrId("STR_PASTE") + view._lang
            enabled: view.canPaste()
            onTriggered: view.paste()
        }
        OvMenuItem {
            objectName: "addFiltersItem"
            text: qsTrId("ADD_ANNUNCIATOR_FILTER") + view._lang
            visible: !view.viewerMode
            height: visible ? implicitHeight : 0
            enabled: (view.revision, !!view.model && view.model.canAddFilter(view.selection()))
            onTriggered: { view.model.addFilters(view.selection()); view.expandSelection() }
        }
        OvMenuItem {
            objectName: "removeFiltersItem"
            text: qsTrId("REMOVE_ANNUNCIATOR_FILTER") + view._lang
            visible: !view.viewerMode
            height: visible ? implicitHeight : 0
            enabled: (view.revision, !!view.model && view.model.canRmFilter(view.selection()))
            onTriggered: view.model.removeFilters(view.selection())
        }
        OvMenuItem {
            objectName: "removeItem"
            text: qsTrId("STR_REMOVE") + view._lang
            enabled: (view.revision, !!view.model && view.model.canBeResetted(view.selection()))
            onTriggered: view.remove()
        }
    }
}
