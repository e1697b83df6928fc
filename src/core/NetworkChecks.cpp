#include "core/NetworkChecks.h"

#include <cstdint>

bool isValidNetMask(int a, int b, int c, int d)
{
    if (a < 0 || b < 0 || c < 0 || d < 0)
        return false;
    if (a == 0 && b == 0 && c == 0 && d == 0)
        return true;
    const uint32_t mask = (uint32_t(a) << 24) | (uint32_t(b) << 16) | (uint32_t(c) << 8) | uint32_t(d);
    const uint32_t hostBits = ~mask;
    // The host part is a run of low one-bits exactly when adding one clears all of them.
    return (hostBits & (hostBits + 1u)) == 0;
}

bool isInSameSubnet(int address, int mask, int gateway)
{
    const uint32_t m = uint32_t(mask);
    return (uint32_t(address) & m) == (m & uint32_t(gateway));
}

bool isValidHostAddress(int a, int b, int c, int d)
{
    const uint32_t octets[4] = {uint32_t(a), uint32_t(b), uint32_t(c), uint32_t(d)};
    for (uint32_t octet : octets) {
        if (octet > 255u)
            return false;
    }
    const uint32_t address = (octets[0] << 24) | (octets[1] << 16) | (octets[2] << 8) | octets[3];
    return address != 0u && address != 0xFFFFFFFFu;
}
