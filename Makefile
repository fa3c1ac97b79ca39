# SPDX-License-Identifier: GPL-3.0-or-later
# The commands a new user types. Each installs what is missing first.
#   make run        build the game alone and start it
#   make test       build and run every test
#   make test-asan  the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench      time the computer's turns (quadlo-engine bench)
#   make soak       the long random-game check (100,000 games a level)
#   make monkey     random input on the real window for SECONDS (default 60)
#   make package    the .deb and its -dbgsym package, checked with lintian
#   make reproducible-check  build the packages twice and compare them
#   make fuzz       run the replay fuzzer for FUZZ_SECONDS (default 60) with clang
#   make translations  bring translations/*.ts up to date with the sources (lupdate)
#   make web        the page in build/web (emscripten), and its size
#   make web-run    build the page and serve it on 127.0.0.1 (WEB_PORT, default 8000)
#   make format     apply clang-format

.PHONY: web web-run run test test-asan build build-asan configure deps bench soak monkey package reproducible-check fuzz translations format format-check clean

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SECONDS ?= 60
WEB_PORT ?= 8000
# Debian's emscripten finds its optimizer's JavaScript parser through NODE_PATH.
WEB_ENV = NODE_PATH=/usr/share/nodejs

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

run: configure
	@cmake --build --preset default -j $(JOBS) --target quadlo
	build/default/src/form/quadlo

test: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

bench: build
	build/default/tools/quadlo-engine bench

soak: build
	build/default/tests/core/quadlo_soak

monkey: configure
	@cmake --build --preset default -j $(JOBS) --target quadlo_form_MonkeyTest
	QT_QPA_PLATFORM=offscreen QUADLO_MONKEY_SECONDS=$(SECONDS) build/default/tests/form/quadlo_form_MonkeyTest

package: deps
	@scripts/install-deps --package
	scripts/build-package $(JOBS)
	scripts/check-package build/quadlo_$$(dpkg-parsechangelog -S Version)_amd64.deb \
		build/quadlo-dbgsym_$$(dpkg-parsechangelog -S Version)_amd64.deb

reproducible-check: deps
	@scripts/install-deps --package
	scripts/reproducible-check $(JOBS)

fuzz:
	@scripts/install-deps --fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz $(FUZZ_SECONDS)

web:
	@scripts/install-deps --web
	@$(WEB_ENV) emcmake cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(WEB_ENV) cmake --build build/wasm -j $(JOBS)
	@echo "The page is in build/web: $$(find build/web -type f -printf '%s\n' | awk '{n += $$1} END {printf "%d bytes", n}') in $$(find build/web -type f | wc -l) files."

web-run: web
	@echo "Quadlo: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 --directory build/web $(WEB_PORT) >/dev/null

translations: configure
	@cmake --build --preset default --target update_translations

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
