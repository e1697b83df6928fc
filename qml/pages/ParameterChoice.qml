import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// A general parameter chosen from a list: entry i stands for values[i] (i itself without
// values); a stored value in no entry shows the entry of fallback.
RowLayout {
    id: choice

    property string member
    property string labelId
    // What the label needs, and what it gets: the page sets one width for all its labels.
    readonly property real labelNeed: label.implicitWidth
    property real labelWidth: parent && parent.labelWidth !== undefined ? parent.labelWidth
                                                                        : metrics.averageCharacterWidth * 36
    property var entries: []
    property var values: []
    property int fallback: -1
    readonly property int stored: activePlant ? activePlant[member] : 0

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvLabel {
        id: label
        text: qsTrId(choice.labelId) + (theLanguageModel ? theLanguageModel.emptyString : "")
        Layout.preferredWidth: choice.labelWidth
    }
    ComboBox {
        objectName: choice.member
        font.family: OvTheme.fontFamily
        Layout.preferredWidth: metrics.averageCharacterWidth * 30
        model: choice.entries
        currentIndex: {
            var i = choice.values.length > 0 ? choice.values.indexOf(choice.stored) : choice.stored
            return i >= 0 && i < choice.entries.length ? i : choice.fallback
        }
        onActivated: {
            if (activePlant)
                activePlant[choice.member] = choice.values.length > 0 ? choice.values[index] : index
        }
    }
}
