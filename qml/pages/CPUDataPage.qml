import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// One CPU of the plant (page code 8): name, type, boards, UPS, its loops and its interface
// board; CPU 1 also carries the plant's RS and network addresses, network gateway and
// supervisor. Page code 9 shows a loop's point tables instead.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_CPU_DATA")
    title: (pageCode === 9 ? qsTrId("LBL_CPU_LOOP").arg(shownLoop + 1) : qsTrId(titleId)) + tr

    readonly property bool hasPlant: typeof activePlant !== "undefined" && activePlant !== null
    readonly property bool hasApp: typeof theApp !== "undefined" && theApp !== null
    readonly property var info: typeof thePlantInfo !== "undefined" ? thePlantInfo : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    // 0-based position of the CPU shown; -1 for none.
    property int cpuPosition: hasApp ? theApp.getSelectedCPU() : -1
    property int pageCode: hasApp ? theApp.getPageCode() : 8
    property int loopIndex: -1
    // The loop page's tables may be filled before the page is built, and from a point as well.
    readonly property int shownLoop: (revision, hasApp ? theApp.getShownLoop() : -1)
    property int revision: 0
    readonly property int brand: typeof config !== "undefined" && config ? config.current_brand : -1
    readonly property bool sibPresent: (revision, hasPlant && cpuPosition >= 0 && activePlant.isSIBEnabled(cpuPosition))
    readonly property var baudRates: [1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200]

    Connections {
        target: typeof elementTreeViewModel !== "undefined" ? elementTreeViewModel : null
        function onCpuPageSelected(cpuIndex) {
            if (cpuIndex < 0)
                return
            page.cpuPosition = cpuIndex - 1
            page.pageCode = 8
            page.revision++
            // The field now holds this CPU's stored name, which nothing refuses.
            cpuDescription.refusal = ""
        }
        function onLoopPageSelected(cpuIndex, loop) {
            if (cpuIndex < 0)
                return
            page.cpuPosition = cpuIndex
            page.loopIndex = loop
            page.pageCode = loop < 0 ? 8 : 9
            page.revision++
        }
    }
    Connections {
        target: typeof theSensorModel !== "undefined" ? theSensorModel : null
        function onActiveLoopChanged() { page.revision++ }
    }
    Connections {
        target: page.hasPlant ? activePlant : null
        function onCpuDataChanged() { page.revision++ }
        function onCpuSibDataChanged() { page.revision++ }
        function onCpuLibCountChanged() { page.revision++ }
        function onCpuDescriptionChanged() { page.revision++ }
        function onCpuExtensionFlagChanged() { page.revision++ }
        function onLoopTypeChanged() { page.revision++ }
        function onLoopOpenFlagChanged() { page.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }

    OvFieldSample { id: nameSample }

    OvFormFlickable {
        id: cpuPart
        objectName: "cpuPart"
        visible: page.pageCode === 8 && page.cpuPosition >= 0
        x: metrics.height
        y: metrics.height * 3
        width: parent.width - 2 * metrics.height
        height: parent.height - y
        clip: true
        contentHeight: cpuColumn.implicitHeight + metrics.height
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: cpuColumn
            width: parent.width
            spacing: metrics.height * 0.5

            // Each child on the column's starting edge: a column places them at x 0, which no
            // mirroring moves, where an anchor mirrors.
            OvLabel {
                objectName: "cpuNumber"
                anchors.left: parent.left
                text: "#" + (page.cpuPosition + 1)
                font.bold: true
            }
            Grid {
                id: cpuGrid
                // Its labels, each first in its row.
                readonly property real labelsWidth: {
                    var widest = 0
                    for (var i = 0; i < children.length; i += 2)
                        widest = Math.max(widest, children[i].implicitWidth)
                    return widest
                }
                anchors.left: parent.left
                columns: 2
                columnSpacing: metrics.height * 0.5
                rowSpacing: metrics.height * 0.3
                verticalItemAlignment: Grid.AlignVCenter

                OvLabel { text: qsTrId("CSV_CPUDESCRIPTION") + page.tr; font.bold: true }
                Column {
                    OvStoredField {
                        id: cpuDescription
                        objectName: "cpuDescription"
                        // The longest name the panel keeps, where the page has room for it.
                        width: Math.min(nameSample.needed,
                                        cpuColumn.width - cpuGrid.labelsWidth - cpuGrid.columnSpacing)
                        stored: (page.revision, page.hasPlant ? activePlant.getCPUDescription(page.cpuPosition) : "")
                        onTextEdited: refusal = page.info ? page.info.checkDescription(text) : ""
                        onSubmitted: {
                            refusal = page.info ? page.info.checkDescription(text) : ""
                            if (refusal === "" && page.hasPlant)
                                activePlant.setCPUDescription(page.cpuPosition, text)
                        }
                    }
                    OvLabel {
                        id: descriptionRefusal
                        objectName: "descriptionRefusal"
                        text: cpuDescription.refusal
                        color: "#ff6060"
                        visible: text !== ""
                    }
                }
                OvLabel { text: qsTrId("LBL_CPU_TYPE") + page.tr; font.bold: true }
                ComboBox {
                    id: cpuType
                    objectName: "cpuTypeCombo"
                    width: metrics.averageCharacterWidth * 36
                    font.family: OvTheme.fontFamily
                    model: typeof theCpuTypeMdl !== "undefined" ? theCpuTypeMdl : null
                    textRole: "name"
                    currentIndex: (page.revision, model && page.hasPlant && page.cpuPosition >= 0
                                   ? model.getIndexFromCode(activePlant.getCPUType(page.cpuPosition)) : -1)
                    onActivated: {
                        if (page.hasPlant)
                            activePlant.setCPUType(page.cpuPosition, model.getCodeFromIndex(index))
                        page.revision++
                    }
                }
                OvLabel { text: qsTrId("LBL_CPU_LIB_COUNT") + page.tr; font.bold: true }
                CPUBoxInfo {
                    objectName: "cpuLibCombo"
                    width: metrics.averageCharacterWidth * 36
                    revision: page.revision
                    cpuPosition: page.cpuPosition
                    libCount: (page.revision, page.hasPlant ? activePlant.getCPULibCount(page.cpuPosition) : 0)
                }
                OvLabel { text: qsTrId("LBL_CPU_UPS") + page.tr; font.bold: true }
                CheckBox {
                    objectName: "cpuUpsCheck"
                    checked: (page.revision, page.hasPlant && activePlant.getCheckPower(page.cpuPosition))
                    onClicked: {
                        if (page.hasPlant)
                            activePlant.setUPSFlag(page.cpuPosition, checked)
                        checked = Qt.binding(function() { return page.revision, page.hasPlant && activePlant.getCheckPower(page.cpuPosition) })
                    }
                }
            }

            // Loops: type, open flag and what they hold.
            Column {
                id: loops
                objectName: "loops"
                anchors.left: parent.left
                spacing: 2
                // The detector brand decides which protocols the panel keeps.
                readonly property var types: (page.revision, page.brand, page.info ? page.info.loopTypes() : [])
                readonly property var widths: loopColumns.widths

                OvColumnWidths {
                    id: loopColumns
                    titles: ["", QT_TRID_NOOP("CSV_LOOP_PROTOCOL"), QT_TRID_NOOP("CSV_LOOP_TYPE_OPEN"),
                        QT_TRID_NOOP("SENSORCOUNT"), QT_TRID_NOOP("MODULECOUNT")].map(
                                function(id) { return id === "" ? "" : qsTrId(id) + page.tr })
                    cells: [8, 14, 6, 6, 6].map(function(n) { return n * metrics.averageCharacterWidth })
                    preferred: [12, 18, 8, 10, 10].map(function(n) { return n * metrics.averageCharacterWidth })
                    padding: metrics.averageCharacterWidth / 2
                    room: cpuColumn.width
                }
                Row {
                    anchors.left: parent.left
                    Repeater {
                        model: loopColumns.titles
                        OvColumnTitle {
                            objectName: "loopTitle"
                            width: loops.widths[index]
                            // A gap to the neighbours, as the other tables keep.
                            leftPadding: metrics.averageCharacterWidth / 2
                            rightPadding: metrics.averageCharacterWidth / 2
                            text: modelData
                        }
                    }
                }
                Repeater {
                    model: (page.revision, page.hasPlant && page.cpuPosition >= 0 ? activePlant.getCPULoopCount(page.cpuPosition) : 0)
                    Row {
                        id: loopRow
                        objectName: "loopRow"
                        anchors.left: parent.left
                        property int rowIndex: index
                        readonly property int stored: (page.revision, activePlant.getCPULoopType(page.cpuPosition, index))

                        OvLabel {
                            width: loops.widths[0]
                            anchors.verticalCenter: parent.verticalCenter
                            text: qsTrId("LBL_CPU_LOOP").arg(loopRow.rowIndex + 1) + page.tr
                        }
                        ComboBox {
                            objectName: "loopTypeCombo"
                            width: loops.widths[1] - metrics.averageCharacterWidth
                            font.family: OvTheme.fontFamily
                            model: loops.types.map(function(t) { return page.info.loopTypeName(t) + page.tr })
                            currentIndex: loops.types.indexOf(loopRow.stored)
                            onActivated: {
                                activePlant.setCPULoopType(page.cpuPosition, loopRow.rowIndex, loops.types[index])
                                currentIndex = Qt.binding(function() { return loops.types.indexOf(loopRow.stored) })
                            }
                        }
                        Item { width: metrics.averageCharacterWidth; height: 1 }
                        Item {
                            width: loops.widths[2]
                            height: openCheck.height
                            CheckBox {
                                id: openCheck
                                anchors.left: parent.left
                                objectName: "loopOpenCheck"
                                checked: (page.revision, activePlant.isCPULoopOpen(page.cpuPosition, loopRow.rowIndex))
                                onClicked: {
                                    activePlant.setCPULoopOpenFlag(page.cpuPosition, loopRow.rowIndex, checked)
                                    checked = Qt.binding(function() { return page.revision, activePlant.isCPULoopOpen(page.cpuPosition, loopRow.rowIndex) })
                                }
                            }
                        }
                        OvLabel {
                            objectName: "sensorCount"
                            width: loops.widths[3]
                            // Under its title's text, in either direction.
                            leftPadding: metrics.averageCharacterWidth / 2
                            rightPadding: metrics.averageCharacterWidth / 2
                            anchors.verticalCenter: parent.verticalCenter
                            text: (page.revision, activePlant.getActiveSensorCount(page.cpuPosition, loopRow.rowIndex))
                        }
                        OvLabel {
                            objectName: "moduleCount"
                            width: loops.widths[4]
                            // Under its title's text, in either direction.
                            leftPadding: metrics.averageCharacterWidth / 2
                            rightPadding: metrics.averageCharacterWidth / 2
                            anchors.verticalCenter: parent.verticalCenter
                            text: (page.revision, activePlant.getActiveModuleCount(page.cpuPosition, loopRow.rowIndex))
                        }
                    }
                }
            }

            // The interface board, where the panel model has one.
            Column {
                id: sib
                objectName: "sibPart"
                visible: page.info ? page.info.hasSIB() : false
                width: parent.width
                spacing: metrics.height * 0.4

                CheckBox {
                    objectName: "sibCheck"
                    anchors.left: parent.left
                    text: qsTrId("CSV_SIBTYPE") + page.tr
                    font.family: OvTheme.fontFamily
                    checked: page.sibPresent
                    onClicked: {
                        if (page.hasPlant)
                            checked ? activePlant.enableSIB(page.cpuPosition) : activePlant.disableSIB(page.cpuPosition)
                        checked = Qt.binding(function() { return page.sibPresent })
                    }
                }
                OvLabel {
                    objectName: "sibNeeded"
                    visible: page.cpuPosition === 0 && !page.sibPresent
                    text: qsTrId("LBL_SIB_NEEDED") + page.tr
                    wrapMode: Text.Wrap
                    width: parent.width
                }
                Column {
                    objectName: "plantSibSettings"
                    anchors.left: parent.left
                    visible: page.cpuPosition === 0
                    enabled: page.sibPresent
                    opacity: enabled ? 1.0 : 0.5
                    spacing: metrics.height * 0.4

                    Row {
                        anchors.left: parent.left
                        spacing: metrics.height * 0.5
                        OvLabel { anchors.verticalCenter: parent.verticalCenter; text: qsTrId("CSV_SIBRSADDRESS") + page.tr; font.bold: true }
                        SpinBox {
                            objectName: "rsAddress"
                            from: 0
                            to: 255
                            editable: true
                            font.family: OvTheme.fontFamily
                            value: (page.revision, page.hasPlant ? activePlant.getSIBRSPort(0) & 255 : 0)
                            onValueModified: if (page.hasPlant) activePlant.enableRSSIB(0, value)
                        }
                    }
                    AddressFields {
                        objectName: "sibAddresses"
                        anchors.left: parent.left
                        title: qsTrId("CSV_SIBADDRESS") + page.tr
                        address: (page.revision, page.hasPlant ? activePlant.getSIBIPAddr(0) : "")
                        netmask: (page.revision, page.hasPlant ? activePlant.getSIBNetMask(0) : "")
                        gateway: (page.revision, page.hasPlant ? activePlant.getSIBGateway(0) : "")
                        onAccepted: activePlant.enableNetworkSIB(0, ip, mask, gw)
                    }
                    AddressFields {
                        objectName: "gatewayAddresses"
                        anchors.left: parent.left
                        title: qsTrId("LBL_NETWORK_GW") + page.tr
                        address: (page.revision, page.hasPlant ? activePlant.getGWIPAddr(0) : "")
                        netmask: (page.revision, page.hasPlant ? activePlant.getGWNetMask(0) : "")
                        gateway: (page.revision, page.hasPlant ? activePlant.getGWGateway(0) : "")
                        onAccepted: activePlant.enableNetworkGW(0, ip, mask, gw)
                    }
                    Row {
                        anchors.left: parent.left
                        spacing: metrics.height * 0.5
                        OvLabel { anchors.verticalCenter: parent.verticalCenter; text: qsTrId("LBL_SUPERVISOR") + page.tr; font.bold: true }
                        ComboBox {
                            id: supervisor
                            objectName: "supervisorCombo"
                            width: metrics.averageCharacterWidth * 20
                            font.family: OvTheme.fontFamily
                            model: [qsTrId("LBL_SUP_NONE") + page.tr, qsTrId("LBL_SUP_MODBUS_RTU") + page.tr,
                                    qsTrId("LBL_SUP_MODBUS_TCP") + page.tr, qsTrId("LBL_SUP_BACNET") + page.tr]
                            readonly property int stored: (page.revision, page.hasPlant ? activePlant.getSUPType(0) : 0)
                            // A network type chosen and not yet stored. The language switch evaluates
                            // every binding again and gives a new model, which puts the box on its
                            // first entry: the index is read again after it.
                            property int chosen: -1
                            onStoredChanged: chosen = -1
                            currentIndex: (model, chosen >= 0 ? chosen : stored <= 3 ? stored : 0)
                            onActivated: {
                                chosen = index >= 2 ? index : -1
                                if (index === 0 && page.hasPlant)
                                    activePlant.setSupervisorNotInstalled(0)
                                else if (index === 1)
                                    page.storeModbusRtu()
                                // Modbus TCP and BACnet are stored once their addresses agree.
                            }
                        }
                    }
                    Row {
                        objectName: "modbusRtuPart"
                        anchors.left: parent.left
                        visible: supervisor.currentIndex === 1
                        spacing: metrics.height * 0.5
                        OvLabel { anchors.verticalCenter: parent.verticalCenter; text: qsTrId("LBL_SUP_MB_ADDRESS") + page.tr }
                        SpinBox {
                            id: mbAddress
                            objectName: "mbAddress"
                            from: 1
                            to: 247
                            editable: true
                            font.family: OvTheme.fontFamily
                            value: (page.revision, page.hasPlant && supervisor.stored === 1 ? activePlant.getSUPmbAddr(0) : 1)
                            onValueModified: page.storeModbusRtu()
                        }
                        OvLabel { anchors.verticalCenter: parent.verticalCenter; text: qsTrId("LBL_SUP_MB_BAUD") + page.tr }
                        ComboBox {
                            id: mbBaud
                            objectName: "mbBaud"
                            font.family: OvTheme.fontFamily
                            model: page.baudRates
                            currentIndex: (page.revision, page.hasPlant && supervisor.stored === 1
                                           ? Math.max(0, Math.min(7, activePlant.getSUPmbBaud(0) - 1)) : 3)
                            onActivated: page.storeModbusRtu()
                        }
                    }
                    AddressFields {
                        objectName: "supervisorAddresses"
                        anchors.left: parent.left
                        visible: supervisor.currentIndex >= 2
                        title: supervisor.currentText
                        address: (page.revision, page.hasPlant ? activePlant.getSUPIPAddr(0) : "")
                        netmask: (page.revision, page.hasPlant ? activePlant.getSUPNetMask(0) : "")
                        gateway: (page.revision, page.hasPlant ? activePlant.getSUPGateway(0) : "")
                        onAccepted: supervisor.currentIndex === 2 ? activePlant.setSupervisorModbusTCP(0, ip, mask, gw)
                                                                  : activePlant.setSupervisorBacnet(0, ip, mask, gw)
                    }
                }
            }
        }
    }

    // A loop's point tables (page code 9).
    Item {
        id: loopPart
        objectName: "loopPart"
        visible: page.pageCode === 9
        anchors.fill: parent
        anchors.topMargin: metrics.height * 2.4
        PointsTreeView {
            anchors.fill: parent
        }
    }

    function storeModbusRtu() {
        if (hasPlant)
            activePlant.setSupervisorModbusRTU(0, mbAddress.value, mbBaud.currentIndex + 1)
    }
}
