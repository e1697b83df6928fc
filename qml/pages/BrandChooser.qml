import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The detector brands the panel offers, the plant's own checked. A click is a request: the
// application may ask to save first, and announces a new plant whatever the answer, when every
// button shows the brand in force again.
GroupBox {
    id: box

    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""

    objectName: "brandChooser"
    title: qsTrId("Device Brand Chooser") + tr
    font.family: OvTheme.fontFamily

    label: OvLabel {
        x: box.leftPadding
        width: box.availableWidth
        text: box.title
        font.bold: true
        elide: Text.ElideRight
    }
    background: Rectangle {
        y: box.topPadding - box.bottomPadding
        width: parent.width
        height: parent.height - box.topPadding + box.bottomPadding
        color: "transparent"
        border.color: OvTheme.boxBorderColor()
        radius: 4
    }

    FontMetrics {
        id: metrics
        font: box.font
    }
    ColumnLayout {
        anchors.fill: parent
        Repeater {
            model: config ? config.brandChoices.slice(0, 4) : []
            RadioButton {
                id: button

                readonly property int brand: modelData

                function showCurrent() {
                    checked = config !== null && brand === config.current_brand
                }

                objectName: "brandChoice"
                Layout.fillWidth: true
                font.family: OvTheme.fontFamily
                text: (config ? config.getBrandString(brand) : "") + box.tr
                Component.onCompleted: showCurrent()
                onClicked: if (typeof mainWindow !== "undefined") mainWindow.changedBrandType(brand)

                Connections {
                    target: typeof theApp !== "undefined" ? theApp : null
                    function onNewPlant() { button.showCurrent() }
                }
                // A ring in the theme's border colour, filled in its text colour when checked.
                indicator: Rectangle {
                    implicitWidth: metrics.height
                    implicitHeight: metrics.height
                    x: button.mirrored ? button.width - width - button.rightPadding : button.leftPadding
                    y: button.topPadding + (button.availableHeight - height) / 2
                    radius: width / 2
                    color: "transparent"
                    border.color: OvTheme.boxBorderColor()
                    border.width: 2
                    Rectangle {
                        anchors.centerIn: parent
                        width: parent.width / 2
                        height: width
                        radius: width / 2
                        color: OvTheme.editTextColor(false)
                        visible: button.checked
                    }
                }
                // The label in the theme's text colour, on the side away from the indicator.
                contentItem: OvLabel {
                    leftPadding: !button.mirrored ? button.indicator.width + button.spacing : 0
                    rightPadding: button.mirrored ? button.indicator.width + button.spacing : 0
                    // Set, so that it mirrors: a brand name alone would align by its own script.
                    horizontalAlignment: Text.AlignLeft
                    verticalAlignment: Text.AlignVCenter
                    text: button.text
                    opacity: button.enabled ? 1.0 : 0.5
                }
            }
        }
    }
}
