# Quorvane Log: every set-up step behind a few commands (see README.md).

BUILD_TYPE ?= Release
WORKDIR ?= $(HOME)/QuorvaneLog
SANITIZE ?= 0
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON
TEST_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
TEST_ENV :=
endif

SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps build run test kill-test bench bench-build bench-instructions check-layers fuzz \
	format format-check clean package package-check

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@mkdir -p "$(WORKDIR)"
	@cd "$(WORKDIR)" && exec "$(CURDIR)/$(BUILD_DIR)/quorvane-log"

test: build
	@cd $(BUILD_DIR) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, made by CPack from the build above (no second compilation),
# and its checks: lintian, the desktop files, the contents, a start of the packaged copy.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

package-check: package
	@bash packaging/check-package.sh $(BUILD_DIR)

# The kill tests at length: thousands of kills of a process that logs long lines.
KILL_ROUNDS ?= 3000
kill-test: build
	@cd $(BUILD_DIR) && QV_KILL_ROUNDS=$(KILL_ROUNDS) ./tests/core/kill/kill_tests

# The benchmark programs and the Release program they measure, built only (CI
# builds them so that they keep compiling).
bench-build: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_BENCH=ON -DQV_BUILD_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)

bench: bench-build
	@for b in build-bench/bench/*_bench; do $$b; done
	@bash bench/memory.sh build-bench
	@bash bench/startup.sh build-bench

# Instructions of start-up, one keystroke and one logged contact with a full log,
# counted by valgrind's callgrind (several minutes, so neither in bench nor in CI).
bench-instructions: bench-build
	@bash bench/instructions.sh build-bench

# Each library includes only what its links in docs/ARCHITECTURE.md allow.
check-layers:
	@python3 tools/check-layers.py

fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

format: deps
	@clang-format -i $(SOURCES)

format-check: deps
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	@rm -rf build build-sanitize build-bench build-fuzz
