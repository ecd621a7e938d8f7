# Thin wrapper around CMake + Ninja. `make test` is what CI runs.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
FUZZ_SECONDS ?= 30
JOBS       ?= $(shell nproc)

.PHONY: all deps build test test-asan lint format-check run bench fuzz package clean format

all: build

deps:
	./scripts/install-deps.sh

# ccache, when the machine has it, makes rebuilds of other checkouts cheap.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The development build: tests, benchmarks, and warnings as errors. Line tables are all the
# test runs' backtraces need; full debug information cost a quarter of the compile time.
DEVELOP := -DVORLA_TESTS=ON -DVORLA_BENCH=ON -DVORLA_WERROR=ON \
           -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

$(BUILD)/build.ninja: Makefile
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(DEVELOP)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build test-asan format-check
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The core and its tests again under AddressSanitizer and UBSan (no GUI).
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
	      -DVORLA_SANITIZE=ON -DVORLA_GUI=OFF -DVORLA_TESTS=ON -DVORLA_BENCH=OFF -DVORLA_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/vorla

bench: build
	./scripts/run-bench.sh $(BUILD)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DVORLA_FUZZ=ON -DVORLA_GUI=OFF -DVORLA_TESTS=OFF -DVORLA_BENCH=OFF -DVORLA_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The README's Release build, packaged for Debian: $(RELEASE_BUILD)/vorla_<version>_<arch>.deb
package: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && cpack -G DEB

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a C++ file of the tree differs from what `make format` would make of it.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy with the root .clang-tidy over every source of src/ the build compiles; a finding
# fails (WarningsAsErrors). It needs the build's compile commands and generated headers.
# Not part of `make test`: a full run costs about 15 minutes of processor time (half an hour
# on a busy two-core machine), more than the test run can spare.
lint: build
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet '^$(CURDIR)/src/' > $(BUILD)/lint.log 2>&1 \
	    || { grep -E 'warning:|error:' $(BUILD)/lint.log | sort -u; exit 1; }
	@echo "lint: no findings"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD)
