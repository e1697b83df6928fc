import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The Language submenu's entries, made when the Options menu first opens.
OvMenuEntries {
    id: holder

    property Instantiator rows: Instantiator {
        active: holder.bar.options._wanted
        model: theLanguageModel
        delegate: OvMenuItem {
            text: model.lgDescription
            icon.source: model.lgIconName
            enabled: !model.lgActive
            onTriggered: theLanguageModel.clicked(index)
        }
        onObjectAdded: holder.menu.insertItem(index, object)
        onObjectRemoved: holder.menu.removeItem(object)
    }
}
