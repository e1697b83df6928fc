import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The Info menu's entries.
OvMenuEntries {
    id: holder

    OvMenuItem {
        objectName: "aboutItem"
        text: holder.bar._tr(QT_TRID_NOOP("ID_OV_VERSION_LBL")) + " " + (config ? config.appName : "")
        onTriggered: holder.bar.shell.showAboutDlg()
    }
}
