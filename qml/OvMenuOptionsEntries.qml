import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The Options menu's entries.
OvMenuEntries {
    id: holder
    submenuEntry: Component {
        OvMenuItem {}
    }

    OvMenuSlot {
        menu: holder.bar.language
    }
    OvMenuSlot {
        menu: theThemeModel ? holder.bar.theme : null
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
                if (!holder.bar.shell.endEdit())
                    return
                if (theApp && typeof theApp.flipFilterOnVoidAddresses === "function")
                    theApp.flipFilterOnVoidAddresses(true)
            }
        }
    }
    OvMenuItem {
        objectName: "searchItem"
        action: OvAction {
            text: holder.bar._tr(QT_TRID_NOOP("searchItem"))
            shortcut: "Ctrl+F"
            // The open search dialog, if any: a second Ctrl+F does not stack another.
            property var dialog: null
            onTriggered: {
                if (!theApp || typeof theApp.doSearch !== "function")
                    return
                if (dialog || !holder.bar.shell.endEdit())
                    return
                var component = Qt.createComponent("SearchDlg.qml")
                if (component.status !== Component.Ready) {
                    console.warn(component.errorString())
                    return
                }
                dialog = component.createObject(holder.bar.shell, { "handle": theApp })
                dialog.show()
            }
        }
    }
}
