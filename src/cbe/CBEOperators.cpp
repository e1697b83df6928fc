#include "cbe/CBEOperators.h"

#include "cbe/CBEPlantInfo.h"

namespace Ov4800 {

namespace {

using Keys = quint64;

constexpr Keys bit(uint key)
{
    return Keys(1) << key;
}
bool has(Keys keys, uint key)
{
    return key < 64 && (keys & bit(key));
}
bool isDigit(uint key)
{
    return key <= TK_9;
}
bool isWeekDayKey(uint key)
{
    return key >= TK_MO && key <= TK_SU;
}

constexpr Keys kOperandKeys = bit(TK_C) | bit(TK_G) | bit(TK_SYS) | bit(TK_Z);
constexpr Keys kOrStarts = kOperandKeys | bit(TK_AND) | bit(TK_NOT) | bit(TK_XGRP) | bit(TK_PRE) | bit(TK_FLT)
    | bit(TK_DIS) | bit(TK_TAC) | bit(TK_EVAC);
constexpr Keys kAndStarts = (kOrStarts & ~bit(TK_AND)) | bit(TK_OR);
constexpr Keys kLogicStarts = kOperandKeys | bit(TK_OR) | bit(TK_AND) | bit(TK_NOT) | bit(TK_PRE) | bit(TK_TAC)
    | bit(TK_EVAC);
constexpr Keys kOrBuilds = kOrStarts | bit(TK_SPACE);
constexpr Keys kAndBuilds = kAndStarts | bit(TK_SPACE);
constexpr Keys kLogicBuilds = kLogicStarts | bit(TK_XGRP) | bit(TK_SPACE);

constexpr Keys kNotStarts = bit(TK_C) | bit(TK_G) | bit(TK_Z) | bit(TK_PRE) | bit(TK_FLT) | bit(TK_DIS) | bit(TK_TAC)
    | bit(TK_SYS) | bit(TK_EVAC);
constexpr Keys kPreStarts = bit(TK_C) | bit(TK_Z) | bit(TK_SYS);
constexpr Keys kDisStarts = bit(TK_C) | bit(TK_Z);
constexpr Keys kPreBuilds = kOperandKeys;

// An operand or operator of a list or wrapper; null for a key the caller does not build.
CBEOperator* makeOperand(uint key, Keys allowed, bool moduleAllowed = true)
{
    if (!has(allowed, key))
        return nullptr;
    switch (key) {
    case TK_C: return new CBEPoint(moduleAllowed);
    case TK_G: return new CBEGroupIndex;
    case TK_SYS: return new SYSTk;
    case TK_Z: return new CBEAreaIndex;
    case TK_SPACE: return new SPACETk;
    case TK_OR: return new CBEOR;
    case TK_AND: return new CBEAND;
    case TK_NOT: return new CBENOT;
    case TK_XGRP: return new CBEXGRP;
    case TK_PRE: return new CBEPRE;
    case TK_FLT: return new CBEFLT;
    case TK_DIS: return new CBEDIS(false);
    case TK_TAC: return new CBETAC;
    case TK_EVAC: return new EVACTk;
    default: return nullptr;
    }
}

void initKeyword(CBEOperator& n, CBEOperator* keyword, bool topLevel)
{
    n.append(keyword);
    n.append(new OpenTk);
    n.append(new CloseTk);
    n.cursor = 1;
    n.topLevel = topLevel;
}

// Whether a key goes on after the child at the cursor: -1 no, 1 the child took it, 0 the
// operator's own table decides.
int continuation(CBEOperator& n, uint key, int minCursor)
{
    if (n.cursor < minCursor || !n.cursorValid())
        return -1;
    if (n.current()->addKey(key))
        return 1;
    return n.current()->isComplete() && n.current()->isCursorAtEnd() ? 0 : -1;
}

// The same question without changing anything.
int keyContinuation(const CBEOperator& n, uint key, int minCursor)
{
    if (n.cursor < minCursor || !n.cursorValid())
        return -1;
    if (n.current()->isKeyEnabled(key))
        return 1;
    return n.current()->isComplete() && n.current()->isCursorAtEnd() ? 0 : -1;
}

// A blank behind the cursor already: a second one would stand beside it.
bool blankFollows(const CBEOperator& n)
{
    return n.childKind(n.cursor + 1) == KIND_SPACE;
}

// With the caret on its ")" a nested list is finished: what follows belongs to its parent.
bool onNestedClose(const CBEOperator& n)
{
    return !n.topLevel && n.cursor == n.size() - 1;
}

bool listKeyEnabled(const CBEOperator& n, uint key, int openPos, Keys starts, bool lastTakesBlank = true)
{
    if (onNestedClose(n))
        return false;
    const int go = keyContinuation(n, key, openPos);
    if (go != 0)
        return go > 0;
    if (n.current()->getKind() != KIND_SPACE && n.cursor != openPos)
        return key == TK_SPACE && (lastTakesBlank || n.cursor != n.size() - 1) && !blankFollows(n);
    return has(starts, key);
}

bool listAddKey(CBEOperator& n, uint key, int minCursor, CBEOperator* (*make)(uint))
{
    if (onNestedClose(n))
        return false;
    const int go = continuation(n, key, minCursor);
    if (go != 0)
        return go > 0;
    CBEOperator* node = make(key);
    if (!node)
        return false;
    n.insertAfterCursor(node);
    n.automaticBlank(n.cursor);
    return true;
}

// An operand removed between two blanks, or behind "(", takes the blank behind it along: typing
// never puts two blanks side by side nor one behind "(", and a text holding them would not be
// read back whole.
void dropDoubleBlank(CBEOperator& n)
{
    const int k = n.childKind(n.cursor);
    if ((k == KIND_SPACE || k == TK_OPEN + KIND_TOKEN_BASE) && n.childKind(n.cursor + 1) == KIND_SPACE)
        n.removeAt(n.cursor + 1);
}

// A blank, "-" or ":" between two elements keeps them apart; without it the text no longer
// reads back.
bool separatingBlank(const CBEOperator& n)
{
    const int k = n.childKind(n.cursor);
    // Beside a blank a "-" counts as an element (the "--" placeholder); beside a "-" it does not.
    auto element = [&](int i) {
        const int e = n.childKind(i);
        return e >= 0 && e != KIND_SPACE && (e != KIND_MINUS || k == KIND_SPACE) && e != TK_OPEN + KIND_TOKEN_BASE
            && e != TK_CLOSE + KIND_TOKEN_BASE;
    };
    return (k == KIND_SPACE || k == KIND_MINUS || k == KIND_COLON) && element(n.cursor - 1) && element(n.cursor + 1);
}

// Backspace is offered only where the removal below the cursor takes something away.
bool backFromChild(const CBEOperator& n)
{
    return n.cursorValid() ? n.current()->canMoveBack() : n.cursor >= 0;
}

bool listBack(const CBEOperator& n)
{
    return !separatingBlank(n) && backFromChild(n);
}

// The keyword, "(" or ")" take the whole operator; elsewhere the child at the cursor.
bool listRemove(CBEOperator& n, int low)
{
    if (n.cursor <= low || n.cursor == n.size() - 1) {
        n.clear();
        return true;
    }
    if (n.cursor >= n.size() || separatingBlank(n))
        return false;
    CBEOperator* c = n.current();
    if (!c->removeCurrent())
        return false;
    if (c->isEmpty()) {
        n.removeAt(n.cursor);
        n.cursor = std::max(n.cursor, 1) - 1;
        dropDoubleBlank(n);
    }
    return true;
}

bool singleKeyEnabled(const CBEOperator& n, uint key, Keys starts)
{
    if (n.size() == 4)
        return n.cursor == 2 && n.children[2]->isKeyEnabled(key);
    return n.size() == 3 && n.cursor == 1 && has(starts, key);
}

bool singleAddKey(CBEOperator& n, uint key, Keys builds, bool moduleAllowed)
{
    if (n.size() == 4)
        return n.children[2]->addKey(key);
    if (n.cursor != 1)
        return false;
    CBEOperator* node = makeOperand(key, builds, moduleAllowed);
    if (!node)
        return false;
    n.insertAfterCursor(node);
    return true;
}

bool singleRemove(CBEOperator& n)
{
    if (n.cursor <= 1 || n.cursor == n.size() - 1) {
        n.clear();
        return true;
    }
    if (n.cursor != 2)
        return false;
    if (!n.children[2]->removeCurrent())
        return false;
    if (n.children[2]->isEmpty())
        n.clear();
    return true;
}

bool leftFrom(const CBEOperator& n, int first)
{
    return n.childCanMoveLeft() || n.cursor >= first;
}
bool rightBefore(const CBEOperator& n, int fromEnd)
{
    return n.childCanMoveRight() || n.cursor < n.size() - fromEnd;
}
bool rightTopLevel(const CBEOperator& n)
{
    return rightBefore(n, n.topLevel ? 2 : 1);
}

int countKind(const CBEOperator& n, int kind)
{
    int count = 0;
    for (const CBEOperator* c : n.children)
        count += c->getKind() == kind;
    return count;
}

// Exactly one logic expression, complete and with at least its parentheses.
bool oneCompleteLogic(const CBEOperator& n)
{
    if (countKind(n, KIND_LOGIC) != 1)
        return false;
    for (const CBEOperator* c : n.children)
        if (c->getKind() == KIND_LOGIC)
            return c->isComplete() && c->size() >= 3;
    return false;
}

CBEOperator* makeOrOperand(uint key)
{
    return makeOperand(key, kOrBuilds);
}
CBEOperator* makeAndOperand(uint key)
{
    return makeOperand(key, kAndBuilds);
}
CBEOperator* makeLogicOperand(uint key)
{
    return makeOperand(key, kLogicBuilds);
}

CBEOperator* makeDirectOperand(uint key)
{
    switch (key) {
    case TK_C: {
        auto* output = new CBEActivateOutput;
        output->addKey(TK_C);
        return output;
    }
    case TK_G: return new CBEGroupIndex;
    case TK_SPACE: return new SPACETk;
    case TK_DIS: return new CBEDIS(true);
    case TK_SUB1: return new CBESub1;
    default: return nullptr;
    }
}

// DEL, SDEL and TONE nest these at the blank before their condition.
CBEOperator* makeNestedList(uint key)
{
    switch (key) {
    case TK_OPEN: return new CBELogicExp;
    case TK_OR: return new CBEOR(true);
    case TK_AND: return new CBEAND(true);
    case TK_NOT: return new CBENOT(true);
    default: return nullptr;
    }
}

CBEOperator* makeDelPart(uint key)
{
    if (isDigit(key) || key == TK_DOT) {
        auto* slice = new CBETimeSlice(600);
        slice->addKey(key);
        return slice;
    }
    if (key == TK_SPACE)
        return new SPACETk;
    return makeNestedList(key);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Direct expression and logic expression

CBEDirectOp::CBEDirectOp()
{
    append(new OpenTk);
    append(new CloseTk);
    topLevel = true;
}

bool CBEDirectOp::isComplete() const
{
    return size() >= 3 && CBEOperator::isComplete();
}
bool CBEDirectOp::canMoveLeft() const
{
    return leftFrom(*this, 1);
}
bool CBEDirectOp::canMoveRight() const
{
    return rightBefore(*this, 2);
}
bool CBEDirectOp::addKey(uint key)
{
    return listAddKey(*this, key, 0, makeDirectOperand);
}

bool CBEDirectOp::removeCurrent()
{
    if (separatingBlank(*this))
        return false;
    const bool result = CBEOperator::removeCurrent();
    dropDoubleBlank(*this);
    return result;
}

bool CBEDirectOp::canMoveBack() const
{
    return childCanMoveBack() && cursor >= 1 && cursor < size() - 1 && !separatingBlank(*this);
}

bool CBEDirectOp::hasOnlyDisOperands() const
{
    for (int i = 1; i < size() - 1; ++i)
        if (childKind(i) != KIND_SPACE && childKind(i) != KIND_DIS)
            return false;
    return true;
}

bool CBEDirectOp::isKeyEnabled(uint key) const
{
    bool anyDis = false;
    for (int i = 1; i < size() - 1; ++i)
        anyDis = anyDis || childKind(i) == KIND_DIS;
    Keys starts = 0;
    if (!anyDis)
        starts |= bit(TK_C) | bit(TK_G) | bit(TK_SUB1);
    if (hasOnlyDisOperands())
        starts |= bit(TK_DIS);
    return listKeyEnabled(*this, key, 0, starts, false);
}

CBELogicExp::CBELogicExp()
{
    append(new OpenTk);
    append(new CloseTk);
    topLevel = true;
}

bool CBELogicExp::isComplete() const
{
    return size() >= 3 && CBEOperator::isComplete();
}
bool CBELogicExp::canMoveBack() const
{
    return listBack(*this);
}
bool CBELogicExp::isKeyEnabled(uint key) const
{
    return listKeyEnabled(*this, key, 0, kLogicStarts);
}
bool CBELogicExp::canMoveLeft() const
{
    return leftFrom(*this, 1);
}
bool CBELogicExp::canMoveRight() const
{
    return rightBefore(*this, 2);
}
bool CBELogicExp::addKey(uint key)
{
    return listAddKey(*this, key, 0, makeLogicOperand);
}
bool CBELogicExp::removeCurrent()
{
    return listRemove(*this, 0);
}

// ---------------------------------------------------------------------------------------------
// OR and AND

CBEOR::CBEOR(bool topLevel_)
{
    initKeyword(*this, new ORTk, topLevel_);
}
bool CBEOR::isComplete() const
{
    return size() >= 4 && CBEOperator::isComplete();
}
bool CBEOR::canMoveBack() const
{
    return listBack(*this);
}
bool CBEOR::isKeyEnabled(uint key) const
{
    return listKeyEnabled(*this, key, 1, kOrStarts);
}
bool CBEOR::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBEOR::canMoveRight() const
{
    return rightTopLevel(*this);
}
bool CBEOR::addKey(uint key)
{
    return listAddKey(*this, key, 1, makeOrOperand);
}
bool CBEOR::removeCurrent()
{
    return listRemove(*this, 1);
}

CBEAND::CBEAND(bool topLevel_)
{
    initKeyword(*this, new ANDTk, topLevel_);
}
bool CBEAND::isComplete() const
{
    return size() >= 4 && CBEOperator::isComplete();
}
bool CBEAND::canMoveBack() const
{
    return listBack(*this);
}
bool CBEAND::isKeyEnabled(uint key) const
{
    return listKeyEnabled(*this, key, 1, kAndStarts);
}
bool CBEAND::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBEAND::canMoveRight() const
{
    return rightTopLevel(*this);
}
bool CBEAND::addKey(uint key)
{
    return listAddKey(*this, key, 1, makeAndOperand);
}
bool CBEAND::removeCurrent()
{
    return listRemove(*this, 1);
}

// ---------------------------------------------------------------------------------------------
// Single-operand wrappers

CBENOT::CBENOT(bool topLevel_)
{
    initKeyword(*this, new NOTTk, topLevel_);
}
bool CBENOT::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBENOT::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBENOT::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, kNotStarts);
}
bool CBENOT::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBENOT::canMoveRight() const
{
    return rightTopLevel(*this);
}
bool CBENOT::addKey(uint key)
{
    return singleAddKey(*this, key, kNotStarts, true);
}
bool CBENOT::removeCurrent()
{
    return singleRemove(*this);
}

CBEPRE::CBEPRE(bool topLevel_)
{
    initKeyword(*this, new PRETk, topLevel_);
}
bool CBEPRE::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBEPRE::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBEPRE::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, kPreStarts);
}
bool CBEPRE::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBEPRE::canMoveRight() const
{
    return rightTopLevel(*this);
}
bool CBEPRE::addKey(uint key)
{
    return singleAddKey(*this, key, kPreBuilds, false);
}
bool CBEPRE::removeCurrent()
{
    return singleRemove(*this);
}

CBETAC::CBETAC(bool topLevel_)
{
    initKeyword(*this, new TACTk, topLevel_);
}
bool CBETAC::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBETAC::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBETAC::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, bit(TK_SYS));
}
bool CBETAC::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBETAC::canMoveRight() const
{
    return rightTopLevel(*this);
}
bool CBETAC::addKey(uint key)
{
    return singleAddKey(*this, key, bit(TK_SYS), true);
}
bool CBETAC::removeCurrent()
{
    return singleRemove(*this);
}

CBEFLT::CBEFLT(bool topLevel_)
{
    initKeyword(*this, new FLTTk, topLevel_);
}
bool CBEFLT::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBEFLT::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBEFLT::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, kPreStarts);
}
bool CBEFLT::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBEFLT::canMoveRight() const
{
    return rightBefore(*this, 1);
}
bool CBEFLT::addKey(uint key)
{
    return singleAddKey(*this, key, kPreBuilds, true);
}
bool CBEFLT::removeCurrent()
{
    return singleRemove(*this);
}

CBEDIS::CBEDIS(bool groupForbidden_)
    : groupForbidden(groupForbidden_)
{
    initKeyword(*this, new DISTk, false);
}

bool CBEDIS::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBEDIS::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBEDIS::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, kDisStarts);
}
bool CBEDIS::removeCurrent()
{
    return singleRemove(*this);
}

bool CBEDIS::addKey(uint key)
{
    const Keys builds = bit(TK_C) | bit(TK_Z) | (groupForbidden ? 0 : bit(TK_G));
    return singleAddKey(*this, key, builds, true);
}

CBEXGRP::CBEXGRP(bool topLevel_)
{
    initKeyword(*this, new XGRPTk, topLevel_);
}
bool CBEXGRP::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBEXGRP::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBEXGRP::isKeyEnabled(uint key) const
{
    return singleKeyEnabled(*this, key, bit(TK_G));
}
bool CBEXGRP::addKey(uint key)
{
    return singleAddKey(*this, key, bit(TK_G), true);
}
bool CBEXGRP::removeCurrent()
{
    return singleRemove(*this);
}

// XGRP reaches direct groups only, whatever the expression.
uint CBEXGRP::checkPlantReferences(bool direct, int ownGroup) const
{
    const CBEPlantInfo* plant = cbePlant();
    for (const CBEOperator* c : children) {
        if (const uint e = c->checkPlantReferences(direct, ownGroup))
            return e;
        const auto* group = dynamic_cast<const CBEGroupIndex*>(c);
        if (group && plant && group->getValue() > plant->directGroupCount())
            return 527;
    }
    return 0;
}

CBESub1::CBESub1()
{
    append(new SUB1Tk);
    append(new OpenTk);
    auto* output = new CBEActivateOutput;
    output->addKey(TK_C);
    append(output);
    append(new CloseTk);
    cursor = 2;
}

bool CBESub1::isComplete() const
{
    return size() == 4 && CBEOperator::isComplete();
}
bool CBESub1::canMoveBack() const
{
    return backFromChild(*this);
}
bool CBESub1::isKeyEnabled(uint key) const
{
    return cursorValid() && current()->isKeyEnabled(key);
}
bool CBESub1::addKey(uint key)
{
    return cursorValid() && current()->addKey(key);
}
bool CBESub1::removeCurrent()
{
    return singleRemove(*this);
}

// ---------------------------------------------------------------------------------------------
// DEL and SDEL

CBEDEL::CBEDEL(bool topLevel_)
{
    initKeyword(*this, new DELTk, topLevel_);
}
CBEDEL::CBEDEL(CBEOperator* keyword, bool topLevel_)
{
    initKeyword(*this, keyword, topLevel_);
}
CBESDEL::CBESDEL(bool topLevel_)
    : CBEDEL(new SDELTk, topLevel_)
{
}

bool CBEDEL::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBEDEL::canMoveRight() const
{
    return rightBefore(*this, 2);
}
bool CBEDEL::addKey(uint key)
{
    return listAddKey(*this, key, 1, makeDelPart);
}
bool CBEDEL::removeCurrent()
{
    return listRemove(*this, 1);
}

bool CBEDEL::isComplete() const
{
    const auto* first = dynamic_cast<const CBETimeSlice*>(child(2));
    const auto* second = dynamic_cast<const CBETimeSlice*>(child(4));
    auto inRange = [](const CBETimeSlice* s) { return s->getValue() >= 0 && s->getValue() <= 600; };
    return CBEOperator::isComplete() && first && inRange(first) && (!second || inRange(second))
        && oneCompleteLogic(*this);
}

bool CBEDEL::canMoveBack() const
{
    return listBack(*this);
}
bool CBEDEL::isKeyEnabled(uint key) const
{
    const int go = keyContinuation(*this, key, 1);
    if (go != 0)
        return go > 0;
    if (current()->getKind() != KIND_SPACE && cursor != 1)
        return key == TK_SPACE && !blankFollows(*this);
    const bool firstDelay = childKind(2) == KIND_TIME_SLICE;
    if (isDigit(key) || key == TK_DOT) {
        if (getErrorCount() != 0)
            return false;
        if (cursor == 3 && childKind(4) != KIND_TIME_SLICE)
            return true;
        return !firstDelay && cursor == 1;
    }
    // The condition comes last, once: not in front of a duration, not a second time.
    const bool behindDelays = (cursor == 3 && childKind(4) != KIND_TIME_SLICE) || cursor == 5;
    return key == TK_OPEN && firstDelay && behindDelays && countKind(*this, KIND_LOGIC) == 0;
}

// ---------------------------------------------------------------------------------------------
// TIM

CBETIM::CBETIM(bool topLevel_)
{
    initKeyword(*this, new TIMTk, topLevel_);
}
bool CBETIM::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBETIM::canMoveRight() const
{
    return rightBefore(*this, 2);
}
// The "--" placeholder goes as a whole, with its blank: a single "-" left would be no date.
bool CBETIM::removeCurrent()
{
    if (hasDashDate() && childKind(3) == KIND_MINUS && (cursor == 2 || cursor == 3)) {
        const int count = childKind(4) == KIND_SPACE ? 3 : 2;
        for (int i = 0; i < count; ++i)
            removeAt(2);
        cursor = 1;
        return true;
    }
    return listRemove(*this, 1);
}

int CBETIM::getMonth() const
{
    const auto* month = dynamic_cast<const Month*>(child(2));
    return month ? month->getValue() : 0;
}

int CBETIM::getDay() const
{
    for (int i = 2; i <= 4; ++i) {
        const auto* day = dynamic_cast<const Day*>(child(i));
        if (day && day->getValue() != 0)
            return day->getValue();
    }
    return 0;
}

int CBETIM::getYear() const
{
    for (int i = 2; i <= 6; ++i) {
        const auto* year = dynamic_cast<const Year*>(child(i));
        if (year && year->getValue() != 0)
            return year->getValue();
    }
    return 0;
}

int CBETIM::getWeekDayMask() const
{
    int mask = 0;
    for (int i = 2; i < size() - 1; ++i)
        if (const auto* day = dynamic_cast<const WeekDay*>(children[i]))
            mask |= day->getDayMask();
    return mask;
}

bool CBETIM::hasDashDate() const
{
    return size() >= 4 && childKind(2) == KIND_MINUS;
}

bool CBETIM::canStartDate() const
{
    return cursor == 1 && getWeekDayMask() == 0 && !hasDashDate() && getMonth() == 0;
}

bool CBETIM::canAddDay() const
{
    return cursor == 3 && childKind(3) == KIND_MINUS && getWeekDayMask() == 0 && getMonth() >= 1 && !hasDashDate()
        && getDay() == 0;
}

bool CBETIM::canAddYear() const
{
    return cursor == 5 && childKind(5) == KIND_MINUS && getWeekDayMask() == 0 && getMonth() >= 1 && !hasDashDate()
        && getDay() >= 1 && getYear() == 0;
}

bool CBETIM::canAddWeekDay(int dayBit) const
{
    if (size() < 4)
        return true;
    int bits = 0;
    for (int i = 2; i < size() - 1; ++i) {
        const int k = childKind(i);
        if (k == KIND_MONTH || k == KIND_DAY)
            return false;
        if (const auto* day = dynamic_cast<const WeekDay*>(children[i])) {
            bits |= day->getDayMask();
            continue;
        }
        if (k == KIND_SPACE)
            continue;
        if (cursor >= i)
            return false;
        break;
    }
    return !(bits & dayBit);
}

bool CBETIM::canAddTimeSlice() const
{
    if (size() < 4)
        return true;
    bool verdict = true;
    bool sliceSeen = false;
    for (int i = 2; i < size() - 1 && verdict; ++i) {
        const int k = childKind(i);
        const bool datePart = k == KIND_YEAR || k == KIND_MONTH || k == KIND_DAY || k == KIND_MINUS
            || dynamic_cast<const WeekDay*>(children[i]);
        if (datePart)
            verdict = cursor >= i;
        else if (k == KIND_SPACE)
            verdict = true;
        else if (k == KIND_TIME_SLICE) {
            verdict = !sliceSeen;
            sliceSeen = true;
        } else
            verdict = false;
    }
    return verdict;
}

CBETimeSlice* CBETIM::findTimeSlice(int& position) const
{
    for (int i = std::max(position, 0); i < size() - 1; ++i) {
        if (auto* slice = dynamic_cast<CBETimeSlice*>(children[i])) {
            position = i;
            return slice;
        }
    }
    position = size();
    return nullptr;
}

bool CBETIM::hasDatePart() const
{
    return childKind(2) == KIND_MINUS || (getMonth() >= 1 && getDay() >= 1 && getYear() >= 1) || getWeekDayMask() >= 1;
}

bool CBETIM::isFull() const
{
    const bool date = hasDashDate() || (getMonth() >= 1 && getDay() >= 1 && getYear() >= 1) || getWeekDayMask() == 127;
    int p = 2;
    const CBETimeSlice* start = findTimeSlice(p);
    int q = p + 1;
    return date && start && findTimeSlice(q);
}

bool CBETIM::isComplete() const
{
    int p = 2;
    const CBETimeSlice* start = findTimeSlice(p);
    int q = p + 1;
    const CBETimeSlice* stop = start ? findTimeSlice(q) : nullptr;
    return CBEOperator::isComplete() && hasDatePart() && stop && start->getValue() < stop->getValue();
}

bool CBETIM::startNotBeforeStop(int from) const
{
    const CBETimeSlice* start = findTimeSlice(from);
    int next = from + 1;
    const CBETimeSlice* stop = start ? findTimeSlice(next) : nullptr;
    return stop && start->getValue() >= stop->getValue();
}

int CBETIM::getErrorCount() const
{
    const int count = CBEOperator::getErrorCount();
    if (count != 0)
        return count;
    return startNotBeforeStop(cursor) ? 1 : 0;
}

uint CBETIM::getFirstError() const
{
    if (const uint e = CBEOperator::getFirstError())
        return e;
    return startNotBeforeStop(cursor) ? 522 : 0;
}

bool CBETIM::canMoveBack() const
{
    return listBack(*this);
}
bool CBETIM::isKeyEnabled(uint key) const
{
    const int go = keyContinuation(*this, key, 1);
    if (go != 0)
        return go > 0;
    if (isFull())
        return false;
    if (cursor == 1) {
        if (isDigit(key) || key == TK_MINUS)
            return canStartDate();
        return isWeekDayKey(key) && canAddWeekDay(1 << (key - TK_MO));
    }
    const CBEOperator* c = current();
    const int k = c->getKind();
    if (k != KIND_SPACE && k != KIND_MINUS) {
        // A month or day is followed by its "-", never by a blank.
        if (key == TK_SPACE)
            return k != KIND_DAY && k != KIND_MONTH && (cursor == size() - 1 || childKind(cursor + 1) != KIND_SPACE);
        return key == TK_MINUS && (k == KIND_DAY || k == KIND_MONTH) && c->isComplete()
            && childKind(cursor + 1) != KIND_MINUS;
    }
    // A time slice starts behind a blank only: behind a "-" it would run into the date.
    if (key <= 2)
        return canAddDay() || (k == KIND_SPACE && canAddTimeSlice()) || canAddYear();
    if (isDigit(key))
        return canAddDay() || canAddYear();
    return isWeekDayKey(key) && canAddWeekDay(1 << (key - TK_MO));
}

bool CBETIM::addKey(uint key)
{
    const int go = continuation(*this, key, 1);
    if (go != 0)
        return go > 0;
    if (cursor == 1) {
        if (isDigit(key)) {
            auto* month = new Month;
            month->addKey(key);
            insertAfterCursor(month);
        } else if (isWeekDayKey(key)) {
            insertAfterCursor(makeWeekDay(key));
            insertAfterCursor(new SPACETk);
        } else if (key == TK_MINUS) {
            insertAfterCursor(new MINUSTk);
            insertAfterCursor(new MINUSTk);
            insertAfterCursor(new SPACETk);
        } else {
            return false;
        }
        return true;
    }
    const int k = current()->getKind();
    if (k != KIND_SPACE && k != KIND_MINUS) {
        if (key == TK_SPACE)
            insertAfterCursor(new SPACETk);
        else if (key == TK_MINUS)
            insertAfterCursor(new MINUSTk);
        else
            return false;
        return true;
    }
    if (isDigit(key)) {
        CBEOperator* part = nullptr;
        if (canAddDay())
            part = new Day;
        else if (canAddYear())
            part = new Year;
        else if (k == KIND_SPACE && canAddTimeSlice())
            part = new CBETimeSlice(1439);
        else
            return false;
        part->addKey(key);
        insertAfterCursor(part);
        // A slice typed in front of another keeps a blank between them.
        if (part->getKind() == KIND_TIME_SLICE)
            automaticBlank(cursor);
        return true;
    }
    if (!isWeekDayKey(key))
        return false;
    insertAfterCursor(makeWeekDay(key));
    insertAfterCursor(new SPACETk);
    return true;
}

// ---------------------------------------------------------------------------------------------
// TONE

CBETONE::CBETONE()
{
    initKeyword(*this, new TONETk, true);
}
bool CBETONE::canMoveLeft() const
{
    return leftFrom(*this, 2);
}
bool CBETONE::canMoveRight() const
{
    return rightBefore(*this, 2);
}
bool CBETONE::removeCurrent()
{
    return listRemove(*this, 1);
}

int CBETONE::getTone() const
{
    const auto* tone = dynamic_cast<const ToneIndex*>(child(2));
    return tone ? tone->getValue() : 0;
}

int CBETONE::getVolume() const
{
    const auto* volume = dynamic_cast<const VolumeIndex*>(child(4));
    return volume ? volume->getValue() : 0;
}

int CBETONE::getFirstZone() const
{
    for (const CBEOperator* c : children) {
        if (c->getKind() == KIND_COLON)
            break;
        const auto* zone = dynamic_cast<const CBEAreaIndex*>(c);
        if (zone && zone->getValue() >= 0)
            return zone->getValue();
    }
    return -1;
}

int CBETONE::getSecondZone() const
{
    bool behind = false;
    for (const CBEOperator* c : children) {
        if (c->getKind() == KIND_COLON)
            behind = true;
        const auto* zone = dynamic_cast<const CBEAreaIndex*>(c);
        if (!zone)
            continue;
        if (behind && zone->getValue() >= 0)
            return zone->getValue();
        behind = true;
    }
    return -1;
}

int CBETONE::getZonePosition(bool first) const
{
    int seen = 0;
    for (int i = 0; i < size(); ++i)
        if (childKind(i) == KIND_AREA && ++seen == (first ? 1 : 2))
            return i;
    return -1;
}

bool CBETONE::canAddFirstZone() const
{
    return getTone() >= 1 && getVolume() >= 1 && getFirstZone() < 0;
}

bool CBETONE::canAddSecondZone() const
{
    return getTone() >= 1 && getVolume() >= 1 && getFirstZone() >= 1 && getSecondZone() < 0;
}

bool CBETONE::canAddLogic() const
{
    return getTone() >= 1 && getVolume() >= 1 && getFirstZone() >= 1 && getSecondZone() >= 1
        && countKind(*this, KIND_LOGIC) == 0;
}

bool CBETONE::isFull() const
{
    return getTone() >= 1 && getVolume() >= 1 && getFirstZone() >= 1 && getSecondZone() >= 1 && oneCompleteLogic(*this);
}

bool CBETONE::isComplete() const
{
    return CBEOperator::isComplete() && isFull() && getFirstZone() <= getSecondZone();
}

bool CBETONE::zonesReversed() const
{
    return getFirstZone() >= 1 && getSecondZone() >= 1 && getFirstZone() > getSecondZone();
}

int CBETONE::getErrorCount() const
{
    const int count = CBEOperator::getErrorCount();
    return count != 0 ? count : zonesReversed() ? 1 : 0;
}

uint CBETONE::getFirstError() const
{
    if (const uint e = CBEOperator::getFirstError())
        return e;
    return zonesReversed() ? 526 : 0;
}

bool CBETONE::canMoveBack() const
{
    return listBack(*this);
}
bool CBETONE::isKeyEnabled(uint key) const
{
    const int go = keyContinuation(*this, key, 1);
    if (go != 0)
        return go > 0;
    // TONE's parts come in a fixed order: new ones only behind the last.
    if (isFull() || cursor != size() - 2)
        return false;
    if (cursor == 1)
        return isDigit(key) && getTone() == 0;
    const int k = current()->getKind();
    if (k == KIND_SPACE) {
        if (key == TK_Z)
            return canAddFirstZone();
        if (key == TK_OPEN)
            return canAddLogic();
        return key >= 1 && key <= 4 && cursor == 3 && getVolume() == 0;
    }
    switch (key) {
    case TK_COLON: return k == KIND_AREA && canAddSecondZone() && countKind(*this, KIND_COLON) == 0;
    case TK_Z: return k == KIND_COLON && canAddSecondZone();
    case TK_SPACE:
        return k != KIND_COLON && (k != KIND_AREA || cursor == getZonePosition(false))
            && (cursor == size() - 1 || childKind(cursor + 1) != KIND_SPACE);
    default: return false;
    }
}

bool CBETONE::addKey(uint key)
{
    const int go = continuation(*this, key, 1);
    if (go != 0)
        return go > 0;
    if (cursor != size() - 2)
        return false;
    CBEOperator* node = nullptr;
    const int k = current()->getKind();
    if (cursor == 1) {
        if (!isDigit(key))
            return false;
        node = new ToneIndex;
        node->addKey(key);
    } else if (k != KIND_SPACE) {
        if (key == TK_Z && k == KIND_COLON)
            node = new CBEAreaIndex;
        else if (key == TK_COLON && k == KIND_AREA)
            node = new DBLDOTTk;
        else if (key == TK_SPACE)
            node = new SPACETk;
    } else if (isDigit(key)) {
        if (cursor == 3 && getVolume() == 0) {
            node = new VolumeIndex;
            node->addKey(key);
        }
    } else {
        node = key == TK_Z ? new CBEAreaIndex : makeNestedList(key);
    }
    if (!node)
        return false;
    insertAfterCursor(node);
    return true;
}

} // namespace Ov4800
