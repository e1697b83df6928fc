import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The access codes of user levels 2 to 4: digits up to 99999; an emptied field takes the panel's
// own code of the level. Whatever is typed reaches the check, which says why it is refused.
PlaceholderPage {
    id: page
    titleId: QT_TRID_NOOP("PAGE_PLANT_PASSWORDS")

    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    readonly property var info: typeof thePlantInfo !== "undefined" ? thePlantInfo : null
    // setPassword signals nothing: each field reads its code back after a store.
    property int revision: 0

    Connections {
        target: typeof theApp !== "undefined" ? theApp : null
        ignoreUnknownSignals: true
        function onNewPlant() { page.revision++ }
    }
    // Back on the page each field holds its stored code, which nothing refuses.
    onVisibleChanged: if (visible) revision++
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    ColumnLayout {
        anchors.left: parent.left
        anchors.leftMargin: metrics.height
        y: metrics.height * 3
        spacing: metrics.height * 0.5

        Repeater {
            model: 3
            delegate: ColumnLayout {
                readonly property int level: index
                spacing: 0
                RowLayout {
                    OvLabel {
                        text: qsTrId("PASSWORD_LEVEL").arg(level + 2) + page.tr
                        // As wide as the widest of the three, so that the fields line up and no
                        // label loses its level.
                        Layout.preferredWidth: Math.max(metrics.averageCharacterWidth * 24,
                                                        metrics.advanceWidth(qsTrId("PASSWORD_LEVEL").arg(8) + page.tr) + 2)
                    }
                    OvStoredField {
                        id: code
                        objectName: "password" + (level + 2)
                        Layout.preferredWidth: metrics.averageCharacterWidth * 10
                        stored: (page.revision, page.info ? page.info.passwordText(level) : "")
                        onTextEdited: refusal = page.info ? page.info.checkPassword(text) : ""
                        onSubmitted: {
                            refusal = page.info ? page.info.setPassword(level, text) : ""
                            page.revision++
                        }
                        Connections {
                            target: page
                            function onVisibleChanged() { if (page.visible) code.refusal = "" }
                        }
                    }
                }
                OvLabel {
                    objectName: "passwordRefusal" + (level + 2)
                    text: code.refusal
                    color: "#ff6060"
                    visible: text !== ""
                }
            }
        }
    }
}
