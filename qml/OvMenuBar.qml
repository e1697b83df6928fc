import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The menus of the main window. Commands go out as the window's signals, which the
// application object connects, or straight to the application's slots.
OvMenuBarBase {
    id: menuBar

    readonly property var shell: ApplicationWindow.window
    readonly property bool plantExists: !!activePlant

    property int _recentCount: 0
    // The menus' entries are made once the window's first frame is out.
    readonly property bool entriesWanted: !!shell && !!shell.firstFrameShown

    function _tr(id) {
        return qsTrId(id) + (shell ? shell.emptyString() : "")
    }
    function _readRecentCount() {
        _recentCount = theApp ? theApp.getRecentFileListSize() : 0
    }

    Connections {
        target: theRecentFilesModel
        function onDataUpdated() { menuBar._readRecentCount() }
    }

    OvMenu {
        id: fileMenu
        objectName: "fileMenu"
        title: menuBar._tr(QT_TRID_NOOP("File"))
        // The entries of its submenus are made when it first opens, before a key can open
        // one of them: the start shows none of them.
        property bool _wanted: false
        onAboutToShow: {
            _wanted = true
            menuBar._readRecentCount()
        }
        entriesWanted: menuBar.entriesWanted
        entries: Component {
            OvMenuEntries {
                OvMenuItem {
                    objectName: "newItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("NuovoFile"))
                        shortcut: StandardKey.New
                        onTriggered: menuBar.shell.onFileNewMenu()
                    }
                }
                OvMenuItem {
                    objectName: "openItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("Apri"))
                        shortcut: StandardKey.Open
                        onTriggered: menuBar.shell.onOpenFileMenu()
                    }
                }
                OvMenuSlot {
                    menu: recentMenu
                }
                OvMenuItem {
                    objectName: "saveItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("Salva"))
                        shortcut: StandardKey.Save
                        enabled: menuBar.plantExists && activePlant.dataModified
                        onTriggered: menuBar.shell.clickedOnFileSaveBtn()
                    }
                }
                OvMenuItem {
                    objectName: "saveAsItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("SalvaConNome"))
                        shortcut: "Ctrl+Shift+s"
                        enabled: menuBar.plantExists
                        onTriggered: menuBar.shell.clickedOnFileSaveAs()
                    }
                }
                OvMenuSeparator {}
                OvMenuItem {
                    objectName: "pdfItem"
                    text: menuBar._tr(QT_TRID_NOOP("EsportaPDF"))
                    enabled: menuBar.plantExists
                    onTriggered: menuBar.shell.pdfExportBtnClicked()
                }
                OvMenuItem {
                    objectName: "csvItem"
                    text: menuBar._tr(QT_TRID_NOOP("EsportaCSV"))
                    enabled: menuBar.plantExists
                    onTriggered: menuBar.shell.xlsExportBtnClicked()
                }
                OvMenuItem {
                    objectName: "compileItem"
                    text: menuBar._tr(QT_TRID_NOOP("CompilaPerCentrale"))
                    enabled: menuBar.plantExists
                    onTriggered: menuBar.shell.compileBtnClicked()
                }
                OvMenuItem {
                    objectName: "importItem"
                    text: menuBar._tr(QT_TRID_NOOP("ImportaFileCentrale"))
                    onTriggered: menuBar.shell.importBtnClicked()
                }
                OvMenuSeparator {}
                OvMenuItem {
                    objectName: "exitItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("Exit"))
                        shortcut: "Ctrl+Q"
                        onTriggered: {
                            if (!theApp || theApp.onQuitRequest())
                                Qt.quit()
                        }
                    }
                }
            }
        }

        // The submenus exist from the start (the first frame knows their titles); their entries
        // in this menu come with the others.
        property OvMenu recent: OvMenu {
            id: recentMenu
            objectName: "recentMenu"
            title: menuBar._tr(QT_TRID_NOOP("openRecentFile"))
            enabled: menuBar._recentCount > 0

            Instantiator {
                active: fileMenu._wanted
                model: theRecentFilesModel
                delegate: OvMenuItem {
                    text: model.itemFileIndex + " " + model.itemFileName
                    onTriggered: theRecentFilesModel.clicked(index)
                }
                onObjectAdded: recentMenu.insertItem(index, object)
                onObjectRemoved: recentMenu.removeItem(object)
            }
            OvMenuSeparator {}
            OvMenuItem {
                objectName: "clearRecentItem"
                text: menuBar._tr(QT_TRID_NOOP("clearRecentFilesList"))
                enabled: menuBar._recentCount > 0
                onTriggered: menuBar.shell.clearRecentFileListSizeRqst()
            }
        }
    }

    OvMenu {
        id: optionsMenu
        objectName: "optionsMenu"
        title: menuBar._tr(QT_TRID_NOOP("Options"))
        property bool _wanted: false
        onAboutToShow: _wanted = true
        entriesWanted: menuBar.entriesWanted
        entries: Component {
            OvMenuEntries {
                OvMenuSlot {
                    menu: languageMenu
                }
                OvMenuSlot {
                    menu: theThemeModel ? themeMenu : null
                }
                // No menu entry: only its key.
                OvMenuItem {
                    objectName: "voidAddressesItem"
                    visible: false
                    height: 0
                    action: OvAction {
                        shortcut: "F2"
                        // The filter and its slot come with the plant's models.
                        onTriggered: {
                            if (theApp && typeof theApp.flipFilterOnVoidAddresses === "function")
                                theApp.flipFilterOnVoidAddresses(true)
                        }
                    }
                }
                OvMenuItem {
                    objectName: "searchItem"
                    action: OvAction {
                        text: menuBar._tr(QT_TRID_NOOP("searchItem"))
                        shortcut: "Ctrl+F"
                        // The open search dialog, if any: a second Ctrl+F does not stack another.
                        property var dialog: null
                        onTriggered: {
                            if (!theApp || typeof theApp.doSearch !== "function")
                                return
                            if (dialog)
                                return
                            var component = Qt.createComponent("SearchDlg.qml")
                            if (component.status !== Component.Ready) {
                                console.warn(component.errorString())
                                return
                            }
                            dialog = component.createObject(menuBar.shell, { "handle": theApp })
                            dialog.show()
                        }
                    }
                }
            }
        }

        // The submenus exist from the start (the first frame knows their titles); their entries
        // in this menu come with the others.
        property OvMenu language: OvMenu {
            id: languageMenu
            objectName: "languageMenu"
            title: menuBar._tr(QT_TRID_NOOP("Language"))

            Instantiator {
                active: optionsMenu._wanted
                model: theLanguageModel
                delegate: OvMenuItem {
                    text: model.lgDescription
                    icon.source: model.lgIconName
                    enabled: !model.lgActive
                    onTriggered: theLanguageModel.clicked(index)
                }
                onObjectAdded: languageMenu.insertItem(index, object)
                onObjectRemoved: languageMenu.removeItem(object)
            }
        }
        property OvMenu theme: OvMenu {
            id: themeMenu
            objectName: "themeMenu"
            title: menuBar._tr(QT_TRID_NOOP("ColorTheme"))

            Instantiator {
                active: optionsMenu._wanted
                model: theThemeModel
                delegate: OvMenuItem {
                    text: model.themeDescription
                    icon.source: model.themeIconName
                    enabled: !model.themeActive
                    onTriggered: theThemeModel.clicked(index)
                }
                onObjectAdded: themeMenu.insertItem(index, object)
                onObjectRemoved: themeMenu.removeItem(object)
            }
        }
    }

    OvMenu {
        id: infoMenu
        objectName: "infoMenu"
        title: menuBar._tr(QT_TRID_NOOP("Info"))
        entriesWanted: menuBar.entriesWanted
        entries: Component {
            OvMenuEntries {
                OvMenuItem {
                    objectName: "aboutItem"
                    text: menuBar._tr(QT_TRID_NOOP("ID_OV_VERSION_LBL")) + " " + (config ? config.appName : "")
                    onTriggered: menuBar.shell.showAboutDlg()
                }
            }
        }
    }
}
