import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// One numeric general parameter: its label, a digits-only field and its range; a value the
// plant-information checker refuses shows the reason below and is not stored.
ColumnLayout {
    id: field

    property string member
    property string labelId
    // What the label needs, and what it gets: the page sets one width for all its labels.
    readonly property real labelNeed: label.implicitWidth
    property real labelWidth: parent && parent.labelWidth !== undefined ? parent.labelWidth
                                                                        : fontMetrics.averageCharacterWidth * 36
    readonly property var info: typeof thePlantInfo !== "undefined" ? thePlantInfo : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    readonly property int stored: activePlant ? activePlant[member] : 0

    spacing: 0

    RowLayout {
        OvLabel {
            id: label
            text: qsTrId(field.labelId) + field.tr
            Layout.preferredWidth: field.labelWidth
            elide: Text.ElideRight
        }
        OvStoredField {
            id: input
            objectName: field.member
            Layout.preferredWidth: fontMetrics.averageCharacterWidth * 8
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
            stored: field.stored
            onSubmitted: refusal = field.info ? field.info.setParameter(field.member, text === "" ? -1 : parseInt(text, 10)) : ""
        }
        OvLabel {
            objectName: field.member + "Range"
            text: field.info ? field.info.parameterMinimum(field.member) + " \u2013 " + field.info.parameterMaximum(field.member) : ""
        }
    }
    OvLabel {
        objectName: field.member + "Refusal"
        text: input.refusal
        color: "#ff6060"
        visible: text !== ""
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
}
