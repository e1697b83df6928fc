#include "cbe/CBEOperators.h"

#include "cbe/CBECompiler.h"
#include "cbe/CBEOperatorRules.h"
#include "cbe/CBEPlantInfo.h"

namespace Ov4800 {

using namespace rules;

namespace {

// The plant check of a wrapper's operand, a point under the type rule of the wrapper.
uint checkUnderRule(const CBEOperator& n, bool direct, const CBEOwner& owner, CBEPoint::TypeRule rule)
{
    for (const CBEOperator* c : n.children) {
        const uint e = c->getKind() == KIND_POINT
            ? static_cast<const CBEPoint*>(c)->checkPlantReferences(direct, owner, rule)
            : c->checkPlantReferences(direct, owner);
        if (e != 0)
            return e;
    }
    return 0;
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
uint CBEFLT::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    return checkUnderRule(*this, direct, owner, CBEPoint::TypeRule::Fault);
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
uint CBEDIS::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    return checkUnderRule(*this, direct, owner, CBEPoint::TypeRule::Any);
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
uint CBEXGRP::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    const CBEPlantInfo* plant = cbePlant();
    for (const CBEOperator* c : children) {
        if (const uint e = c->checkPlantReferences(direct, owner))
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
    return false;
}
int CBESub1::getErrorCount() const
{
    return 1;
}
uint CBESub1::getFirstError() const
{
    // Read as a sensor "S" where the list takes groups and points only.
    return cbeCompileErrorToUserError(CBE_ERR_UNEXPECTED_S);
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
    auto inRange = [](const CBETimeSlice* s) {
        return s->getValue() >= 0 && s->getValue() <= 600 && s->getErrorCount() == 0;
    };
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

} // namespace Ov4800
