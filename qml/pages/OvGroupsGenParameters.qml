import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The direct-group count and the two sensitivity groups. A sensitivity spin box steps over the
// other sensitivity group's number.
Item {
    id: params

    property var groupModel: typeof ovGroupModel !== "undefined" ? ovGroupModel : null
    property int _revision: 0

    implicitHeight: grid.implicitHeight

    Connections {
        target: params.groupModel
        function onDataUpdated() { params._revision++ }
    }

    // The value a spin box moved to from old, stepped over other (or back at the range ends).
    function stepOver(box, value, old, other) {
        if (value !== other)
            return value
        var next = value + (value > old ? 1 : -1)
        return next < box.from || next > box.to ? old : next
    }

    FontMetrics {
        id: fontMetrics
        font.family: OvTheme.fontFamily
    }

    GridLayout {
        id: grid
        // On the starting edge, the right one when mirrored.
        anchors.left: parent.left
        columns: 3
        OvLabel { text: qsTrId("GROUPS_DIRECT_COUNT"); Layout.columnSpan: 2 }
        // A count outside the range is refused with the range, not bent into it: a count the
        // user did not mean would clear the programs of the groups that change kind.
        RowLayout {
            OvStoredField {
                id: directCount
                objectName: "directCount"
                stored: params._revision, params.groupModel ? Math.max(0, params.groupModel.getDirectGrupsCount()) : 0
                Layout.preferredWidth: fontMetrics.averageCharacterWidth * 8
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
                onSubmitted: {
                    if (!params.groupModel)
                        return
                    var value = text === "" ? -1 : parseInt(text, 10)
                    refusal = params.groupModel.checkDirectGroupsCount(value)
                    if (refusal === "")
                        params.groupModel.setDirectGrupsCount(value)
                }
            }
            OvLabel {
                objectName: "directCountRange"
                text: params._revision, params.groupModel
                      ? params.groupModel.getDirectGroupsCountMinimum() + " \u2013 " + params.groupModel.getGroupsCount() : ""
            }
        }
        OvLabel {
            id: directRefusal
            objectName: "directCountRefusal"
            text: directCount.refusal
            Layout.columnSpan: 3
            color: "#ff6060"
            visible: text !== ""
        }

        Repeater {
            model: [true, false]
            delegate: RowLayout {
                Layout.columnSpan: 3
                readonly property bool high: modelData
                readonly property int number: params._revision, !params.groupModel ? -1
                    : high ? params.groupModel.getHighSensibilityGroupIndex()
                           : params.groupModel.getLowSensibilityGroupIndex()
                readonly property int other: params._revision, !params.groupModel ? -1
                    : high ? params.groupModel.getLowSensibilityGroupIndex()
                           : params.groupModel.getHighSensibilityGroupIndex()
                CheckBox {
                    objectName: high ? "highEnabled" : "lowEnabled"
                    checked: number >= 0
                    onToggled: {
                        if (high)
                            params.groupModel.enableHighSensibilityGroup(checked)
                        else
                            params.groupModel.enableLowSensibilityGroup(checked)
                        params._revision++
                    }
                }
                OvLabel {
                    text: qsTrId(high ? "CSV_HIGHTSENSIBILITYGROUPINDEX" : "CSV_LOWSENSIBILITYGROUPINDEX")
                }
                SpinBox {
                    id: box
                    objectName: high ? "highGroup" : "lowGroup"
                    enabled: number >= 0
                    from: params._revision, params.groupModel ? params.groupModel.getDirectGrupsCount() + 1 : 0
                    to: params._revision, params.groupModel ? params.groupModel.getGroupsCount() : 0
                    value: Math.max(from, number)
                    editable: true
                    onValueModified: {
                        var stepped = params.stepOver(box, value, number, other)
                        if (stepped === number) {
                            value = number
                            return
                        }
                        value = stepped
                        if (high)
                            params.groupModel.setHighSensibilityGroupIndex(stepped)
                        else
                            params.groupModel.setLowSensibilityGroupIndex(stepped)
                        params._revision++
                    }
                }
            }
        }
    }
}
