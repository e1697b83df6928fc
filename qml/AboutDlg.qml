import QtQuick 2.15
import QtQuick.Window 2.15
import "controls"

// The About box: brand picture, program name, versions and copyright.
OvPopup {
    id: aboutDlg

    readonly property string _appName: config ? config.appName : ""
    // The content is built at the first opening: the start does not show the box.
    property bool _shown: false
    property string _version
    property string _dataVersion
    property string _copyright

    function _fillLabels() {
        if (!theApp)
            return
        _version = theApp.getApplicationVersionLabel()
        _dataVersion = theApp.getPanelDataVersionLabel()
        _copyright = theApp.getCopyRightInfo()
    }

    padding: 0
    onAboutToShow: {
        OvTheme.registerAllFaces()
        _shown = true
        _fillLabels()
    }

    Connections {
        target: theApp
        enabled: aboutDlg.visible
        function onApplicationLanguageChanged() { aboutDlg._fillLabels() }
    }
    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }

    background: Rectangle {
        color: OvTheme.boxFillColor()
        border.color: OvTheme.boxBorderColor()
        radius: 3
    }

    contentItem: Loader {
        active: aboutDlg._shown
        sourceComponent: content
    }

    Component {
        id: content

        Column {
            width: banner.width
            spacing: fontMetrics.height * 0.4
            bottomPadding: fontMetrics.height

            Item {
                width: banner.width
                height: fontMetrics.height * 2.2

                OvLabel {
                    objectName: "aboutTitle"
                    anchors.left: parent.left
                    anchors.leftMargin: fontMetrics.height * 0.6
                    anchors.verticalCenter: parent.verticalCenter
                    text: config ? config.appName + " " + config.orgName : ""
                    font.bold: true
                }
                OvToolButton {
                    objectName: "closeInfoBtn"
                    anchors.right: parent.right
                    anchors.rightMargin: fontMetrics.height * 0.3
                    anchors.verticalCenter: parent.verticalCenter
                    implicitWidth: fontMetrics.height * 1.8
                    imageSource: "../Resources/closeBtn.png"
                    toolTipId: QT_TRID_NOOP("closeInfoBtn")
                    // The box's items live in the window's overlay, which knows the window.
                    onToolTipRequested: {
                        var shell = Window.window
                        if (shell)
                            shell.showToolTip(qsTrId(message) + shell.emptyString(), show, false)
                    }
                    onClicked: aboutDlg.close()
                }
            }
            Image {
                id: banner
                width: fontMetrics.averageCharacterWidth * 64
                height: width * 200 / 520
                smooth: true
                fillMode: Image.PreserveAspectFit
                source: config ? "../Resources/" + config.getBrandedIcon("infoBGImage%1.png") + config.notify : ""
            }
            OvLabel {
                anchors.horizontalCenter: parent.horizontalCenter
                text: aboutDlg._appName
                font.pixelSize: fontMetrics.height * 1.6
                font.bold: true
            }
            OvLabel {
                anchors.horizontalCenter: parent.horizontalCenter
                text: aboutDlg._version
            }
            OvLabel {
                anchors.horizontalCenter: parent.horizontalCenter
                text: aboutDlg._dataVersion
            }
            OvLabel {
                text: aboutDlg._copyright
                width: banner.width - fontMetrics.height * 2
                anchors.horizontalCenter: parent.horizontalCenter
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
        }
    }
}
