import QtQuick 2.15
import QtQuick.Controls 2.15

// A hidden spin box that shows its `to`, for the width a column of such boxes needs to show its
// widest number whole between its buttons: `needed`, a pixel to spare each side. Given the
// padding of the boxes it stands for, it has theirs.
SpinBox {
    readonly property real needed: Math.ceil(contentItem.implicitWidth + leftPadding + rightPadding) + 2

    visible: false
    value: to
    font.family: OvTheme.fontFamily
}
