import QtQuick 2.15
import QtQuick.Controls 2.15
import "controls"

// The plant tree on the left and, on the right, the page of the working area's state.
OvSplitView {
    id: plantArea
    objectName: "plantSplitView"
    visible: areaState !== "JUST_OPEN"

    // The working area's state: which page shows.
    property string areaState: "JUST_OPEN"
    // A row of the plant tree clicked or made current by the user.
    signal plantElementsClicked(var idx)
    property alias groupsLoader: groupsLoader
    property alias areasLoader: areasLoader

    // The plant tree is built when the first plant shows and kept afterwards: the start
    // shows only the brand's picture.
    Loader {
        id: treeLoader
        objectName: "plantTreeLoader"
        SplitView.preferredWidth: 210
        SplitView.minimumWidth: 120
        SplitView.maximumWidth: 400
        active: _wanted
        source: "OvPlantElementsView.qml"

        property bool _wanted: false
        readonly property bool _shown: plantArea.areaState !== "JUST_OPEN"
        on_ShownChanged: {
            if (_shown)
                _wanted = true
        }
        onLoaded: item.objectName = "plantElementsView"

        Connections {
            target: treeLoader.item
            function onPlantElementsClicked(idx) { plantArea.plantElementsClicked(idx) }
        }
    }
    Item {
        SplitView.fillWidth: true

        // A click on a page's background ends the edit in progress, as one on a form's does.
        MouseArea {
            anchors.fill: parent
            onPressed: {
                if (plantArea.ApplicationWindow.window)
                    plantArea.ApplicationWindow.window.endEdit()
            }
        }

        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ACTIVE_GEN_INFO"
            page: "PlantGeneralInfoPage"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_GEN_PARAMETER"
            page: "PlantGeneralParameters"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_PWD_MNG"
            page: "PlantPasswordMng"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ACTIVE_CPU_GEN_PAGE"
            page: "CPUGenInfo"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ACTIVE_CPU_DATA_PAGE"
            page: "CPUDataPage"
        }
        OvPageLoader {
            id: groupsLoader
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED"
            page: "OvGroupsDataPage"
        }
        OvPageLoader {
            id: areasLoader
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED"
            page: "OvAreasDataPage"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_REPEATERS_DATA_PAGE_SELECTED"
            page: "OvRepeaters"
        }
        OvPageLoader {
            workingAreaState: plantArea.areaState
            pageState: "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED"
            page: "AnnunciatorsInfoPage"
        }
    }
}
