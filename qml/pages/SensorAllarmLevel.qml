import QtQuick 2.15
import QtQuick.Controls 2.15 as C2
import "../controls"

// The alarm-level cell of a detector row: the stored level named for the detector's kind, and
// while the row is selected a list of the five levels.
Item {
    id: cell

    // The row's stored level less one, as the point table gives it.
    property int value: 0
    // The detector kind of this row.
    property int modelType: 0
    property bool selected: false
    property bool shown: true
    property color textColor: OvTheme.editTextColor(false)
    // The detector kind of the rows a choice acts on.
    property var selectionModelType: function() { return cell.modelType }
    property var levels: typeof sensorAllarmLevelModel !== "undefined" ? sensorAllarmLevelModel : null
    // level is 1-based.
    signal levelChosen(int level)

    Text {
        objectName: "pointAlarmLevelName"
        anchors.fill: parent
        // Set, so that mirrored a Latin name starts on the right too.
        horizontalAlignment: Text.AlignLeft
        visible: cell.shown && !combo.visible
        text: visible && cell.levels ? cell.levels.getLevelName(cell.value, cell.modelType) : ""
        color: cell.textColor
        font.family: OvTheme.fontFamily
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
    C2.ComboBox {
        id: combo
        objectName: "pointAlarmLevel"
        anchors.fill: parent
        visible: cell.shown && cell.selected && cell.levels !== null
        model: visible ? cell.levels : null
        textRole: "levelName"
        // A new model puts the box on its first row: the stored level is taken again after it.
        currentIndex: model ? cell.value : -1
        font.family: OvTheme.fontFamily
        focusPolicy: Qt.NoFocus
        onVisibleChanged: {
            if (visible)
                cell.levels.setModelType(cell.modelType)
        }
        onPressedChanged: {
            if (pressed)
                cell.levels.setModelType(cell.selectionModelType())
        }
        onActivated: cell.levelChosen(index + 1)
    }
}
