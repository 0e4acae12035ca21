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
