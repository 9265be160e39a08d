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

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./zef-designer

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2

# build/zef-designer_<version>_<arch>.deb; scripts/check-package.sh checks it.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/zef-bench

clean:
	rm -rf $(BUILD)
