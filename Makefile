# SPDX-License-Identifier: MIT
# Front door of the build: every target installs what is missing, then drives CMake.
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: deps build test asan format format-check clean

# What building the programs needs; each target below adds only its own tools.
deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

test: test-deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: test-deps
test-deps:
	@bash scripts/install-deps.sh --test

asan: test-deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMUSTERWRIGHT_SANITIZE=ON \
	  -DMUSTERWRIGHT_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The generator's tests under ThreadSanitizer, among them forces drawn side by side in threads.
TSAN_BUILD ?= build-tsan
.PHONY: tsan
tsan: test-deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMUSTERWRIGHT_WINDOW=OFF \
	  -DMUSTERWRIGHT_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=thread -g -O1" \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target generator_tests
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/generator/generator_tests

# The libFuzzer targets, built with clang in their own folder and run for FUZZ_SECONDS each.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@bash scripts/install-deps.sh --test --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMUSTERWRIGHT_FUZZ=ON -DMUSTERWRIGHT_WINDOW=OFF -DMUSTERWRIGHT_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_generate fuzz_table_check \
	  fuzz_design_list
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh $(FUZZ_BUILD)

# The window, with the shipped Tables.dat that the build places beside the program.
.PHONY: run screenshot
run: build
	$(BUILD)/ui/musterwright

# docs/screenshot.png: the window drawn offscreen after generating a Davion "Company";
# docs/screenshot-large.png: the same at a 15 pt font.
screenshot: build
	@bash scripts/install-deps.sh --screenshot
	$(BUILD)/ui/musterwright-screenshot docs/screenshot.png data/Tables.dat
	$(BUILD)/ui/musterwright-screenshot docs/screenshot-large.png data/Tables.dat 15

# The browser page, $(WEB_BUILD)/musterwright.html: one self-contained file (open it from disk or
# any web server); the same page as a folder for a static web host, installable and offline
# after one visit, $(WEB_BUILD)/site/; and the Galaxy timing that scripts/web-bench.sh runs under
# node. `make site` is another name for it.
WEB_BUILD ?= build-web
.PHONY: web site
web:
	@bash scripts/install-deps.sh --web
	JOBS=$(JOBS) bash scripts/build-web.sh $(WEB_BUILD)
site: web

# docs/page.png and docs/page-phone.png: the browser page after a Davion "Company" with the
# seed 1, at 1280 x 900 and on a 360 x 740 touch screen; docs/site-phone.png: the site on a
# phone's screen. Debian's python3 has Selenium.
.PHONY: page-screenshot
page-screenshot: web
	/usr/bin/python3 scripts/page-screenshots.py $(WEB_BUILD)/musterwright.html \
	  docs/page.png docs/page-phone.png $(WEB_BUILD)/site docs/site-phone.png

# Installs the programs, Tables.dat, the desktop entry, the icon and the manual page under
# PREFIX (bin/, share/...).
PREFIX ?= /usr/local
.PHONY: install package
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in build-package/, checked by scripts/check-package.sh: the programs in
# /usr/games, built with the compiler and linker flags Debian's own packages get (all of its
# hardening included).
PACKAGE_BUILD ?= build-package
package: deps web
	@bash scripts/install-deps.sh --package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DMUSTERWRIGHT_TESTS=OFF -DMUSTERWRIGHT_BENCH=OFF \
	  -DMUSTERWRIGHT_WEB_PAGE=$(abspath $(WEB_BUILD))/musterwright.html \
	  -DMUSTERWRIGHT_WEB_SITE=$(abspath $(WEB_BUILD))/site $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB

# Every C++ source: the files git knows of, or, in a tree without git, every .cpp and .h.
format:
	@bash scripts/install-deps.sh --format
	bash scripts/format.sh

format-check:
	@bash scripts/install-deps.sh --format
	bash scripts/format.sh --check

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
