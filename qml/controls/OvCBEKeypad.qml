import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15
import QtQuick.Layouts 1.15

// The CBE keypad over "cbeEditor": the text with its caret and first error, 48 buttons and
// the keyboard. A page opens it with open(owner, direct, text) and stores what `accepted` hands
// it; the owner is the group's number, or the owners a point table gives for its rows.
Item {
    id: keypad

    property var editor: typeof cbeEditor !== "undefined" ? cbeEditor : null
    // Bumped on enableControls: every binding that asks the editor reads it again.
    property int revision: 0
    signal accepted(string text)
    // A key was pressed since the keypad opened.
    property bool _typed: false

    implicitWidth: 8 * 64 + 7 * 4
    // A program reads left to right in every language: the text, its caret and the keys that
    // move the caret are not mirrored.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    implicitHeight: column.implicitHeight

    function open(owner, direct, text) {
        if (!editor)
            return
        editor.init(owner, direct, text)
        _typed = false
        revision++
        forceActiveFocus()
    }
    // Ends the edit in progress as the Enter button does. False when the text cannot be stored
    // yet: the keypad stays open with it.
    function endEdit() {
        if (!editor || !_typed)
            return true
        if (!editor.isEnabled(46))
            return false
        press(46)
        return true
    }
    function press(btnIndex) {
        if (!editor)
            return
        _typed = true
        if (btnIndex === 46) {
            editor.add(46)
            accepted(editor.getString())
        } else {
            editor.add(btnIndex)
        }
        revision++
    }

    Connections {
        target: keypad.editor
        function onEnableControls() { keypad.revision++ }
    }

    // Only the keys the editor takes: the window's shortcuts still reach it.
    Keys.onPressed: {
        event.accepted = false
        if (!editor || (event.modifiers & (Qt.ControlModifier | Qt.AltModifier)))
            return
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            // As the Enter button: an incomplete text is not stored.
            if (editor.isEnabled(46))
                press(46)
            event.accepted = true
        } else if (editor.handleKey(event.key)) {
            _typed = true
            revision++
            event.accepted = true
        }
    }

    FontMetrics {
        id: metrics
        font: viewer.font
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: 4

        Rectangle {
            objectName: "cbeViewer"
            Layout.fillWidth: true
            implicitHeight: metrics.height * 2
            border.color: errorCount > 0 ? "#d64541" : "#808080"
            color: "white"
            property int errorCount: keypad.revision, keypad.editor ? keypad.editor.getErrorCount() : 0
            Text {
                id: viewer
                objectName: "cbeText"
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                font.family: "monospace"
                font.pixelSize: 16
                color: parent.errorCount > 0 ? "#d64541" : "black"
                text: keypad.revision, keypad.editor ? keypad.editor.getString() : ""
            }
            Rectangle {
                objectName: "cbeCaret"
                width: 2
                height: metrics.height
                anchors.verticalCenter: parent.verticalCenter
                color: viewer.color
                readonly property string ghost: keypad.revision, keypad.editor ? keypad.editor.getGhostString() : ""
                x: parent.width - 6 - metrics.advanceWidth(ghost) - width
            }
        }
        Label {
            objectName: "cbeInfo"
            Layout.fillWidth: true
            color: "#d64541"
            elide: Text.ElideRight
            text: keypad.revision, keypad.editor && keypad.editor.getErrorCount() > 0 ? keypad.editor.getFirstErrorMsg() : ""
        }
        GridLayout {
            columns: 8
            rowSpacing: 4
            columnSpacing: 4
            Repeater {
                model: 48
                OvButton {
                    id: key
                    objectName: "cbeButton" + index
                    Layout.preferredWidth: 64
                    Layout.preferredHeight: 36
                    focusPolicy: Qt.NoFocus
                    enabled: keypad.revision, keypad.editor ? keypad.editor.isEnabled(index) : false
                    text: index >= 43 && index <= 45 ? "" : (keypad.revision, keypad.editor ? keypad.editor.getBtnName(index) : "")
                    icon.source: index === 43 ? "../../Resources/cbeBackspace.png"
                                 : index === 44 ? "../../Resources/cbeCaretLeft.png"
                                 : index === 45 ? "../../Resources/cbeCaretRight.png" : ""
                    onClicked: keypad.press(index)
                    // A long name takes a smaller face to fit its key; one too long even so is
                    // cut, whole in its tool tip.
                    contentItem: Item {
                        implicitHeight: name.implicitHeight
                        IconImage {
                            anchors.centerIn: parent
                            visible: key.icon.source.toString() !== ""
                            source: key.icon.source
                            sourceSize.width: key.icon.width
                            sourceSize.height: key.icon.height
                            color: key.icon.color
                        }
                        OvLabel {
                            id: name
                            anchors.fill: parent
                            text: key.text
                            font: key.font
                            color: key.palette.buttonText
                            opacity: key.enabled ? 1.0 : 0.3
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            fontSizeMode: Text.HorizontalFit
                            minimumPointSize: 6
                        }
                    }
                }
            }
        }
        CheckBox {
            objectName: "cbeLogicalCtrl"
            text: qsTrId("CBE_LOGICAL_CTRL")
            checked: keypad.editor ? keypad.editor.getLogicalCtrlStat() : false
            focusPolicy: Qt.NoFocus
            onToggled: { if (keypad.editor) { keypad.editor.enableLogicalCtrl(checked); keypad.revision++ } }
        }
    }
}
