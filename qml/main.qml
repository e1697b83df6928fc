import QtQuick 2.15
import QtQuick.Window 2.15
import "controls"

OvApplicationWindow {
    id: mainWindow

    property int originalWidth: theApp ? theApp.getWndWidth() : 960
    property int originalHeight: theApp ? theApp.getWndHeight() : 720
    property real orizontalScaleFactor: 1.0
    property real verticalScaleFactor: 1.0
    property string workingAreaStat: "JUST_OPEN"

    property bool _aboutOpen: false
    // Set once the first frame is out: what no first frame shows is made then.
    property bool firstFrameShown: false

    signal onOpenFileMenu()
    signal onFileNewMenu()
    signal clickedOnFileSaveBtn()
    signal clickedOnFileSaveAs()
    signal qmlSignal(var anObject)
    signal onPlantElementsClicked(var idx)
    signal compileBtnClicked()
    signal xlsExportBtnClicked()
    signal importBtnClicked()
    signal plantChangeTypeRqst(int typeIndex)
    signal clearRecentFileListSizeRqst()
    signal pdfExportBtnClicked()
    signal changedBrandType(int chosenBrand)

    width: originalWidth
    height: originalHeight
    minimumWidth: 750
    minimumHeight: 650
    visible: true
    // Shown maximized from the first: a first show in a window would report the state cleared.
    visibility: theApp && theApp.isWndMaximized() ? Window.Maximized : Window.AutomaticVisibility
    title: config ? config.appName + config.orgName : ""
    font.family: OvTheme.fontFamily

    // Arabic and Hebrew ("iw") read right to left: the whole scene mirrors, following the
    // language in use, which the application sets as its layout direction.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true

    function showAboutDlg() {
        aboutLoader.active = true
        _aboutOpen = true
        aboutLoader.item.open()
    }
    function showInfoMsg(message) {
        infoBar.message = message
    }
    function clearInfoMsg() {
        infoBar.message = ""
    }
    function showToolTip(message, show, leftAlign) {
        toolTip.text = message
        toolTip.visible = show && message !== ""
        if (toolTip.visible) {
            updateToolTipXPos(leftAlign)
            updateToolTipYPos()
        }
    }
    function updateToolTipXPos(leftAlign) {
        var x = theApp ? theApp.getMouseXPosition() : 0
        toolTip.x = leftAlign ? x : x - toolTip.width
    }
    function updateToolTipYPos() {
        toolTip.y = theApp ? theApp.getMouseYPosition() : 0
    }
    function emptyString() {
        return theLanguageModel ? theLanguageModel.emptyString : ""
    }
    // Ends the edit in progress as leaving its field does, so that what was typed is stored, or
    // refused with the reason in sight and the stored value back in the field, before a command
    // reads, writes or leaves the plant. False when it was refused: the command does not go on.
    function endEdit() {
        var item = activeFocusItem
        for (var up = item; up; up = up.parent) {
            if (typeof up.endEdit === "function")
                return up.endEdit()
        }
        if (!item || typeof item.editingFinished !== "function")
            return true
        var typed = item.refusal !== undefined && item.text !== item.stored
        workingArea.takeFocus()
        return !typed || !item.refusal
    }

    // A message belongs to the page it was said on, also when leaving the page made it.
    onWorkingAreaStatChanged: Qt.callLater(clearInfoMsg)
    onWidthChanged: {
        orizontalScaleFactor = 1.0 + (width - originalWidth) / originalWidth
        if (theApp)
            theApp.setWndWidth(width)
    }
    onHeightChanged: {
        verticalScaleFactor = 1.0 + (height - originalHeight) / originalHeight
        if (theApp)
            theApp.setWndHeight(height)
    }
    onVisibilityChanged: {
        if (theApp)
            theApp.setWndVisibility(visibility)
    }
    onClosing: close.accepted = theApp ? theApp.onQuitRequest() : true

    menuBar: OvMenuBar {
        id: menuBar
        enabled: !mainWindow._aboutOpen
    }

    header: OvToolBar {
        id: toolBar
        enabled: !mainWindow._aboutOpen
    }

    footer: OvInfoBar {
        id: infoBar
    }

    WorkingArea {
        id: workingArea
        anchors.fill: parent
        state: mainWindow.workingAreaStat
        firstFrameShown: mainWindow.firstFrameShown
        focus: true
        // The Save item is off while the plant is unchanged: what the edit stores may change it.
        onSaveKeyPressed: {
            if (mainWindow.endEdit() && activePlant && (activePlant.dataModified || activePlant.isModified()))
                mainWindow.clickedOnFileSaveBtn()
        }
        onPlantElementsClicked: mainWindow.onPlantElementsClicked(idx)
    }

    DropArea {
        id: dropArea
        anchors.fill: parent
        enabled: !mainWindow._aboutOpen
        // Without the open command (and its vetting) every drop is refused.
        readonly property bool _canOpen: !!theApp && typeof theApp.isDragValid === "function"
                                         && typeof theApp.fileDrop === "function"
        onEntered: {
            drag.accepted = _canOpen && drag.urls.length === 1
                            && theApp.isDragValid(drag.urls[0].toString())
        }
        onDropped: {
            if (_canOpen)
                theApp.fileDrop(drop.text)
        }
    }

    // The About box: the first frame does not show it, it is made once that frame is out, or at
    // once when it is asked for first.
    Loader {
        id: aboutLoader
        active: mainWindow.firstFrameShown
        source: "AboutDlg.qml"
        onLoaded: item.objectName = "aboutDlg"
    }
    Connections {
        target: aboutLoader.item
        function onClosed() {
            mainWindow._aboutOpen = false
            // Its close button goes away under the pointer without ever being left.
            mainWindow.showToolTip("", false, false)
        }
    }

    OvToolTip {
        id: toolTip
        objectName: "toolTip"
        parent: mainWindow.overlay
        visible: false
        z: 1000
    }
}
