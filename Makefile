# The two commands of the README: `make run` and `make test`. Both install
# what is missing, configure and build first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test
all: build

deps:
	@scripts/install-deps test

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j 2

# The viewer alone, from a preset of its own without the tests and benchmarks,
# so that it installs and builds only what the viewer needs.
run:
	@scripts/install-deps run
	@cmake --preset viewer >/dev/null
	@cmake --build --preset viewer -j 2
	@scripts/run-viewer build/viewer/orvane

test: build
	@ctest --preset $(PRESET) -j 2

# The viewer as one self-contained web page, build/web/orvane.html, copied
# to docs/index.html, the page committed for those who do not build it:
# open it from disk or put it on any web server (docs/web-page.md).
.PHONY: web
web:
	@scripts/install-deps web
	@cmake --preset web >/dev/null
	@cmake --build --preset web -j 2
	@cp build/web/orvane.html docs/index.html
	@echo "web: wrote build/web/orvane.html and docs/index.html"

# The pictures of docs/pictures.md, taken from the running viewer in a
# private Xvfb, and the package's icons cut from one of them.
.PHONY: screenshots
screenshots: build
	@scripts/screenshots $(BUILD_DIR)/orvane docs packaging/icons

# The Debian package, in $(BUILD_DIR). cpack writes the archive's members
# with the umask's modes, so it packs under 022 whatever the caller's is.
.PHONY: package
package: build
	@umask 022 && cmake --build --preset $(PRESET) --target package
# Performance: the benchmarks (OpenGL replaced by a counting sink), the frame
# rate of the real viewer in a private Xvfb, and its peak memory.
# docs/performance.md says what each prints. bench and fps also keep their
# figures in $(BUILD_DIR), from which `make plots` draws the charts in docs/:
# `make bench fps plots` measures and draws them all.
.PHONY: bench fps memory plots
bench: build
	@$(BUILD_DIR)/bench/orvane_bench --benchmark_out=$(BUILD_DIR)/bench.json \
	  --benchmark_out_format=json $(BENCH_ARGS)

fps: build
	@scripts/fps $(BUILD_DIR)/orvane $(BUILD_DIR)/bench/orvane_fps_floor $(BUILD_DIR)/fps.json

plots: deps
	@scripts/plots $(BUILD_DIR) docs

memory: build
	@scripts/memory $(BUILD_DIR)/orvane
# More checks (docs/testing.md). `make check`: the unit suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then `make lint`, then the
# fuzz corpus replayed through the libFuzzer target. `make fuzz`: a bounded
# libFuzzer run; what it finds beyond the seeds goes to build/fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZER := build/fuzz/tests/fuzz/orvane_fuzz_events

.PHONY: check lint fuzz fuzz-build
check: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j 2
	@ctest --preset asan -j 2
	@$(MAKE) lint
	@$(MAKE) fuzz-build
	@$(FUZZER) tests/fuzz/corpus/* 2>build/fuzz/replay.log || { cat build/fuzz/replay.log; exit 1; }
	@echo "fuzz corpus: $$(ls tests/fuzz/corpus | wc -l) inputs replayed by the libFuzzer target"

# The exactness tests at -O2, under an emulated processor without AVX, with
# clang, and built for each other processor Debian builds for and run by
# qemu-user (docs/testing.md). ARCHES picks some of those by Debian's
# names (make exact ARCHES="i386 s390x"); all seven unless given.
.PHONY: exact
exact: build
	@scripts/exactness $(ARCHES)

lint: configure
	@scripts/lint $(BUILD_DIR)

fuzz-build: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j 2

fuzz: fuzz-build
	@mkdir -p build/fuzz/corpus
	@$(FUZZER) -max_total_time=$(FUZZ_SECONDS) -max_len=256 -timeout=30 \
	  -artifact_prefix=build/fuzz/ build/fuzz/corpus tests/fuzz/corpus
# The web page's frame rate in headless Chromium beside the desktop viewer's
# in Xvfb, measured in one run (docs/web-page.md).
.PHONY: web-fps web-screenshot
web-fps: build web
	@scripts/web-fps $(BUILD_DIR)/orvane build/web/orvane.html

# The picture of the web page in the README, taken in headless Chromium.
web-screenshot: web
	@scripts/web-screenshot build/web/orvane.html docs/web-page.png
