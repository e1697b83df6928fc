#include "cbe/CBEOperator.h"

#include <algorithm>
#include <cmath>

namespace Ov4800 {

CBEOperator::~CBEOperator()
{
    clear();
}

QString CBEOperator::getString() const
{
    QString text;
    for (const CBEOperator* c : children)
        text += c->getString();
    return text;
}

QString CBEOperator::getGhostString() const
{
    QString text;
    for (int i = 0; i < cursor && i < children.size(); ++i)
        text += children[i]->getString();
    text += cursorValid() ? current()->getGhostString() : getString();
    return text;
}

QString CBEOperator::getStringFromCursor() const
{
    QString text;
    if (cursorValid())
        text += current()->getStringFromCursor();
    for (int i = std::max(cursor + 1, 0); i < children.size(); ++i)
        text += children[i]->getString();
    return text;
}

bool CBEOperator::isEmpty() const
{
    return children.isEmpty();
}

bool CBEOperator::isComplete() const
{
    return std::all_of(children.begin(), children.end(), [](const CBEOperator* c) { return c->isComplete(); });
}

int CBEOperator::getErrorCount() const
{
    int count = 0;
    for (const CBEOperator* c : children)
        count += c->getErrorCount();
    return count;
}

bool CBEOperator::isKeyEnabled(uint) const
{
    return false;
}

bool CBEOperator::canMoveBack() const
{
    return childCanMoveBack() || cursor >= 0;
}

bool CBEOperator::canMoveRight() const
{
    return childCanMoveRight() || cursor < children.size() - 1;
}

bool CBEOperator::canMoveLeft() const
{
    return childCanMoveLeft() || cursor >= 1;
}

uint CBEOperator::getFirstError() const
{
    for (const CBEOperator* c : children)
        if (const uint e = c->getFirstError())
            return e;
    return 0;
}

uint CBEOperator::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    for (const CBEOperator* c : children)
        if (const uint e = c->checkPlantReferences(direct, owner))
            return e;
    return 0;
}

bool CBEOperator::removeCurrent()
{
    const bool empty = isEmpty();
    if (!cursorValid())
        return empty;
    const bool res = current()->removeCurrent();
    if (current()->isEmpty()) {
        removeAt(cursor);
        cursor = std::max(cursor, 1) - 1;
        return true;
    }
    return res;
}

bool CBEOperator::stepBackAndAdd(uint key)
{
    --cursor;
    return addKey(key);
}

void CBEOperator::clear()
{
    while (!children.isEmpty())
        delete children.takeFirst();
    cursor = 0;
    topLevel = false;
}

bool CBEOperator::moveToStart()
{
    cursor = 0;
    if (!children.isEmpty())
        children[0]->moveToStart();
    return true;
}

bool CBEOperator::moveToEnd()
{
    cursor = children.size() < 2 ? 0 : children.size() - 1;
    if (!children.isEmpty())
        children[cursor]->moveToEnd();
    return true;
}

bool CBEOperator::isCursorAtEnd() const
{
    if (children.isEmpty())
        return true;
    return cursor == children.size() - 1 && children[cursor]->isCursorAtEnd();
}

bool CBEOperator::moveLeft()
{
    if (cursor < 0)
        return false;
    if (children.isEmpty()) {
        if (cursor == 0)
            return false;
        cursor = 0;
        return true;
    }
    if (cursor >= children.size()) {
        cursor = children.size() - 1;
        children[cursor]->moveToEnd();
        return true;
    }
    if (children[cursor]->moveLeft())
        return true;
    if (cursor < 1)
        return false;
    --cursor;
    children[cursor]->moveToEnd();
    return true;
}

bool CBEOperator::moveRight()
{
    if (cursor >= children.size())
        return false;
    if (children.isEmpty()) {
        cursor = 0;
        return true;
    }
    if (cursor < 0) {
        cursor = 0;
        children[0]->moveToStart();
        return true;
    }
    if (children[cursor]->moveRight())
        return true;
    if (cursor + 1 >= children.size())
        return false;
    ++cursor;
    children[cursor]->moveToStart();
    return true;
}

bool CBEOperator::childCanMoveRight() const
{
    return cursorValid() && current()->canMoveRight();
}

bool CBEOperator::childCanMoveLeft() const
{
    return cursorValid() && current()->canMoveLeft();
}

bool CBEOperator::childCanMoveBack() const
{
    return cursorValid() && current()->canMoveBack();
}

CBEOperator* CBEOperator::current() const
{
    return child(cursor);
}

int CBEOperator::childKind(int i) const
{
    const CBEOperator* c = child(i);
    return c ? c->getKind() : -1;
}

void CBEOperator::insertAfterCursor(CBEOperator* node)
{
    const int at = std::max(cursor + 1, 0);
    if (at >= children.size()) {
        children.append(node);
        cursor = children.size() - 1;
    } else {
        children.insert(at, node);
        cursor = at;
    }
}

void CBEOperator::append(CBEOperator* node)
{
    children.append(node);
}

void CBEOperator::removeAt(int i)
{
    delete children.takeAt(i);
}

void CBEOperator::automaticBlank(int n)
{
    const CBEOperator* next = child(n + 1);
    if (next && n + 1 != children.size() - 1 && next->getKind() != KIND_SPACE && childKind(n) != KIND_SPACE)
        children.insert(n + 1, new SPACETk);
}

CBEOperator* makeWeekDay(uint key)
{
    switch (key) {
    case TK_MO: return new LUTk;
    case TK_TU: return new MATk;
    case TK_WE: return new METk;
    case TK_TH: return new GITk;
    case TK_FR: return new VETk;
    case TK_SA: return new SATk;
    case TK_SU: return new DOTk;
    default: return nullptr;
    }
}

CBEDecDigit* makeDigit(uint key)
{
    switch (key) {
    case 0: return new CBEN0;
    case 1: return new CBEN1;
    case 2: return new CBEN2;
    case 3: return new CBEN3;
    case 4: return new CBEN4;
    case 5: return new CBEN5;
    case 6: return new CBEN6;
    case 7: return new CBEN7;
    case 8: return new CBEN8;
    case 9: return new CBEN9;
    default: return nullptr;
    }
}

int digitsValue(const CBEOperator& node, int from)
{
    QList<int> digits;
    for (int i = std::max(from, 0); i < node.children.size(); ++i)
        if (const auto* d = dynamic_cast<const CBEDecDigit*>(node.children[i]))
            digits.append(d->getValue());
    if (digits.isEmpty())
        return -1;
    int value = 0;
    const int n = digits.size();
    for (int i = 0; i < n; ++i)
        value = int(value + digits[i] * std::pow(10.0, n - 1 - i));
    return value;
}

bool numberCanComplete(int digits, bool zero, int readDigits, int minValue)
{
    return digits <= readDigits && (!zero || minValue <= 0 || digits < readDigits);
}

// ---------------------------------------------------------------------------------------------
// CBEIndex

namespace {
int decimalDigits(int v)
{
    int n = 1;
    for (; v >= 10; v /= 10)
        ++n;
    return n;
}
} // namespace

CBEIndex::CBEIndex(uint firstDigit, int minValue_, int maxValue_)
    : maxDigits(minValue_ >= maxValue_ ? 0 : decimalDigits(maxValue_))
    , maxValue(std::min(maxValue_, 99999))
    , minValue(minValue_)
{
    addKey(firstDigit);
}

CBEIndex::CBEIndex(uint firstDigit, int digitCount)
    : maxDigits(digitCount)
    , maxValue(int(std::pow(10.0, digitCount)) - 1)
{
    addKey(firstDigit);
}

CBEIndex::CBEIndex(uint firstDigit, int minValue_, int maxValue_, int maxDigits_)
    : maxDigits(maxDigits_)
    , maxValue(maxValue_)
    , minValue(minValue_)
{
    addKey(firstDigit);
}

bool CBEIndex::isComplete() const
{
    const int v = getValue();
    return minValue <= v && v <= maxValue;
}

bool CBEIndex::isKeyEnabled(uint key) const
{
    if (key > TK_9)
        return false;
    if (!digitCanComplete(key))
        return false;
    if (maxDigits <= 0)
        return true;
    const int n = children.size();
    if (isCursorAtEnd() && n >= maxDigits)
        return false;
    if (n == 0)
        return true;
    // The value with the new digit right after the cursor.
    const int at = cursor + 1;
    double value = int(key) * std::pow(10.0, n - at);
    for (int i = 0; i < n; ++i) {
        const auto* d = dynamic_cast<const CBEDecDigit*>(children[i]);
        const int place = i <= cursor ? i : i + 1;
        value += (d ? d->getValue() : 0) * std::pow(10.0, n - place);
    }
    return value <= maxValue;
}

bool CBEIndex::digitCanComplete(uint key) const
{
    if (readDigits <= 0)
        return true;
    // A full index overwrites the digit behind the new one.
    const int n = children.size();
    const bool longer = maxDigits < 1 || n < maxDigits;
    return numberCanComplete(longer ? n + 1 : n, key == 0 && getValue() <= 0, readDigits, minValue);
}

bool CBEIndex::takesDigit() const
{
    return maxDigits < 1 || cursor + 1 < children.size() || children.size() < maxDigits;
}

bool CBEIndex::addKey(uint key)
{
    // A full index takes no digit behind its last one: it would drop that digit again and
    // leave the cursor past its end.
    if (key > TK_9 || !takesDigit())
        return false;
    const int at = std::max(cursor + 1, 0);
    CBEDecDigit* digit = makeDigit(key);
    children.insert(std::min(at, children.size()), digit);
    if (at >= children.size())
        return true;
    ++cursor;
    if (maxDigits >= 1 && children.size() > maxDigits)
        removeAt(std::min(cursor + 1, children.size() - 1));
    return true;
}

} // namespace Ov4800
