import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The Colour theme submenu's entries, made when the Options menu first opens.
OvMenuEntries {
    id: holder

    property Instantiator rows: Instantiator {
        active: holder.bar.options._wanted
        model: theThemeModel
        delegate: OvMenuItem {
            text: model.themeDescription
            icon.source: model.themeIconName
            enabled: !model.themeActive
            onTriggered: theThemeModel.clicked(index)
        }
        onObjectAdded: holder.menu.insertItem(index, object)
        onObjectRemoved: holder.menu.removeItem(object)
    }
}
