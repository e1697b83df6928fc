import QtQuick 2.15

// The widths of a table's columns. Each column is as wide as its cells would have it and its
// title on one line; where the room is short the cells shrink to what they need, then the
// titles to two lines broken between words, then everything in proportion, unless the table
// scrolls: then no column is narrower than its cells and its title on two lines, and the table
// is wider than its room. An item that shows nothing, so that its sample title takes the font
// of the titles around it.
Item {
    id: columns

    visible: false
    width: 0
    height: 0

    // The titles, translated; an empty one asks for its cells' width only.
    property var titles: []
    // What each column's cells need, in pixels, and what they would have where there is room.
    property var cells: []
    property var preferred: cells
    // Room a title keeps on either side.
    property real padding: 0
    property real room: 0
    // The column that takes the room the others leave, if any.
    property int stretch: -1
    // Whether the table scrolls sideways where its room is short.
    property bool scrolls: false
    // Whether the stretching column has what it would have where there is room before the
    // titles go on one line: its cells' text matters more than theirs.
    property bool stretchFirst: false
    // The column that has so, stretching or not; -1 for none.
    property int first: stretchFirst ? stretch : -1

    readonly property var widths: _filled(_fit(titles, cells, preferred, padding, room, _metrics.font, scrolls, first),
                                          stretch, room)

    OvLabel {
        id: sample
        font.bold: true
    }
    FontMetrics {
        id: _metrics
        font: sample.font
    }

    function _advance(text) {
        // Over the measure: a text laid out rounds its glyphs' advances apart from it, and a
        // view may keep its columns in whole pixels.
        return Math.ceil(_metrics.advanceWidth(text)) + 2
    }
    // The narrowest width that holds the title on two lines broken between words.
    function _twoLines(title) {
        var parts = title.split(/\s+/)
        var narrowest = _advance(title)
        for (var k = 1; k < parts.length; ++k) {
            narrowest = Math.min(narrowest, Math.max(_advance(parts.slice(0, k).join(" ")),
                                                     _advance(parts.slice(k).join(" "))))
        }
        return narrowest
    }
    function _sum(list) {
        var total = 0
        for (var i = 0; i < list.length; ++i)
            total += list[i]
        return total
    }
    // Filled, in whole pixels, as a view that keeps them so may have them.
    function _filled(fitted, stretch, room) {
        if (stretch < 0 || stretch >= fitted.length)
            return fitted
        var widths = fitted.map(Math.floor)
        widths[stretch] += Math.max(0, Math.floor(room) - _sum(widths))
        return widths
    }
    function _fit(titles, cells, preferred, padding, room, font, scrolls, first) {
        var lowest = []
        var words = []
        var whole = []
        var roomy = []
        for (var i = 0; i < cells.length; ++i) {
            var title = titles[i] || ""
            lowest.push(cells[i])
            words.push(Math.max(cells[i], title === "" ? 0 : _twoLines(title) + 2 * padding))
            whole.push(Math.max(words[i], title === "" ? 0 : _advance(title) + 2 * padding))
            roomy.push(Math.max(whole[i], preferred[i] || 0))
        }
        var tiers = [lowest, words, whole, roomy]
        if (first >= 0 && first < cells.length) {
            var wider = words.slice()
            wider[first] = Math.max(words[first], preferred[first] || 0)
            whole[first] = Math.max(whole[first], wider[first])
            tiers = [lowest, words, wider, whole, roomy]
        }
        if (_sum(roomy) <= room)
            return roomy
        if (scrolls && _sum(words) > room)
            return words
        for (var t = tiers.length - 2; t >= 0; --t) {
            var below = _sum(tiers[t])
            if (below > room)
                continue
            var share = (room - below) / (_sum(tiers[t + 1]) - below)
            var fitted = []
            for (var c = 0; c < cells.length; ++c)
                fitted.push(tiers[t][c] + (tiers[t + 1][c] - tiers[t][c]) * share)
            return fitted
        }
        var scale = room > 0 ? room / _sum(lowest) : 0
        return lowest.map(function(w) { return w * scale })
    }
}
