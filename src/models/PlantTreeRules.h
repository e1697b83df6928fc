#pragma once
// Rules shared by the plant tree models: loops per board and the programmed CPU type, both read
// from the panel configuration at every call, and the icon of a loop.
#include <QString>

class CPUDevice;

namespace PlantTreeRules {

// 1 or 2, by the panel type's CPU model.
int loopsPerLib();
// The type code the panel configuration holds for a 1-based CPU index; 255 without one.
int cpuType(unsigned int cpuIndex);
// Loop i (0-based over the CPU's boards) by its type and open flag; the branded generic loop
// icon when the loop does not exist or has no known type.
QString loopIcon(const CPUDevice& cpu, int i);

} // namespace PlantTreeRules
