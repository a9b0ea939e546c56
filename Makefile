# Front door: `make play` builds and starts the game, `make test` builds and runs every test.
PRESET ?= dev
BUILD := build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
BENCH_ARGS ?=
FUZZ_TARGETS := fuzz_schema fuzz_dizionario fuzz_indizio fuzz_libreria fuzz_immagine

.PHONY: play test build deps package bench fuzz fuzz-build fuzz-smoke asan format clean

play: build
	cd $(BUILD)/Tramelo && ./tramelo

# Every test, then a few seconds of each fuzz target.
test: build
	ctest --preset $(PRESET) -j $(JOBS)
	$(MAKE) --no-print-directory fuzz-smoke

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@scripts/install-deps

# The Debian package $(BUILD)/tramelo_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS) --target tramelo_bench
	build/release/bench/tramelo_bench $(BENCH_ARGS)

# The fuzz targets (clang, address and undefined-behaviour sanitizers) in build/fuzz.
fuzz-build: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

fuzz-smoke: fuzz-build
	ctest --preset fuzz

# Each target for FUZZ_SECONDS from its seed corpus; new inputs stay in build/fuzz/tests/fuzz/lavoro/<target>,
# a crashing one in its guasti/.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    l=$(BUILD)/fuzz/tests/fuzz/lavoro/$$t; \
	    $(BUILD)/fuzz/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=2048 \
	        -print_final_stats=1 -artifact_prefix=$$l/guasti/ $$l tests/fuzz/corpus/$$t || exit 1; \
	done

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) -LE e2e -E pacchetto_debian

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
