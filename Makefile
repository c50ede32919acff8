# Kerfwright: `make run` installs, builds and starts the program; `make test` installs,
# builds and runs every test. Everything else here serves those two.
BUILD       ?= build
ASAN_BUILD  ?= build-asan
TSAN_BUILD  ?= build-tsan
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= $(shell nproc)
FUZZ_SECONDS ?= 15
# The program as it ships: optimised, without debugging information, which slowed the heaviest
# files by a third (a build to debug: cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo or Debug).
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Compiler cache hits across checkouts in other folders (CI builds a fresh clone).
export CCACHE_BASEDIR := $(CURDIR)
# ... and leaves the build folder out of its key, so a second clone builds from the first's objects.
export CCACHE_NOHASHDIR := true
# -noreset: Xvfb otherwise restarts whenever its last client leaves, and a test starting at
# that moment cannot connect (parallel ctest runs hit it).
XVFB        := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
# The sanitizer and fuzzer builds: clang, -O1 and line tables only, as fuzzing services build. A
# report needs no more than file and line, and these builds then take under half the time that
# GCC at -O2 with full debugging took.
SANITIZER_FLAGS := -DCMAKE_CXX_COMPILER=clang++ -DKERF_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -gline-tables-only -DNDEBUG"

.PHONY: all deps build run test test-unit test-sanitize test-thread test-tidy tidy test-fuzz fuzz bench package regenerate-data regenerate-golden format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/kerfwright

test: test-unit test-tidy test-sanitize test-thread test-fuzz

# Every test of the normal build; window and OpenGL tests need the X server of xvfb-run.
# XDG_DATA_HOME: the tests' own cutters live in the build tree, never in the user's folder.
test-unit: build
	XDG_DATA_HOME=$(CURDIR)/$(BUILD)/test-data-home \
	  $(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Every test again (libraries, windows, the program's verbs), built with AddressSanitizer and
# UBSan; the window and OpenGL tests under xvfb-run as in test-unit.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) $(SANITIZER_FLAGS) -DKERF_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  XDG_DATA_HOME=$(CURDIR)/$(ASAN_BUILD)/test-data-home \
	  UBSAN_OPTIONS=print_stacktrace=1 $(XVFB) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The matcher's tests under ThreadSanitizer: the matcher is the one part that starts threads (it
# searches on every core), and its tests run the model's measuring and judging on those threads.
# Only this binary is built: it needs no Qt. The model's own tests start no thread, so a second
# run of them here would cost minutes and find nothing; nor does the matcher's one test that
# paints every cutter shape on the calling thread alone (two minutes under the sanitizer), nor
# the table of plans, which runs the same search as the others on more targets (a minute and a
# half more).
test-thread: deps
	cmake -S . -B $(TSAN_BUILD) $(CMAKE_FLAGS) $(SANITIZER_FLAGS) -DKERF_SANITIZE_THREAD=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target kerf_match_tests
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/bin/kerf_match_tests \
	  --gtest_filter=-ProfileMatch.CutShapesPaintWhatTheRendererPaints:MatchPlans.*

# clang-tidy with .clang-tidy's checks, every finding an error, over the libraries that hold no
# window code (the compile database of the normal build); `make tidy` checks the whole tree.
test-tidy: build
	@scripts/run-tidy $(BUILD) $(JOBS) libraries

tidy: build
	@scripts/run-tidy $(BUILD) $(JOBS) all

# The readers of untrusted files under libFuzzer, each for a short bounded time.
test-fuzz: deps
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Twelve minutes per fuzzer, each with its corpus and reproducers: about an hour and a half for
# the eight, to leave running.
fuzz: deps
	@scripts/run-fuzzers $(FUZZ_BUILD) 720

bench: build
	@for b in $(BUILD)/bench/kerf_bench_*; do [ -x "$$b" ] && "$$b"; done

package: build
	cd $(BUILD) && cpack -G DEB

regenerate-data: build
	cmake --build $(BUILD) --target regenerate-data

# Rewrites tests/golden/*.png from the current program after an intended change of the drawing.
regenerate-golden: build
	KERF_REGENERATE=1 $(XVFB) $(BUILD)/bin/kerf_cli_tests --gtest_filter='GoldenPictures.*'

# Lays out every C++ file as .clang-format says; the test source.format checks it.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
