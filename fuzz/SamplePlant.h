#pragma once
// The plant the library's targets start from: two CPUs with three loop boards and sensors and
// modules of every kind a CBE operand can name, so that inputs reach the device records instead
// of failing at the first missing board. Built by the tests' image generator, independently of
// the library's writer.
#include "ImageGenerator.h"

#include "FuzzTrace.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h> // getpid

// The sample plant as a version 3 image of data version 0x2602.
inline QByteArray sample_image()
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
    return image_v3(p, kV2602);
}

// Loads the sample plant into conf through the image reader; ends the process when it cannot.
inline void load_sample_plant(ZpConf* conf, const char* target)
{
    const QByteArray image = sample_image();
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + target + "." + std::to_string(getpid());
    FILE* f = std::fopen(path.c_str(), "wb");
    const bool written = f && std::fwrite(image.constData(), 1, size_t(image.size()), f) == size_t(image.size());
    if (f)
        std::fclose(f);
    const int loaded = written ? conf->get_io().import_bin(path.c_str(), nullptr) : ZP_ERR_GENERIC;
    std::remove(path.c_str());
    if (loaded > 0) {
        std::fprintf(stderr, "%s: the sample plant could not be loaded (%d)\n", target, loaded);
        std::abort();
    }
}
