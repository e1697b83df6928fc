import QtQuick 2.15
import "../controls"

// The two plant types side by side; the plant's own is framed. A choice is a request: the
// application asks before it changes the type.
Item {
    id: box

    property int currentType: 0
    signal typeChosen(int typeIndex)

    implicitHeight: 150

    // The types in the model's order, whatever the plant's type was when the box was made.
    Row {
        anchors.fill: parent
        anchors.margins: 5
        spacing: 10
        Repeater {
            model: typeof thePlantTypeMdl !== "undefined" ? thePlantTypeMdl : null
            delegate: Rectangle {
                objectName: "plantTypeEntry"
                width: box.width / 2 - 10
                height: box.height - 10
                enabled: tyEnabled && box.enabled
                visible: tyEnabled
                // A type this panel cannot take is shown out of reach; the plant's own stays as it is.
                opacity: enabled || index === box.currentType ? 1 : 0.4
                color: hover.containsMouse ? OvTheme.rowBgColor(false) : "transparent"
                border.color: index === box.currentType ? OvTheme.boxBorderColor() : "transparent"
                border.width: 2
                radius: 4
                Image {
                    anchors.top: parent.top
                    anchors.topMargin: 6
                    anchors.horizontalCenter: parent.horizontalCenter
                    height: parent.height - label.height - 18
                    fillMode: Image.PreserveAspectFit
                    // The pictures are drawn large enough for the report's cover; decoded at the box's size.
                    sourceSize.height: 256
                    source: icon ? Qt.resolvedUrl("../" + icon) : ""
                }
                OvLabel {
                    id: label
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 6
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: name
                }
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: if (index !== box.currentType) box.typeChosen(index)
                }
            }
        }
    }
}
