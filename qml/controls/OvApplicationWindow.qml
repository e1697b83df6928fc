import QtQuick.Controls 2.15

ApplicationWindow {
}
