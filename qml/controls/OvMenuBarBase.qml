import QtQuick 2.15
import QtQuick.Controls 2.15

MenuBar {
    id: control

    // The menu the pointer opened by resting on its title while another was open: a click on
    // that title then keeps it open instead of closing what the pointer has just shown.
    property var _hoverOpened: null

    background: Image {
        source: OvTheme.menuBarImage()
        fillMode: Image.Stretch
    }
    delegate: MenuBarItem {
        id: barItem
        leftPadding: fontMetrics.height * 0.8
        rightPadding: leftPadding
        topPadding: fontMetrics.height * 0.3
        bottomPadding: topPadding
        font.family: OvTheme.fontFamily
        // The pointer moves from title to title while a menu is open, whatever the platform's
        // default.
        hoverEnabled: true
        onHoveredChanged: {
            if (hovered && barItem.menu && !barItem.menu.visible && control._openMenu() !== null)
                control._hoverOpened = barItem.menu
        }
        Component.onCompleted: {
            // A press on its own title is the title's to answer; anywhere else closes it.
            if (menu)
                menu.closePolicy = Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
        }
        Connections {
            target: barItem.menu
            function onAboutToHide() {
                if (control._hoverOpened === barItem.menu)
                    control._hoverOpened = null
            }
        }
        // Presses on a title are taken here: the bar's own click on the title of an open menu
        // closes it, also when the pointer has just opened it.
        MouseArea {
            anchors.fill: parent
            z: 1
            acceptedButtons: Qt.LeftButton
            onPressed: {
                if (control._hoverOpened === barItem.menu && barItem.menu.visible)
                    control._hoverOpened = null
                else
                    barItem.triggered()
            }
        }
        contentItem: Text {
            text: barItem.text
            font: barItem.font
            color: OvTheme.menuTextColor(barItem.enabled)
            opacity: barItem.enabled ? 1.0 : 0.55
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: barItem.highlighted ? OvTheme.menuTextColor(true) : "transparent"
            opacity: 0.15
        }
    }
    function _openMenu() {
        for (var i = 0; i < menus.length; ++i) {
            if (menus[i].visible)
                return menus[i]
        }
        return null
    }

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
}
