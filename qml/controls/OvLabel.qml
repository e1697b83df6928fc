import QtQuick 2.15
import QtQuick.Controls 2.15

Label {
    font.family: OvTheme.fontFamily
    color: OvTheme.editTextColor(false)
}
