# Two entry points: `make run` builds and starts Velmarin, `make test` builds
# and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps configure clean bench

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/velmarin $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every benchmark program, their results printed as one table.
bench: build
	@rm -f $(BUILD)/bench/rows.tsv
	@for b in $(BUILD)/bench/*/bench_*; do [ -x "$$b" ] || continue; \
	  VELMARIN_BENCH_ROWS=$(abspath $(BUILD))/bench/rows.tsv QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done
	@$(BUILD)/bench/support/velmarin_bench_table $(BUILD)/bench/rows.tsv

clean:
	rm -rf $(BUILD)
