# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The developers' targets. Players and CI use the two commands at the top of the tree, ./play and
# ./test; these targets sit beside them, and each installs the tools it needs when it is used
# (scripts/install-deps names them, group by group). make itself: sudo apt-get install make.
#   make run / make test   the same as ./play and ./test
#   make test-sanitize     every test again under AddressSanitizer and UndefinedBehaviorSanitizer
#                          (all but the package test: nobody installs a package of instrumented builds)
#   make soak              a long run of random play (SOAK_ACTIONS, SOAK_SEED)
#   make package           the Debian package, build/quellard_<version>_<arch>.deb
#   make bench             start-up, dealer's-turn, game and sound-memory benchmarks (Release build,
#                          private Xvfb and PulseAudio)
#   make tidy              clang-tidy over src/ (Clang build)
#   make fuzz              the settings file's fuzzer, for FUZZ_SECONDS (default 60)
#   make format            lays out every C++ file as .clang-format says
#   make format-check      fails, naming the files, when any C++ file differs from that layout
#   make screenshot        a PNG of the game's window under a private Xvfb (OUT=table.png)
#   make assets            regenerates the card backs, icons and sounds under assets/

MAKEFLAGS += --no-print-directory
BENCH_RUNS ?= $(or $(QUELLARD_BENCH_RUNS),10)
FUZZ_SECONDS ?= 60
OUT ?= table.png

SOAK_ACTIONS ?= 2000000
SOAK_SEED ?= $(shell date +%s)

.PHONY: run test test-sanitize soak package bench tidy fuzz format format-check screenshot assets clean

run:
	@./play

test:
	@./test

test-sanitize:
	@scripts/install-deps play test
	@scripts/configure sanitize
	@cmake --build --preset sanitize
	@ctest --preset sanitize --parallel $$(nproc)

# The random play of the test suite, long, on a seed of its own; a failure names the seed, and
# SOAK_SEED=<it> plays the same game again. A run takes about a microsecond an action; one that
# hangs is ended after a millisecond an action and a minute more.
soak:
	@scripts/install-deps play test
	@scripts/configure default
	@cmake --build --preset default --target game_tests
	@echo "soak: $(SOAK_ACTIONS) actions from seed $(SOAK_SEED)"
	@QUELLARD_PLAY_SEED=$(SOAK_SEED) QUELLARD_PLAY_ACTIONS=$(SOAK_ACTIONS) \
	  timeout $$(( $(SOAK_ACTIONS) / 1000 + 60 )) build/tests/game_tests --gtest_filter='RandomPlay.*' --gtest_brief=1

package:
	@scripts/build-package

# The benchmarks run one after another so that they do not disturb each other's timing; all of
# them run even when one misses its target, and then the target fails.
bench:
	@scripts/install-deps play bench
	@scripts/configure bench
	@cmake --build --preset bench
	@status=0; \
	build-bench/bench/engine_bench --benchmark_min_time=2 || status=1; \
	xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" build-bench/bench/dealer_turn 3 || status=1; \
	bench/startup.py build-bench/app/quellard build-bench/bench/floor_window --runs $(BENCH_RUNS) || status=1; \
	bench/sound_memory.sh build-bench/app/quellard || status=1; \
	exit $$status

tidy:
	@scripts/install-deps play tidy
	@scripts/configure clang
	@cmake --build --preset clang
	@run-clang-tidy -quiet -p build-clang "$(CURDIR)/src/"

fuzz:
	@scripts/install-deps play fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUELLARD_BUILD_FUZZERS=ON >/dev/null
	@cmake --build build-fuzz --target ini_fuzzer
	@mkdir -p build-fuzz/corpus
	@build-fuzz/fuzz/ini_fuzzer -max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus fuzz/corpus

# Every C++ file git knows, laid out by the clang-format of Debian 12 (version 14).
CXX_FILES = git ls-files -z '*.cpp' '*.h'

format:
	@scripts/install-deps format
	@$(CXX_FILES) | xargs -0 clang-format -i

format-check:
	@scripts/install-deps format
	@$(CXX_FILES) | xargs -0 clang-format --dry-run --Werror && echo "format-check: every C++ file is laid out as .clang-format says"

screenshot:
	@scripts/install-deps play screenshot
	@scripts/configure default
	@cmake --build --preset default --target quellard
	@scripts/screenshot $(OUT)

assets:
	@scripts/install-deps assets
	@tools/make-assets

clean:
	rm -rf build build-bench build-asan build-clang build-fuzz
