#pragma once
// The configuration the CBE targets compile and decode against: a small plant of two CPUs with
// sensors and modules of every kind an operand can name, so that device operands reach the
// record lookups instead of failing at the first missing board. Built by the tests' image
// generator and loaded into g_zpConf through the image reader; groups 1 to 10 are direct.
#include "ImageGenerator.h"

#include "FuzzTrace.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"

#include <cstdio>
#include <string>

#include <unistd.h> // getpid

inline void load_cbe_plant(const char* target)
{
    using namespace imagegen;
    Plant p;
    p.boards = {{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}};
    // board, slot, address - 1, line bit, module, code, type, class, zone, sub-address - 1 or parameter
    p.devices = {
        {0, 0, 0, 0, false, 0x4002, 2, 0, 1, 5, "", false},  {0, 1, 2, 0, false, 0x4002, 2, 0, 1, 5, "", false},
        {0, 2, 6, 0, false, 0x4002, 2, 2, 1, 5, "", false},  {0, 3, 9, 0, true, 0x400B, 14, 0, 2, 0, "", false},
        {0, 4, 9, 0, true, 0x400B, 14, 0, 2, 1, "", false},  {0, 5, 11, 0, true, 0x400B, 43, 0, 2, 0, "", false},
        {0, 6, 20, 1, true, 0x400B, 14, 1, 3, 1, "", false}, {0, 7, 4, 1, false, 0x4002, 2, 0, 1, 5, "", false},
        {0, 8, 29, 0, true, 0x400B, 1, 0, 1, 0, "", false},  {0, 9, 158, 0, true, 0x400B, 43, 0, 1, 0, "", false},
        {1, 0, 7, 0, false, 0x4002, 2, 0, 1, 5, "", false},  {2, 0, 158, 1, false, 0x4002, 2, 0, 1, 5, "", false},
        {2, 1, 0, 0, true, 0x400B, 43, 0, 1, 0, "", false},
    };
    const QByteArray image = image_v3(p, kV2602);
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + target + "." + std::to_string(getpid());
    FILE* f = std::fopen(path.c_str(), "wb");
    const bool written = f && std::fwrite(image.constData(), 1, size_t(image.size()), f) == size_t(image.size());
    if (f)
        std::fclose(f);
    const int loaded = written ? g_zpConf->get_io().import_bin(path.c_str(), nullptr) : ZP_ERR_GENERIC;
    std::remove(path.c_str());
    const u8 direct[2] = {10, 0};
    if (loaded > 0 || g_zpConf->set_data(2, direct, 2, 5206) != ZP_OK) {
        std::fprintf(stderr, "%s: the plant could not be loaded (%d)\n", target, loaded);
        std::abort();
    }
}
