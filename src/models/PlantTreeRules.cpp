#include "models/PlantTreeRules.h"

#include "core/Configuration.h"
#include "plant/CPUDevice.h"
#include "plant/LoopNumbering.h"
#include "plant/OvLoop.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"

namespace PlantTreeRules {

int loopsPerLib()
{
    return linesPerBoard();
}

int cpuType(unsigned int cpuIndex)
{
    if (cpuIndex < 1 || cpuIndex > 64)
        return 255;
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx.layout() ? int(zpx->get_cpu_type(cpuIndex - 1)) : 255;
}

QString loopIcon(const CPUDevice& cpu, int i)
{
    static const char* const icons[3][2] = {
        {"loopAdvancedClose.png", "loopAdvancedOpen.png"},
        {"loopVarnClose.png", "loopVarnOpen.png"},
        {"loopAplClose.png", "loopAplOpen.png"},
    };
    const int lines = loopsPerLib();
    const int lib = i / lines;
    const int position = i % lines;
    if (i >= 0 && lib < cpu.libs().size() && position < cpu.libs().at(lib).loops().size()) {
        const OvLoop* loop = cpu.libs().at(lib).loops().at(position);
        if (loop && loop->type() >= 0 && loop->type() <= 2)
            return QString::fromLatin1(icons[loop->type()][loop->isOpen() ? 1 : 0]);
    }
    return Configuration::instance()->getBrandedIcon("loop%1.png", 255);
}

} // namespace PlantTreeRules
