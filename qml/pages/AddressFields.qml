import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// Address, netmask and gateway of one network setting. Each refused value shows why under its
// field, which shows the stored value again; the three are stored together once they agree, and
// until then a value that is not refused waits in its field.
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
        addressField.refusal = checker.checkAddress(addressField.text)
        netmaskField.refusal = checker.checkNetmask(netmaskField.text)
        if (addressField.refusal !== "")
            addressField.showStored()
        if (netmaskField.refusal !== "")
            netmaskField.showStored()
        // The gateway against what the other two show now.
        gatewayField.refusal = checker.checkGateway(addressField.text, netmaskField.text, gatewayField.text)
        if (gatewayField.refusal !== "")
            gatewayField.showStored()
        if (addressField.refusal !== "" || netmaskField.refusal !== "" || gatewayField.refusal !== "")
            return
        accepted(checker.addressValue(addressField.text), checker.addressValue(netmaskField.text),
                 checker.addressValue(gatewayField.text))
        // As the panel keeps them: "010" stored as "10".
        addressField.showStored()
        netmaskField.showStored()
        gatewayField.showStored()
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
        OvStoredField {
            id: addressField
            objectName: "addressField"
            width: metrics.averageCharacterWidth * 18
            stored: fields.address
            holdsAccepted: true
            onSubmitted: fields.check()
        }
        OvStoredField {
            id: netmaskField
            objectName: "netmaskField"
            width: addressField.width
            stored: fields.netmask
            holdsAccepted: true
            onSubmitted: fields.check()
        }
        OvStoredField {
            id: gatewayField
            objectName: "gatewayField"
            width: addressField.width
            stored: fields.gateway
            holdsAccepted: true
            onSubmitted: fields.check()
        }
        OvLabel { objectName: "addressRefusal"; text: addressField.refusal; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
        OvLabel { objectName: "netmaskRefusal"; text: netmaskField.refusal; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
        OvLabel { objectName: "gatewayRefusal"; text: gatewayField.refusal; color: "#ff6060"; width: addressField.width; wrapMode: Text.Wrap }
    }
}
