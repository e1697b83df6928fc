import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// Everything under the bars. Before any plant only the brand's picture shows; afterwards the
// plant tree on the left and, on the right, the page of the current state.
FocusScope {
    id: workingArea

    signal saveKeyPressed()
    // A row of the plant tree clicked or made current by the user.
    signal plantElementsClicked(var idx)
    // Set once the window's first frame is out.
    property bool firstFrameShown: false

    states: [
        State { name: "JUST_OPEN" },
        State { name: "PLANT_ACTIVE" },
        State { name: "PLANT_ACTIVE_GEN_INFO" },
        State { name: "PLANT_GEN_PARAMETER" },
        State { name: "PLANT_PWD_MNG" },
        State { name: "PLANT_ACTIVE_CPU_GEN_PAGE" },
        State { name: "PLANT_ACTIVE_CPU_DATA_PAGE" },
        State { name: "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED" },
        State { name: "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED" },
        State { name: "PLANT_REPEATERS_DATA_PAGE_SELECTED" },
        State { name: "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED" }
    ]

    // Takes the focus off the page, ending the edit in progress; the keys still come here.
    function takeFocus() {
        focusRest.forceActiveFocus()
    }

    // The menu's shortcuts take New, and Save while its item is enabled, before these keys reach
    // the working area: answering them here as well would ask every question twice.
    Keys.onPressed: {
        if (event.matches(StandardKey.Save)) {
            if (activePlant)
                workingArea.saveKeyPressed()
            event.accepted = true
        } else if (event.matches(StandardKey.New)) {
            event.accepted = true
        }
    }

    // A zone or group found by the search: the tree opens its page during the signal, the page
    // shows the row once it is there.
    function _showFound(kind, number) {
        var pages = plantArea.item
        if (!pages)
            return
        if (kind === 0 && pages.areasLoader.item)
            pages.areasLoader.item.select(number - 1, 0)
        else if (kind === 1 && pages.groupsLoader.item)
            pages.groupsLoader.item.showGroup(number)
    }
    Connections {
        target: typeof theApp !== "undefined" ? theApp : null
        ignoreUnknownSignals: true
        function onSelectAreaIndex(index) { Qt.callLater(workingArea._showFound, 0, index) }
        function onSelectGroupIndex(index) { Qt.callLater(workingArea._showFound, 1, index) }
    }

    Item {
        id: focusRest
    }

    Image {
        objectName: "workingAreaBackground"
        anchors.fill: parent
        source: OvTheme.workingAreaImage()
        fillMode: OvTheme.workingAreaFillMode()
    }

    Item {
        id: brandPicture
        objectName: "brandPicture"
        anchors.fill: parent
        visible: workingArea.state === "JUST_OPEN"

        // Both pictures are decoded once at the size they were drawn at and scaled when
        // drawn: a decoding size bound to the window's would decode them again on every
        // layout pass while the window settles. They are decoded beside the first frame,
        // which shows the empty working area, and follow it a few frames later.
        Image {
            id: ring
            anchors.centerIn: parent
            width: Math.min(parent.width, parent.height) * 0.8
            height: width
            smooth: true
            fillMode: Image.PreserveAspectFit
            asynchronous: true
            source: config ? "../Resources/" + config.getBrandedIcon("WorkigArea_Anello%1.png") + config.notify : ""
        }
        Image {
            anchors.centerIn: ring
            width: ring.width
            height: ring.height
            smooth: true
            fillMode: Image.PreserveAspectFit
            scale: 0.4
            opacity: 0.8
            asynchronous: true
            source: config ? "../Resources/" + config.getBrandedIcon("Blank%1.png") + config.notify : ""
        }
    }

    // The plant's tree and pages: the first frame shows none of them, they are made once it is
    // out, or at once when a plant comes first.
    Loader {
        id: plantArea
        anchors.fill: parent
        active: false
        source: "OvPlantArea.qml"

        readonly property bool _wanted: workingArea.firstFrameShown || workingArea.state !== "JUST_OPEN"
        on_WantedChanged: {
            if (_wanted)
                active = true
        }

        onLoaded: item.areaState = Qt.binding(function() { return workingArea.state })
        Connections {
            target: plantArea.item
            function onPlantElementsClicked(idx) { workingArea.plantElementsClicked(idx) }
        }
    }
}
