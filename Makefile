# The two commands of the README: `make run` and `make test`. Both install
# what is missing, configure and build first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test
all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j 2

run: build
	@scripts/run-viewer $(BUILD_DIR)/orvane

test: build
	@ctest --preset $(PRESET) -j 2

# The README's pictures, taken from the running viewer in a private Xvfb.
.PHONY: screenshots
screenshots: build
	@scripts/screenshots $(BUILD_DIR)/orvane docs

# The Debian package, in $(BUILD_DIR).
.PHONY: package
package: build
	@cmake --build --preset $(PRESET) --target package
# Performance: the benchmarks (OpenGL replaced by a counting sink), the frame
# rate of the real viewer in a private Xvfb, and its peak memory. The README's
# "Performance" section says what each prints.
.PHONY: bench fps memory
bench: build
	@$(BUILD_DIR)/bench/orvane_bench $(BENCH_ARGS)

fps: build
	@scripts/fps $(BUILD_DIR)/orvane

memory: build
	@scripts/memory $(BUILD_DIR)/orvane
