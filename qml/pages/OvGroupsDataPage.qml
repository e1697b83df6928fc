import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The groups page: the general group parameters, then the direct and the reverse groups in two
// tabs, and the CBE keypad opened from a group's program.
PlaceholderPage {
    id: groupsPage
    titleId: QT_TRID_NOOP("PAGE_GROUPS")

    property var groupModel: typeof ovGroupModel !== "undefined" ? ovGroupModel : null
    property var cbeSelection: []

    // The application asks for group n (1-based).
    function showGroup(n) {
        if (!groupModel)
            return
        tabs.currentIndex = n <= groupModel.getDirectGrupsCount() ? 0 : 1
        groupModel.select(n - 1)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 48
        anchors.margins: 8

        OvGroupsGenParameters {
            Layout.fillWidth: true
        }
        TabBar {
            id: tabs
            objectName: "groupsTabs"
            Layout.fillWidth: true
            TabButton { text: qsTrId("GROUPS_TAB_DIRECT") }
            TabButton { text: qsTrId("GROUPS_TAB_REVERSE") }
            onCurrentIndexChanged: {
                if (groupsPage.groupModel)
                    groupsPage.groupModel.setDirectGroupsFilter(currentIndex === 0)
            }
        }
        OvGroupsListPage {
            id: list
            objectName: "groupsList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            directTab: tabs.currentIndex === 0
            onCbeRequested: {
                groupsPage.cbeSelection = selection
                cbeTitle.text = title
                var position = groupsPage.groupModel.getDirectGroupsFilter()
                               ? selection[0] : selection[0] + groupsPage.groupModel.getDirectGrupsCount()
                cbePopup.open()
                keypad.open(position + 1, groupsPage.groupModel.getDirectGroupsFilter(), text)
            }
        }
        OvLabel {
            objectName: "groupDescriptionNote"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTrId("NOTE_GROUP_DESCRIPTION_NOT_KEPT") + (theLanguageModel ? theLanguageModel.emptyString : "")
        }
    }

    OvPopup {
        id: cbePopup
        objectName: "cbePopup"
        modal: true
        contentItem: ColumnLayout {
            Label {
                id: cbeTitle
                objectName: "cbeTitle"
                font.bold: true
            }
            OvCBEKeypad {
                id: keypad
                objectName: "cbeKeypad"
                onAccepted: {
                    groupsPage.groupModel.setCBE(groupsPage.cbeSelection, text)
                    cbePopup.close()
                }
            }
        }
    }
}
