import QtQuick 2.15
import "controls"

// One working page, built when its state first comes and kept afterwards, so the start builds
// none of them.
Loader {

    property string pageState
    property string page

    property string workingAreaState
    property bool _wanted: false
    readonly property bool _current: workingAreaState === pageState

    anchors.fill: parent
    visible: _current
    active: _wanted
    source: "pages/" + page + ".qml"
    on_CurrentChanged: {
        if (!_current)
            return
        OvTheme.registerAllFaces()
        _wanted = true
    }
}
