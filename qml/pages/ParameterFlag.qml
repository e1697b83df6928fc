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
        leftPadding: parent.indicator.width + parent.spacing
        verticalAlignment: Text.AlignVCenter
        text: parent.text
        opacity: parent.enabled ? 1.0 : 0.5
    }
}
