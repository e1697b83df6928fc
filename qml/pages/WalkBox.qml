import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The walk-test mode and, in mode 2, the output it drives; a stored output that no longer
// names a valid output module is reported.
ColumnLayout {
    id: box

    readonly property var model: typeof wtModel !== "undefined" ? wtModel : null
    readonly property string tr: theLanguageModel ? theLanguageModel.emptyString : ""
    readonly property int mode: activePlant ? activePlant.walkTest : 0
    property string problem: ""
    // Its labels in the page's one column of labels.
    readonly property real labelNeed: Math.max(modeLabel.implicitWidth, outputLabel.implicitWidth)
    property real labelWidth: parent && parent.labelWidth !== undefined ? parent.labelWidth
                                                                        : metrics.averageCharacterWidth * 36

    function check() {
        if (!box.model || box.mode !== 2) {
            problem = ""
        } else if (activePlant && activePlant.getActiveOutputModuleCount() === 0) {
            problem = qsTrId("WALK_TEST_NO_OUTPUT")
        } else {
            problem = box.model.checkSelectedPoint() ? "" : qsTrId("WALK_TEST_OUTPUT_INVALID")
        }
        // A failed check drops the choice: the chooser shows that.
        chooser.revision++
    }

    onModeChanged: check()
    onVisibleChanged: if (visible) check()
    Component.onCompleted: check()

    RowLayout {
        OvLabel {
            id: modeLabel
            text: qsTrId("WalkTest") + box.tr
            Layout.preferredWidth: box.labelWidth
        }
        ComboBox {
            objectName: "walkTestMode"
            font.family: OvTheme.fontFamily
            Layout.preferredWidth: metrics.averageCharacterWidth * 30
            textRole: "text"
            // A stored mode 3 is shown as its number and kept until another is chosen.
            model: {
                var modes = [{ text: qsTrId("Nessuna") + box.tr, value: 0 },
                             { text: qsTrId("Sirena") + box.tr, value: 1 },
                             { text: qsTrId("Modulo") + box.tr, value: 2 }]
                if (box.mode === 3)
                    modes.push({ text: "3", value: 3 })
                return modes
            }
            // Read again after a new model (the language's texts), which puts the box on its first entry.
            currentIndex: (model, box.mode)
            onActivated: if (activePlant && index !== box.mode) activePlant.setWalkTest(index)
        }
    }
    RowLayout {
        OvLabel {
            id: outputLabel
            text: qsTrId("CSV_WALKTESTMODULEID") + box.tr
            Layout.preferredWidth: box.labelWidth
        }
        OvWalkTestTreeView {
            id: chooser
            objectName: "walkTestOutput"
            enabled: box.mode === 2
            // Its text whole where the page has room beside the labels.
            Layout.preferredWidth: Math.max(metrics.averageCharacterWidth * 40,
                                            Math.min(implicitWidth, (box.parent ? box.parent.width : 0)
                                                                    - box.labelWidth - parent.spacing))
            onChosen: {
                if (activePlant && box.model)
                    activePlant.setWalkTestPoint(box.model.getCPUIndex(), box.model.getLoopIndex(),
                                                 box.model.getModuleIndex(), box.model.getSubIndex())
                box.check()
            }
        }
    }
    OvLabel {
        objectName: "walkTestProblem"
        text: box.problem
        color: "#ff6060"
        visible: text !== ""
    }
    FontMetrics {
        id: metrics
        font.family: OvTheme.fontFamily
    }
}
