# QM Starloom: set-up, build, run and test.
#   make run   installs what is missing, builds and starts the program
#   make test  installs what is missing, builds and runs every test through CTest, then
#              again in a Release (-O3) build, the batch tests in a ThreadSanitizer build,
#              everything again with AddressSanitizer and UndefinedBehaviorSanitizer, then
#              each fuzz target for FUZZ_TEST_SECONDS
#   make fuzz  runs each fuzz target for FUZZ_SECONDS

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
PACKAGES   := $(shell sed -e 's/\#.*//' deps/debian-packages.txt)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run test test-main test-release test-tsan test-asan test-fuzz \
        fuzz fuzz-build bench format clean

all: build

# Install only the packages that dpkg does not already report as installed.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/bin/starloom

test: test-main test-release test-tsan test-asan test-fuzz

test-main: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite once more as the optimiser builds it for release: code that works only by
# luck at lower optimisation shows here. The end-to-end run in an X server and the format
# check do not depend on the build type and ran in test-main.
RELEASE_DIR ?= build-release

test-release: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTARLOOM_BUILD_BENCH=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	cd $(RELEASE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) \
	    -LE 'format|e2e'

# The batch's worker threads under ThreadSanitizer. Only the tool and its batch tests are
# built: the rest of the program runs on one thread. Address randomisation is switched off
# for the run: the sanitizer's runtime cannot map its shadow memory on kernels that
# randomise more address bits than it expects. The tests start the tool while a thread of
# their own reads a pipe, a fork the sanitizer would otherwise refuse.
TSAN_DIR ?= build-tsan

test-tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSTARLOOM_TSAN=ON \
	      -DSTARLOOM_BUILD_BENCH=OFF
	cmake --build $(TSAN_DIR) -j $(JOBS) --target starloom-cli test_cli_batch
	cd $(TSAN_DIR) && QT_QPA_PLATFORM=offscreen TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:die_after_fork=0 \
	    setarch $$(uname -m) -R ctest --output-on-failure -R '^test_cli_batch$$'

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails its test. Only Qt's own leaks are suppressed, in tests/sanitizers/lsan.supp.
ASAN_DIR ?= build-asan
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSTARLOOM_SANITIZE=ON \
	      -DSTARLOOM_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) \
	    ctest --output-on-failure -j $(JOBS) -LE format

# libFuzzer targets (clang), one per parser of outside input; see tests/fuzz/CMakeLists.txt.
FUZZ_DIR          ?= build-fuzz
FUZZ_SECONDS      ?= 300
FUZZ_TEST_SECONDS ?= 30
FUZZ_TARGETS      := reading_file batch_csv birth_options settings_entry

fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	      -DCMAKE_CXX_COMPILER=clang++-14 -DSTARLOOM_FUZZ=ON -DSTARLOOM_BUILD_BENCH=OFF \
	      -DSTARLOOM_FUZZ_SECONDS=$(FUZZ_TEST_SECONDS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_all

test-fuzz: fuzz-build
	cd $(FUZZ_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L fuzz

fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do \
	  echo "== fuzz_$$target for $(FUZZ_SECONDS) s"; \
	  tests/fuzz/run_fuzzer.sh $(FUZZ_DIR)/bin/fuzz_$$target $(FUZZ_SECONDS) \
	      $(FUZZ_DIR)/tests/fuzz/work/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

bench: build
	./$(BUILD_DIR)/bin/starloom-bench

# Rewrites every C++ source in place with the project's clang-format style (the generated
# engine/precise_table_digest.h comes out of its generator formatted already).
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(TSAN_DIR) $(ASAN_DIR) $(FUZZ_DIR)

# Installing and packaging (root, or sudo, for the default PREFIX):
#   make install [PREFIX=/usr/local]  the programs, desktop entry, icons, reading-file type,
#                                     manual pages and licence
#   make package                      a Debian package (.deb) in $(BUILD_DIR), with CPack
PREFIX ?= /usr/local

.PHONY: install package

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack -G DEB
