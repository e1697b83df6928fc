#include "cbe/CBEExpression.h"

#include "cbe/CBEByteCode.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEOperators.h"
#include "cbe/CBEPlantInfo.h"

#include <QDebug>

#include <algorithm>

namespace Ov4800 {

namespace {

using TextOf = QString (*)(uint);

// The levels of "(" the compiler counts down to the deepest node: one for every operator and
// list that opens one.
int levels(const CBEOperator* n)
{
    int deepest = 0;
    bool opens = false;
    for (const CBEOperator* c : n->children) {
        opens = opens || c->getKind() == int(KIND_TOKEN_BASE + TK_OPEN);
        deepest = std::max(deepest, levels(c));
    }
    return deepest + (opens ? 1 : 0);
}

// The token texts of one spelling, built once: texts are tokenized for every stored program a
// plant reads.
const QVector<QString>& tokenTexts(TextOf textOf)
{
    const auto all = [](TextOf f) {
        QVector<QString> texts;
        for (uint code = 0; code < TK_COUNT; ++code)
            texts.append(f(code));
        return texts;
    };
    static const QVector<QString> storage = all(tokenStorageText);
    static const QVector<QString> display = all(tokenDisplayText);
    return textOf == tokenStorageText ? storage : display;
}

// The longest token text at position from; TK_NONE when none, or when two of that length match.
uint findToken(const QString& text, int from, TextOf textOf)
{
    const QVector<QString>& texts = tokenTexts(textOf);
    const QStringRef rest = text.midRef(from);
    QList<uint> candidates;
    for (uint code = 0; code < TK_COUNT; ++code) {
        const QString& t = texts.at(int(code));
        if (t.isEmpty() || rest.isEmpty() || rest.at(0) != t.at(0) || !rest.startsWith(t))
            continue;
        if (candidates.isEmpty())
            candidates.append(code);
        else if (t.size() > texts.at(int(candidates[0])).size())
            candidates[0] = code;
        else if (t.size() == texts.at(int(candidates[0])).size())
            candidates.append(code);
    }
    if (candidates.size() == 1)
        return candidates[0];
    for (uint code : candidates)
        qCritical("Multiple maches found = %s", qPrintable(texts.at(int(code))));
    return TK_NONE;
}

// whole: the input was tokenized to its end.
QString convert(const QString& input, TextOf from, TextOf to, bool* whole = nullptr)
{
    QString result;
    int consumed = 0;
    while (consumed < input.size()) {
        const uint code = findToken(input, consumed, from);
        if (code >= TK_COUNT)
            break;
        const int length = tokenTexts(from).at(int(code)).size();
        if (length == 0)
            break;
        consumed += length;
        result += tokenTexts(to).at(int(code));
    }
    if (whole)
        *whole = consumed >= input.size();
    return result;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// A TIM whose first "." follows an hour right behind "TIM(" has no day part; the tree needs the
// "--" placeholder there. "00" is midnight.
bool needsDatePlaceholder(const QString& text)
{
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot <= 4)
        return false;
    const QString hour = text.mid(4, dot - 4);
    const int n = hour.toInt();
    return (n >= 1 && n <= 23) || hour == QLatin1String("00");
}

} // namespace

uint findStorageToken(const QString& text)
{
    return findToken(text, 0, tokenStorageText);
}
uint findDisplayToken(const QString& text)
{
    return findToken(text, 0, tokenDisplayText);
}
QString toDisplayString(const QString& storageText)
{
    return convert(storageText, tokenStorageText, tokenDisplayText);
}
QString toStorageString(const QString& displayText)
{
    return convert(displayText, tokenDisplayText, tokenStorageText);
}

uint checkCBEString(const QString& text)
{
    const CBEExpression expression(text);
    return expression.getKind();
}

// ---------------------------------------------------------------------------------------------
// Construction

CBEExpression::CBEExpression(bool direct)
    : kind(direct ? KIND_DIRECT : KIND_OPERATOR)
{
}

CBEExpression::CBEExpression(const QString& text)
{
    buildFromText(text);
    logicalCtrl = false;
    owner = CBEOwner();
}

CBEExpression::CBEExpression(bool direct, const QString& text)
{
    if (!text.isEmpty() && text != QLatin1String("CBE_UNDEFINED"))
        wholeText = buildFromText(text);
    const uint wanted = direct ? KIND_DIRECT : KIND_OPERATOR;
    if (kind != wanted) {
        // Only an empty tree of the other kind is dropped without a loss.
        wholeText = wholeText && isEmpty();
        kind = wanted;
        clear(true);
    }
    logicalCtrl = false;
}

CBEExpression::~CBEExpression()
{
    qDeleteAll(nodes);
}

void CBEExpression::clear(bool reinsertOpen)
{
    while (!nodes.isEmpty())
        delete nodes.takeFirst();
    cursor = -1;
    errorCount = -1;
    if (kind == KIND_DIRECT && reinsertOpen)
        addToken(TK_OPEN);
    modified = true;
}

// ---------------------------------------------------------------------------------------------
// Keys

bool CBEExpression::addToken(uint code)
{
    if (nodes.isEmpty()) {
        CBEOperator* node = nullptr;
        switch (code) {
        case TK_OPEN: node = new CBEDirectOp; break;
        case TK_OR: node = new CBEOR(true); break;
        case TK_AND: node = new CBEAND(true); break;
        case TK_NOT: node = new CBENOT(true); break;
        case TK_XGRP: node = new CBEXGRP(true); break;
        case TK_DEL: node = new CBEDEL(true); break;
        case TK_TIM: node = new CBETIM(true); break;
        case TK_SDEL: node = new CBESDEL(true); break;
        case TK_PRE: node = new CBEPRE(true); break;
        case TK_FLT: node = new CBEFLT(true); break;
        case TK_TAC: node = new CBETAC(true); break;
        case TK_DIS: node = new CBEDIS(false); break;
        case TK_TONE: node = new CBETONE; break;
        default: return false;
        }
        kind = code == TK_OPEN ? KIND_DIRECT : KIND_OPERATOR;
        nodes.append(node);
        cursor = 0;
        modified = true;
        return true;
    }
    if (!cursorValid())
        return false;
    CBEOperator* node = nodes[cursor];
    if (!node->addKey(code)) {
        if (cursor != nodes.size() - 1 || !node->isComplete() || !node->isCursorAtEnd())
            return false;
        if (!node->addKey(code == TK_OPEN && kind == KIND_OPERATOR ? uint(TK_OR) : code))
            return false;
    }
    modified = true;
    return true;
}

bool CBEExpression::isKeyEnabled(uint code) const
{
    if (nodes.isEmpty()) {
        switch (code) {
        case TK_C:
        case TK_G: return kind == KIND_DIRECT;
        case TK_OPEN: return kind == KIND_UNKNOWN;
        case TK_DIS: return true;
        case TK_SUB1: return kind != KIND_OPERATOR;
        default: return ((code >= TK_OR && code <= TK_FLT) || code == TK_TAC || code == TK_TONE) && kind != KIND_DIRECT;
        }
    }
    if (!cursorValid())
        return false;
    // Behind a complete last node a blank would go to that node, which takes it only when its
    // own answer says so: offering it here as well would give a key that does nothing.
    return nodes[cursor]->isKeyEnabled(code);
}

bool CBEExpression::canMoveBack() const
{
    if (!cursorValid())
        return false;
    const CBEOperator* node = nodes[cursor];
    if (node->canMoveBack())
        return true;
    return node->isEmpty() && (kind != KIND_DIRECT || node->getKind() != Ov4800::KIND_DIRECT);
}

void CBEExpression::deleteNodeAtCursor()
{
    delete nodes.takeAt(cursor);
    --cursor;
    modified = true;
    if (nodes.isEmpty())
        clear(true);
}

bool CBEExpression::removeCurrent()
{
    if (!cursorValid())
        return false;
    CBEOperator* node = nodes[cursor];
    if (node->isEmpty()) {
        deleteNodeAtCursor();
        return true;
    }
    const bool result = node->removeCurrent();
    if (node->isEmpty())
        deleteNodeAtCursor();
    if (result)
        modified = true;
    return result;
}

// Moves change what TIM counts as its start slice, so they drop the cached error count too.
bool CBEExpression::moveLeft()
{
    if (cursor < 0)
        return false;
    modified = true;
    if (nodes.isEmpty()) {
        cursor = -1;
        return true;
    }
    if (cursor >= nodes.size()) {
        cursor = nodes.size() - 1;
        nodes[cursor]->moveToEnd();
        return true;
    }
    if (nodes[cursor]->moveLeft())
        return true;
    if (--cursor >= 0)
        nodes[cursor]->moveToEnd();
    return true;
}

bool CBEExpression::moveRight()
{
    if (cursor >= nodes.size())
        return false;
    if (nodes.isEmpty()) {
        cursor = 0;
        return false;
    }
    modified = true;
    if (cursor < 0) {
        cursor = 0;
        nodes[0]->moveToStart();
        return true;
    }
    if (nodes[cursor]->moveRight())
        return true;
    if (++cursor < nodes.size())
        nodes[cursor]->moveToStart();
    return true;
}

bool CBEExpression::canMoveLeft() const
{
    return cursorValid() && nodes[cursor]->canMoveLeft();
}

bool CBEExpression::canMoveRight() const
{
    if (nodes.isEmpty())
        return false;
    if (cursor < 0)
        return true;
    return cursor < nodes.size() && nodes[cursor]->canMoveRight();
}

// ---------------------------------------------------------------------------------------------
// Texts

bool CBEExpression::parse(bool direct, QString text)
{
    if (!direct && text.startsWith(QLatin1Char('(')))
        text.prepend(QLatin1String("OR"));
    kind = KIND_UNKNOWN;
    cursor = -1;
    errorCount = -1;
    bool whole = false;
    text = convert(text, tokenDisplayText, tokenStorageText, &whole);
    int pos = 0;
    int added = 0;
    bool dashDate = false;
    bool placeholder = false;
    while (added <= pos && pos < text.size()) {
        const uint code = findStorageToken(text.mid(pos));
        if (code == TK_TIM && needsDatePlaceholder(text))
            dashDate = true;
        if (isKeyEnabled(code) && addToken(code)) {
            if (dashDate && addToken(TK_MINUS)) {
                added += 3;
                placeholder = true;
            }
            dashDate = false;
            const int next = getGhostString().size() - added;
            // A digit that an index takes and drops again does not move on.
            if (next <= pos)
                break;
            pos = next;
        } else if (code == TK_CLOSE) {
            ++pos;
            moveRight();
        } else if (cursor == nodes.size() - 1 && cursor >= 0 && nodes[cursor]->getKind() != KIND_SPACE
                   && isKeyEnabled(TK_SPACE)) {
            if (!addToken(TK_SPACE))
                break;
            ++added;
        } else {
            break;
        }
    }
    logicalCtrl = false;
    owner = CBEOwner();
    QString built = withoutBlanks(getString());
    const int dashes = built.indexOf(QLatin1String("TIM(--"));
    if (placeholder && dashes >= 0)
        built.remove(dashes + 4, 2);
    return whole && built == withoutBlanks(text);
}

bool CBEExpression::buildFromText(const QString& storageText)
{
    int pos = 0;
    while (pos < storageText.size()) {
        const uint code = findStorageToken(storageText.mid(pos));
        if (isKeyEnabled(code) && addToken(code)) {
            const int next = getGhostString().size();
            if (next <= pos)
                break;
            pos = next;
        } else if (code == TK_CLOSE) {
            ++pos;
            moveRight();
        } else {
            break;
        }
    }
    return pos >= storageText.size();
}

QString CBEExpression::getString() const
{
    QString text;
    for (const CBEOperator* n : nodes)
        text += n->getString();
    return text;
}

QString CBEExpression::getGhostString() const
{
    QString text;
    for (int i = 0; i < cursor && i < nodes.size(); ++i)
        text += nodes[i]->getString();
    if (cursorValid())
        text += nodes[cursor]->getGhostString();
    return text;
}

QString CBEExpression::getStringFromCursor() const
{
    QString text;
    if (cursorValid())
        text += nodes[cursor]->getStringFromCursor();
    for (int i = std::max(cursor + 1, 0); i < nodes.size(); ++i)
        text += nodes[i]->getString();
    return text;
}

bool CBEExpression::isComplete() const
{
    return nodesComplete() && limitError() == 0;
}

bool CBEExpression::nodesComplete() const
{
    return !nodes.isEmpty()
        && std::all_of(nodes.begin(), nodes.end(), [](const CBEOperator* n) { return n->isComplete(); });
}

uint CBEExpression::limitError() const
{
    if (std::any_of(nodes.begin(), nodes.end(), [](const CBEOperator* n) { return levels(n) > int(cbe::kMaxDepth); }))
        return cbeCompileErrorToUserError(CBE_ERR_TOO_MANY_LEVELS);
    // The compiler's own verdict: on the size at once, on the rest once every operator is
    // complete (before, it refuses every text still being typed). Enter waits for it after any edit.
    const int form = cbeFormError(kind == KIND_DIRECT, getString());
    if (form == CBE_ERR_TOO_BIG || (form >= 0 && nodesComplete()))
        return cbeCompileErrorToUserError(form);
    return 0;
}

int cbeFormError(bool direct, const QString& storageText)
{
    QByteArray text = toDisplayString(storageText).toLatin1();
    // The compiler writes its program over the text: room for it behind a short one.
    text.append(QByteArray(64, '\0'));
    CBECompileRequest request;
    request.text = text.data();
    request.listMode = direct ? 1 : 0;
    request.checkReferences = 0;
    return CBEExpr_Parse(&request) < 0 ? int(request.errorCode) : -1;
}

bool CBEExpression::isEmpty() const
{
    for (const CBEOperator* n : nodes)
        if (!n->isEmpty())
            return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Errors

int CBEExpression::getErrorCount(bool logicalCtrl_, const CBEOwner& owner_)
{
    if (logicalCtrl_ == logicalCtrl && owner_ == owner && !modified)
        return errorCount;
    logicalCtrl = logicalCtrl_;
    owner = owner_;
    int count = 0;
    for (const CBEOperator* n : nodes) {
        count = n->getErrorCount();
        if (count != 0)
            break;
    }
    const uint limit = limitError();
    if (count == 0 && limit != 0)
        count = 1;
    if (count == 0 && logicalCtrl)
        count = checkPlantReferences(owner) != 0 ? 1 : 0;
    errorCount = count;
    complete = nodesComplete() && limit == 0;
    modified = false;
    return errorCount;
}

void CBEExpression::refresh()
{
    if (modified)
        getErrorCount(logicalCtrl, owner);
}

uint CBEExpression::getFirstError(const CBEOwner& owner_) const
{
    for (const CBEOperator* n : nodes)
        if (const uint e = n->getFirstError())
            return e;
    if (const uint limit = limitError())
        return limit;
    return logicalCtrl ? checkPlantReferences(owner_) : 0;
}

uint CBEExpression::checkPlantReferences(const CBEOwner& owner_) const
{
    if (!cbePlant())
        return 0;
    for (const CBEOperator* n : nodes)
        if (const uint e = n->checkPlantReferences(kind == KIND_DIRECT, owner_))
            return e;
    return 0;
}

uint CBEExpression::getKindAtCursor() const
{
    return cursorValid() ? uint(nodes[cursor]->getKind()) : uint(KIND_UNKNOWN);
}

} // namespace Ov4800
