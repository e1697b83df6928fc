pragma Singleton
import QtQuick 2.15

// One face of "theThemeModel" for the whole scene. The model's values are slot results, so
// every binding that reads them here also reads `revision`, which moves on themeChanged.
QtObject {
    id: root

    property int revision: 0
    readonly property var model: typeof theThemeModel !== "undefined" ? theThemeModel : null
    readonly property string fontFamily: model ? model.fontFamily : "DejaVu Sans"

    // The start registers only the face the first frame draws; bold and italic text beyond it
    // (the About box, the plant pages) asks for the others first.
    function registerAllFaces() {
        if (model)
            model.registerFonts()
    }
    // A bare image name of the theme model or the brand as a URL of the resources.
    function image(name) {
        return name ? Qt.resolvedUrl("../../Resources/" + name) : ""
    }
    function themeImage(slot) {
        return revision, model ? image(model[slot]()) : ""
    }
    function toolBarImage() { return themeImage("getToolBarName") }
    function menuBarImage() { return themeImage("menuBgImage") }
    function toolTipImage() { return themeImage("toolTipBgImage") }
    function infoBarImage() { return themeImage("infoBarBgImage") }
    function workingAreaImage() { return themeImage("waBgImage") }
    function tabImage() { return themeImage("tabBgImage") }
    function workingAreaFillMode() { return revision, model ? model.waBgFillMode() : Image.Tile }
    function menuTextColor(enabled) { return revision, model ? model.menuTextColor(enabled) : "white" }
    function toolTipTextColor() { return revision, model ? model.toolTipTextColor() : "white" }
    function editTextColor(selected) { return revision, model ? model.editTextColor(selected) : "white" }
    function boxBorderColor() { return revision, model ? model.boxBorderColor() : "white" }
    function boxFillColor() { return revision, model ? model.boxFillColor() : "#1a2129" }
    function rowBgColor(selected) { return revision, model ? model.rowBgColor(selected) : (selected ? "#35506e" : "transparent") }
    function placeholderTextColor() { return revision, model ? model.placeholderTextColor(false) : "#e8e7e7" }

    property Connections _themeWatch: Connections {
        target: root.model
        function onThemeChanged() { root.revision++ }
    }
}
