import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The Open recent file submenu's entries: the files, made when the File menu first opens,
// then a separator and the entry that clears the list.
OvMenuEntries {
    id: holder

    property Instantiator rows: Instantiator {
        active: holder.bar.file._wanted
        model: theRecentFilesModel
        delegate: OvMenuItem {
            // Counted from 1, as people count.
            text: (model.itemFileIndex + 1) + " " + model.itemFileName
            onTriggered: theRecentFilesModel.clicked(index)
        }
        onObjectAdded: holder.menu.insertItem(index, object)
        onObjectRemoved: holder.menu.removeItem(object)
    }
    OvMenuSeparator {}
    OvMenuItem {
        objectName: "clearRecentItem"
        text: holder.bar._tr(QT_TRID_NOOP("clearRecentFilesList"))
        enabled: holder.bar._recentCount > 0
        onTriggered: holder.bar.shell.clearRecentFileListSizeRqst()
    }
}
