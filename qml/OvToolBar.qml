import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The command buttons under the menus; each shows its tool tip through the window.
Item {
    id: toolBar

    readonly property var shell: ApplicationWindow.window
    readonly property bool plantExists: !!activePlant

    // Bumped whenever the plant's modification bits change, by an edit, a save, an open or a
    // new plant: the Save and CBE check buttons follow them.
    property int _dataStamp: 0

    implicitHeight: row.implicitHeight + fontMetrics.height * 0.6

    function _showToolTip(button, message, show) {
        if (!shell)
            return
        var leftAlign = button.mapToItem(null, 0, 0).x < shell.width / 2
        shell.showToolTip(qsTrId(message) + shell.emptyString(), show, leftAlign)
    }

    Connections {
        target: toolBar.plantExists ? activePlant : null
        ignoreUnknownSignals: true
        function onPlantDataModified() { toolBar._dataStamp++ }
        function onPlantDataChanged() { toolBar._dataStamp++ }
    }

    Image {
        objectName: "toolBarBackground"
        anchors.fill: parent
        source: OvTheme.toolBarImage()
        fillMode: Image.Stretch
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: fontMetrics.height * 0.5
        spacing: fontMetrics.height * 0.3

        OvToolButton {
            objectName: "openButton"
            imageSource: "../Resources/tbOpenFile.png"
            toolTipId: QT_TRID_NOOP("OpenFile")
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.onOpenFileMenu()
        }
        OvToolButton {
            objectName: "newButton"
            imageSource: "../Resources/tbNewFile.png"
            toolTipId: QT_TRID_NOOP("Crea un nuovo file")
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.onFileNewMenu()
        }
        OvToolButton {
            objectName: "saveButton"
            imageSource: "../Resources/tbSave.png"
            toolTipId: QT_TRID_NOOP("Salva modifiche")
            enabled: toolBar.plantExists && (toolBar._dataStamp, activePlant.isModified())
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: {
                if (activePlant && activePlant.isModified())
                    toolBar.shell.clickedOnFileSaveBtn()
            }
        }
        Rectangle {
            width: 1
            height: fontMetrics.height * 2
            anchors.verticalCenter: parent.verticalCenter
            color: OvTheme.menuTextColor(false)
            opacity: 0.4
        }
        OvToolButton {
            objectName: "pdfButton"
            imageSource: "../Resources/tbPdfExport.png"
            toolTipId: QT_TRID_NOOP("Exporta dati in formato PDF")
            enabled: toolBar.plantExists
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.pdfExportBtnClicked()
        }
        OvToolButton {
            objectName: "csvButton"
            imageSource: "../Resources/tbCsvExport.png"
            toolTipId: QT_TRID_NOOP("Exporta dati in formato CSV")
            enabled: toolBar.plantExists
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.xlsExportBtnClicked()
        }
        Rectangle {
            width: 1
            height: fontMetrics.height * 2
            anchors.verticalCenter: parent.verticalCenter
            color: OvTheme.menuTextColor(false)
            opacity: 0.4
        }
        OvToolButton {
            objectName: "compileButton"
            imageSource: "../Resources/tbCompile.png"
            toolTipId: QT_TRID_NOOP("Compila per centrale")
            enabled: toolBar.plantExists
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.compileBtnClicked()
        }
        OvToolButton {
            objectName: "importButton"
            imageSource: "../Resources/tbImport.png"
            toolTipId: QT_TRID_NOOP("Importa file da centrale")
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: toolBar.shell.importBtnClicked()
        }
        OvToolButton {
            objectName: "checkCbeButton"
            imageSource: "../Resources/tbCheckCbe.png"
            toolTipId: QT_TRID_NOOP("checkCBE")
            enabled: toolBar.plantExists && (toolBar._dataStamp, activePlant.isCBESystemModified())
            onToolTipRequested: toolBar._showToolTip(this, message, show)
            onClicked: theApp.checkCBE()
        }
    }
}
