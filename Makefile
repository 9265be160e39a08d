# Front door: `make run` builds and starts the designer, `make test` builds and
# runs every test headless, `make package` builds the Debian package. All install
# missing Debian packages first.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

# Everything: the program, the tests, the fuzz drivers, the tools and the benchmarks.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the program (its fonts.txt and layout.xml are copied beside it when CMake
# configures the build).
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target zef-designer
	cd $(BUILD) && ./zef-designer

# Only what ctest runs: the test binaries, the fuzz replays and the program the
# command-line and window tests start.
test: configure
	cmake --build $(BUILD) -j $(JOBS) --target zef-tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2

# build-package/zef-designer_<version>_<arch>.deb; scripts/check-package.sh
# build-package checks it. A build of its own: only the program and what it
# installs (no tests, benchmarks, fuzz drivers or tools), with Debian's flags
# for packages, every hardening feature on (fortify, stack protector, full
# RELRO, BIND_NOW, PIE); its time stamps are the changelog's.
PACKAGE_BUILD ?= build-package
package: deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DZEF_BUILD_TESTS=OFF -DZEF_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	export SOURCE_DATE_EPOCH=$$(sed -n 's/^ZEF_SOURCE_DATE_EPOCH:INTERNAL=//p' \
		$(PACKAGE_BUILD)/CMakeCache.txt); \
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) && cd $(PACKAGE_BUILD) && cpack -G DEB

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target zef-bench
	$(BUILD)/zef-bench

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD)
