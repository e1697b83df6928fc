import QtQuick 2.15
import QtQuick.Controls 2.15

MenuItem {
    id: control

    font.family: OvTheme.fontFamily
    icon.color: "transparent"
    icon.width: fontMetrics.height
    icon.height: fontMetrics.height
    leftPadding: fontMetrics.height * 0.6
    rightPadding: leftPadding
    topPadding: fontMetrics.height * 0.3
    bottomPadding: topPadding
    // No entry is checkable: the style's check mark would never show.
    indicator: null
    // A submenu's mark in the colour of the entry's text, towards the reading direction.
    arrow: Text {
        x: control.mirrored ? control.leftPadding : control.width - width - control.rightPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        visible: control.subMenu !== null
        text: control.mirrored ? "\u25c2" : "\u25b8"
        font: control.font
        color: OvTheme.menuTextColor(control.enabled)
        opacity: control.enabled ? 1.0 : 0.5
    }

    // The menus close before the entry's command runs (the release comes just before it): a
    // command that asks something would otherwise keep them drawn open behind its dialog.
    onReleased: {
        if (menu && !subMenu && enabled && contains(Qt.point(pressX, pressY)))
            menu.dismiss()
    }

    // The label on one side and the key on the other: the menu gives all its entries the
    // width of the widest, so the keys stand in one column. Laid out when the menu first
    // opens: a closed menu shows none of its entries.
    readonly property bool _menuShown: !menu || menu.visible
    on_MenuShownChanged: {
        if (_menuShown)
            entryContent.active = true
    }
    contentItem: Loader {
        id: entryContent
        active: false
        Component.onCompleted: {
            if (control._menuShown)
                active = true
        }
        sourceComponent: Item {
            implicitWidth: label.implicitWidth + fontMetrics.averageCharacterWidth * 3
                           + keyText.implicitWidth + _arrowWidth
            implicitHeight: Math.max(label.implicitHeight, keyText.implicitHeight)
            // A disabled entry, its key and icon included, at half the strength of an enabled one.
            opacity: control.enabled ? 1.0 : 0.5

            readonly property real _arrowWidth: control.arrow ? control.arrow.width : 0

            Row {
                id: label
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                spacing: fontMetrics.averageCharacterWidth
                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    width: control.icon.width
                    height: control.icon.height
                    smooth: true
                    source: control.icon.source
                    visible: control.icon.source.toString() !== ""
                }
                Text {
                    text: control.text
                    font: control.font
                    color: OvTheme.menuTextColor(control.enabled)
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
            Text {
                id: keyText
                objectName: "shortcutText"
                anchors.right: parent.right
                anchors.rightMargin: parent._arrowWidth
                anchors.verticalCenter: parent.verticalCenter
                text: keys.nativeText
                font: control.font
                color: OvTheme.menuTextColor(control.enabled)
                opacity: 0.6
            }
        }
    }
    background: Rectangle {
        implicitWidth: fontMetrics.averageCharacterWidth * 34
        color: control.highlighted ? OvTheme.menuTextColor(true) : "transparent"
        opacity: 0.15
    }
    FontMetrics {
        id: fontMetrics
        font: control.font
    }

    // Never triggers: it only spells the action's key as Qt does ("Ctrl+Shift+S").
    Shortcut {
        id: keys
        enabled: false
        sequence: control.action && control.action.shortcut !== undefined ? control.action.shortcut : ""
    }
}
