import QtQuick 2.15
import "../controls"

// A working page whose content comes with its model: for now its title on the tab image.
Item {
    id: page

    property string titleId
    // What the title names; a page showing a part of its subject names that part.
    property string title: qsTrId(page.titleId) + (theLanguageModel ? theLanguageModel.emptyString : "")

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }
    Image {
        id: tab
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: fontMetrics.height * 2.4
        source: OvTheme.tabImage()
        fillMode: Image.Stretch
    }
    OvLabel {
        objectName: "pageTitle"
        anchors.left: tab.left
        anchors.leftMargin: fontMetrics.height
        anchors.verticalCenter: tab.verticalCenter
        text: page.title
        font.bold: true
    }
}
