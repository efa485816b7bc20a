# The two commands of the Quick start, and a few more for developers.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
JOBS ?= 2
# The builds that cmake starts inside a step need not name their folders.
MAKEFLAGS += --no-print-directory

# Fuzzing: the targets, the short run of `make test` (a fixed number of
# inputs per target, the same every time) and the time per target of the
# long run, `make fuzz`.
FUZZ_DIR := build/fuzz
FUZZ_TARGETS := fuzz_read_conf fuzz_prereader fuzz_sensor_element fuzz_import_sensor fuzz_read_con
FUZZ_RUNS ?= 20000
FUZZ_SECONDS ?= 600
FUZZ_FLAGS = -timeout=10 -dict=fuzz/xmlcon.dict -artifact_prefix=$(FUZZ_DIR)/artifacts/$$target/
# The committed seeds and the inputs of past findings of one target.
FUZZ_INPUTS = fuzz/corpus/$$target $$(test -d fuzz/regressions/$$target && echo fuzz/regressions/$$target)

BENCH_PROGRAMS := bench_read bench_write bench_report bench_hostile bench_batch bench_con
BENCH_ARGS ?=

# Every step builds with -j$(JOBS) itself; the steps run one after another.
.NOTPARALLEL:
.PHONY: setup configure build examples run test test-asan test-fuzz fuzz-build fuzz fuzz-seeds bench package lint-package clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake --preset $(PRESET) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# Writes the example configurations and their stored reports again.
examples: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target make-examples tw-configctd
	@bash scripts/make-examples.sh $(BUILD_DIR)

# Prints the report of the bundled example configuration; builds only the
# tool and the library it needs.
run: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target tw-configctd
	@$(BUILD_DIR)/apps/cli/tw-configctd report examples/64plusV2-default.xmlcon

# The suite, then the suite under the sanitizers, then a short fuzzing run.
test: build
	@ctest --test-dir $(BUILD_DIR) -j$(JOBS) --output-on-failure
	@$(MAKE) test-asan
	@$(MAKE) test-fuzz

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake --preset asan > /dev/null
	@cmake --build build/asan -j$(JOBS)
	@ctest --preset asan -j$(JOBS)

fuzz-build: setup
	@cmake --preset fuzz > /dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target $(FUZZ_TARGETS)

# FUZZ_RUNS inputs per target from its seeds and past findings; new inputs
# go to a scratch corpus, crashes to $(FUZZ_DIR)/artifacts/TARGET/.
test-fuzz: fuzz-build
	@passed=0; for target in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_DIR)/work/$$target; \
	  mkdir -p $(FUZZ_DIR)/work/$$target $(FUZZ_DIR)/artifacts/$$target; \
	  echo "fuzz: $$target, $(FUZZ_RUNS) inputs"; \
	  $(FUZZ_DIR)/fuzz/$$target -runs=$(FUZZ_RUNS) -seed=1 $(FUZZ_FLAGS) \
	    $(FUZZ_DIR)/work/$$target $(FUZZ_INPUTS) > $(FUZZ_DIR)/work/$$target.log 2>&1 \
	    || { tail -n 60 $(FUZZ_DIR)/work/$$target.log; \
	         echo "fuzz: $$passed passed, 1 failed"; exit 1; }; \
	  passed=$$((passed + 1)); \
	done; \
	echo "fuzz: $$passed passed, 0 failed"

# FUZZ_SECONDS per target, one target after another; the corpus grows in
# $(FUZZ_DIR)/long/TARGET and is kept between runs.
fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/long/$$target $(FUZZ_DIR)/artifacts/$$target; \
	  echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_FLAGS) \
	    $(FUZZ_DIR)/long/$$target $(FUZZ_INPUTS) || exit 1; \
	done

# Writes the seed corpora and the dictionary again, from the example
# configurations and the documents the library writes.
fuzz-seeds: setup
	@cmake --preset fuzz > /dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target tw-fuzz-seeds make-examples
	@rm -rf fuzz/corpus $(FUZZ_DIR)/seed-examples
	@mkdir -p $(FUZZ_DIR)/seed-examples
	@$(FUZZ_DIR)/examples/make-examples $(FUZZ_DIR)/seed-examples
	@$(FUZZ_DIR)/fuzz/tw-fuzz-seeds fuzz $(FUZZ_DIR)/seed-examples/*.xmlcon $(wildcard examples/*.xmlcon)
	@mkdir -p fuzz/corpus/fuzz_read_con && cp $(FUZZ_DIR)/seed-examples/*.con fuzz/corpus/fuzz_read_con/

# Builds the benchmark programs in the default preset and runs each.
bench: setup
	@cmake --preset default > /dev/null
	@cmake --build build/default -j$(JOBS) --target $(BENCH_PROGRAMS)
	@for program in $(BENCH_PROGRAMS); do \
	  echo "== $$program"; \
	  build/default/bench/$$program $(BENCH_ARGS) || exit 1; \
	done

# The Debian package $(BUILD_DIR)/tw-configctd_VERSION_ARCH.deb of everything
# the build installs; `sudo apt install ./$(BUILD_DIR)/tw-configctd_*.deb`
# installs it.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Debian's package checks on the newest package; fails on errors only.
lint-package: package
	@command -v lintian > /dev/null || { echo "lint-package: needs lintian (apt install lintian)"; exit 1; }
	@lintian --fail-on error --info $$(ls -t $(BUILD_DIR)/tw-configctd_*.deb | head -n 1)

clean:
	@rm -rf build
