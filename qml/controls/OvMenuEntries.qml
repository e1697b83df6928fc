import QtQml 2.15

// The entries of a menu, from a file of their own (OvMenu.entriesSource), in order.
QtObject {
    // The menu bar, and the menu that takes these entries.
    property var bar: null
    property var menu: null
    // The entry of a submenu among them (an OvMenuItem); null where there is none.
    property Component submenuEntry: null
    default property list<QtObject> entries
}
