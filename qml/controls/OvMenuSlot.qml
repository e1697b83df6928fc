import QtQml 2.15
import QtQuick.Controls 2.15

// Among a menu's entries, the place of a submenu; none when menu is null. The submenu itself may
// exist from the start (its title is known), its entry only comes with the others.
QtObject {
    property Menu menu: null
    readonly property bool isMenuSlot: true
}
