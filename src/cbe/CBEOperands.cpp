#include "cbe/CBEOperands.h"

#include "cbe/CBECompiler.h"
#include "cbe/CBEDecoder.h"
#include "cbe/CBEPlantInfo.h"

#include <QDebug>

namespace Ov4800 {

namespace {

// The digits the compiler reads of each number.
enum : int {
    READ_CPU = 2,
    READ_LOOP = 1,
    READ_ADDRESS = 3,
    READ_SUB = 2,
    READ_GROUP = 4,
    READ_ZONE = 4,
    READ_TONE = 2,
    READ_VOLUME = 1,
};

// User error codes of the operands.
enum : uint {
    ERR_CPU = 513,
    ERR_LOOP = 514,
    ERR_POINT_ADDRESS = 515,
    ERR_GROUP = 516,
    ERR_SUB = 517,
    ERR_SLICE = 518,
    ERR_MONTH = 519,
    ERR_YEAR = 520,
    ERR_SECONDS = 521,
    ERR_ZONE = 523,
    ERR_TONE = 524,
    ERR_VOLUME = 525,
    ERR_DIRECT_GROUP = 527,
    ERR_DIRECT_GROUP_ORDER = 528,
    ERR_REVERSE_GROUP_ORDER = 530,
    ERR_OUTPUT = 531,
    ERR_OUTPUT_SUB = 532,
    ERR_POINT = 533,
    ERR_DAY = 588,
};

// "C", "L", "M" and ".": the token, then digits.
template <class Token>
bool leadAddKey(CBEOperator& n, uint key, uint lead)
{
    if (key == lead && n.isEmpty()) {
        n.append(new Token);
        return true;
    }
    if (CBEDecDigit* d = makeDigit(key)) {
        n.insertAfterCursor(d);
        return true;
    }
    return false;
}

// "S", "G" and "Z": the token, then one CBEIndex that the first digit creates.
template <class Token>
bool indexAddKey(CBEOperator& n, uint key, uint lead, int minValue, int maxValue, int maxDigits, int readDigits)
{
    if (key == lead && n.isEmpty()) {
        n.append(new Token);
        n.cursor = 0;
        return true;
    }
    if (key > TK_9)
        return false;
    if (n.size() == 1) {
        auto* index = maxDigits < 0 ? new CBEIndex(key, minValue, maxValue, maxDigits)
                                    : new CBEIndex(key, minValue, maxValue);
        index->readDigits = readDigits;
        n.append(index);
        ++n.cursor;
        return true;
    }
    return n.size() >= 2 && n.cursor == 1 && n.children[1]->addKey(key);
}

// On the leading token the whole operand goes.
bool leadRemove(CBEOperator& n)
{
    if (n.cursor == 0) {
        n.clear();
        return true;
    }
    return n.CBEOperator::removeCurrent();
}

int indexValue(const CBEOperator& n, int position)
{
    const auto* index = dynamic_cast<const CBEIndex*>(n.child(position));
    return index ? index->getValue() : -1;
}

int indexDigits(const CBEOperator& n, int position)
{
    const CBEOperator* index = n.child(position);
    return index && index->getKind() == KIND_INDEX ? index->size() : -1;
}

bool inRange(int v, int max)
{
    return 1 <= v && v <= max;
}

// With the caret on its letter an index of this kind takes no digit: addKey would refuse it.
bool digitGoesIn(const CBEOperator& n, uint key)
{
    const auto* index = dynamic_cast<const CBEIndex*>(n.child(1));
    return n.size() == 1 || (n.cursor == 1 && (!index || (index->takesDigit() && index->digitCanComplete(key))));
}

// The first child of a class whose value is not 0.
template <class T>
int partValue(const CBEOperator& n)
{
    for (const CBEOperator* c : n.children)
        if (const auto* t = dynamic_cast<const T*>(c))
            if (t->getValue() != 0)
                return t->getValue();
    return 0;
}

template <class T>
bool holds(const CBEOperator& n)
{
    for (const CBEOperator* c : n.children)
        if (dynamic_cast<const T*>(c))
            return true;
    return false;
}

int referenceSub(const CBEOperator& n)
{
    for (const CBEOperator* c : n.children)
        if (const auto* s = dynamic_cast<const CBESubIndex*>(c))
            return s->getValue();
    return 1;
}

// The 0-based sub-address a reference names, or kAnySub without one.
int referenceSubOrAny(const CBEOperator& n)
{
    return holds<CBESubIndex>(n) ? referenceSub(n) - 1 : kAnySub;
}

// Keys of a point or output reference; moduleAllowed for "M", dotAllowed for ".".
bool referenceKeyEnabled(const CBEOperator& n, uint key, bool moduleAllowed, bool dotAllowed)
{
    if (key <= TK_9)
        return n.cursorValid() && n.current()->isKeyEnabled(key);
    const CBEOperator* last = n.child(n.size() - 1);
    const bool atLast = last && n.cursor == n.size() - 1 && last->isCursorAtEnd() && last->isComplete();
    switch (key) {
    case TK_C: return n.isEmpty();
    case TK_L: return n.size() == 1 && atLast;
    case TK_S: return n.size() == 2 && atLast;
    case TK_M: return n.size() == 2 && atLast && moduleAllowed;
    case TK_DOT: return n.size() == 3 && atLast && last->getKind() == KIND_MODULE && dotAllowed;
    default: return false;
    }
}

// Whether "." follows the module of a reference, so that every device has the one name the
// decoder writes for it: not where the record answers at address + sub-address, always where
// channels share their module's address, and for a single device as the detector brand has it.
// unknown: the answer when the plant holds no such module, as while it is built from the
// panel's records; a channel among those records has its "." as the decoder writes it.
bool moduleSubTyped(const CBEOperator& n, bool unknown)
{
    const CBEPlantInfo* plant = cbePlant();
    const int c = partValue<CBECPUIndex>(n) - 1, l = partValue<CBELoopIndex>(n) - 1;
    const int a = partValue<CBEModuleIndex>(n) - 1;
    if (c < 0 || l < 0 || a < 0)
        return unknown;
    const CBEPointInfo p = plant ? plant->point(c, l, a, 2, kAnySub) : CBEPointInfo();
    if (!p.valid)
        return unknown || cbeStoredChannel(u32(c), u32(l), u32(a));
    if (p.recordClass != 0)
        return false;
    return p.hasSubPoints || cbeOutputSubAddressTyped();
}

bool referenceAddKey(CBEOperator& n, uint key)
{
    if (key <= TK_9)
        return n.cursorValid() && n.current()->addKey(key);
    CBEOperator* index = nullptr;
    switch (key) {
    case TK_C: index = new CBECPUIndex; break;
    case TK_L: index = new CBELoopIndex; break;
    case TK_S: index = new CBESensorIndex; break;
    case TK_M: index = new CBEModuleIndex; break;
    case TK_DOT: index = new CBESubIndex; break;
    default: return false;
    }
    index->addKey(key);
    if (n.cursor >= n.size())
        n.append(index);
    else
        n.insertAfterCursor(index);
    return true;
}

bool referenceRemove(CBEOperator& n)
{
    if (n.cursor == 0 && n.child(0) && n.child(0)->cursor == 0) {
        n.clear();
        return true;
    }
    if (n.cursor == 1 && n.child(1) && n.child(1)->cursor == 0) {
        while (n.size() > 1)
            n.removeAt(n.size() - 1);
        n.cursor = 0;
        return true;
    }
    const bool result = n.CBEOperator::removeCurrent();
    // A sub-address without its module goes with it.
    while (n.size() > 2 && n.childKind(2) == KIND_SUB)
        n.removeAt(2);
    return result;
}

// The digits after the leading token, with a digit key typed among them, can still complete.
bool leadDigitFits(const CBEOperator& n, uint key, int readDigits)
{
    const int digits = std::max(n.size() - 1, 0);
    return numberCanComplete(digits + 1, key == 0 && digitsValue(n, 1) <= 0, readDigits, 1);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// C, L, M and sub-address

#define OV_LEAD_INDEX(Class, Lead, Token, Max, Read, Error)                            \
    int Class::getValue() const                                                        \
    {                                                                                  \
        return size() < 2 ? -1 : digitsValue(*this, 1);                                \
    }                                                                                  \
    bool Class::isComplete() const                                                     \
    {                                                                                  \
        return inRange(getValue(), Max);                                               \
    }                                                                                  \
    int Class::getErrorCount() const                                                   \
    {                                                                                  \
        return getValue() > (Max) ? 1 : 0;                                             \
    }                                                                                  \
    uint Class::getFirstError() const                                                  \
    {                                                                                  \
        return getErrorCount() ? uint(Error) : 0;                                      \
    }                                                                                  \
    bool Class::isKeyEnabled(uint key) const                                           \
    {                                                                                  \
        return key <= TK_9 && getErrorCount() == 0 && leadDigitFits(*this, key, Read); \
    }                                                                                  \
    bool Class::addKey(uint key)                                                       \
    {                                                                                  \
        return leadAddKey<Token>(*this, key, Lead);                                    \
    }                                                                                  \
    bool Class::removeCurrent()                                                        \
    {                                                                                  \
        return leadRemove(*this);                                                      \
    }

OV_LEAD_INDEX(CBECPUIndex, TK_C, CTk, 64, READ_CPU, ERR_CPU)
OV_LEAD_INDEX(CBELoopIndex, TK_L, LINETk, 8, READ_LOOP, ERR_LOOP)
OV_LEAD_INDEX(CBEModuleIndex, TK_M, MTk, 159, READ_ADDRESS, ERR_POINT_ADDRESS)
OV_LEAD_INDEX(CBESubIndex, TK_DOT, DOTTk, 15, READ_SUB, ERR_SUB)

// ---------------------------------------------------------------------------------------------
// S, G and Z

int CBESensorIndex::getValue() const
{
    return indexValue(*this, 1);
}
bool CBESensorIndex::isComplete() const
{
    return inRange(getValue(), 159);
}
int CBESensorIndex::getErrorCount() const
{
    return getValue() > 159 ? 1 : 0;
}
uint CBESensorIndex::getFirstError() const
{
    return getErrorCount() ? uint(ERR_POINT_ADDRESS) : 0;
}
bool CBESensorIndex::isKeyEnabled(uint key) const
{
    return key <= TK_9 && getErrorCount() == 0 && digitGoesIn(*this, key);
}
bool CBESensorIndex::addKey(uint key)
{
    return indexAddKey<DTk>(*this, key, TK_S, 1, 99999, -1, READ_ADDRESS);
}
bool CBESensorIndex::removeCurrent()
{
    return leadRemove(*this);
}

CBEGroupIndex::CBEGroupIndex()
{
    addKey(TK_G);
}

int CBEGroupIndex::getValue() const
{
    return indexValue(*this, 1);
}
bool CBEGroupIndex::isComplete() const
{
    return inRange(getValue(), 1600);
}
int CBEGroupIndex::getErrorCount() const
{
    return getValue() > 1600 ? 1 : 0;
}
uint CBEGroupIndex::getFirstError() const
{
    return getErrorCount() ? uint(ERR_GROUP) : 0;
}
bool CBEGroupIndex::isKeyEnabled(uint key) const
{
    return key <= TK_9 && getErrorCount() == 0 && digitGoesIn(*this, key);
}
bool CBEGroupIndex::removeCurrent()
{
    return leadRemove(*this);
}

bool CBEGroupIndex::addKey(uint key)
{
    const CBEPlantInfo* plant = cbePlant();
    return indexAddKey<GTk>(*this, key, TK_G, 1, plant ? plant->groupCount() : 1600, 0, READ_GROUP);
}

// A direct group may name only direct groups numbered above its own, a reverse group only
// groups numbered below its own: no chain of groups can loop.
uint CBEGroupIndex::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    const CBEPlantInfo* plant = cbePlant();
    if (!plant)
        return 0;
    const int g = getValue();
    if (direct) {
        if (g > plant->directGroupCount())
            return ERR_DIRECT_GROUP;
        if (g > plant->groupCount())
            return ERR_GROUP;
        return std::max(g, 0) > owner.group ? 0 : uint(ERR_DIRECT_GROUP_ORDER);
    }
    if (g > plant->groupCount())
        return ERR_GROUP;
    return g < owner.group || owner.group < 0 ? 0 : uint(ERR_REVERSE_GROUP_ORDER);
}

CBEAreaIndex::CBEAreaIndex()
{
    addKey(TK_Z);
}

int CBEAreaIndex::getValue() const
{
    return indexValue(*this, 1);
}
uint CBEAreaIndex::getFirstError() const
{
    return getErrorCount() ? uint(ERR_ZONE) : 0;
}
bool CBEAreaIndex::removeCurrent()
{
    return leadRemove(*this);
}

bool CBEAreaIndex::isComplete() const
{
    return CBEOperator::isComplete() && size() >= 2 && childKind(1) == KIND_INDEX;
}

int CBEAreaIndex::getErrorCount() const
{
    const int v = getValue();
    const int count = v > 2000 ? 1 : 0;
    qDebug() << "1 " << v << 2000 << count;
    return count;
}

bool CBEAreaIndex::isKeyEnabled(uint key) const
{
    if (key > TK_9 || getErrorCount() != 0 || !digitGoesIn(*this, key))
        return false;
    return size() < 2 || children[1]->isKeyEnabled(key);
}

bool CBEAreaIndex::addKey(uint key)
{
    const CBEPlantInfo* plant = cbePlant();
    return indexAddKey<ZTk>(*this, key, TK_Z, 1, plant ? plant->maxAreasCount() : 2000, 0, READ_ZONE);
}

uint CBEAreaIndex::checkPlantReferences(bool, const CBEOwner&) const
{
    const CBEPlantInfo* plant = cbePlant();
    return plant && getValue() > plant->maxAreasCount() ? uint(ERR_ZONE) : 0;
}

// ---------------------------------------------------------------------------------------------
// TONE and TIM numbers

namespace {

template <class T>
bool valueAddKey(T& n, uint key, int maxValue, int readDigits = 0)
{
    if (key > TK_9)
        return false;
    if (n.isEmpty()) {
        auto* index = maxValue > 0 ? new CBEIndex(key, 1, maxValue) : new CBEIndex(key, 2);
        index->readDigits = readDigits;
        n.append(index);
        n.cursor = 0;
        return true;
    }
    return n.cursor == 0 && n.children[0]->addKey(key);
}

// A date part takes digits while it counts no error, but none behind its second digit.
bool dateKeyEnabled(const CBEOperator& n, uint key)
{
    if (key > TK_9 || n.getErrorCount() != 0)
        return false;
    const auto* index = dynamic_cast<const CBEIndex*>(n.child(0));
    return !index || index->takesDigit();
}

// No index, a value below 1 written with more than one digit, or a value above max.
int dateErrors(const CBEOperator& n, int max)
{
    const int v = indexValue(n, 0);
    if (indexDigits(n, 0) < 0)
        return 1;
    return (v < 1 && indexDigits(n, 0) > 1) || v > max ? 1 : 0;
}

} // namespace

int ToneIndex::getValue() const
{
    return indexValue(*this, 0);
}
bool ToneIndex::addKey(uint key)
{
    return valueAddKey(*this, key, 33, READ_TONE);
}
uint ToneIndex::getFirstError() const
{
    return getErrorCount() ? uint(ERR_TONE) : 0;
}

// Up to 33 may be typed; the sounders of the panel's brand take fewer.
int ToneIndex::getErrorCount() const
{
    return indexDigits(*this, 0) < 0 || !inRange(getValue(), int(cbePanelToneLimits().tone)) ? 1 : 0;
}
bool ToneIndex::isComplete() const
{
    return getErrorCount() == 0 && CBEOperator::isComplete();
}

bool ToneIndex::isKeyEnabled(uint key) const
{
    return key <= TK_9 && (isEmpty() ? numberCanComplete(1, key == 0, READ_TONE, 1) : children[0]->isKeyEnabled(key));
}

int VolumeIndex::getValue() const
{
    return indexValue(*this, 0);
}
bool VolumeIndex::addKey(uint key)
{
    return valueAddKey(*this, key, int(cbePanelToneLimits().volume), READ_VOLUME);
}
uint VolumeIndex::getFirstError() const
{
    return getErrorCount() ? uint(ERR_VOLUME) : 0;
}

int VolumeIndex::getErrorCount() const
{
    return indexDigits(*this, 0) < 0 || !inRange(getValue(), int(cbePanelToneLimits().volume)) ? 1 : 0;
}
bool VolumeIndex::isComplete() const
{
    return getErrorCount() == 0 && CBEOperator::isComplete();
}

bool VolumeIndex::isKeyEnabled(uint key) const
{
    return key <= TK_9 && getErrorCount() == 0
        && (isEmpty() ? numberCanComplete(1, key == 0, READ_VOLUME, 1) : children[0]->isKeyEnabled(key));
}

int Day::getValue() const
{
    return indexValue(*this, 0);
}
bool Day::addKey(uint key)
{
    return valueAddKey(*this, key, 0);
}
int Day::getErrorCount() const
{
    return dateErrors(*this, 31);
}
uint Day::getFirstError() const
{
    return getErrorCount() ? uint(ERR_DAY) : 0;
}
bool Day::isKeyEnabled(uint key) const
{
    return dateKeyEnabled(*this, key);
}
bool Day::isComplete() const
{
    return getErrorCount() == 0 && indexDigits(*this, 0) == 2;
}

int Month::getValue() const
{
    return indexValue(*this, 0);
}
bool Month::addKey(uint key)
{
    return valueAddKey(*this, key, 12);
}
int Month::getErrorCount() const
{
    return dateErrors(*this, 12);
}
uint Month::getFirstError() const
{
    return getErrorCount() ? uint(ERR_MONTH) : 0;
}
bool Month::isKeyEnabled(uint key) const
{
    return dateKeyEnabled(*this, key);
}
bool Month::isComplete() const
{
    return inRange(getValue(), 12) && indexDigits(*this, 0) == 2;
}

int Year::getValue() const
{
    return indexValue(*this, 0);
}
bool Year::addKey(uint key)
{
    return valueAddKey(*this, key, 0);
}
int Year::getErrorCount() const
{
    return dateErrors(*this, 99);
}
uint Year::getFirstError() const
{
    return getErrorCount() ? uint(ERR_YEAR) : 0;
}
bool Year::isKeyEnabled(uint key) const
{
    return dateKeyEnabled(*this, key);
}
bool Year::isComplete() const
{
    return getErrorCount() == 0 && indexDigits(*this, 0) == 2;
}

// ---------------------------------------------------------------------------------------------
// Time slice

int CBETimeSlice::part(int position) const
{
    return indexValue(*this, position);
}

int CBETimeSlice::getValue() const
{
    if (isEmpty())
        return -1;
    const int first = part(0);
    const int second = std::max(part(2), 0);
    if (first < 0)
        return second > 0 ? second : -1;
    return first * 60 + second;
}

bool CBETimeSlice::isComplete() const
{
    const int v = getValue();
    return CBEOperator::isComplete() && size() == 3 && 0 <= v && v <= maxValue && indexDigits(*this, 0) == 2
        && indexDigits(*this, 2) == 2;
}

// The compiler's rule on the parts typed so far; an empty part counts 0.
int CBETimeSlice::getErrorCount() const
{
    return getFirstError() != 0 ? 1 : 0;
}

uint CBETimeSlice::getFirstError() const
{
    if (getValue() > maxValue)
        return ERR_SLICE;
    const u32 first = u32(std::max(part(0), 0));
    return cbeTimeFits(first, u32(std::max(part(2), 0)), u32(maxValue)) ? 0 : uint(ERR_SECONDS);
}

bool CBETimeSlice::isKeyEnabled(uint key) const
{
    if (key <= TK_9) {
        if (getErrorCount() != 0)
            return false;
        if (isEmpty())
            return true;
        switch (cursor) {
        case 0: return children[0]->isKeyEnabled(key);
        case 1: return size() < 3 || children[2]->isKeyEnabled(key);
        case 2: return size() >= 3 && children[2]->isKeyEnabled(key);
        default: return false;
        }
    }
    if (key == TK_DOT)
        return getErrorCount() == 0 && size() == 1 && indexDigits(*this, 0) == 2;
    return false;
}

bool CBETimeSlice::addKey(uint key)
{
    if (key <= TK_9) {
        if (isEmpty()) {
            append(new CBEIndex(key, 2));
            cursor = 0;
            return true;
        }
        if (size() == 2) {
            if (cursor == 1) {
                insertAfterCursor(new CBEIndex(key, 2));
                return true;
            }
            return cursor == 0 && children[0]->addKey(key);
        }
        if (!cursorValid())
            return false;
        if (cursor == 1 && size() >= 3) {
            if (!children[2]->stepBackAndAdd(key))
                return false;
            ++cursor;
            return true;
        }
        return current()->addKey(key);
    }
    if (key == TK_DOT) {
        if (isEmpty()) {
            auto* index = new CBEIndex(0, 2);
            index->addKey(0);
            append(index);
        } else if (size() != 1) {
            return false;
        }
        append(new DOTTk);
        cursor = 1;
        return true;
    }
    return false;
}

// The "." stays while a second part follows it: the two parts would run together.
bool CBETimeSlice::canMoveBack() const
{
    return !(cursor == 1 && size() == 3) && CBEOperator::canMoveBack();
}

bool CBETimeSlice::removeCurrent()
{
    if (cursor == 1 && size() == 3)
        return false;
    if (!CBEOperator::removeCurrent())
        return false;
    if (cursor == 0 && childKind(0) == KIND_DOT)
        removeAt(0);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Point and output references

CBEPoint::CBEPoint(bool moduleAllowed_)
    : moduleAllowed(moduleAllowed_)
{
    addKey(TK_C);
}

int CBEPoint::getCpu() const
{
    return partValue<CBECPUIndex>(*this);
}
int CBEPoint::getLoop() const
{
    return partValue<CBELoopIndex>(*this);
}
int CBEPoint::getSub() const
{
    return referenceSub(*this);
}
bool CBEPoint::isComplete() const
{
    return CBEOperator::isComplete() && size() >= 3;
}
bool CBEPoint::addKey(uint key)
{
    return referenceAddKey(*this, key);
}
bool CBEPoint::removeCurrent()
{
    return referenceRemove(*this);
}

int CBEPoint::getAddress() const
{
    const int s = partValue<CBESensorIndex>(*this);
    return s != 0 ? s : partValue<CBEModuleIndex>(*this);
}

int CBEPoint::getPointFamily() const
{
    return holds<CBEModuleIndex>(*this) ? 2 : holds<CBESensorIndex>(*this) ? 1 : 0;
}

bool CBEPoint::isKeyEnabled(uint key) const
{
    return key <= TK_M && referenceKeyEnabled(*this, key, moduleAllowed, key == TK_DOT && moduleSubTyped(*this, true));
}

uint CBEPoint::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    return checkPlantReferences(direct, owner, TypeRule::Group);
}

uint CBEPoint::checkPlantReferences(bool direct, const CBEOwner& owner, TypeRule rule) const
{
    const CBEPlantInfo* plant = cbePlant();
    const int c = getCpu() - 1, l = getLoop() - 1, a = getAddress() - 1, family = getPointFamily();
    if (!plant || c < 0 || l < 0 || a < 0 || family == 0)
        return 0;
    const CBEPointInfo p = plant->point(c, l, a, family, referenceSubOrAny(*this));
    if (!p.valid || (p.hasSubPoints && !p.subValid))
        return ERR_POINT;
    if (family != 2 || rule == TypeRule::Any)
        return 0;
    return owner.mayNameModule(c, l, p, direct, rule == TypeRule::Fault) ? 0 : uint(ERR_POINT);
}

int CBEActivateOutput::getCpu() const
{
    return partValue<CBECPUIndex>(*this);
}
int CBEActivateOutput::getLoop() const
{
    return partValue<CBELoopIndex>(*this);
}
int CBEActivateOutput::getSub() const
{
    return referenceSub(*this);
}
bool CBEActivateOutput::hasModuleIndex() const
{
    return holds<CBEModuleIndex>(*this);
}
bool CBEActivateOutput::isComplete() const
{
    return CBEOperator::isComplete() && size() >= 3;
}
bool CBEActivateOutput::addKey(uint key)
{
    return referenceAddKey(*this, key);
}
bool CBEActivateOutput::removeCurrent()
{
    return referenceRemove(*this);
}

int CBEActivateOutput::getAddress() const
{
    const int s = partValue<CBESensorIndex>(*this);
    return s != 0 ? s : partValue<CBEModuleIndex>(*this);
}

bool CBEActivateOutput::isKeyEnabled(uint key) const
{
    if (key > TK_M)
        return false;
    const bool dot = key == TK_DOT && hasModuleIndex() && moduleSubTyped(*this, cbeOutputSubAddressTyped());
    return referenceKeyEnabled(*this, key, true, dot);
}

uint CBEActivateOutput::checkPlantReferences(bool direct, const CBEOwner& owner) const
{
    const CBEPlantInfo* plant = cbePlant();
    const int c = getCpu() - 1, l = getLoop() - 1, a = getAddress() - 1;
    if (!plant || c < 0 || l < 0 || a < 0)
        return 0;
    const bool module = hasModuleIndex();
    const CBEPointInfo p = plant->point(c, l, a, module ? 2 : 1, referenceSubOrAny(*this));
    if (!p.valid)
        return ERR_OUTPUT;
    if (module && !owner.mayNameModule(c, l, p, direct, false))
        return ERR_OUTPUT;
    if (module)
        return p.hasSubPoints || getSub() == 1 ? 0 : uint(ERR_OUTPUT_SUB);
    return cbeMayNameSensor(true, u32(p.recordClass)) ? 0 : uint(ERR_OUTPUT_SUB);
}

} // namespace Ov4800
