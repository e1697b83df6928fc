// The checks of the plant. A CBE text is valid only against the whole panel configuration, so
// every CBE check converts the plant first.
#include "plant/Plant.h"

#include "plant/OvGenericSubPoint.h"
#include "plant/OvGroup.h"
#include "plant/OvLib.h"
#include "plant/OvLoop.h"

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

QStringList Plant::modulesNotStored() const
{
    QStringList modules;
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i)) {
        for (const OvLib& lib : cpu->libs()) {
            for (const OvLoop* loop : lib.loops()) {
                for (const OvGenericPoint* m : loop->modules()) {
                    if (m->isValid() && !m->subPoints().isEmpty() && m->getValidCount() == 0)
                        modules << QStringLiteral("C%1L%2M%3").arg(m->cpuIndex()).arg(m->loopIndex()).arg(m->address());
                }
            }
        }
    }
    return modules;
}
