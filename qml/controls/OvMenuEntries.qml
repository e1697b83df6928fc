import QtQml 2.15

// The entries of a menu that it makes when they are first wanted (OvMenu.entries), in order.
QtObject {
    default property list<QtObject> entries
}
