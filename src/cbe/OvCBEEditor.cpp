#include "cbe/OvCBEEditor.h"

#include "cbe/CBECompiler.h"

namespace Ov4800 {

namespace {

// A text of this length takes no more keys.
constexpr int kMaxTextLength = 250;

// Token codes of buttons 0 to 42 and 47.
const uint kButtonCodes[OvCBEEditor::BTN_COUNT] = {
    1,     2,      3,       4,        5,      6,      7,        8,       9,        0,        TK_NOT,  TK_AND,
    TK_OR, TK_DEL, TK_SDEL, TK_XGRP,  TK_TIM, TK_DIS, TK_PRE,   TK_FLT,  TK_TAC,   TK_TONE,  TK_SUB1, TK_SYS,
    TK_MO, TK_TU,  TK_WE,   TK_TH,    TK_FR,  TK_SA,  TK_SU,    TK_DOT,  TK_COLON, TK_MINUS, TK_C,    TK_L,
    TK_S,  TK_M,   TK_OPEN, TK_CLOSE, TK_G,   TK_Z,   TK_SPACE, TK_NONE, TK_NONE,  TK_NONE,  TK_NONE, TK_EVAC};

OvCBEEditor::ErrorText g_errorText = nullptr;

} // namespace

OvCBEEditor::OvCBEEditor()
{
    fillButtonNames();
}

OvCBEEditor::~OvCBEEditor() = default;

void OvCBEEditor::setErrorText(ErrorText errorText)
{
    g_errorText = errorText;
}

uint OvCBEEditor::buttonCode(int btnIndex)
{
    return btnIndex >= 0 && btnIndex < BTN_COUNT ? kButtonCodes[btnIndex] : uint(TK_NONE);
}

void OvCBEEditor::fillButtonNames()
{
    btnNames.clear();
    for (int i = 0; i < BTN_COUNT; ++i)
        btnNames.insert(i, tokenStorageText(kButtonCodes[i]));
    btnNames.insert(BTN_SPACE, qtTrId("CBE_BTN_SPACE"));
    btnNames.insert(BTN_ENTER, qtTrId("CBE_BTN_ENTER"));
}

void OvCBEEditor::onApplicationLanguageChanged()
{
    fillButtonNames();
    emit applicationLanguageChanged();
}

void OvCBEEditor::init(bool cbeDirect, QString cbeText)
{
    expression.reset();
    expression.reset(new CBEExpression(cbeDirect, cbeText));
    heldText = expression->tookWholeText() ? QString() : cbeText;
    const int formError = heldText.isEmpty() ? -1 : cbeFormError(cbeDirect, heldText);
    heldError = formError < 0 ? 0 : cbeCompileErrorToUserError(formError);
    // Reading a program leaves the caret behind its last ")", where typing never puts it and
    // where a key would land outside the operator it closes: the caret opens before it, where
    // typing the program left it.
    if (heldText.isEmpty() && expression->getStringFromCursor().isEmpty() && expression->canMoveLeft())
        expression->moveLeft();
    textLength = -1;
    emit enableControls();
}

void OvCBEEditor::init(int gLimit_, bool cbeDirect, QString cbeText)
{
    gLimit = gLimit_;
    pointOwners.clear();
    init(cbeDirect, cbeText);
}

void OvCBEEditor::init(const QVariantList& owners_, bool cbeDirect, QString cbeText)
{
    gLimit = -1;
    pointOwners.clear();
    for (const QVariant& owner : owners_)
        pointOwners.append(CBEOwner::ofPoint(owner.toUInt()));
    init(cbeDirect, cbeText);
}

QVector<CBEOwner> OvCBEEditor::owners() const
{
    return pointOwners.isEmpty() ? QVector<CBEOwner>{CBEOwner(gLimit)} : pointOwners;
}

int OvCBEEditor::getErrorCount()
{
    if (!heldText.isEmpty())
        return 1;
    if (!expression)
        return 0;
    for (const CBEOwner& owner : owners())
        if (const int count = expression->getErrorCount(logicalCtrl, owner))
            return count;
    return 0;
}

bool OvCBEEditor::isEnabled(int btnIndex)
{
    if (!expression)
        return false;
    // A held text takes no keys: it is dropped whole, or confirmed whole where the compiler takes it.
    const bool enabled = heldText.isEmpty() ? treeButtonEnabled(btnIndex)
                                            : btnIndex == BTN_BACKSPACE || (btnIndex == BTN_ENTER && heldError == 0);
    if (enabled)
        enabledBtns.insert(btnIndex, btnNames.value(btnIndex));
    else
        enabledBtns.remove(btnIndex);
    return enabled;
}

bool OvCBEEditor::treeButtonEnabled(int btnIndex)
{
    const bool room = hasRoom();
    switch (btnIndex) {
    case BTN_BACKSPACE: return expression->canMoveBack();
    case BTN_LEFT: return room && expression->canMoveLeft();
    case BTN_RIGHT: return room && expression->canMoveRight();
    case BTN_ENTER:
        // An empty expression may be confirmed: it clears the CBE.
        expression->refresh();
        return expression->getCachedComplete() || expression->isEmpty();
    // No SUB1: the compiler refuses every program that holds one (CBESub1).
    default:
        return room && btnIndex >= 0 && btnIndex < BTN_COUNT && buttonCode(btnIndex) != TK_SUB1
            && expression->isKeyEnabled(buttonCode(btnIndex));
    }
}

bool OvCBEEditor::add(int btnIndex)
{
    if (!expression || btnIndex < 0 || btnIndex >= BTN_COUNT)
        return false;
    bool result = false;
    if (!heldText.isEmpty()) {
        if (btnIndex == BTN_BACKSPACE) {
            heldText.clear();
            expression->clear(true);
            result = true;
        }
    } else {
        result = treeButton(btnIndex);
    }
    if (result) {
        enabledBtns.clear();
        keyBuffer.clear();
        textLength = -1;
        emit enableControls();
    }
    return result;
}

bool OvCBEEditor::hasRoom()
{
    if (textLength < 0)
        textLength = expression->getString().size();
    return textLength < kMaxTextLength;
}

bool OvCBEEditor::treeButton(int btnIndex)
{
    switch (btnIndex) {
    case BTN_BACKSPACE: return expression->canMoveBack() && expression->removeCurrent();
    case BTN_LEFT: return expression->moveLeft();
    case BTN_RIGHT: return expression->moveRight();
    case BTN_ENTER:
        // The page's own handler of the button stores the text.
        if (expression->isEmpty()) {
            expression->clear(false);
            textLength = -1;
        }
        return false;
    default: return expression->addToken(buttonCode(btnIndex));
    }
}

QString OvCBEEditor::getGhostString()
{
    if (!heldText.isEmpty())
        return QString();
    return expression ? expression->getStringFromCursor() : QString();
}

QString OvCBEEditor::getString()
{
    if (!heldText.isEmpty())
        return heldText;
    return expression ? expression->getString() : QString();
}

QString OvCBEEditor::getFirstErrorMsg()
{
    if (!heldText.isEmpty() && heldError == 0)
        return qtTrId("CBE_TEXT_NOT_EDITABLE");
    if (!heldText.isEmpty())
        return g_errorText ? g_errorText(int(heldError)) : QString::number(heldError);
    if (!expression)
        return QString();
    int code = 0;
    for (const CBEOwner& owner : owners())
        code = code != 0 ? code : int(expression->getFirstError(owner));
    return g_errorText ? g_errorText(code) : QString::number(code);
}

void OvCBEEditor::clear()
{
    heldText.clear();
    if (expression)
        expression->clear(true);
    textLength = -1;
    emit enableControls();
}

void OvCBEEditor::removeCurrent()
{
    if (!heldText.isEmpty()) {
        heldText.clear();
        if (expression)
            expression->clear(true);
    } else if (expression) {
        expression->removeCurrent();
    }
    textLength = -1;
    emit enableControls();
}

QString OvCBEEditor::getBtnName(int code)
{
    return btnNames.value(code, QStringLiteral("?\\*"));
}

int OvCBEEditor::buttonOfKey(int keyCode)
{
    static const QMap<int, int> kKeys = {{Qt::Key_1, 0},
                                         {Qt::Key_2, 1},
                                         {Qt::Key_3, 2},
                                         {Qt::Key_4, 3},
                                         {Qt::Key_5, 4},
                                         {Qt::Key_6, 5},
                                         {Qt::Key_7, 6},
                                         {Qt::Key_8, 7},
                                         {Qt::Key_9, 8},
                                         {Qt::Key_0, 9},
                                         {Qt::Key_Period, 31},
                                         {Qt::Key_Colon, 32},
                                         {Qt::Key_Minus, 33},
                                         {Qt::Key_ParenLeft, 38},
                                         {Qt::Key_ParenRight, 39},
                                         {Qt::Key_Space, BTN_SPACE},
                                         {Qt::Key_Backspace, BTN_BACKSPACE},
                                         {Qt::Key_Left, BTN_LEFT},
                                         {Qt::Key_Right, BTN_RIGHT}};
    if (keyCode < Qt::Key_A || keyCode > Qt::Key_Z) {
        keyBuffer.clear();
        return kKeys.value(keyCode, -1);
    }
    keyBuffer += QChar('A' + (keyCode - Qt::Key_A));
    QList<int> found;
    for (auto it = enabledBtns.cbegin(); it != enabledBtns.cend(); ++it)
        if (it.value().startsWith(keyBuffer, Qt::CaseInsensitive))
            found.append(it.key());
    if (found.isEmpty())
        keyBuffer.clear();
    return found.size() == 1 ? found[0] : -1;
}

bool OvCBEEditor::handleKey(int keyCode)
{
    if (!expression)
        return false;
    const int button = buttonOfKey(keyCode);
    if (button < 0)
        return false;
    return isEnabled(button) && add(button);
}

bool OvCBEEditor::getLogicalCtrlStat()
{
    return logicalCtrl;
}

void OvCBEEditor::enableLogicalCtrl(bool enable)
{
    if (enable == logicalCtrl)
        return;
    logicalCtrl = enable;
    emit enableControls();
}

} // namespace Ov4800
