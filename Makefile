# The front door: `make run` builds and starts the game, `make test` builds and runs every test.
# Both install what they need first (Debian packages, see scripts/install-deps).
#   make test-sanitize   every test again under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           start-up, dealer's-turn and engine benchmarks (Release build, private Xvfb)
#   make tidy            clang-tidy over src/ (needs clang-tidy; uses the Clang build's compile commands)
#   make format          lays out every C++ file as .clang-format says
#   make format-check    fails, naming the files, when any C++ file differs from that layout

JOBS ?= $(shell nproc)
BENCH_RUNS ?= $(or $(QUELLARD_BENCH_RUNS),10)

.PHONY: run test build deps configure bench test-sanitize tidy format format-check clean

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

run: build
	./build/app/quellard

test: build
	ctest --preset default -j $(JOBS)

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The benchmarks run one after another so that they do not disturb each other's timing; all of
# them run even when one misses its target, and then the target fails.
bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	@status=0; \
	build-bench/bench/engine_bench --benchmark_min_time=2 || status=1; \
	xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" build-bench/bench/dealer_turn 3 || status=1; \
	bench/startup.py build-bench/app/quellard build-bench/bench/floor_window --runs $(BENCH_RUNS) || status=1; \
	exit $$status

tidy: deps
	@command -v run-clang-tidy >/dev/null && command -v clang++ >/dev/null || \
	  { echo "make tidy needs the Debian packages clang and clang-tidy"; exit 1; }
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang -j $(JOBS)
	run-clang-tidy -quiet -p build-clang "$(CURDIR)/src/"

# Every C++ file git knows, laid out by the clang-format of Debian 12 (version 14).
CXX_FILES = git ls-files -z '*.cpp' '*.h'

format: deps
	@$(CXX_FILES) | xargs -0 clang-format -i

format-check: deps
	@$(CXX_FILES) | xargs -0 clang-format --dry-run --Werror && echo "format-check: every C++ file is laid out as .clang-format says"

clean:
	rm -rf build build-bench build-asan build-clang
