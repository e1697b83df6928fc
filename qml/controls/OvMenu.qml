import QtQuick 2.15
import QtQuick.Controls 2.15

Menu {
    id: control

    // As wide as the widest entry, which every entry then takes. Measured while shown: a closed
    // menu would measure again for every entry added at the start.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            (visible ? _widestEntry() : 0) + leftPadding + rightPadding)
    font.family: OvTheme.fontFamily

    // Entries no first frame shows, from a file of their own (an OvMenuEntries, given the menu
    // bar): made once that frame is out (entriesWanted), or when the menu is about to open if
    // that comes first. The loader reads their types only then. An OvMenuSlot among them enters
    // a submenu.
    property url entriesSource
    property var entriesBar: null
    property bool entriesWanted: false
    property QtObject _made: null

    onEntriesWantedChanged: {
        if (entriesWanted)
            makeEntries()
    }
    onAboutToShow: makeEntries()
    Component.onCompleted: {
        if (entriesWanted)
            makeEntries()
    }

    function makeEntries() {
        if (_made || entriesSource.toString() === "")
            return
        var component = Qt.createComponent(entriesSource)
        _made = component.createObject(control, { "bar": entriesBar, "menu": control })
        if (!_made) {
            console.warn(component.errorString())
            return
        }
        if (_made.submenuEntry)
            delegate = _made.submenuEntry
        var list = _made.entries
        var at = count
        for (var i = 0; i < list.length; ++i) {
            var entry = list[i]
            if (entry.isMenuSlot !== true)
                insertItem(at++, entry)
            else if (entry.menu)
                insertMenu(at++, entry.menu)
        }
    }

    // At the pointer, given in the parent's coordinates when known: towards the reading
    // direction, so that a mirrored menu opens with its right edge there, clear of what the
    // pointer was on.
    function popupAtPointer(at) {
        at === undefined ? popup() : popup(at.x, at.y)
        // The menu takes its width once shown: its right edge follows.
        if (Qt.application.layoutDirection === Qt.RightToLeft) {
            var right = at === undefined ? x : at.x
            x = Qt.binding(function() { return right - width })
        }
    }
    function _widestEntry() {
        var widest = 0
        for (var i = 0; i < count; ++i) {
            var entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest
    }
    background: Rectangle {
        implicitWidth: fontMetrics.averageCharacterWidth * 34
        color: OvTheme.boxFillColor()
        border.color: Qt.darker(color, 1.4)
        radius: 2
    }
    FontMetrics {
        id: fontMetrics
        font: control.font
    }
}
