// TIM and TONE, the operators with a time or tone of their own.
#include "cbe/CBEOperators.h"

#include "cbe/CBECompiler.h"
#include "cbe/CBEOperatorRules.h"

namespace Ov4800 {

using namespace rules;

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

// A field that holds digits is there whatever they read: a day cut down to "0" is a day still,
// and a second one typed beside it would run the two together.
int CBETIM::getMonth() const
{
    const auto* month = dynamic_cast<const Month*>(child(2));
    return month ? month->getValue() : -1;
}

int CBETIM::getDay() const
{
    for (int i = 2; i <= 4; ++i)
        if (const auto* day = dynamic_cast<const Day*>(child(i)))
            return day->getValue();
    return -1;
}

int CBETIM::getYear() const
{
    for (int i = 2; i <= 6; ++i)
        if (const auto* year = dynamic_cast<const Year*>(child(i)))
            return year->getValue();
    return -1;
}

int CBETIM::getWeekDayMask() const
{
    int mask = 0;
    for (int i = 2; i < size() - 1; ++i)
        if (const auto* day = dynamic_cast<const WeekDay*>(children[i]))
            mask |= day->getDayMask();
    return mask;
}

// The "--" typed for no date. A month and a day both removed in front of a year leave two "-"
// too, which are that date's open fields.
bool CBETIM::hasDashDate() const
{
    return size() >= 4 && childKind(2) == KIND_MINUS && childKind(3) == KIND_MINUS && childKind(4) != KIND_YEAR;
}

bool CBETIM::canStartDate() const
{
    return cursor == 1 && getWeekDayMask() == 0 && !hasDashDate() && getMonth() < 0;
}

bool CBETIM::canStartDashDate() const
{
    const int k = childKind(2);
    return cursor == 1 && getWeekDayMask() == 0 && k != KIND_MONTH && k != KIND_DAY && k != KIND_YEAR
        && k != KIND_MINUS;
}

bool CBETIM::canAddDay() const
{
    return cursor == 3 && childKind(3) == KIND_MINUS && getWeekDayMask() == 0 && getMonth() >= 0 && !hasDashDate()
        && getDay() < 0;
}

bool CBETIM::canAddYear() const
{
    return cursor == 5 && childKind(5) == KIND_MINUS && getWeekDayMask() == 0 && getMonth() >= 0 && !hasDashDate()
        && getDay() >= 0 && getYear() < 0;
}

bool CBETIM::canAddWeekDay(int dayBit) const
{
    if (size() < 4)
        return true;
    int bits = 0;
    for (int i = 2; i < size() - 1; ++i) {
        const int k = childKind(i);
        // The compiler reads one day part: weekdays, a date or the "--" of none.
        if (k == KIND_MONTH || k == KIND_DAY || k == KIND_YEAR || k == KIND_MINUS)
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
    if (dynamic_cast<const WeekDay*>(child(2)))
        return true;
    return dateVerdict() == 0;
}

// The date runs from child 2 to the first blank or slice; the rule reads it together with what
// follows, as the compiler does, so a year left open by the blank behind it counts.
int CBETIM::dateVerdict() const
{
    if (dynamic_cast<const WeekDay*>(child(2)))
        return -1;
    int end = 2;
    while (end < size() - 1 && childKind(end) != KIND_SPACE && childKind(end) != KIND_TIME_SLICE)
        ++end;
    if (end == 2)
        return -1;
    QString text;
    for (int i = 2; i < end; ++i) {
        if (!children[i]->isComplete())
            return -1;
        text += children[i]->getString();
    }
    const u32 dateLength = u32(text.size());
    for (int i = end; i < size(); ++i)
        text += children[i]->getString();
    const QByteArray latin = text.toLatin1();
    CBETimDate date;
    if (!cbeReadTimDate(latin.constData(), u32(latin.size()), &date))
        return date.errorPos < dateLength && end < size() - 1 ? int(date.error) : -1;
    // A year read from beyond the date would be a slice's digits.
    for (u32 i = dateLength; i < date.length; ++i)
        if (latin[int(i)] != ' ')
            return -1;
    return 0;
}

bool CBETIM::isFull() const
{
    // A date the compiler refuses stays open to the key that mends it.
    const bool date = dynamic_cast<const WeekDay*>(child(2)) ? getWeekDayMask() == 127 : dateVerdict() == 0;
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
    return CBEOperator::isComplete() && hasDatePart() && stop && start->getValue() < stop->getValue()
        && start->getErrorCount() == 0 && stop->getErrorCount() == 0;
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
    return dateVerdict() > 0 || startNotBeforeStop(cursor) ? 1 : 0;
}

uint CBETIM::getFirstError() const
{
    if (const uint e = CBEOperator::getFirstError())
        return e;
    const int date = dateVerdict();
    if (date > 0)
        return cbeCompileErrorToUserError(date);
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
    // A date field left open takes its digits where it stands, though the date counts as given.
    if (isDigit(key) && (canStartDate() || canAddDay() || canAddYear()))
        return true;
    if (isFull())
        return false;
    if (cursor == 1) {
        if (isDigit(key))
            return canStartDate();
        if (key == TK_MINUS)
            return canStartDashDate();
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
            // A date typed in front of a time keeps the blank between them.
            if (childKind(cursor + 1) == KIND_TIME_SLICE)
                automaticBlank(cursor);
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
    return CBEOperator::isComplete() && inLayout() && isFull() && getFirstZone() <= getSecondZone();
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
namespace {

// The parts of a finished TONE, position by position: "TONE", "(", tone, blank, volume, blank,
// zone, ":", zone, blank, condition, ")".
bool toneSlotTakes(int position, int kind)
{
    switch (position) {
    case 0: return kind == KIND_TONE;
    case 1: return kind == TK_OPEN + KIND_TOKEN_BASE;
    case 2: return kind == KIND_TONE_INDEX;
    case 4: return kind == KIND_VOLUME_INDEX;
    case 3:
    case 5:
    case 9: return kind == KIND_SPACE;
    case 6:
    case 8: return kind == KIND_AREA;
    case 7: return kind == KIND_COLON;
    case 10: return kind == KIND_LOGIC || kind == KIND_OR || kind == KIND_AND || kind == KIND_NOT;
    case 11: return kind == TK_CLOSE + KIND_TOKEN_BASE;
    default: return false;
    }
}

constexpr int kToneParts = 12;

} // namespace

bool CBETONE::partMissingBehindCursor() const
{
    if (cursor + 1 >= kToneParts - 1 || cursor + 1 >= size() || toneSlotTakes(cursor + 1, childKind(cursor + 1)))
        return false;
    for (int i = 0; i <= cursor; ++i)
        if (!toneSlotTakes(i, childKind(i)))
            return false;
    return true;
}

bool CBETONE::inLayout() const
{
    if (size() != kToneParts)
        return false;
    for (int i = 0; i < kToneParts; ++i)
        if (!toneSlotTakes(i, childKind(i)))
            return false;
    return true;
}

int CBETONE::partKindOfKey(uint key) const
{
    if (isDigit(key))
        return cursor == 1 ? KIND_TONE_INDEX : KIND_VOLUME_INDEX;
    switch (key) {
    case TK_Z: return KIND_AREA;
    case TK_COLON: return KIND_COLON;
    case TK_SPACE: return KIND_SPACE;
    case TK_OPEN: return KIND_LOGIC;
    default: return -1;
    }
}

bool CBETONE::isKeyEnabled(uint key) const
{
    const int go = keyContinuation(*this, key, 1);
    return go != 0 ? go > 0 : partKeyEnabled(key);
}

bool CBETONE::partKeyEnabled(uint key) const
{
    // TONE's parts come in a fixed order: a new one only where it is missing, behind the last
    // or where a removal left it out.
    if (!partMissingBehindCursor() || !toneSlotTakes(cursor + 1, partKindOfKey(key)))
        return false;
    if (cursor == 1)
        return isDigit(key) && getTone() == 0;
    const int k = current()->getKind();
    if (k == KIND_SPACE) {
        if (key == TK_Z)
            return canAddFirstZone();
        if (key == TK_OPEN)
            return canAddLogic();
        return key >= 1 && key <= cbePanelToneLimits().volume && cursor == 3 && getVolume() == 0;
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
    if (!partKeyEnabled(key))
        return false;
    CBEOperator* node = nullptr;
    const int k = current()->getKind();
    if (cursor == 1) {
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
        node = new VolumeIndex;
        node->addKey(key);
    } else {
        node = key == TK_Z ? new CBEAreaIndex : makeNestedList(key);
    }
    if (!node)
        return false;
    insertAfterCursor(node);
    // A part typed back in front of the rest gets the blank a removal took along.
    if (cursor + 1 < size() - 1 && toneSlotTakes(cursor + 1, KIND_SPACE) && childKind(cursor + 1) != KIND_SPACE)
        children.insert(cursor + 1, new SPACETk);
    return true;
}

} // namespace Ov4800
