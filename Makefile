BUILD ?= build
RELEASE_BUILD ?= build-release
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
# Warnings are errors in the project's own checks only (the targets that set WERROR = ON
# below, and CI, which exports WERROR=ON for every step); a user's build never fails on
# a warning of a newer compiler. Passed every time, so that a check run before leaves
# no -Werror behind in the folder's cache.
WERROR ?= OFF

.PHONY: all deps build run test install clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_WERROR=$(WERROR) $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/Labs

# The tests build with warnings as errors: the project's own check keeps it warning-free.
test: WERROR = ON
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: test-release

# The same tests on an optimised Release build (-O3) in its own folder: the
# optimiser sees through code that the other builds leave alone.
test-release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DLABS_WERROR=ON
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: compare-extended

# The software extended type against the x87, EXTENDED_COUNT operands per operation,
# on the optimised build of test-release (only where long double is the x87's format).
EXTENDED_COUNT ?= 1000000
compare-extended: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DLABS_WERROR=ON
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target soft_extended_diff
	./$(RELEASE_BUILD)/tools/soft_extended_diff $(EXTENDED_COUNT) 2026

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Every build folder the targets below make.
clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(SOFT_BUILD) $(ARM64_BUILD) build-asan build-fuzz \
	       build-fuzz-soft build-bench

.PHONY: check-format

# The project's own C++ files as .clang-format writes them (generated tables excepted).
check-format:
	@bash scripts/check-format.sh

.PHONY: check-shell

# shellcheck over the shell scripts (scripts/, .ci/run): no finding, style notes included.
check-shell:
	@bash scripts/check-shell.sh

.PHONY: build-soft test-soft compare-builds

SOFT_BUILD ?= build-soft

# The program and its tests with the extended arithmetic computed in software, as on
# CPUs without an x87 unit (in build-soft), and the whole suite run there.
build-soft: deps
	cmake -S . -B $(SOFT_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_WERROR=ON -DLABS_SOFT_EXTENDED=ON
	cmake --build $(SOFT_BUILD) -j $(JOBS)

test-soft: build-soft
	cd $(SOFT_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every lab over the same random coefficients in the hardware and the software
# build, compared bit for bit (ROOTS_COUNT cubics, LAB_COUNT coefficient sets per
# plotting lab).
compare-builds: WERROR = ON
compare-builds: build build-soft
	HARDWARE_BUILD=$(BUILD) SOFT_BUILD=$(SOFT_BUILD) bash scripts/compare-extended-builds.sh

.PHONY: package check-package screenshots

# The Debian package (CPack), left in $(BUILD); `make package ARCH=arm64` makes the
# arm64 one instead, cross-built in $(ARM64_BUILD) (see package-arm64).
ifeq ($(ARCH),arm64)
package: package-arm64
else
package: build
	@bash scripts/install-ship-deps.sh
	cmake --build $(BUILD) --target package
endif

# Builds the package, validates what it installs and starts the unpacked program.
check-package:
	BUILD=$(BUILD) bash scripts/check-package.sh

# Screenshots of the five windows into docs/screenshots/ (needs no display).
screenshots: build
	BUILD=$(BUILD) bash scripts/screenshots.sh

.PHONY: build-arm64 test-arm64 package-arm64 check-package-arm64

ARM64_BUILD ?= build-arm64

# The program and its tests cross-built for arm64 in $(ARM64_BUILD), with Debian's
# cross compiler and arm64 libraries (scripts/install-arm64-deps.sh).
build-arm64: deps
	@bash scripts/install-arm64-deps.sh
	cmake -S . -B $(ARM64_BUILD) --toolchain cmake/toolchain-aarch64.cmake \
	      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_WERROR=$(WERROR) $(CMAKE_OPTIONS)
	cmake --build $(ARM64_BUILD) -j $(JOBS)

# Every test of the arm64 build, each run under qemu's user-mode emulator: the
# arithmetic must give the same numbers on a processor without the x87 unit.
test-arm64: WERROR = ON
test-arm64: build-arm64
	cd $(ARM64_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package for arm64, left in $(ARM64_BUILD), and its checks.
package-arm64: build-arm64
	@bash scripts/install-ship-deps.sh
	cmake --build $(ARM64_BUILD) --target package

check-package-arm64:
	ARCH=arm64 BUILD=$(ARM64_BUILD) bash scripts/check-package.sh

.PHONY: test-sanitize

# The program and every test again with address, leak and undefined-behaviour
# sanitizers (in build-asan); any sanitizer report fails.
test-sanitize: deps
	JOBS=$(JOBS) bash scripts/test-sanitize.sh

.PHONY: fuzz

# libFuzzer harnesses built with clang in build-fuzz, each run for FUZZ_SECONDS (60).
fuzz: deps
	JOBS=$(JOBS) bash scripts/fuzz.sh

.PHONY: bench

# Benchmarks (Google Benchmark) in build-bench; never part of the tests.
bench: deps
	JOBS=$(JOBS) bash scripts/bench.sh

.PHONY: qt-windows build-windows test-windows package-windows check-package-windows \
        compare-builds-windows test-windows-logic

WINDOWS_BUILD ?= build-windows
# Qt for Windows, built once from Debian's source into this cache (scripts/build-qt-windows.sh).
LABS_QT_WINDOWS ?= /opt/labs-qt-6.4.2-mingw64
export LABS_QT_WINDOWS

qt-windows:
	@bash scripts/build-qt-windows.sh

# The program and every test cross-built for Windows x86-64 in $(WINDOWS_BUILD), with
# Debian's MinGW-w64 and the Qt above; an optimised build, the one that is shipped.
build-windows: qt-windows
	@bash scripts/install-windows-deps.sh
	$(LABS_QT_WINDOWS)/bin/qt-cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
	      -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-mingw64.cmake \
	      -DLABS_WERROR=$(WERROR) $(CMAKE_OPTIONS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Every test of the Windows build, each run under wine in the build folder's own wine
# prefix and X server.
test-windows: WERROR = ON
test-windows: build-windows
	JOBS=$(JOBS) bash scripts/test-windows.sh $(WINDOWS_BUILD)

# The tests without windows alone (the arithmetic, parsing, formats, the analysis).
test-windows-logic: WERROR = ON
test-windows-logic: build-windows
	JOBS=$(JOBS) CTEST_ARGS="-E _tst_" bash scripts/test-windows.sh $(WINDOWS_BUILD)

# What a teacher installs, left in $(WINDOWS_BUILD): the portable zip and the setup program.
package-windows: build-windows
	bash scripts/package-windows.sh $(WINDOWS_BUILD)

# Installs the setup silently into a fresh wine prefix, checks what it installed and
# registered, starts the program, uninstalls and finds nothing left; then starts the
# program from the zip unpacked into a folder with a Cyrillic name.
check-package-windows: package-windows
	bash scripts/check-package-windows.sh $(WINDOWS_BUILD)

# Every lab over the same random coefficients in the Linux build and in the Windows
# build under wine, compared bit for bit (as compare-builds).
compare-builds-windows: WERROR = ON
compare-builds-windows: build build-windows
	WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine HARDWARE_BUILD=$(BUILD) OTHER_NAME=Windows \
	  OTHER_DUMP="bash scripts/wine-run.sh $(WINDOWS_BUILD)/tools/lab_results_dump.exe" \
	  bash scripts/compare-extended-builds.sh

.PHONY: qt-web

# Qt for WebAssembly, built once from Debian's source into this cache
# (scripts/build-qt-web.sh): one job at the lowest priority unless JOBS is set in the
# environment, since it runs beside other work.
LABS_QT_WEB ?= /opt/labs-qt-6.4.2-wasm
export LABS_QT_WEB

qt-web:
	@bash scripts/build-qt-web.sh

.PHONY: web run-web test-web test-web-logic compare-builds-web

WEB_BUILD ?= build-web
PORT ?= 8080

# The browser version (scripts/build-web.sh): Qt for WebAssembly (qt-web), the program
# built with Debian's emscripten in $(WEB_BUILD), and the page laid out in
# $(WEB_BUILD)/site, a folder any static web server can serve.
web:
	@bash scripts/install-web-deps.sh
	WEB_BUILD=$(WEB_BUILD) JOBS=$(JOBS) WERROR=$(WERROR) bash scripts/build-web.sh

# The page served on this machine alone (http://localhost:$(PORT)/; Ctrl+C stops).
run-web: web
	node scripts/serve-web.mjs $(WEB_BUILD)/site $(PORT)

# The logic tests of the browser build, each run under Node.
test-web-logic: WERROR = ON
test-web-logic:
	@bash scripts/install-web-deps.sh
	WEB_BUILD=$(WEB_BUILD) JOBS=$(JOBS) WERROR=$(WERROR) TARGETS=tests bash scripts/build-web.sh
	cd $(WEB_BUILD) && ctest --output-on-failure -j $(JOBS)

# The page in Debian's headless Chromium, driven as a student uses it, its charts
# compared with the Linux build's pictures (scripts/test-web.sh).
test-web: WERROR = ON
test-web: build web
	BUILD=$(BUILD) WEB_BUILD=$(WEB_BUILD) bash scripts/test-web.sh

# Every lab over random coefficients, the browser build's results tool under Node
# against the Linux build's, compared bit for bit (as compare-builds).
compare-builds-web: WERROR = ON
compare-builds-web: build
	@bash scripts/install-web-deps.sh
	WEB_BUILD=$(WEB_BUILD) JOBS=$(JOBS) WERROR=$(WERROR) TARGETS=lab_results_dump \
	  bash scripts/build-web.sh
	HARDWARE_BUILD=$(BUILD) OTHER_NAME=browser \
	  OTHER_DUMP="node --no-experimental-fetch scripts/run-in-node.js $(WEB_BUILD)/tools/lab_results_dump.js" \
	  bash scripts/compare-extended-builds.sh
