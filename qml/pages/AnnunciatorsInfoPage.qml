import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The viewers and the annunciators of the CPU chosen in the plant tree, one tab each. The
// second family of panels has no annunciators: their tab is not offered.
Item {
    id: page

    readonly property bool tavrel: config ? config.central_brand === 2 : false
    readonly property bool annunciatorsShown: config ? (config.configNumber, !config.isKV()) : true
    readonly property string _lang: theLanguageModel ? theLanguageModel.emptyString : ""

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    Image {
        id: tab
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: metrics.height * 2.4
        source: OvTheme.tabImage()
        fillMode: Image.Stretch
    }
    OvLabel {
        id: title
        objectName: "pageTitle"
        anchors.left: tab.left
        anchors.leftMargin: metrics.height
        anchors.verticalCenter: tab.verticalCenter
        text: qsTrId("PAGE_ANNUNCIATORS") + page._lang
        font.bold: true
    }
    TabBar {
        id: bar
        objectName: "annunciatorTabs"
        anchors.left: title.right
        anchors.leftMargin: metrics.height
        anchors.bottom: tab.bottom
        font.family: OvTheme.fontFamily
        background: Item {}
        TabButton {
            objectName: "viewerTab"
            width: implicitWidth
            text: qsTrId(page.tavrel ? QT_TRID_NOOP("LCD") : QT_TRID_NOOP("VIEWER")) + page._lang
        }
        TabButton {
            objectName: "annunciatorTab"
            width: page.annunciatorsShown ? implicitWidth : 0
            visible: page.annunciatorsShown
            enabled: page.annunciatorsShown
            text: qsTrId(page.tavrel ? QT_TRID_NOOP("ANNUNCIATORKV") : QT_TRID_NOOP("ANNUNCIATOR")) + page._lang
        }
    }
    // Switching to a family without annunciators leaves the viewers shown.
    onAnnunciatorsShownChanged: if (!annunciatorsShown) bar.currentIndex = 0

    StackLayout {
        anchors.top: tab.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: metrics.height * 0.5
        currentIndex: bar.currentIndex
        AnnunciatorsTreeView {
            objectName: "viewersView"
            model: typeof theViewersMdl !== "undefined" ? theViewersMdl : null
        }
        AnnunciatorsTreeView {
            objectName: "annunciatorsView"
            model: typeof theAnnunciatorsMdl !== "undefined" ? theAnnunciatorsMdl : null
        }
    }
}
