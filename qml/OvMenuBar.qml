import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The menus of the main window. Commands go out as the window's signals, which the
// application object connects, or straight to the application's slots. The entries of each
// menu are in a file of their own (OvMenu*Entries.qml), made once the first frame is out.
OvMenuBarBase {
    id: menuBar

    readonly property var shell: ApplicationWindow.window
    readonly property bool plantExists: !!activePlant
    readonly property bool entriesWanted: !!shell && !!shell.firstFrameShown

    // The menus, for their entries.
    readonly property OvMenu file: fileMenu
    readonly property OvMenu recent: recentMenu
    readonly property OvMenu options: optionsMenu
    readonly property OvMenu language: languageMenu
    readonly property OvMenu theme: themeMenu

    property int _recentCount: 0

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
        entriesSource: "OvMenuFileEntries.qml"
        entriesBar: menuBar
        entriesWanted: menuBar.entriesWanted
        // The rows of its submenus are made when it first opens, before a key can open one of
        // them: the start shows none of them.
        property bool _wanted: false
        onAboutToShow: {
            _wanted = true
            menuBar._readRecentCount()
        }

        // The submenus exist from the start (the first frame knows their titles); their entries
        // in the menu above come with the others.
        property OvMenu recent: OvMenu {
            id: recentMenu
            objectName: "recentMenu"
            title: menuBar._tr(QT_TRID_NOOP("openRecentFile"))
            enabled: menuBar._recentCount > 0
            entriesSource: "OvMenuRecentEntries.qml"
            entriesBar: menuBar
            entriesWanted: menuBar.entriesWanted
        }
    }

    OvMenu {
        id: optionsMenu
        objectName: "optionsMenu"
        title: menuBar._tr(QT_TRID_NOOP("Options"))
        entriesSource: "OvMenuOptionsEntries.qml"
        entriesBar: menuBar
        entriesWanted: menuBar.entriesWanted
        property bool _wanted: false
        onAboutToShow: _wanted = true

        property OvMenu language: OvMenu {
            id: languageMenu
            objectName: "languageMenu"
            title: menuBar._tr(QT_TRID_NOOP("Language"))
            entriesSource: "OvMenuLanguageEntries.qml"
            entriesBar: menuBar
            entriesWanted: menuBar.entriesWanted
        }
        property OvMenu theme: OvMenu {
            id: themeMenu
            objectName: "themeMenu"
            title: menuBar._tr(QT_TRID_NOOP("ColorTheme"))
            entriesSource: "OvMenuThemeEntries.qml"
            entriesBar: menuBar
            entriesWanted: menuBar.entriesWanted
        }
    }

    OvMenu {
        id: infoMenu
        objectName: "infoMenu"
        title: menuBar._tr(QT_TRID_NOOP("Info"))
        entriesSource: "OvMenuInfoEntries.qml"
        entriesBar: menuBar
        entriesWanted: menuBar.entriesWanted
    }
}
