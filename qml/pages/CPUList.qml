import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// CPUs 2 and up: install or remove, name, UPS and loop boards. Edits go through the CPU list
// model, which may refuse them; a refused row reads its values again.
ListView {
    id: list

    readonly property var cpus: typeof cpusModelData !== "undefined" ? cpusModelData : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    // Bumped when a CPU's type may have changed: the board counts it allows follow.
    property int revision: 0
    // Its columns, which the page's titles and CPU 1's box follow as well.
    readonly property alias columnTitles: columns.titles
    readonly property alias columnWidths: columns.widths

    objectName: "cpuList"
    clip: true
    model: cpus
    spacing: 2
    // No rows made ahead in the background: a plant with fewer CPUs would make Qt cancel a row
    // still being made under an index the model no longer has.
    cacheBuffer: 0

    Connections {
        target: typeof activePlant !== "undefined" ? activePlant : null
        function onCpuDataChanged() { list.revision++ }
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvColumnWidths {
        id: columns
        titles: ["", QT_TRID_NOOP("CSV_INDEX"), QT_TRID_NOOP("CSV_CPUSTAT"), QT_TRID_NOOP("CSV_CPUDESCRIPTION"),
            QT_TRID_NOOP("LBL_CPU_UPS"), QT_TRID_NOOP("LBL_CPU_LIB_COUNT")].map(
                    function(id) { return id === "" ? "" : qsTrId(id) + list.tr })
        // Where there is room the name holds the longest the panel keeps.
        cells: [4, 6, 6, 20, 6, 14].map(function(n) { return n * metrics.averageCharacterWidth })
        preferred: [4, 8, 12, 0, 10, 18].map(function(n, i) {
            return i === 3 ? nameSample.needed : n * metrics.averageCharacterWidth
        })
        padding: metrics.averageCharacterWidth / 4
        room: list.width
        // The name takes the room the others leave, and its whole before the titles their one line.
        stretch: 3
        stretchFirst: true
    }
    OvFieldSample { id: nameSample }
    delegate: Rectangle {
        id: row

        property int rowIndex: index

        function reload() {
            installed.checked = itemEnableStat
            ups.checked = itemUPSPresent
            description.showStored()
            libs.libCount = itemLibCount
        }

        objectName: "cpuRow"
        width: list.width
        height: cells.implicitHeight + 4
        color: OvTheme.rowBgColor(false)

        Connections {
            target: list.cpus
            function onRevertData(revertIndex) { if (revertIndex === row.rowIndex) row.reload() }
            function onDataChanged(topLeft, bottomRight) {
                if (topLeft.row <= row.rowIndex && row.rowIndex <= bottomRight.row)
                    row.reload()
            }
        }
        Row {
            id: cells
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            Item {
                width: columns.widths[0]
                height: description.height
                Image {
                    objectName: "cpuImage"
                    anchors.centerIn: parent
                    height: parent.height * 0.9
                    width: height
                    fillMode: Image.PreserveAspectFit
                    source: "qrc:/Resources/" + itemIconName
                    MouseArea {
                        anchors.fill: parent
                        onClicked: list.cpus.selectCPU(row.rowIndex)
                    }
                }
            }
            OvLabel {
                width: columns.widths[1]
                height: description.height
                verticalAlignment: Text.AlignVCenter
                text: itemIndex
                font.family: "monospace"
            }
            Item {
                width: columns.widths[2]
                height: description.height
                CheckBox {
                    id: installed
                    // Under its title's start, the right end when mirrored.
                    anchors.left: parent.left
                    objectName: "installedCheck"
                    anchors.verticalCenter: parent.verticalCenter
                    checked: itemEnableStat
                    onClicked: itemEnableStat = checked
                }
            }
            OvStoredField {
                id: description
                objectName: "cpuDescription"
                width: columns.widths[3]
                autoScroll: activeFocus
                onActiveFocusChanged: if (!activeFocus) cursorPosition = 0
                stored: itemDescription
                // A name the panel cannot keep is refused, the reason on the information bar.
                onTextEdited: nameKept(text)
                onSubmitted: if (nameKept(text)) itemDescription = text
            }
            Item {
                width: columns.widths[4]
                height: description.height
                CheckBox {
                    id: ups
                    // Under its title's start, the right end when mirrored.
                    anchors.left: parent.left
                    objectName: "upsCheck"
                    anchors.verticalCenter: parent.verticalCenter
                    enabled: installed.checked
                    checked: itemUPSPresent
                    onClicked: itemUPSPresent = checked
                }
            }
            CPUBoxInfo {
                id: libs
                anchors.verticalCenter: parent.verticalCenter
                width: columns.widths[5]
                enabled: installed.checked
                cpuPosition: row.rowIndex + 1
                revision: list.revision
                libCount: itemLibCount
            }
        }
    }
}
