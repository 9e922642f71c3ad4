# SPDX-License-Identifier: GPL-3.0-or-later
# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build viewer run test bench package clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Only what `make run` shows: the viewer with its skins and the sample book, no test or benchmark.
viewer: configure
	@cmake --build $(BUILD) -j$(JOBS) --target bullevista skins sample-book

# A first run (no settings file yet) shows the sample book fitted to the view, as build/defaults.ini
# says; afterwards the settings file the viewer writes at exit rules.
run: viewer
	./$(BUILD)/bullevista "$(CURDIR)/$(BUILD)/sample/Sample Book.cbz"

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	bash bench/run.sh $(BUILD)

# The .deb of an install under /usr: build/bullevista_<version>_<arch>.deb (needs dpkg-dev's dpkg-shlibdeps).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
