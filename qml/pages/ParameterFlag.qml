import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A yes/no general parameter, by its property name in the plant.
CheckBox {
    property string member
    property string labelId

    objectName: member
    font.family: OvTheme.fontFamily
    text: qsTrId(labelId) + (theLanguageModel ? theLanguageModel.emptyString : "")
    checked: activePlant ? activePlant[member] : false
    onToggled: if (activePlant) activePlant[member] = checked

    // The label in the theme's text colour.
    contentItem: OvLabel {
        // Clear of the box, which stands on the right when mirrored.
        leftPadding: parent.mirrored ? 0 : parent.indicator.width + parent.spacing
        rightPadding: parent.mirrored ? parent.indicator.width + parent.spacing : 0
        verticalAlignment: Text.AlignVCenter
        text: parent.text
        opacity: parent.enabled ? 1.0 : 0.5
    }
}
