import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "controls"

// Finds a zone, group, CPU, loop, detector or module: the tick (or Enter) asks the handle's
// doSearch; a hit closes the dialog, a miss says so until something is edited. It floats over
// the main window without a window of its own, so the window's keys stay with it.
Popup {
    id: dialog
    objectName: "searchDlg"

    property var handle: null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    readonly property int target: targetBox.currentIndex
    readonly property bool onDevice: target === 2 || target === 3

    function show() { open() }

    x: parent ? (parent.width - width) / 2 : 0
    y: parent ? (parent.height - height) / 3 : 0
    // Sized by its content through the popup itself: a binding on the layout's size would be
    // evaluated again inside the layout's own update when the language changes.
    implicitWidth: Math.max(400, contentWidth + leftPadding + rightPadding)
    padding: metrics.height
    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape
    background: Rectangle { color: OvTheme.boxFillColor(); border.color: OvTheme.boxBorderColor() }

    // A field's number when it holds 1 to maxDigits digits, else -1.
    function number(field, maxDigits) {
        return field.text.length >= 1 && field.text.length <= maxDigits ? parseInt(field.text, 10) : -1
    }
    function apply() {
        if (!handle || target < 0)
            return
        var found = handle.doSearch(target, number(cpuField, 2), number(loopField, 2), number(addressField, 4))
        if (found)
            dialog.close()
        else
            notFound.visible = true
    }

    onTargetChanged: notFound.visible = false
    onClosed: dialog.destroy()

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    contentItem: ColumnLayout {
        id: layout

        OvLabel {
            objectName: "searchTitle"
            text: qsTrId("SearchDlg") + dialog.tr
            font.bold: true
        }
        ComboBox {
            id: targetBox
            objectName: "searchTarget"
            Layout.fillWidth: true
            font.family: OvTheme.fontFamily
            // The ids stay the model and their texts follow the language: a new model would put
            // the choice back on its first entry.
            model: [QT_TRID_NOOP("searchZone"), QT_TRID_NOOP("searchGroup"), QT_TRID_NOOP("searchSensor"),
                    QT_TRID_NOOP("searchModule")]
            displayText: currentIndex >= 0 ? qsTrId(model[currentIndex]) + dialog.tr : ""
            delegate: ItemDelegate {
                width: targetBox.width
                text: qsTrId(modelData) + dialog.tr
                font: targetBox.font
                highlighted: targetBox.highlightedIndex === index
            }
            // Read once: a language switch evaluates every binding again, and the last search's
            // target would replace the one chosen since.
            Component.onCompleted: currentIndex = dialog.handle ? dialog.handle.getLastSearchTargetType() : -1
        }
        RowLayout {
            TextField {
                id: cpuField
                objectName: "searchCpu"
                visible: dialog.onDevice
                enabled: dialog.onDevice
                font.family: OvTheme.fontFamily
                placeholderText: qsTrId("cpuAddress") + dialog.tr
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                onTextEdited: notFound.visible = false
                onAccepted: dialog.apply()
            }
            TextField {
                id: loopField
                objectName: "searchLoop"
                visible: dialog.onDevice
                enabled: dialog.onDevice
                font.family: OvTheme.fontFamily
                placeholderText: qsTrId("lineIndex") + dialog.tr
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                onTextEdited: notFound.visible = false
                onAccepted: dialog.apply()
            }
            TextField {
                id: addressField
                objectName: "searchAddress"
                visible: dialog.target >= 0
                font.family: OvTheme.fontFamily
                placeholderText: (dialog.target === 0 ? qsTrId("areaIndex") : dialog.target === 1
                                  ? qsTrId("groupAddress") : qsTrId("address")) + dialog.tr
                validator: RegularExpressionValidator {
                    regularExpression: dialog.target <= 1 ? /[0-9]{0,4}/ : /[0-9]{0,3}/
                }
                onTextEdited: notFound.visible = false
                onAccepted: dialog.apply()
            }
        }
        OvLabel {
            id: notFound
            objectName: "itemNotFound"
            visible: false
            text: qsTrId("itemNotFound") + dialog.tr
            color: "red"
            font.bold: true
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            OvButton {
                objectName: "searchApply"
                text: "\u2714"
                onClicked: dialog.apply()
            }
            OvButton {
                objectName: "searchCancel"
                text: "\u2716"
                onClicked: dialog.close()
            }
        }
    }
}
