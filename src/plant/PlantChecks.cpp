// The CBE checks of the plant: a text is valid only against the whole panel configuration, so
// every check converts the plant first.
#include "plant/Plant.h"

#include "plant/OvGroup.h"

#include <QDebug>

namespace {

constexpr int kDirectGroupIndexError = 528;
constexpr uint kReverseGroupIndexError = 530;

} // namespace

uint Plant::checkGroupCBE(const OvGroup* group)
{
    if (!group)
        return kNothingToCheck;
    if (group->cbe().isEmpty())
        return 0;
    // The compile task is converting the plant on another thread: converting it here as well
    // would rewrite the panel configuration under it.
    Q_ASSERT_X(!isBusy(), "Plant::checkGroupCBE", "CBE check during a compile");
    if (isBusy())
        return kCheckBusy;
    copyTo();
    OvGroup checked(*group);
    checked.checkCBE();
    // The compiler has one code for a group index out of order; a reverse group's user sees the
    // reverse message.
    if (!group->isDirect() && checked.cbeErrorCode() == kDirectGroupIndexError)
        return kReverseGroupIndexError;
    return uint(checked.cbeErrorCode());
}

uint Plant::checkPointCBE(const OvGenericPoint* point)
{
    if (!point)
        return kNothingToCheck;
    if (point->cbe().isEmpty())
        return 0;
    Q_ASSERT_X(!isBusy(), "Plant::checkPointCBE", "CBE check during a compile");
    if (isBusy())
        return kCheckBusy;
    copyTo();
    return point->cbeTextError();
}

void Plant::checkCBESystem()
{
    Q_ASSERT_X(!isBusy(), "Plant::checkCBESystem", "CBE check during a compile");
    if (isBusy())
        return;
    copyTo();
    m_cpus.checkCBE();
    m_groups.checkCBE();
    clearModificationBits(kCBESystem);
}
