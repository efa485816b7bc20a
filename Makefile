# The two commands of the Quick start, and a few more for developers.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
JOBS ?= 2

.PHONY: setup configure build run test test-asan clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake --preset $(PRESET) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# Prints the report of the bundled example configuration.
run: build
	@$(BUILD_DIR)/apps/cli/tw-configctd report examples/64plusV2-default.xmlcon

test: build
	@ctest --test-dir $(BUILD_DIR) -j$(JOBS) --output-on-failure

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake --preset asan > /dev/null
	@cmake --build build/asan -j$(JOBS)
	@ctest --preset asan -j$(JOBS)

clean:
	@rm -rf build
