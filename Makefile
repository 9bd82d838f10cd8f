# The two commands a new user needs: `make run` and `make test`. Both install what is missing.
RUN_DIR  := build/run
TEST_DIR := build/test
FUZZ_DIR := build/fuzz
FUZZ_TIME ?= 60
BIN      := $(RUN_DIR)/bin
DEMO_DIR := $(CURDIR)/build/demo-game
# ccache, when present, shares compiled objects between build folders and clones.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
# Debug objects would otherwise be cached per folder, so a fresh clone would compile everything.
export CCACHE_NOHASHDIR := 1
# The optimised build, which the package is made from, carries Debian's hardening flags
# (stack protector, fortified functions, read-only relocations bound at start).
BUILDFLAGS = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))
HARDENING := $(if $(shell command -v dpkg-buildflags),\
  "-DCMAKE_CXX_FLAGS=$(call BUILDFLAGS,CPPFLAGS) $(call BUILDFLAGS,CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(call BUILDFLAGS,LDFLAGS)")

.PHONY: run test test-windows setup build-run build-test build-fuzz fuzz screenshots bench package clean

setup:
	@scripts/setup.sh

build-run: setup
	@cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMF7_BUILD_TESTS=OFF $(LAUNCHER) \
	  $(HARDENING) >/dev/null
	@cmake --build $(RUN_DIR)

build-test: setup
	@cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMF7_SANITIZE=ON $(LAUNCHER) >/dev/null
	@cmake --build $(TEST_DIR)

# The libFuzzer targets, built with clang in a folder of their own.
build-fuzz: setup
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DMF7_FUZZ=ON $(LAUNCHER) >/dev/null
	@cmake --build $(FUZZ_DIR)

run: build-run
	@if [ ! -f $(BIN)/mf7edit.ini ]; then $(BIN)/mf7demo $(DEMO_DIR) --ini $(BIN)/mf7edit.ini; fi
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: run it under Xvfb with 'xvfb-run -a make run' (or set DISPLAY)."; exit 1; fi
	@$(BIN)/mf7edit

# The tests, then each fuzz target for about 10 s so that none falls out of use.
test: build-test build-fuzz
	@cd $(TEST_DIR) && ctest --output-on-failure
	@cd $(FUZZ_DIR) && ctest --output-on-failure

# Each fuzz target for FUZZ_TIME seconds; findings go to build/fuzz/fuzz-findings.
fuzz: build-fuzz
	@cd $(FUZZ_DIR) && MF7_FUZZ_TIME=$(FUZZ_TIME) ctest --output-on-failure --timeout $$(( $(FUZZ_TIME) * 2 + 120 ))

# A Debian package of the Release build in build/run/package.
package: build-run
	@cd $(RUN_DIR) && cpack -G DEB

# The Qt-free part cross-built for Windows (MinGW-w64) into build/windows, its tests and a batch
# smoke run under Wine.
test-windows:
	@scripts/windows-test.sh

# Every window on the demo campaign, headless, at the default size and at 150 %.
screenshots: build-run
	@QT_QPA_PLATFORM=offscreen $(BIN)/mf7shots $(CURDIR)/docs/screenshots
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $(BIN)/mf7shots $(CURDIR)/docs/screenshots --suffix -150

bench: build-run
	@$(BIN)/mf7bench
	@$(BIN)/mf7copybench
	@$(BIN)/mf7mapbench

clean:
	rm -rf build
