# QM Starloom: set-up, build, run and test.
#   make run   installs what is missing, builds and starts the program
#   make test  installs what is missing, builds and runs every test through CTest

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
PACKAGES   := $(shell sed -e 's/\#.*//' deps/debian-packages.txt)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run test bench format clean

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

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bin/starloom-bench

# Rewrites every C++ source in place with the project's clang-format style.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)

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
