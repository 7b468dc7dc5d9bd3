# The two commands of the README, and the build they share.

BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The main job on the shipped sample: generate the OrderEntry application into $(SAMPLE_OUT).
SAMPLE_OUT ?= $(BUILD_DIR)/OrderEntry
run: build
	$(BUILD_DIR)/bin/ostrel generate --repository $(BUILD_DIR)/samples/vbostrel.mdb --app OrderEntry \
		--out $(SAMPLE_OUT)

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer, without a display.
test: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_SANITIZE=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every benchmark runs, each printing its figures beside its targets; the run fails if any missed one.
bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DOSTREL_TESTS=OFF -DOSTREL_BENCHMARKS=ON
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	@missed=""; for b in $(BENCH_BUILD_DIR)/bin/bench_*; do $$b || missed="$$missed $${b##*/}"; done; \
	if [ -n "$$missed" ]; then echo "Missed their targets:$$missed"; exit 1; fi

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR)
