import QtQuick 2.15
import QtQuick.Controls 2.15

// A text field over a stored value. While an edit runs it holds what is typed; once the edit
// ends (Enter, Tab, the focus leaving) it shows what is stored, whether the value typed was taken
// or refused, so that what the page shows is what a save writes. Why a value was refused stays
// in refusal, for the page to show, until the handler of the next edit says otherwise, the
// stored value is typed again, or the window shows another page.
TextField {
    id: field

    // The stored value, as text.
    property string stored
    // Why the value typed last is refused; empty when it is not. Set by the page's handlers.
    property string refusal
    // Where a value is stored only together with others (an address with its netmask and
    // gateway), one that is not refused stays in the field until the others agree with it.
    property bool holdsAccepted: false

    // The edit ended with text other than the stored one: the page stores it or sets refusal.
    signal submitted(string text)

    property bool _typed: false

    function showStored() { text = Qt.binding(function () { return field.stored }) }
    // A name the panel cannot keep (32 Latin-1 characters) is refused, the reason in refusal and
    // on the information bar. Whether the name is kept.
    function nameKept(name) {
        refusal = typeof thePlantInfo !== "undefined" && thePlantInfo ? thePlantInfo.checkDescription(name) : ""
        if (typeof mainWindow !== "undefined")
            mainWindow.showInfoMsg(refusal)
        return refusal === ""
    }

    font.family: OvTheme.fontFamily
    text: stored
    onTextEdited: _typed = true
    // Copy, Cut and Paste typed here are the text's, whether or not text is selected, and Return
    // ends the edit: the field acts on them first, and what it leaves (a Cut with nothing
    // selected, the Return a text input always passes on) goes no further, so that no table or
    // page around it copies, replaces or enables rows while a name is typed.
    Keys.priority: Keys.AfterItem
    Keys.onPressed: {
        if (event.matches(StandardKey.Copy) || event.matches(StandardKey.Cut) || event.matches(StandardKey.Paste)
                || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            event.accepted = true
    }
    onEditingFinished: {
        if (text !== stored)
            submitted(text)
        else if (_typed)
            refusal = ""
        _typed = false
        if (!holdsAccepted || refusal !== "")
            showStored()
    }

    Connections {
        target: field.ApplicationWindow.window
        ignoreUnknownSignals: true
        function onWorkingAreaStatChanged() { field.refusal = "" }
    }
}
