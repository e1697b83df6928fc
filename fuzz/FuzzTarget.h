#pragma once
// What every fuzz target defines and the helpers they share. The entry points are plain
// functions: libFuzzer calls them in the fuzz build (clang), and the replay tests of the normal
// build call the same ones on the seeds and on every input ever found to fail.
#include <cstddef>
#include <cstdint>
#include <string>

// Once before the first input; argc and argv may be null.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
// One input; 0. A fault ends the process through fuzz_fail.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Writes the target's seed inputs into the existing folder dir, built by the program's own
// writers; 0, or 1 when a file could not be written.
int fuzz_write_seeds(const std::string& dir);

// Prints the fault and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fuzz_fail(const char* target, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
// Writes one seed file; false (with the reason on stderr) when it could not.
bool fuzz_save(const std::string& dir, const std::string& name, const void* data, size_t size);
bool fuzz_save(const std::string& dir, const std::string& name, const std::string& data);
// A file of the target's own for inputs that must be read from a file: in memory where /dev/shm
// can be written (or under $TMPDIR when it is set), removed when the process ends.
std::string fuzz_scratch_file(const char* target);
