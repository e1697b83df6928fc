import QtQuick 2.15
import QtQuick.Window 2.15

// A scrolled form: the field that takes the focus, by Tab or otherwise, is scrolled into sight.
// A click off its fields gives it the keys: Page Up and Down, Home and End (with Ctrl too) scroll
// it, from a field too when the field leaves them.
Flickable {
    id: form

    readonly property Item _focused: Window.activeFocusItem
    readonly property real _bottom: Math.max(0, contentHeight - height)

    function _scrollTo(y) {
        contentY = Math.max(0, Math.min(y, _bottom))
    }

    on_FocusedChanged: {
        var item = _focused
        var up = item
        while (up && up !== form.contentItem)
            up = up.parent
        if (!up)
            return
        var box = item.mapToItem(form.contentItem, 0, 0, item.width, item.height)
        if (box.y < form.contentY)
            form.contentY = Math.max(0, box.y)
        else if (box.y + box.height > form.contentY + form.height)
            form.contentY = Math.max(0, Math.min(box.y + box.height - form.height, form.contentHeight - form.height))
    }

    TapHandler {
        onTapped: form.forceActiveFocus()
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_PageDown)
            _scrollTo(contentY + height)
        else if (event.key === Qt.Key_PageUp)
            _scrollTo(contentY - height)
        else if (event.key === Qt.Key_Home)
            _scrollTo(0)
        else if (event.key === Qt.Key_End)
            _scrollTo(_bottom)
        else
            return
        event.accepted = true
    }
}
