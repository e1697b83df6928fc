#pragma once
// The shared rules of the operator nodes: which keys an operator takes, how lists and wrappers
// grow and shrink under the cursor, and the factories of their children. Internal to the CBE
// text model's operator sources.
#include "cbe/CBEOperators.h"

namespace Ov4800 {
namespace rules {

using Keys = quint64;

constexpr Keys bit(uint key)
{
    return Keys(1) << key;
}
inline bool has(Keys keys, uint key)
{
    return key < 64 && (keys & bit(key));
}
inline bool isDigit(uint key)
{
    return key <= TK_9;
}
inline bool isWeekDayKey(uint key)
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
inline CBEOperator* makeOperand(uint key, Keys allowed, bool moduleAllowed = true)
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

inline void initKeyword(CBEOperator& n, CBEOperator* keyword, bool topLevel)
{
    n.append(keyword);
    n.append(new OpenTk);
    n.append(new CloseTk);
    n.cursor = 1;
    n.topLevel = topLevel;
}

// Whether a key goes on after the child at the cursor: -1 no, 1 the child took it, 0 the
// operator's own table decides.
inline int continuation(CBEOperator& n, uint key, int minCursor)
{
    if (n.cursor < minCursor || !n.cursorValid())
        return -1;
    if (n.current()->addKey(key))
        return 1;
    return n.current()->isComplete() && n.current()->isCursorAtEnd() ? 0 : -1;
}

// The same question without changing anything.
inline int keyContinuation(const CBEOperator& n, uint key, int minCursor)
{
    if (n.cursor < minCursor || !n.cursorValid())
        return -1;
    if (n.current()->isKeyEnabled(key))
        return 1;
    return n.current()->isComplete() && n.current()->isCursorAtEnd() ? 0 : -1;
}

// A blank behind the cursor already: a second one would stand beside it.
inline bool blankFollows(const CBEOperator& n)
{
    return n.childKind(n.cursor + 1) == KIND_SPACE;
}

// With the caret on its ")" a list is finished: what follows belongs to its parent. Typing
// never leaves a top-level list there, reading a program does.
inline bool onClose(const CBEOperator& n)
{
    return n.cursor == n.size() - 1;
}

inline bool listKeyEnabled(const CBEOperator& n, uint key, int openPos, Keys starts, bool lastTakesBlank = true)
{
    if (onClose(n))
        return false;
    const int go = keyContinuation(n, key, openPos);
    if (go != 0)
        return go > 0;
    if (n.current()->getKind() != KIND_SPACE && n.cursor != openPos)
        return key == TK_SPACE && (lastTakesBlank || n.cursor != n.size() - 1) && !blankFollows(n);
    return has(starts, key);
}

inline bool listAddKey(CBEOperator& n, uint key, int minCursor, CBEOperator* (*make)(uint))
{
    if (onClose(n))
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
inline void dropDoubleBlank(CBEOperator& n)
{
    const int k = n.childKind(n.cursor);
    if ((k == KIND_SPACE || k == TK_OPEN + KIND_TOKEN_BASE) && n.childKind(n.cursor + 1) == KIND_SPACE)
        n.removeAt(n.cursor + 1);
}

// A blank, "-" or ":" between two elements keeps them apart; without it the text no longer
// reads back.
inline bool separatingBlank(const CBEOperator& n)
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
inline bool backFromChild(const CBEOperator& n)
{
    return n.cursorValid() ? n.current()->canMoveBack() : n.cursor >= 0;
}

inline bool listBack(const CBEOperator& n)
{
    return !separatingBlank(n) && backFromChild(n);
}

// The keyword, "(" or ")" take the whole operator; elsewhere the child at the cursor.
inline bool listRemove(CBEOperator& n, int low)
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

inline bool singleKeyEnabled(const CBEOperator& n, uint key, Keys starts)
{
    if (n.size() == 4)
        return n.cursor == 2 && n.children[2]->isKeyEnabled(key);
    return n.size() == 3 && n.cursor == 1 && has(starts, key);
}

inline bool singleAddKey(CBEOperator& n, uint key, Keys builds, bool moduleAllowed)
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

inline bool singleRemove(CBEOperator& n)
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

inline bool leftFrom(const CBEOperator& n, int first)
{
    return n.childCanMoveLeft() || n.cursor >= first;
}
inline bool rightBefore(const CBEOperator& n, int fromEnd)
{
    return n.childCanMoveRight() || n.cursor < n.size() - fromEnd;
}
inline bool rightTopLevel(const CBEOperator& n)
{
    return rightBefore(n, n.topLevel ? 2 : 1);
}

inline int countKind(const CBEOperator& n, int kind)
{
    int count = 0;
    for (const CBEOperator* c : n.children)
        count += c->getKind() == kind;
    return count;
}

// Exactly one logic expression, complete and with at least its parentheses.
inline bool oneCompleteLogic(const CBEOperator& n)
{
    if (countKind(n, KIND_LOGIC) != 1)
        return false;
    for (const CBEOperator* c : n.children)
        if (c->getKind() == KIND_LOGIC)
            return c->isComplete() && c->size() >= 3;
    return false;
}

inline CBEOperator* makeOrOperand(uint key)
{
    return makeOperand(key, kOrBuilds);
}
inline CBEOperator* makeAndOperand(uint key)
{
    return makeOperand(key, kAndBuilds);
}
inline CBEOperator* makeLogicOperand(uint key)
{
    return makeOperand(key, kLogicBuilds);
}

inline CBEOperator* makeDirectOperand(uint key)
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
inline CBEOperator* makeNestedList(uint key)
{
    switch (key) {
    case TK_OPEN: return new CBELogicExp;
    case TK_OR: return new CBEOR(true);
    case TK_AND: return new CBEAND(true);
    case TK_NOT: return new CBENOT(true);
    default: return nullptr;
    }
}

inline CBEOperator* makeDelPart(uint key)
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

} // namespace rules
} // namespace Ov4800
