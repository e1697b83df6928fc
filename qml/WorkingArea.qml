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

    // The menu's shortcuts take New, and Save while its item is enabled, before these keys reach
    // the working area: answering them here as well would ask every question twice.
    Keys.onPressed: {
        if (event.matches(StandardKey.Save)) {
            if (activePlant && activePlant.isModified() && !activePlant.dataModified)
                workingArea.saveKeyPressed()
            event.accepted = true
        } else if (event.matches(StandardKey.New)) {
            event.accepted = true
        }
    }

    // A zone or group found by the search: the tree opens its page during the signal, the page
    // shows the row once it is there.
    function _showFound(kind, number) {
        if (kind === 0 && areasLoader.item)
            areasLoader.item.select(number - 1, 0)
        else if (kind === 1 && groupsLoader.item)
            groupsLoader.item.showGroup(number)
    }
    Connections {
        target: typeof theApp !== "undefined" ? theApp : null
        ignoreUnknownSignals: true
        function onSelectAreaIndex(index) { Qt.callLater(workingArea._showFound, 0, index) }
        function onSelectGroupIndex(index) { Qt.callLater(workingArea._showFound, 1, index) }
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

    OvSplitView {
        objectName: "plantSplitView"
        anchors.fill: parent
        visible: workingArea.state !== "JUST_OPEN"

        // The plant tree is built when the first plant shows and kept afterwards: the start
        // shows only the brand's picture.
        Loader {
            id: treeLoader
            objectName: "plantTreeLoader"
            SplitView.preferredWidth: 260
            SplitView.minimumWidth: 120
            SplitView.maximumWidth: 400
            active: _wanted
            source: "OvPlantElementsView.qml"

            property bool _wanted: false
            readonly property bool _shown: workingArea.state !== "JUST_OPEN"
            on_ShownChanged: {
                if (_shown)
                    _wanted = true
            }
            onLoaded: item.objectName = "plantElementsView"

            Connections {
                target: treeLoader.item
                function onPlantElementsClicked(idx) { workingArea.plantElementsClicked(idx) }
            }
        }
        Item {
            SplitView.fillWidth: true

            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_ACTIVE_GEN_INFO"
                page: "PlantGeneralInfoPage"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_GEN_PARAMETER"
                page: "PlantGeneralParameters"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_PWD_MNG"
                page: "PlantPasswordMng"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_ACTIVE_CPU_GEN_PAGE"
                page: "CPUGenInfo"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_ACTIVE_CPU_DATA_PAGE"
                page: "CPUDataPage"
            }
            OvPageLoader {
                id: groupsLoader
                workingAreaState: workingArea.state
                pageState: "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED"
                page: "OvGroupsDataPage"
            }
            OvPageLoader {
                id: areasLoader
                workingAreaState: workingArea.state
                pageState: "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED"
                page: "OvAreasDataPage"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_REPEATERS_DATA_PAGE_SELECTED"
                page: "OvRepeaters"
            }
            OvPageLoader {
                workingAreaState: workingArea.state
                pageState: "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED"
                page: "AnnunciatorsInfoPage"
            }
        }
    }
}
