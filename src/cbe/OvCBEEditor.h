#pragma once
// The object behind the CBE keypad ("cbeEditor"): 48 buttons, the keyboard, the text with its
// caret and its first error.
#include "cbe/CBEExpression.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVector>

#include <memory>

namespace Ov4800 {

class OvCBEEditor : public QObject {
    Q_OBJECT

public:
    // Buttons that are commands, not keys.
    enum Button : int {
        BTN_SPACE = 42,
        BTN_BACKSPACE = 43,
        BTN_LEFT = 44,
        BTN_RIGHT = 45,
        BTN_ENTER = 46,
        BTN_EVAC = 47,
        BTN_COUNT = 48,
    };
    // The translated text of a user error code; the application installs the one of its error
    // table. Without one the code is shown as a number.
    using ErrorText = QString (*)(const int& code);

    OvCBEEditor();
    ~OvCBEEditor() override;

    static void setErrorText(ErrorText errorText);
    // The token code of a key button; TK_NONE for the commands and out of range.
    static uint buttonCode(int btnIndex);
    const CBEExpression* getExpression() const { return expression.get(); }

signals:
    void enableControls();
    void applicationLanguageChanged();

public slots:
    void onApplicationLanguageChanged();
    void init(bool cbeDirect, QString cbeText);
    void init(int gLimit, bool cbeDirect, QString cbeText);
    // A program stored in every point of a selection: owners holds each point's packed address
    // (OvGenericPoint::cbeOwner), and the plant checks hold for each of them.
    void init(const QVariantList& owners, bool cbeDirect, QString cbeText);
    int getErrorCount();
    bool isEnabled(int btnIndex);
    bool add(int btnIndex);
    // The text from the cursor on: the caret stands left of its width.
    QString getGhostString();
    QString getString();
    QString getFirstErrorMsg();
    void clear();
    void removeCurrent();
    QString getBtnName(int code);
    bool handleKey(int keyCode);
    bool getLogicalCtrlStat();
    void enableLogicalCtrl(bool enable);

private:
    void fillButtonNames();
    // A button on the tree, without a held text.
    bool treeButtonEnabled(int btnIndex);
    bool treeButton(int btnIndex);
    int buttonOfKey(int keyCode);
    // Whether the text may grow; its length is taken once per change, not once per button.
    bool hasRoom();
    // The points of the last init with owners, else the group gLimit.
    QVector<CBEOwner> owners() const;

    std::unique_ptr<CBEExpression> expression;
    // The text init was given when the tree could not take it whole: it is shown and confirmed
    // as given, never as the part the tree took; Backspace drops it. Empty otherwise.
    QString heldText;
    // The user error the compiler gives the held text; 0 when it takes it, and Enter keeps it.
    uint heldError = 0;
    QString keyBuffer;
    QMap<int, QString> btnNames;
    QMap<int, QString> enabledBtns;
    bool logicalCtrl = false;
    int gLimit = -1;
    QVector<CBEOwner> pointOwners;
    // Of the text since the last change; -1 once it changed.
    int textLength = -1;
};

} // namespace Ov4800
