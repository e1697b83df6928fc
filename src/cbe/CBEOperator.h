#pragma once
// Node of the in-memory CBE expression tree, with the leaf tokens, the digits and the decimal
// index. A node owns its children; deleting a node deletes its subtree.
#include "cbe/CBEPlantInfo.h"
#include "cbe/CBEToken.h"

#include <QList>
#include <QString>

namespace Ov4800 {

// Kinds that the rules test by number.
enum NodeKind : int {
    KIND_YEAR = 1,
    KIND_MONTH = 2,
    KIND_DAY = 3,
    KIND_TONE_INDEX = 4,
    KIND_VOLUME_INDEX = 5,
    KIND_DIRECT = 6,
    KIND_OUTPUT = 7,
    KIND_POINT = 8,
    KIND_CPU = 9,
    KIND_LOOP = 10,
    KIND_MODULE = 11,
    KIND_SENSOR = 12,
    KIND_DIGIT = 13,
    KIND_SUB = 14,
    KIND_GROUP = 15,
    KIND_AREA = 16,
    KIND_INDEX = 17,
    KIND_SUB1 = 18,
    KIND_DIS = 19,
    KIND_NOT = 20,
    KIND_PRE = 21,
    KIND_XGRP = 22,
    KIND_FLT = 23,
    KIND_LOGIC = 24,
    KIND_OR = 25,
    KIND_AND = 26,
    KIND_DEL = 27,
    KIND_TIME_SLICE = 28,
    KIND_SDEL = 29,
    KIND_TIM = 30,
    KIND_TAC = 71,
    KIND_TONE = 73,
    // A token's kind is its code plus 31.
    KIND_TOKEN_BASE = 31,
    KIND_COLON = TK_COLON + KIND_TOKEN_BASE,
    KIND_MINUS = TK_MINUS + KIND_TOKEN_BASE,
    KIND_SPACE = TK_SPACE + KIND_TOKEN_BASE,
    KIND_DOT = TK_DOT + KIND_TOKEN_BASE,
};

class CBEOperator {
public:
    CBEOperator() = default;
    CBEOperator(const CBEOperator&) = delete;
    CBEOperator& operator=(const CBEOperator&) = delete;
    virtual ~CBEOperator();

    virtual QString getName() const = 0;
    virtual int getKind() const = 0;
    virtual QString getString() const;
    // The text up to and including the cursor position.
    virtual QString getGhostString() const;
    // The text from the cursor position on.
    virtual QString getStringFromCursor() const;
    virtual bool isEmpty() const;
    virtual bool isComplete() const;
    virtual int getErrorCount() const;
    virtual bool isKeyEnabled(uint key) const;
    virtual bool canMoveBack() const;
    virtual bool canMoveRight() const;
    virtual bool canMoveLeft() const;
    // User error codes; 0 none.
    virtual uint getFirstError() const;
    // direct: the expression is a direct one; owner: whose program it is.
    virtual uint checkPlantReferences(bool direct, const CBEOwner& owner) const;
    virtual bool removeCurrent();
    virtual bool addKey(uint key) = 0;
    virtual bool stepBackAndAdd(uint key);

    // Deletes every child, first child first; cursor 0, topLevel false.
    void clear();
    bool moveToStart();
    bool moveToEnd();
    bool isCursorAtEnd() const;
    bool moveLeft();
    bool moveRight();
    bool childCanMoveRight() const;
    bool childCanMoveLeft() const;
    bool childCanMoveBack() const;

    // The child at the cursor, or null.
    CBEOperator* current() const;
    CBEOperator* child(int i) const { return i >= 0 && i < children.size() ? children[i] : nullptr; }
    int childKind(int i) const;
    int size() const { return children.size(); }
    bool cursorValid() const { return cursor >= 0 && cursor < children.size(); }

    // Owned children, in order.
    QList<CBEOperator*> children;
    bool topLevel = false;
    // Position of the current child; the cursor path runs through the current child of each node.
    int cursor = 0;

    // Takes ownership: inserts at cursor + 1 (appends past the end) and moves the cursor there.
    void insertAfterCursor(CBEOperator* node);
    // Takes ownership; the cursor stays.
    void append(CBEOperator* node);
    // Removes and deletes the child at i.
    void removeAt(int i);
    // Inserts a blank behind the node just put at n when an operand follows it in a list.
    void automaticBlank(int n);
};

// Leaf tokens: one token code 10 to 43 each.
class CBETk : public CBEOperator {
public:
    QString getString() const override { return getName(); }
    QString getGhostString() const override { return getName(); }
    QString getStringFromCursor() const override { return QString(); }
    bool canMoveBack() const override { return true; }
    bool isKeyEnabled(uint) const override { return false; }
    bool addKey(uint) override { return false; }
};

template <uint Code, class Base = CBETk>
class TokenOf : public Base {
public:
    QString getName() const override { return tokenStorageText(Code); }
    int getKind() const override { return int(Code) + KIND_TOKEN_BASE; }
};

class WeekDay : public CBETk {
public:
    // MO 1, TU 2, WE 4, TH 8, FR 16, SA 32, SU 64.
    virtual int getDayMask() const = 0;
};

template <uint Code>
class WeekDayOf : public TokenOf<Code, WeekDay> {
public:
    int getDayMask() const override { return 1 << (Code - TK_MO); }
};

using CTk = TokenOf<TK_C>;
using GTk = TokenOf<TK_G>;
using SYSTk = TokenOf<TK_SYS>;
using LUTk = WeekDayOf<TK_MO>;
using MATk = WeekDayOf<TK_TU>;
using METk = WeekDayOf<TK_WE>;
using GITk = WeekDayOf<TK_TH>;
using VETk = WeekDayOf<TK_FR>;
using SATk = WeekDayOf<TK_SA>;
using DOTk = WeekDayOf<TK_SU>;
using DOTTk = TokenOf<TK_DOT>;
using DBLDOTTk = TokenOf<TK_COLON>;
using MINUSTk = TokenOf<TK_MINUS>;
using LINETk = TokenOf<TK_L>;
using DTk = TokenOf<TK_S>;
using MTk = TokenOf<TK_M>;
using ZTk = TokenOf<TK_Z>;
using SPACETk = TokenOf<TK_SPACE>;
using OpenTk = TokenOf<TK_OPEN>;
using CloseTk = TokenOf<TK_CLOSE>;
using ORTk = TokenOf<TK_OR>;
using ANDTk = TokenOf<TK_AND>;
using NOTTk = TokenOf<TK_NOT>;
using XGRPTk = TokenOf<TK_XGRP>;
using DELTk = TokenOf<TK_DEL>;
using TIMTk = TokenOf<TK_TIM>;
using SDELTk = TokenOf<TK_SDEL>;
using PRETk = TokenOf<TK_PRE>;
using FLTTk = TokenOf<TK_FLT>;
using DISTk = TokenOf<TK_DIS>;
using TACTk = TokenOf<TK_TAC>;
using SUB1Tk = TokenOf<TK_SUB1>;
using TONETk = TokenOf<TK_TONE>;
using EVACTk = TokenOf<TK_EVAC>;

// The weekday token of a key 13 to 19; null for other keys.
CBEOperator* makeWeekDay(uint key);

class CBEDecDigit : public CBEOperator {
public:
    virtual int getValue() const = 0;
    QString getString() const override { return getName(); }
    int getKind() const override { return KIND_DIGIT; }
    bool isComplete() const override { return true; }
    bool canMoveBack() const override { return true; }
    bool isKeyEnabled(uint) const override { return false; }
    bool addKey(uint) override { return false; }
};

template <int D>
class CBEDigitOf : public CBEDecDigit {
public:
    QString getName() const override { return QString(QChar('0' + D)); }
    int getValue() const override { return D; }
};

using CBEN0 = CBEDigitOf<0>;
using CBEN1 = CBEDigitOf<1>;
using CBEN2 = CBEDigitOf<2>;
using CBEN3 = CBEDigitOf<3>;
using CBEN4 = CBEDigitOf<4>;
using CBEN5 = CBEDigitOf<5>;
using CBEN6 = CBEDigitOf<6>;
using CBEN7 = CBEDigitOf<7>;
using CBEN8 = CBEDigitOf<8>;
using CBEN9 = CBEDigitOf<9>;

// Null for a key above 9.
CBEDecDigit* makeDigit(uint key);
// Decimal value of the digit children from position `from` on; -1 without digits.
int digitsValue(const CBEOperator& node, int from);
// Whether a number of this many digits, after a key, can still become one the compiler reads:
// it reads at most readDigits of them (a leading 0 counts), and a number of zeros only where
// minValue takes 0. zero: every digit is 0.
bool numberCanComplete(int digits, bool zero, int readDigits, int minValue);

// Digits of a number.
class CBEIndex : public CBEOperator {
public:
    // maxDigits from the maximum: none when minValue >= maxValue.
    CBEIndex(uint firstDigit, int minValue, int maxValue);
    // 0 to 10^digitCount - 1.
    CBEIndex(uint firstDigit, int digitCount);
    CBEIndex(uint firstDigit, int minValue, int maxValue, int maxDigits);

    QString getName() const override { return QStringLiteral("Index"); }
    int getKind() const override { return KIND_INDEX; }
    bool isComplete() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const { return digitsValue(*this, 0); }
    // False when full with the cursor on its last digit: addKey refuses then.
    bool takesDigit() const;
    // Whether the number, with the digit key typed, can still become one the compiler reads.
    bool digitCanComplete(uint key) const;

    int maxDigits = 0;
    int maxValue = 0;
    int minValue = 0;
    // The digits the compiler reads of this number; 0 for no limit.
    int readDigits = 0;
};

} // namespace Ov4800
