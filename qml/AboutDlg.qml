import QtQuick 2.15
import QtQuick.Window 2.15
import "controls"

// The About box: brand picture, program name, versions and copyright.
OvPopup {
    id: aboutDlg

    readonly property string _appName: config ? config.appName : ""

    function _fillLabels() {
        if (!theApp)
            return
        versionLabel.text = theApp.getApplicationVersionLabel()
        dataVersionLabel.text = theApp.getPanelDataVersionLabel()
        copyRightLabel.text = theApp.getCopyRightInfo()
    }

    padding: 0
    onAboutToShow: _fillLabels()

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

    contentItem: Column {
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
                toolTipId: "closeInfoBtn"
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
            sourceSize.width: width
            sourceSize.height: height
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
            id: versionLabel
            anchors.horizontalCenter: parent.horizontalCenter
        }
        OvLabel {
            id: dataVersionLabel
            anchors.horizontalCenter: parent.horizontalCenter
        }
        OvLabel {
            id: copyRightLabel
            width: banner.width - fontMetrics.height * 2
            anchors.horizontalCenter: parent.horizontalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
    }
}
