import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// Address, netmask and gateway of one network setting. Each refused value shows why under its
// field; stored only when the three agree.
Column {
    id: fields

    property string title
    property string address
    property string netmask
    property string gateway
    readonly property var checker: typeof thePlantInfo !== "undefined" ? thePlantInfo : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""

    // The three accepted values, as the panel stores them.
    signal accepted(var ip, var mask, var gw)

    function check() {
        if (!checker)
            return
        addressRefusal.text = checker.checkAddress(addressField.text)
        netmaskRefusal.text = checker.checkNetmask(netmaskField.text)
        gatewayRefusal.text = checker.checkGateway(addressField.text, netmaskField.text, gatewayField.text)
        if (addressRefusal.text === "" && netmaskRefusal.text === "" && gatewayRefusal.text === "")
            accepted(checker.addressValue(addressField.text), checker.addressValue(netmaskField.text),
                     checker.addressValue(gatewayField.text))
    }

    spacing: 2

    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
    OvLabel { text: fields.title; font.bold: true }
    Grid {
        columns: 3
        columnSpacing: metrics.height * 0.5
        Repeater {
            model: [QT_TRID_NOOP("LBL_NET_ADDRESS"), QT_TRID_NOOP("LBL_NET_NETMASK"), QT_TRID_NOOP("LBL_NET_GATEWAY")]
            OvLabel { text: qsTrId(modelData) + fields.tr }
        }
        TextField {
            id: addressField
            objectName: "addressField"
            width: metrics.averageCharacterWidth * 18
            font.family: OvTheme.fontFamily
            text: fields.address
            onEditingFinished: fields.check()
        }
        TextField {
            id: netmaskField
            objectName: "netmaskField"
            width: addressField.width
            font.family: OvTheme.fontFamily
            text: fields.netmask
            onEditingFinished: fields.check()
        }
        TextField {
            id: gatewayField
            objectName: "gatewayField"
            width: addressField.width
            font.family: OvTheme.fontFamily
            text: fields.gateway
            onEditingFinished: fields.check()
        }
        OvLabel { id: addressRefusal; objectName: "addressRefusal"; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
        OvLabel { id: netmaskRefusal; objectName: "netmaskRefusal"; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
        OvLabel { id: gatewayRefusal; objectName: "gatewayRefusal"; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
    }
}
