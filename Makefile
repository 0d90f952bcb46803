# The front door: `make run` builds and starts the game, `make test` builds and runs every test.
# Both install what they need first (Debian packages, see scripts/install-deps).

JOBS ?= $(shell nproc)

.PHONY: run test build deps configure bench clean

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

clean:
	rm -rf build
