# The two commands a player or maintainer needs: `make run` and `make test`.
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=

FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(filter-out replay_main,$(basename $(notdir $(wildcard fuzz/*.cpp))))

.PHONY: all setup build build-asan run test test-fast bench assets fuzz clean

all: build

setup:
	@bash tools/setup.sh

build: setup
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build build -j $(JOBS)

build-asan: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPEMOLA_SANITIZE=ON -DPEMOLA_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-asan -j $(JOBS)

run: build
	./build/src/pemola

# Every test, in the normal build and again under ASan and UBSan.
test: build build-asan
	ctest --test-dir build --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The normal build's tests only, for a quick round while working.
test-fast: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

bench: build
	./build/bench/pemola_bench

# Rebuilds the generator and repaints the committed pictures and sounds.
assets: setup
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build build --target pemola_assets -j $(JOBS)
	./build/tools/assets/pemola_assets resources

# Every fuzz target under libFuzzer for FUZZ_SECONDS, starting from its seed
# corpus; new inputs go to build-fuzz/corpus, crashes to build-fuzz/crashes.
fuzz: setup
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DPEMOLA_FUZZ=ON -DPEMOLA_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@mkdir -p build-fuzz/crashes
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  ./build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/crashes/$$t- build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

clean:
	rm -rf build build-asan build-fuzz
