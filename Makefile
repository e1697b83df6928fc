# Thin front over CMake. `make run` and `make test` are all a fresh machine needs.
BUILD_DIR ?= build
SAN_DIR   ?= build-san
TSAN_DIR  ?= build-tsan
FUZZ_DIR  ?= build-fuzz
JOBS      ?= $(shell nproc)
# Seconds each fuzz target runs, and how many run at once (one core each).
FUZZ_TIME ?= 60
FUZZ_JOBS ?= $(JOBS)

.PHONY: all deps configure build run test sanitize tsan fuzz clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

# A failing run ends with each failed test by name and why, and only its own lines (a log kept
# only in part, head and tail, still names them). CTest's console is kept for the reasons.
CTEST = ctest --output-on-failure -O Testing/Temporary/LastConsole.log
FAILED_TESTS = $(CURDIR)/scripts/failed-tests.sh

test: build
	cd $(BUILD_DIR) && { $(CTEST) -j $(JOBS) || { $(FAILED_TESTS); exit 1; }; }

# Same tests with address and undefined-behaviour sanitizers; used by CI. On a loaded machine the
# leak checker's own tracer now and then crashes at a program's exit ("LeakSanitizer has
# encountered a fatal error"), which says nothing of the test: the failed tests of such a run
# run once more, and a failure then counts.
LSAN_CRASHED = grep -q 'LeakSanitizer has encountered a fatal error' Testing/Temporary/LastTest.log

sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOV_SANITIZE=ON -DOV_BENCHMARKS=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && { $(CTEST) -j $(JOBS) \
	    || { $(LSAN_CRASHED) && $(CTEST) --rerun-failed; } || { $(FAILED_TESTS); exit 1; }; }

# The tests labelled threads (a compile, save or open across threads) under the thread
# sanitizer; only their targets are built. Used by CI.
tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOV_TSAN=ON -DOV_BENCHMARKS=OFF
	cmake --build $(TSAN_DIR) -j $(JOBS) --target thread_tests
	cd $(TSAN_DIR) && { $(CTEST) -L threads -j $(JOBS) || { $(FAILED_TESTS); exit 1; }; }

# Every libFuzzer target for FUZZ_TIME seconds (clang only; see the README).
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOV_FUZZ=ON \
	    -DBUILD_TESTING=OFF -DOV_BENCHMARKS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TIME) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(TSAN_DIR) $(FUZZ_DIR)
