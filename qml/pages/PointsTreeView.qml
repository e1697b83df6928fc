import QtQuick 2.15
import QtQml.Models 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15 as C2
import QtQuick.Controls.Styles 1.4
import QtQuick.Layouts 1.15
import "../controls"

// The loop part of the CPU data page: the detectors, the modules and both on one list of the
// loop the plant tree selects, a multi-channel module's channels under it. The columns a row
// fills follow what its type supports; the type cell opens the type drop-down.
Item {
    id: pointsView

    // 0-based, as the plant tree's loopPageSelected gives them.
    property int cpuIndex: -1
    property int loopIndex: -1
    property var plantTree: typeof elementTreeViewModel !== "undefined" ? elementTreeViewModel : null
    property var app: typeof theApp !== "undefined" ? theApp : null
    readonly property var pointModel: _private.models[tabs.currentIndex] || null
    // The type last chosen in the drop-down, as the type tree gave it.
    property var chosenType
    signal typeChosen(var pointType)

    function showLoop(cpu, loop) {
        cpuIndex = cpu
        loopIndex = loop
        typePopup.close()
        selection.clear()
        Qt.callLater(_private.expandAll)
    }
    // Scrolls to the row of index and makes it the only selected one.
    function selectIndex(index) {
        if (!index || !index.valid)
            return
        if (index.parent.valid)
            table.expand(index.parent)
        selection.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
        _private.makeCurrent(table, index)
    }
    // The view selects single cells of column 0, the page whole rows: either counts once.
    function selectedIndexes() {
        var rows = []
        var all = selection.selectedIndexes
        for (var i = 0; i < all.length; ++i) {
            if (all[i].column === 0)
                rows.push(all[i])
        }
        return rows
    }
    // The rows an edit of the row at index acts on: the selection when it holds the row, else
    // the row alone.
    function targets(index) {
        index = _private.plain(index) || index
        if (!selection.isSelected(index))
            selection.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
        return selectedIndexes()
    }
    function openCBEKeypad(index) {
        var model = pointsView.pointModel
        var rows = targets(index)
        if (!model || !model.isCBEEditEnabled(rows))
            return
        _private.cbeRows = rows
        cbeTitle.text = model.getSelectedIndexesStr(rows)
        cbePopup.open()
        keypad.open(model.getCBEOwners(rows), model.isCBEEditDirect(rows), model.data(index, 273))
    }
    // Each table keeps its own mark, and forgets it when its rows are rebuilt.
    function copyRow(index) {
        if (pointsView.pointModel)
            pointsView.pointModel.markCopySource(index)
    }
    function canPaste() {
        return !!pointsView.pointModel && pointsView.pointModel.hasCopySource
    }
    function paste(filter) {
        var model = pointsView.pointModel
        if (!canPaste())
            return
        if (filter === undefined)
            model.copy(model.copySource(), selectedIndexes())
        else
            model.copySpecial(model.copySource(), selectedIndexes(), filter)
    }
    // The context menu's Copy and Paste from the keyboard, taken only where the menu offers
    // them; the first selected row is the one copied.
    function copySelected() {
        var model = pointsView.pointModel
        var rows = selectedIndexes()
        if (!model || !model.canBeUsedForCopy(rows))
            return false
        copyRow(rows[0])
        return true
    }
    function pasteSelected() {
        if (!canPaste() || selectedIndexes().length === 0)
            return false
        paste()
        return true
    }
    function openPasteSpecial() {
        pasteSpecialPopup.open()
    }
    // x, y: the pointer in the coordinates of the menu's parent.
    function openContextMenu(index, x, y) {
        if (index.valid && !selection.isSelected(index))
            selection.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
        _private.menuIndex = index
        contextMenu.popupAtPointer(Qt.point(x, y))
    }
    function openTypeDropDown(index, cell) {
        var model = pointsView.pointModel
        index = _private.plain(index)
        if (!model || !index)
            return
        var modules = tabs.currentIndex === 1 || (tabs.currentIndex === 2 && model.data(index, 261) === 2)
        var tree = modules ? model.getModuleTypeTreeModel() : model.getSensorTypeTreeModel()
        if (!selection.isSelected(index))
            selection.setCurrentIndex(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
        // The tree is rebuilt for the row; the closed drop-down must not follow it half-way.
        typeTree.model = null
        model.canOpenTypeSelection(selectedIndexes(), index)
        typeTree.model = tree
        var rows = tree.rowCount()
        typePopup.height = 22 * Math.min(12, rows) + (rows === 1 ? 4 : 2) + typeTree.headerHeight
        // Under the cell, from its starting edge: the right one when mirrored.
        var at = cell.mapToItem(pointsView, LayoutMirroring.enabled ? cell.width - typePopup.width : 0, cell.height)
        typePopup.x = Math.max(0, Math.min(at.x, pointsView.width - typePopup.width))
        typePopup.y = Math.min(at.y, Math.max(0, pointsView.height - typePopup.height))
        typePopup.currentText = model.data(index, 258)
        typePopup.reference = index
        typePopup.open()
    }

    Connections {
        target: pointsView.plantTree
        ignoreUnknownSignals: true
        function onLoopPageSelected(cpu, loop) {
            if (loop >= 0)
                pointsView.showLoop(cpu, loop)
        }
    }
    Connections {
        target: pointsView.app
        ignoreUnknownSignals: true
        function onVoidAddressesFilterFlipped() { voidFilter.checked = !voidFilter.checked }
        function onFilterOnPointErrorFlipped() { errorFilter.checked = !errorFilter.checked }
    }
    Connections {
        target: pointsView.pointModel
        ignoreUnknownSignals: true
        function onPointSelected(ptIndex) { pointsView.selectIndex(ptIndex) }
        function onModelReset() { Qt.callLater(_private.expandAll) }
        function onDataChanged() { _private.revision++ }
    }

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    FontMetrics {
        id: zoneMetrics
    }
    Connections {
        target: typeof theAreaListMdl !== "undefined" ? theAreaListMdl : null
        ignoreUnknownSignals: true
        function onModelReset() { _private.zoneRevision++ }
        function onDataChanged() { _private.zoneRevision++ }
    }
    // A description cell with the longest name the panel keeps.
    OvFieldSample {
        id: nameSample
        padding: 2
    }
    // The level box with its highest level.
    OvSpinSample {
        id: levelSample
        padding: 0
        to: 9
    }
    // The zone box with the longest zone name: the zone column is as wide as it.
    OvBoxSample {
        id: zoneSample
        displayText: {
            var model = (_private.zoneRevision, typeof theAreaListMdl !== "undefined" ? theAreaListMdl : null)
            var names = model ? model.names() : []
            var widest = ""
            for (var i = 0; i < names.length; ++i) {
                if (sampleMetrics.advanceWidth(names[i]) > sampleMetrics.advanceWidth(widest))
                    widest = names[i]
            }
            return widest
        }
        contentItem: OvCellText {
            text: zoneSample.displayText
            font: zoneSample.font
            leftPadding: 12
            rightPadding: 1
        }
        FontMetrics {
            id: sampleMetrics
            font: zoneSample.font
        }
    }
    SystemPalette {
        id: rowPalette
        colorGroup: SystemPalette.Active
    }

    // Each column as wide as its cells and its title on two lines at least, the description
    // taking the room the others leave; where the page is narrower, the table scrolls.
    OvColumnWidths {
        id: columns
        titles: {
            var titles = []
            for (var i = 0; i < table.columnCount; ++i)
                titles.push(table.getColumn(i).title)
            return titles
        }
        // The three sensitivity columns hold the level box.
        cells: [6, 2, 14, 12, 0, 2, 2, 2, 2, 2, 2, 10, 0, 0, 0, 4, 4, 2, 10].map(function(n, i) {
            return i === 4 ? zoneSample.needed : i >= 12 && i <= 14 ? levelSample.needed : n * fontMetrics.height
        })
        // Where there is room the description holds the longest name the panel keeps.
        preferred: [6, 2, 14, 0, 0, 2, 2, 2, 2, 2, 2, 10, 0, 0, 0, 4, 4, 2, 16].map(function(n, i) {
            return i === 3 ? nameSample.needed : i === 4 ? zoneSample.needed
                 : i >= 12 && i <= 14 ? levelSample.needed : n * fontMetrics.height
        })
        padding: fontMetrics.height * 0.3
        room: table.viewport.width
        stretch: 3
        scrolls: true
    }
    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        Rectangle {
            Layout.fillWidth: true
            // From the parts, not from the grid, whose own is settled only while it lays them out.
            implicitHeight: header.columns > 1 ? Math.max(tabs.implicitHeight, filters.needHeight)
                                               : tabs.implicitHeight + header.rowSpacing + filters.needHeight
            color: OvTheme.boxFillColor()

            // The filters stand beside the tabs where both fit, else under them.
            GridLayout {
                id: header
                anchors.fill: parent
                columns: tabs.titlesWidth + columnSpacing + filters.need <= pointsView.width ? 2 : 1
                C2.TabBar {
                    id: tabs
                    objectName: "pointTabs"
                    Layout.fillWidth: true
                    // The header's colour past the last tab.
                    background: Item {}
                    // Each tab as wide as its title, all narrowed alike where the bar is short:
                    // measured, not read from the tabs, whose widths follow from these.
                    function titleWidth(tab) {
                        return Math.ceil(tabMetrics.advanceWidth(tab.text)) + 1 + tab.leftPadding + tab.rightPadding
                    }
                    readonly property real titlesWidth: titleWidth(sensorTab) + titleWidth(moduleTab)
                                                        + titleWidth(allTab) + 2 * spacing + leftPadding + rightPadding
                    readonly property real fit: Math.min(1, (pointsView.width
                        - (header.columns > 1 ? filters.need + header.columnSpacing : 0)) / titlesWidth)
                    Layout.preferredWidth: titlesWidth
                    FontMetrics {
                        id: tabMetrics
                        font: tabs.font
                    }
                    C2.TabButton {
                        id: sensorTab
                        width: tabs.titleWidth(sensorTab) * tabs.fit
                        text: qsTrId("SHORT_LABEL_SENSOR")
                        // Cut where the bar is narrow, the whole title in a tool tip.
                        contentItem: OvLabel {
                            text: sensorTab.text
                            font: sensorTab.font
                            color: sensorTab.checked ? sensorTab.palette.windowText : sensorTab.palette.brightText
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                    C2.TabButton {
                        id: moduleTab
                        width: tabs.titleWidth(moduleTab) * tabs.fit
                        text: qsTrId("SHORT_LABEL_MODULE")
                        // Cut where the bar is narrow, the whole title in a tool tip.
                        contentItem: OvLabel {
                            text: moduleTab.text
                            font: moduleTab.font
                            color: moduleTab.checked ? moduleTab.palette.windowText : moduleTab.palette.brightText
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                    C2.TabButton {
                        id: allTab
                        width: tabs.titleWidth(allTab) * tabs.fit
                        text: qsTrId("PT_TAB_ALL")
                        // Cut where the bar is narrow, the whole title in a tool tip.
                        contentItem: OvLabel {
                            text: allTab.text
                            font: allTab.font
                            color: allTab.checked ? allTab.palette.windowText : allTab.palette.brightText
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                    onCurrentIndexChanged: {
                        typePopup.close()
                        Qt.callLater(_private.expandAll)
                    }
                }
                RowLayout {
                    id: filters
                    // Its size from the boxes': the row's own is settled only while the grid
                    // above lays it out, and the grid's columns follow from this.
                    readonly property real need: voidFilter.implicitWidth + spacing + errorFilter.implicitWidth
                    readonly property real needHeight: Math.max(voidFilter.implicitHeight, errorFilter.implicitHeight)
                    C2.CheckBox {
                        id: voidFilter
                        palette.windowText: OvTheme.editTextColor(false)
                        objectName: "voidAddressFilter"
                        text: qsTrId("PT_FILTER_VOID")
                        focusPolicy: Qt.NoFocus
                        onToggled: if (pointsView.app) pointsView.app.flipFilterOnVoidAddresses(false)
                    }
                    C2.CheckBox {
                        id: errorFilter
                        palette.windowText: OvTheme.editTextColor(false)
                        objectName: "pointErrorFilter"
                        text: qsTrId("PT_FILTER_ERRORS")
                        focusPolicy: Qt.NoFocus
                        onToggled: if (pointsView.app) pointsView.app.flipFilterOnPointError(false)
                    }
                }
            }
        }

        C1.TreeView {
            id: table
            objectName: "pointTable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            model: pointsView.pointModel
            selectionMode: C1.SelectionMode.ExtendedSelection
            selection: ItemSelectionModel {
                id: selection
                model: pointsView.pointModel
            }
            onCurrentIndexChanged: if (pointsView.pointModel) pointsView.pointModel.currentRowChanged(currentIndex)
            // No rows made ahead in the background: a new loop with fewer rows would make Qt cancel
            // a row still being made under an index the model no longer has.
            __listView.cacheBuffer: 0
            // Mirrored, each row runs from the right end of its cells (the content holds room
            // for the scroll bar beyond them): the table opens there, on its first column.
            readonly property real _startX: LayoutMirroring.enabled
                                            ? flickableItem.headerItem.headerRow.width - flickableItem.width : 0
            on_StartXChanged: flickableItem.contentX = _startX
            Component.onCompleted: flickableItem.contentX = _startX
            Keys.onPressed: {
                if (event.matches(StandardKey.Copy))
                    event.accepted = pointsView.copySelected()
                else if (event.matches(StandardKey.Paste))
                    event.accepted = pointsView.pasteSelected()
            }
            // Rows as high as the editors a selected row shows (zone chooser, check boxes).
            rowDelegate: Rectangle {
                objectName: "pointRow"
                height: _private.rowHeight
                color: styleData.selected ? rowPalette.highlight : styleData.alternate ? rowPalette.alternateBase : rowPalette.base
            }
            style: TreeViewStyle {
                headerDelegate: OvHeaderCell {
                    title: styleData.value !== undefined ? styleData.value : ""
                    hovered: styleData.containsMouse
                }
                indentation: _private.indent
                branchDelegate: OvTreeBranch {
                    indent: _private.indent
                    color: styleData.textColor
                }
            }

            C1.TableViewColumn {
                role: "deviceIndex"
                title: qsTrId("CSV_PT_INDEX")
                width: columns.widths[0]
                delegate: _private.firstCell
            }
            C1.TableViewColumn {
                role: "iconName"
                width: columns.widths[1]
                delegate: Image {
                    objectName: "pointStatusIcon"
                    fillMode: Image.PreserveAspectFit
                    source: styleData.value ? OvTheme.image(styleData.value) : ""
                    readonly property string toolTip: _private.revision, _private.call(styleData.index, "getIconToolTip") || ""
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
                role: "hardwareType"
                title: qsTrId("Type")
                width: columns.widths[2]
                delegate: OvPointTypeTreeView {
                    objectName: "pointTypeCell"
                    text: styleData.value !== undefined ? styleData.value : ""
                    textColor: styleData.textColor
                    onOpenRequested: pointsView.openTypeDropDown(styleData.index, this)
                }
            }
            C1.TableViewColumn {
                role: "description"
                title: qsTrId("Description")
                width: columns.widths[3]
                delegate: _private.descriptionCell
            }
            C1.TableViewColumn {
                role: "areaIndex"
                title: qsTrId("areaIndex")
                width: columns.widths[4]
                delegate: _private.areaCell
            }
            C1.TableViewColumn {
                role: "checkAudit"
                title: qsTrId("checkAudit")
                width: columns.widths[5]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "checkTracking"
                title: qsTrId("Tracking")
                width: columns.widths[6]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "checkFlashing"
                title: qsTrId("checkFlashing")
                width: columns.widths[7]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "checkSilenceMod"
                title: qsTrId("Tacitazione")
                width: columns.widths[8]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "checkAutoSilenceMod"
                title: qsTrId("Auto-Tacitazione")
                width: columns.widths[9]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "checkRaviSCtrlDisa"
                title: qsTrId("checkRaviSCtrlDisa")
                width: columns.widths[10]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "alertLevelRAVI"
                title: qsTrId("AlertLevel")
                width: columns.widths[11]
                delegate: SensorAllarmLevel {
                    shown: _private.revision, _private.supports(styleData.index, styleData.role)
                    value: styleData.value !== undefined ? styleData.value : 0
                    modelType: _private.revision, shown ? _private.call(styleData.index, "getAllarmLevelMdlType") : 0
                    selected: styleData.selected
                    textColor: styleData.textColor
                    selectionModelType: function() {
                        return pointsView.pointModel.getAllarmLevelMdlType(pointsView.selectedIndexes())
                    }
                    onLevelChosen: pointsView.pointModel.setSensorAllarmLevel(pointsView.targets(styleData.index), level)
                }
            }
            C1.TableViewColumn {
                role: "sensLow"
                title: qsTrId("lowSensibility")
                width: columns.widths[12]
                delegate: _private.spinCell
            }
            C1.TableViewColumn {
                role: "sensNormal"
                title: qsTrId("normalSensibility")
                width: columns.widths[13]
                delegate: _private.spinCell
            }
            C1.TableViewColumn {
                role: "sensHigh"
                title: qsTrId("highSensibility")
                width: columns.widths[14]
                delegate: _private.spinCell
            }
            C1.TableViewColumn {
                role: "fastInputDev1"
                title: qsTrId("CSV_KORVA_INPUT_DEV1")
                width: columns.widths[15]
                delegate: _private.korvaCell
            }
            C1.TableViewColumn {
                role: "fastInputDev2"
                title: qsTrId("CSV_KORVA_INPUT_DEV2")
                width: columns.widths[16]
                delegate: _private.korvaCell
            }
            C1.TableViewColumn {
                role: "fastInputLogic"
                title: qsTrId("CSV_KORVA_INPUT_LGC")
                width: columns.widths[17]
                delegate: _private.flagCell
            }
            C1.TableViewColumn {
                role: "cbe"
                title: qsTrId("FormulaCBE")
                width: columns.widths[18]
                delegate: _private.cbeCell
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.RightButton
                onClicked: {
                    var at = mapToItem(contextMenu.parent, mouse.x, mouse.y)
                    pointsView.openContextMenu(table.indexAt(mouse.x, mouse.y), at.x, at.y)
                }
            }
        }
    }

    OvMenu {
        id: contextMenu
        objectName: "pointMenu"
        // The entries ask the model again at each opening, and keep what they found while the
        // menu closes before the chosen command runs.
        property int openings: 0
        onAboutToShow: openings++
        OvMenuItem {
            objectName: "pointMenuRemove"
            text: qsTrId("STR_REMOVE")
            enabled: contextMenu.openings > 0 && pointsView.pointModel
                     && pointsView.pointModel.canErase(pointsView.selectedIndexes())
            onTriggered: pointsView.pointModel.resetSensor(pointsView.selectedIndexes())
        }
        OvMenuItem {
            objectName: "pointMenuCopy"
            text: qsTrId("STR_COPY")
            enabled: contextMenu.openings > 0 && pointsView.pointModel
                     && pointsView.pointModel.canBeUsedForCopy(pointsView.selectedIndexes())
            onTriggered: pointsView.copyRow(_private.menuIndex)
        }
        OvMenuItem {
            objectName: "pointMenuPaste"
            text: qsTrId("STR_PASTE")
            enabled: contextMenu.openings > 0 && pointsView.canPaste()
            onTriggered: pointsView.paste()
        }
        OvMenuItem {
            objectName: "pointMenuPasteSpecial"
            text: qsTrId("PT_MENU_PASTE_SPECIAL")
            enabled: contextMenu.openings > 0 && pointsView.canPaste()
            onTriggered: pointsView.openPasteSpecial()
        }
        OvMenuItem {
            objectName: "pointMenuSelectAll"
            text: qsTrId("PT_MENU_SELECT_ALL")
            enabled: contextMenu.openings > 0 && _private.menuIndex !== null && _private.menuIndex.valid
            onTriggered: {
                var rows = pointsView.pointModel.selectAll(_private.menuIndex)
                selection.clearSelection()
                for (var i = 0; i < rows.length; ++i)
                    selection.select(rows[i], ItemSelectionModel.Select | ItemSelectionModel.Rows)
            }
        }
    }

    OvPopup {
        id: cbePopup
        objectName: "pointCbePopup"
        contentItem: ColumnLayout {
            C2.Label {
                id: cbeTitle
                objectName: "pointCbeTitle"
                font.bold: true
            }
            OvCBEKeypad {
                id: keypad
                objectName: "pointCbeKeypad"
                onAccepted: {
                    pointsView.pointModel.setCBE(_private.cbeRows, text)
                    cbePopup.close()
                }
            }
        }
    }

    OvPopup {
        id: pasteSpecialPopup
        objectName: "pasteSpecialPopup"
        // Bit values of the paste filter, in the dialog's order.
        readonly property var bits: [0x01, 0x10, 0x02, 0x04, 0x08, 0x20, 0x40]
        readonly property var labels: [qsTrId("PT_PASTE_TYPE"), qsTrId("PT_PASTE_PARAMS"),
                                       qsTrId("PT_PASTE_DESCRIPTION"), qsTrId("PT_PASTE_ADD_ADDRESS"),
                                       qsTrId("PT_PASTE_PREFIX_ADDRESS"), qsTrId("PT_PASTE_CBE"),
                                       qsTrId("PT_PASTE_AREA")]
        readonly property var names: ["copyTypeBit", "copyParamsBit", "copyDescriptionBit", "copyAddAddressBit",
                                      "copyPrefixAddressBit", "copyCBEBit", "copyAreaBit"]
        property int filter: 0
        onAboutToShow: filter = 0
        function accept() {
            close()
            if (filter !== 0)
                pointsView.paste(filter)
        }
        contentItem: ColumnLayout {
            C2.Label {
                text: qsTrId("PT_MENU_PASTE_SPECIAL")
                font.bold: true
            }
            Repeater {
                model: pasteSpecialPopup.bits.length
                C2.CheckBox {
                    objectName: pasteSpecialPopup.names[index]
                    text: pasteSpecialPopup.labels[index]
                    checked: (pasteSpecialPopup.filter & pasteSpecialPopup.bits[index]) !== 0
                    onToggled: pasteSpecialPopup.filter ^= pasteSpecialPopup.bits[index]
                }
            }
            C2.DialogButtonBox {
                objectName: "pasteSpecialButtons"
                Layout.fillWidth: true
                standardButtons: C2.DialogButtonBox.Ok | C2.DialogButtonBox.Cancel
                onAccepted: pasteSpecialPopup.accept()
                onRejected: pasteSpecialPopup.close()
            }
        }
    }

    C2.Popup {
        id: typePopup
        objectName: "typePopup"
        property string currentText
        // The row whose type cell opened the drop-down.
        property var reference
        width: fontMetrics.height * 20
        padding: 0
        modal: false
        focus: true
        closePolicy: C2.Popup.CloseOnEscape | C2.Popup.CloseOnPressOutside
        onOpened: {
            var first = typeTree.model.getFirstIndex(currentText)
            if (first.parent.valid)
                typeTree.expand(first.parent)
            typeSelection.setCurrentIndex(first, ItemSelectionModel.ClearAndSelect)
            _private.makeCurrent(typeTree, first)
            typeTree.forceActiveFocus()
        }
        contentItem: C1.TreeView {
            id: typeTree
            objectName: "typeTree"
            readonly property real headerHeight: 0
            headerVisible: false
            alternatingRowColors: false
            horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
            frameVisible: false
            // Right to left, drawn left to right and turned over, each cell turned back.
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true
            transform: Scale {
                origin.x: typeTree.width / 2
                xScale: Qt.application.layoutDirection === Qt.RightToLeft ? -1 : 1
            }
            style: TreeViewStyle {
                backgroundColor: OvTheme.boxFillColor()
                indentation: 16
                branchDelegate: OvTreeBranch {
                    objectName: "typeTreeBranch"
                    indent: 16
                    inTurnedTree: true
                    color: OvTheme.editTextColor(styleData.selected)
                }
            }
            selection: ItemSelectionModel {
                id: typeSelection
                model: typeTree.model
            }
            rowDelegate: Rectangle {
                height: 22
                color: styleData.selected ? OvTheme.rowBgColor(true) : OvTheme.boxFillColor()
            }
            // The icon and the name in one cell, so that both step in under an open group.
            C1.TableViewColumn {
                role: "pointItemName"
                width: typePopup.width - 30
                delegate: OvTurnedCell {
                    Row {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        height: parent.height
                        spacing: 4
                        Image {
                            objectName: "typeIcon"
                            anchors.verticalCenter: parent.verticalCenter
                            height: 20
                            width: 20
                            fillMode: Image.PreserveAspectFit
                            // The model's icon role, beside the name's.
                            readonly property string icon: typeTree.model && styleData.index.valid
                                                           ? typeTree.model.data(styleData.index, 257) || "" : ""
                            source: OvTheme.image(icon ? icon : "null.png")
                        }
                        Text {
                            objectName: "typeName"
                            width: parent.width - 24
                            height: parent.height
                            horizontalAlignment: Text.AlignLeft
                            text: styleData.value !== undefined ? styleData.value : ""
                            color: OvTheme.editTextColor(styleData.selected)
                            font.family: OvTheme.fontFamily
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                        }
                    }
                }
            }
            // One click takes a type, as in any drop-down; a group row opens instead.
            onClicked: _private.chooseType(index)
            onActivated: _private.chooseType(index)
            Keys.onPressed: {
                if (event.key >= Qt.Key_A && event.key <= Qt.Key_Z) {
                    var found = model.keyPressed(currentIndex, event.key)
                    var up = model.getParent(found)
                    if (found.parent.valid)
                        expand(up)
                    if (model.rowCount(found) > 0)
                        expand(found)
                    typeSelection.setCurrentIndex(found, ItemSelectionModel.ClearAndSelect)
                    _private.makeCurrent(typeTree, found)
                    event.accepted = true
                } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    _private.chooseType(currentIndex)
                    event.accepted = true
                } else if (event.key === Qt.Key_Escape) {
                    typePopup.close()
                    event.accepted = true
                }
            }
        }
    }

    QtObject {
        id: _private

        property int revision: 0
        property int zoneRevision: 0
        // A check box's indicator and a combo box's text with a pixel to spare.
        readonly property int rowHeight: Math.max(30, Math.ceil(fontMetrics.height * 1.6))
        property var menuIndex: null
        property var cbeRows: []
        readonly property var models: [typeof theSensorModel !== "undefined" ? theSensorModel : null,
                                       typeof theModuleModel !== "undefined" ? theModuleModel : null,
                                       typeof theMixedModel !== "undefined" ? theMixedModel : null]

        // Whether the row's type supports the setting shown in a column of that role.
        function supports(index, role) {
            var m = pointsView.pointModel
            index = plain(index)
            if (!index)
                return false
            switch (role) {
            case "areaIndex": return m.isValidAreaFlag(index)
            case "checkAudit": return m.isValidCheckAudit(index)
            // An edit never acts on a row that shows channel rows: the panel takes its channels'.
            case "checkTracking": return m.isValidCheckTracking(index) && m.subCount(index) === 0
            case "checkFlashing": return m.isValidCheckFlashing(index)
            case "checkSilenceMod": return m.isValidCheckSilenceMod(index)
            case "checkAutoSilenceMod": return m.isValidAutoCheckSilenceMod(index)
            case "checkRaviSCtrlDisa": return m.isValidRaviRadioFlag(index)
            case "alertLevelRAVI": return m.isValidAlertLevelRAVI(index)
            case "sensLow": return m.isValidLSens(index)
            case "sensNormal": return m.isValidNSens(index)
            case "sensHigh": return m.isValidHSens(index)
            case "fastInputDev1": return m.isValidFastInput(index, 0)
            case "fastInputDev2": return m.isValidFastInput(index, 1)
            case "fastInputLogic": return m.isValidFastInputLogic(index)
            case "cbe": return m.isValidCBEFlag(index)
            default: return false
            }
        }
        function cellText(index, role, value) {
            if (role === "areaIndex")
                return pointsView.pointModel.getPointAreaIndexStr(index)
            if (role === "alertLevelRAVI")
                return value + 1
            return value !== undefined ? value : ""
        }
        // A tree view takes its current row only from its inner list, one row per shown item.
        function makeCurrent(view, index) {
            var row = flatRow(view, index)
            view.__listView.currentIndex = row
            view.__listView.positionViewAtIndex(row, ListView.Center)
        }
        function flatRow(view, index) {
            var m = view.model
            var top = index.parent.valid ? index.parent : index
            var row = 0
            for (var r = 0; r < top.row; ++r) {
                var above = m.index(r, 0)
                row += 1 + (view.isExpanded(above) ? m.rowCount(above) : 0)
            }
            return index.parent.valid ? row + 1 + index.row : row
        }
        function expandAll() {
            var m = pointsView.pointModel
            if (!m)
                return
            for (var r = 0; r < m.rowCount(); ++r) {
                var index = m.index(r, 0)
                if (m.rowCount(index) > 0)
                    table.expand(index)
            }
        }
        // One setting onto the rows the edit of the row at index acts on.
        function apply(role, index, value) {
            var m = pointsView.pointModel
            var rows = pointsView.targets(index)
            switch (role) {
            case "description": m.setSensorDescription(rows, value); break
            case "checkAudit": m.setSensorCheckAudit(rows, value); break
            case "checkTracking": m.setSensorCheckTracking(rows, value); break
            case "checkFlashing": m.setSensorCheckFlashing(rows, value); break
            case "checkSilenceMod": m.setCheckSilenceMod(rows, value); break
            case "checkAutoSilenceMod": m.setCheckAutoSilenceMod(rows, value); break
            case "checkRaviSCtrlDisa": m.setRaviRadioFlag(rows, value); break
            case "alertLevelRAVI": m.setSensorAllarmLevel(rows, value + 1); break
            case "sensLow": m.setSensorLowSensibilityLevel(rows, value); break
            case "sensNormal": m.setSensorNormalSensibilityLevel(rows, value); break
            case "sensHigh": m.setSensorHightSensibilityLevel(rows, value); break
            case "fastInputDev1": m.setFastInputDevice(rows, 0, value); break
            case "fastInputDev2": m.setFastInputDevice(rows, 1, value); break
            case "fastInputLogic": m.setFastInputDeviceLgc(rows, value); break
            }
        }
        function chooseType(index) {
            var tree = typeTree.model
            if (!tree || !index.valid)
                return
            if (!tree.canBeSelected(index)) {
                typeTree.expand(index)
                return
            }
            pointsView.chosenType = tree.getPointType(index)
            pointsView.pointModel.selectPointType(typePopup.reference, pointsView.selectedIndexes(),
                                                  pointsView.chosenType)
            pointsView.typeChosen(pointsView.chosenType)
            typePopup.close()
        }

        property Component textCell: Text {
            readonly property bool shown: _private.revision, _private.supports(styleData.index, styleData.role)
            text: shown ? _private.cellText(styleData.index, styleData.role, styleData.value) : ""
            color: styleData.textColor
            font.family: OvTheme.fontFamily
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        property Component flagCell: Item {
            C2.CheckBox {
                objectName: "pointFlag"
                anchors.centerIn: parent
                visible: _private.revision, _private.supports(styleData.index, styleData.role)
                checked: visible && styleData.value === true
                padding: 0
                focusPolicy: Qt.NoFocus
                onToggled: _private.apply(styleData.role, styleData.index, checked)
            }
        }
        // A cell's index as a plain index of the present model, or null. A cell may still hold
        // an index of the model shown before a tab switch, and the view may hand a persistent
        // index, which the model's functions do not take.
        function plain(index) {
            var m = pointsView.pointModel
            if (!m || !index || !index.valid || index.model !== m)
                return null
            return m.index(index.row, index.column, index.parent)
        }
        function call(index, name) {
            var at = plain(index)
            return at ? pointsView.pointModel[name](at) : undefined
        }
        function areaText(index) {
            var text = call(index, "getPointAreaIndexStr")
            return text !== undefined ? text : ""
        }
        // Zones go to the typed points without channel rows whose type needs one.
        property Component areaCell: Item {
            readonly property bool shown: _private.revision, _private.call(styleData.index, "isValidAreaFlag") === true
            Text {
                objectName: "pointZoneName"
                anchors.fill: parent
                // Set, so that mirrored a Latin name starts on the right too.
                horizontalAlignment: Text.AlignLeft
                visible: parent.shown && !zoneCombo.visible
                text: _private.revision, visible ? _private.areaText(styleData.index) : ""
                color: styleData.textColor
                font.family: OvTheme.fontFamily
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
            }
            C2.ComboBox {
                id: zoneCombo
                objectName: "pointZone"
                anchors.fill: parent
                visible: parent.shown && styleData.selected && typeof theAreaListMdl !== "undefined"
                         && theAreaListMdl !== null
                model: visible ? theAreaListMdl : null
                textRole: "areaDescription"
                topPadding: 0
                bottomPadding: 0
                // A new model puts the box on its first row: the stored zone is taken again after it.
                currentIndex: model && styleData.value !== undefined ? Math.max(0, styleData.value) : -1
                displayText: _private.revision, visible ? _private.areaText(styleData.index) : ""
                font.family: OvTheme.fontFamily
                // Ended with "…" where the box is narrower than its zone's name.
                contentItem: OvCellText {
                    text: zoneCombo.displayText
                    font: zoneCombo.font
                    color: zoneCombo.palette.buttonText
                    leftPadding: zoneCombo.mirrored ? 1 : 12
                    rightPadding: zoneCombo.mirrored ? 12 : 1
                }
                focusPolicy: Qt.NoFocus
                onActivated: pointsView.pointModel.setPointAreaIndex(pointsView.targets(styleData.index), index)
                // The list shows its longest name whole, within the table, and opens below the
                // window's bars.
                Connections {
                    target: zoneCombo.popup
                    function onAboutToShow() {
                        zoneMetrics.font = zoneCombo.font
                        var names = zoneCombo.model ? zoneCombo.model.names() : []
                        var widest = 0
                        for (var i = 0; i < names.length; ++i)
                            widest = Math.max(widest, zoneMetrics.advanceWidth(names[i]))
                        zoneCombo.popup.width = Math.min(Math.max(zoneCombo.width, widest + zoneMetrics.height * 3),
                                                         pointsView.width)
                        var left = zoneCombo.mapToItem(pointsView, 0, 0).x
                        zoneCombo.popup.x = Math.max(-left, Math.min(0, pointsView.width - left - zoneCombo.popup.width))
                        zoneCombo.popup.topMargin = pointsView.mapToItem(null, 0, 0).y
                    }
                }
            }
        }
        readonly property int indent: 12
        property Component firstCell: OvTreeFirstCell {
            indent: _private.indent
            text: styleData.value !== undefined ? styleData.value : ""
            color: styleData.textColor
        }
        property Component descriptionCell: OvStoredField {
            objectName: "pointDescription"
            readonly property bool shown: _private.revision, _private.call(styleData.index, "isValid") === true
            visible: shown
            // A long name shows its start; it scrolls to the caret only while edited.
            autoScroll: activeFocus
            stored: styleData.value !== undefined ? styleData.value : ""
            color: styleData.textColor
            padding: 2
            background: Rectangle {
                color: "transparent"
                border.width: parent.activeFocus ? 1 : 0
                border.color: styleData.textColor
            }
            onTextEdited: nameKept(text)
            onSubmitted: {
                if (nameKept(text))
                    _private.apply("description", styleData.index, text)
            }
        }
        property Component spinCell: C2.SpinBox {
            objectName: "pointLevel"
            visible: _private.revision, _private.supports(styleData.index, styleData.role)
            from: styleData.role === "alertLevelRAVI" ? 0 : 1
            to: styleData.role === "alertLevelRAVI" ? 8 : 9
            value: styleData.value !== undefined ? styleData.value : 0
            editable: true
            font.family: OvTheme.fontFamily
            padding: 0
            topPadding: 0
            bottomPadding: 0
            implicitHeight: fontMetrics.height * 1.2
            focusPolicy: Qt.NoFocus
            onValueModified: _private.apply(styleData.role, styleData.index, value)
        }
        property Component korvaCell: C2.ComboBox {
            objectName: "pointKorvaInput"
            visible: _private.revision, _private.supports(styleData.index, styleData.role)
            model: visible && pointsView.pointModel ? pointsView.pointModel.getKorvaPtModel() : null
            textRole: "deviceAddress"
            font.family: OvTheme.fontFamily
            focusPolicy: Qt.NoFocus
            currentIndex: count, Math.max(0, find(String(styleData.value)))
            onActivated: {
                var address = model.getDeviceAddress(index)
                _private.apply(styleData.role, styleData.index, address !== undefined ? address : 0)
            }
        }
        // Any typed row may carry a program; the keypad decides what the selection may hold.
        property Component cbeCell: Item {
            readonly property bool shown: _private.revision, _private.call(styleData.index, "isValid") === true
            Text {
                anchors.left: parent.left
                anchors.right: cbeButton.left
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignLeft
                text: parent.shown && styleData.value !== undefined ? styleData.value : ""
                color: styleData.textColor
                font.family: OvTheme.fontFamily
                elide: Text.ElideRight
            }
            C2.ToolButton {
                id: cbeButton
                objectName: "pointCbeButton"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                height: parent.height
                width: height
                visible: parent.shown
                text: "\u2026"
                focusPolicy: Qt.NoFocus
                onClicked: pointsView.openCBEKeypad(styleData.index)
            }
        }
    }
}
