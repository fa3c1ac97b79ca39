# The commands a new user types. Each installs what is missing first.
#   make run        build and start the game
#   make test       build and run every test
#   make test-asan  the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench      time the computer's turns (quadlo-engine bench)
#   make soak       the long random-game check (100,000 games a level)
#   make format     apply clang-format

.PHONY: run test test-asan build build-asan deps bench soak format format-check clean

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

run: build
	build/default/src/form/quadlo

test: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

bench: build
	build/default/tools/quadlo-engine bench

soak: build
	build/default/tests/core/quadlo_soak

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
