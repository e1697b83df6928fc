import QtQuick 2.15
import QtQuick.Window 2.15

// A scrolled form: the field that takes the focus, by Tab or otherwise, is scrolled into sight.
Flickable {
    id: form

    readonly property Item _focused: Window.activeFocusItem

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
}
