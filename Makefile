# The two commands a newcomer needs: `make play` and `make check`.
JOBS ?= 2
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: deps configure build check bench fuzz play market clean package install po

deps:
	scripts/install-deps

configure: deps
	cmake --preset default

build: configure
	cmake --build build -j$(JOBS)

check: build
	ctest --test-dir build --output-on-failure -j$(JOBS)
	cmake --preset asan
	cmake --build build-asan -j$(JOBS)
	ctest --test-dir build-asan --output-on-failure -j$(JOBS)

bench: build
	build/bench/fjordheim_bench
	build/bench/fjordheim_market_bench

fuzz: deps
	cmake --preset fuzz
	cmake --build build-fuzz -j$(JOBS)
	scripts/run-fuzzers build-fuzz/fuzz $(FUZZ_SECONDS)

play: build
	scripts/play

# Gathers the program's marked texts into po/fjordheim.pot and merges them into each catalog.
po:
	scripts/update-po

# The Debian package, build/fjordheim_<version>_<arch>.deb.
package: build
	cd build && cpack -G DEB

# Installs what the package holds below PREFIX (DESTDIR is honoured); the settings file goes
# to /etc/fjordheim when PREFIX is /usr, to PREFIX/etc/fjordheim otherwise.
install: build
	cmake --install build --prefix $(PREFIX)

# The classroom market server on its default port 5556; MARKET_OPTIONS passes more (--roster FILE).
market: build
	build/tools/market-server/fjordheim-market $(MARKET_OPTIONS)

clean:
	rm -rf build build-asan build-fuzz

# One PNG of every picture of the game folder with its name, to look at the art.
.PHONY: art-sheet
art-sheet: build
	build/tools/assetgen/assetgen --contact-sheet build/art-sheet.png --out build/game

# The teacher's pages as one printable A4 PDF, build/fjordheim-laererveiledning.pdf (the
# package ships it in /usr/share/doc/fjordheim/).
.PHONY: teacher-guide
teacher-guide: configure
	cmake --build build -j$(JOBS) --target fjordheim_teacher_guide
