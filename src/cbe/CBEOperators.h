#pragma once
// Operators of a CBE expression: operand lists, single-operand wrappers, SUB1, and the
// structured DEL, SDEL, TIM and TONE.
#include "cbe/CBEOperands.h"

namespace Ov4800 {

// "(" operands ")": the outputs of a direct expression.
class CBEDirectOp : public CBEOperator {
public:
    CBEDirectOp();
    QString getName() const override { return QStringLiteral("(...)"); }
    int getKind() const override { return KIND_DIRECT; }
    bool isEmpty() const override { return size() < 3; }
    bool isComplete() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveBack() const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    // True also without operands.
    bool hasOnlyDisOperands() const;
};

// "(" operands ")" nested in DEL, SDEL and TONE.
class CBELogicExp : public CBEOperator {
public:
    CBELogicExp();
    QString getName() const override { return QStringLiteral("(LOGIC)"); }
    int getKind() const override { return KIND_LOGIC; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBEOR : public CBEOperator {
public:
    explicit CBEOR(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("OR(...)"); }
    int getKind() const override { return KIND_OR; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBEAND : public CBEOperator {
public:
    explicit CBEAND(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("AND(...)"); }
    int getKind() const override { return KIND_AND; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

// Keyword "(" operand ")".
class CBENOT : public CBEOperator {
public:
    explicit CBENOT(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("NOT(...)"); }
    int getKind() const override { return KIND_NOT; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBEPRE : public CBEOperator {
public:
    explicit CBEPRE(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("PRE(...)"); }
    int getKind() const override { return KIND_PRE; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBETAC : public CBEOperator {
public:
    explicit CBETAC(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("TAC(...)"); }
    int getKind() const override { return KIND_TAC; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBEFLT : public CBEOperator {
public:
    explicit CBEFLT(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("FLT(...)"); }
    int getKind() const override { return KIND_FLT; }
    bool isComplete() const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

class CBEDIS : public CBEOperator {
public:
    // groupForbidden: the DIS stands in a direct expression.
    explicit CBEDIS(bool groupForbidden_ = false);
    QString getName() const override { return QStringLiteral("DIS(...)"); }
    int getKind() const override { return KIND_DIS; }
    bool isComplete() const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;

    bool groupForbidden;
};

class CBEXGRP : public CBEOperator {
public:
    explicit CBEXGRP(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("XGRP(...)"); }
    int getKind() const override { return KIND_XGRP; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

// "SUB1" "(" output ")". The compiler has no SUB: a program that holds one never reaches the
// panel, so an opened one stays incomplete and shows the compiler's cause, and the keypad offers
// none (the output's sub-address follows its "." instead).
class CBESub1 : public CBEOperator {
public:
    CBESub1();
    QString getName() const override { return QStringLiteral("Sub1(...)"); }
    int getKind() const override { return KIND_SUB1; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
};

// Keyword "(" delay [duration] logic ")".
class CBEDEL : public CBEOperator {
public:
    explicit CBEDEL(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("DEL(...)"); }
    int getKind() const override { return KIND_DEL; }
    bool isComplete() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;

protected:
    CBEDEL(CBEOperator* keyword, bool topLevel_);
};

class CBESDEL : public CBEDEL {
public:
    explicit CBESDEL(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("SDEL(...)"); }
    int getKind() const override { return KIND_SDEL; }
};

// "TIM" "(" a date, "--" or weekdays, start and stop slices ")".
class CBETIM : public CBEOperator {
public:
    explicit CBETIM(bool topLevel_ = false);
    QString getName() const override { return QStringLiteral("TIM(...)"); }
    int getKind() const override { return KIND_TIM; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;

    // The value of each date field; -1 where none stands.
    int getMonth() const;
    int getDay() const;
    int getYear() const;
    int getWeekDayMask() const;
    bool hasDashDate() const;
    bool canStartDate() const;
    bool canAddDay() const;
    bool canAddYear() const;
    bool canAddWeekDay(int bit) const;
    bool canAddTimeSlice() const;
    // The first slice at or after position and before the last child; position becomes its
    // index, or the child count when there is none.
    CBETimeSlice* findTimeSlice(int& position) const;
    bool isFull() const;

private:
    bool hasDatePart() const;
    // The "--" of no date, only where no date has begun.
    bool canStartDashDate() const;
    // The date in front of the slices judged by the compiler's rule: 0 when it takes it, the
    // compile error when it refuses a date that is typed out, -1 while weekdays stand there or
    // the date is still being typed.
    int dateVerdict() const;
    // Start at or after `from` and the stop behind it, when both exist and start >= stop.
    bool startNotBeforeStop(int from) const;
};

// "TONE" "(" tone volume zone ":" zone logic ")".
class CBETONE : public CBEOperator {
public:
    CBETONE();
    QString getName() const override { return QStringLiteral("TONE(...)"); }
    int getKind() const override { return KIND_TONE; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool canMoveBack() const override;
    bool isKeyEnabled(uint key) const override;
    bool canMoveRight() const override;
    bool canMoveLeft() const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;

    int getTone() const;
    int getVolume() const;
    int getFirstZone() const;
    int getSecondZone() const;
    int getZonePosition(bool first) const;
    bool canAddFirstZone() const;
    bool canAddSecondZone() const;
    bool canAddLogic() const;
    bool isFull() const;

private:
    bool zonesReversed() const;
    // Every child up to the cursor stands where a finished TONE has it, and the one behind it
    // is missing: at the end, or where a removal left a part out.
    bool partMissingBehindCursor() const;
    bool inLayout() const;
    // The kind of part a key starts at the cursor; -1 for none.
    int partKindOfKey(uint key) const;
    // A key that starts a part behind the cursor.
    bool partKeyEnabled(uint key) const;
};

} // namespace Ov4800
