import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The File menu's entries.
OvMenuEntries {
    id: holder
    submenuEntry: Component {
        OvMenuItem {}
    }

    OvMenuItem {
        objectName: "newItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("NuovoFile"))
            shortcut: StandardKey.New
            onTriggered: holder.bar.shell.onFileNewMenu()
        }
    }
    OvMenuItem {
        objectName: "openItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("Apri"))
            shortcut: StandardKey.Open
            onTriggered: holder.bar.shell.onOpenFileMenu()
        }
    }
    OvMenuSlot {
        menu: holder.bar.recent
    }
    OvMenuItem {
        objectName: "saveItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("Salva"))
            shortcut: StandardKey.Save
            enabled: holder.bar.plantExists && activePlant.dataModified
            onTriggered: holder.bar.shell.clickedOnFileSaveBtn()
        }
    }
    OvMenuItem {
        objectName: "saveAsItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("SalvaConNome"))
            shortcut: "Ctrl+Shift+s"
            enabled: holder.bar.plantExists
            onTriggered: holder.bar.shell.clickedOnFileSaveAs()
        }
    }
    OvMenuSeparator {}
    OvMenuItem {
        objectName: "pdfItem"
        text: holder.bar._tr(QT_TRID_NOOP("EsportaPDF"))
        enabled: holder.bar.plantExists
        onTriggered: holder.bar.shell.pdfExportBtnClicked()
    }
    OvMenuItem {
        objectName: "csvItem"
        text: holder.bar._tr(QT_TRID_NOOP("EsportaCSV"))
        enabled: holder.bar.plantExists
        onTriggered: holder.bar.shell.xlsExportBtnClicked()
    }
    OvMenuItem {
        objectName: "compileItem"
        text: holder.bar._tr(QT_TRID_NOOP("CompilaPerCentrale"))
        enabled: holder.bar.plantExists
        onTriggered: holder.bar.shell.compileBtnClicked()
    }
    OvMenuItem {
        objectName: "importItem"
        text: holder.bar._tr(QT_TRID_NOOP("ImportaFileCentrale"))
        onTriggered: holder.bar.shell.importBtnClicked()
    }
    OvMenuSeparator {}
    OvMenuItem {
        objectName: "exitItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("Exit"))
            shortcut: "Ctrl+Q"
            onTriggered: {
                if (!theApp || theApp.onQuitRequest())
                    Qt.quit()
            }
        }
    }
}
