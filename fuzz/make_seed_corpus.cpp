// Writes the seed corpus of fuzz_import_bin into the folder given: valid version 1, 2 and 3
// images of the tests' sample plant, built by the tests' image generator rather than by the
// writer under test, plus short version 2 and 3 images with few elements (none, for version
// 3), which the fuzzer mutates far faster than the 3.9 MB full ones.
#include "ImageGenerator.h"

#include <cstdio>
#include <string>

using namespace imagegen;

namespace {

bool save(const std::string& dir, const char* name, const QByteArray& data)
{
    const std::string path = dir + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return false;
    }
    const bool written = std::fwrite(data.constData(), 1, size_t(data.size()), f) == size_t(data.size());
    if (std::fclose(f) != 0 || !written) {
        std::perror(path.c_str());
        return false;
    }
    return true;
}

// A version 2 or 3 image holding only the elements of dts.
QByteArray partial(const Plant& p, int format, uint16_t version, std::initializer_list<int> dts)
{
    QByteArray img = format == 3 ? header_v3(version, uint8_t(dts.size()), p.panelType)
                                 : header_v2(version, uint8_t(dts.size()));
    for (int dt : dts)
        img.append(element(dt, block(p, dt, version)));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const Plant p = sample_plant();
    bool ok = true;
    ok = save(dir, "v1_2600.bin", image_v1(p, kV2600)) && ok;
    ok = save(dir, "v1_2601.bin", image_v1(p, kV2601)) && ok;
    ok = save(dir, "v2_2600.bin", image_v2(p, kV2600)) && ok;
    ok = save(dir, "v2_2601.bin", image_v2(p, kV2601)) && ok;
    ok = save(dir, "v3_2601.bin", image_v3(p, kV2601)) && ok;
    ok = save(dir, "v3_2602.bin", image_v3(p, kV2602)) && ok;
    ok = save(dir, "v3_2602_empty.bin", partial(p, 3, kV2602, {})) && ok;
    ok = save(dir, "v2_2600_small.bin", partial(p, 2, kV2600, {2, 3, 198})) && ok;
    ok = save(dir, "v3_2601_small.bin", partial(p, 3, kV2601, {2, 4, 198})) && ok;
    ok = save(dir, "v3_2602_small.bin", partial(p, 3, kV2602, {3, 2, 198, 6})) && ok;
    return ok ? 0 : 1;
}
