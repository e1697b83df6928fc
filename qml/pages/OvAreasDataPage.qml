import QtQuick 2.15

PlaceholderPage {
    titleId: QT_TRID_NOOP("PAGE_AREAS")
}
