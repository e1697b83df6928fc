import QtQuick 2.15

// The title of a column: on two lines at most, broken between words where each word fits the
// column; else on one line cut at the end, the whole title in the tool tip. A line never
// breaks inside a word.
OvLabel {
    id: title

    readonly property bool wordsFit: {
        var room = width - leftPadding - rightPadding
        var words = text.split(/\s+/)
        for (var i = 0; i < words.length; ++i) {
            if (metrics.advanceWidth(words[i]) > room)
                return false
        }
        return true
    }

    font.bold: true
    wrapMode: wordsFit ? Text.WordWrap : Text.NoWrap
    maximumLineCount: 2

    FontMetrics {
        id: metrics
        font: title.font
    }
}
