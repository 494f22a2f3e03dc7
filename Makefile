# Entry points for a new machine: each target installs what is missing, configures and builds.
BUILD_DIR   ?= build
ASAN_DIR    ?= build-asan
BENCH_DIR   ?= build-bench
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_SEED   ?= 1
FUZZ_EVENTS ?= 1000000

.PHONY: deps configure build gallery docs test test-asan fuzz bench clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_WERROR=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

gallery: build
	@$(BUILD_DIR)/apps/gallery/gallery $(ARGS)

# docs/GALLERY.md and a screenshot per page, written by the gallery itself.
docs: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target gallery
	@scripts/make-docs.sh $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARVO_WERROR=ON -DZARVO_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# A long event-fuzzer run in the sanitizer build; a failure prints its seed and last steps.
fuzz: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARVO_WERROR=ON -DZARVO_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target event_fuzzer
	@$(ASAN_DIR)/tests/fuzz/event_fuzzer --seed $(FUZZ_SEED) --events $(FUZZ_EVENTS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target workloads micro
	@$(BENCH_DIR)/bench/workloads --all
	@$(BENCH_DIR)/bench/micro

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR)
