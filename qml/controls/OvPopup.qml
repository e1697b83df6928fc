import QtQuick 2.15
import QtQuick.Controls 2.15

Popup {
    modal: true
    closePolicy: Popup.CloseOnEscape
    anchors.centerIn: Overlay.overlay
}
