// Writes one target's seed corpus into the folder given.
#include "FuzzTarget.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    return fuzz_write_seeds(argv[1]);
}
