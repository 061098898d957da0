# Entry points: `make run` and `make test` install what is missing, build and go.
BUILD_DIR ?= build
BUILD_TYPE ?= Debug
JOBS ?= $(shell nproc)
# CI builds treat warnings as errors.
WERROR ?= $(if $(CI),ON,OFF)
DEMO_IMAGE ?= $(BUILD_DIR)/demo.bin
FUZZ_SECONDS ?= 60
# FUZZ_RUNS=N runs each target for N executions instead, with no time limit unless FUZZ_SECONDS is given too.
FUZZ_RUNS ?=
FUZZ_LIMITS = $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS) $(if $(filter command line environment,$(origin FUZZ_SECONDS)),-max_total_time=$(FUZZ_SECONDS)),-max_total_time=$(FUZZ_SECONDS))
FUZZ_EXTENT = $(if $(FUZZ_RUNS),$(FUZZ_RUNS) runs,$(FUZZ_SECONDS) s)
FUZZ_DIR ?= build-fuzz
# Longest input of the image targets: short inputs patch a base image and run a hundred times faster
# than whole images; FUZZ_IMAGE_LEN=206848 fuzzes whole images (and the sample images as seeds).
FUZZ_IMAGE_LEN ?= 4096
# Extra folders of seed images for every fuzz target (demo or full images, say).
FUZZ_SEEDS ?=
BENCH_DIR ?= build-bench
# QUICK=1 leaves the paced transfers and the check after sending (about four minutes) out of `make bench`.
QUICK ?=
# `make install` and `make package` build in RELEASE_DIR; install honours PREFIX and DESTDIR.
RELEASE_DIR ?= build-release
PREFIX ?= /usr/local
DESTDIR ?=
INSTALLED_TARGETS = vormante vormante-cli vormante-receiver-sim vormante_desktop_files

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVORMANTE_WERROR=$(WERROR)

.PHONY: all deps build run test translations bench fuzz check-sanitize format check-format clean release install package check-package

all: build

deps:
	@tools/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@# A fresh demo image when there is none yet or the companion that writes it is newer;
	@# edits made to an existing demo image survive the next `make run`.
	@if [ -x $(BUILD_DIR)/tools/vormante-cli ] && \
	    { [ ! -f $(DEMO_IMAGE) ] || [ $(BUILD_DIR)/tools/vormante-cli -nt $(DEMO_IMAGE) ]; }; then \
	    $(BUILD_DIR)/tools/vormante-cli sample $(DEMO_IMAGE); fi
	$(BUILD_DIR)/app/vormante $(DEMO_IMAGE)

test: build
	@# The install tests validate the desktop entry and the metainfo.
	@tools/install-deps.sh desktop
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Brings translations/*.ts up to date with the sources: new texts come in unfinished, for a
# translator to fill in with Qt Linguist (`linguist translations/vormante_de.ts`).
translations: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target update_translations

# A Release build of the installed programs only (no tests), with Debian's hardening flags
# (they are read when RELEASE_DIR is first configured).
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all
release: deps
	CXXFLAGS="$$($(HARDENING) dpkg-buildflags --get CPPFLAGS) $$($(HARDENING) dpkg-buildflags --get CXXFLAGS)" \
	LDFLAGS="$$($(HARDENING) dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DVORMANTE_WERROR=$(WERROR) \
	    -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target $(INSTALLED_TARGETS)

install: release
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --strip

# The .deb lands in $(RELEASE_DIR); install it with `apt-get install ./build-release/vormante_*.deb`.
package: release
	rm -f $(RELEASE_DIR)/vormante_*.deb
	cd $(RELEASE_DIR) && cpack -G DEB
	@ls $(RELEASE_DIR)/vormante_*.deb

# lintian on the package: errors fail, warnings are shown.
check-package: package
	@tools/install-deps.sh desktop
	lintian --fail-on error --display-info $(RELEASE_DIR)/vormante_*.deb

# Speed and memory figures of a Release build, printed and written to $(BUILD_DIR)/bench.json.
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DVORMANTE_WERROR=$(WERROR)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target vormante-bench
	@mkdir -p $(BUILD_DIR)
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/tools/vormante-bench $(if $(QUICK),--quick) --json $(BUILD_DIR)/bench.json

check-sanitize:
	@tools/install-deps.sh build sanitize
	$(MAKE) test BUILD_DIR=build-sanitize CMAKE_FLAGS="$(CMAKE_FLAGS) -DVORMANTE_SANITIZE=ON"

# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS (or FUZZ_RUNS executions); findings land
# in $(FUZZ_DIR)/findings.
# The page and dump targets run without libFuzzer's leak check after each input: Qt's and the
# dump's caches, built on first use, made every input look leaky, so each was run again and the
# whole heap scanned, a fifth of the speed. Leaks are still reported when the run ends, and
# `make check-sanitize` runs every test with the leak checker.
# Qt is on so the transfer engine and the companion's dump are fuzzed too; only the fuzz targets are built.
# Seeds: make_fuzz_seeds, the demo and full sample images for the image targets, short scripts for the transfer.
fuzz:
	@tools/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORMANTE_QT=ON -DVORMANTE_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target vormante_fuzz
	$(FUZZ_DIR)/tests/fuzz/make_sample_seeds $(FUZZ_DIR)/seeds/samples
	@mkdir -p $(FUZZ_DIR)/seeds/fuzz_transfer && cd $(FUZZ_DIR)/seeds/fuzz_transfer && \
	    printf '\001\003\000\005\377\000\001' > receive-whole && \
	    printf '\001\003\000\000\005ab\001\002\006' > receive-lost && \
	    printf '\000\003\001\013\037\013\037\013\037\004\003' > send-whole && \
	    printf '\002\003\001\007\000\003\001\011' > send-short && \
	    printf '\005\007\002\007\000\010\012' > start-stop
	@status=0; for target in $(FUZZ_DIR)/tests/fuzz/fuzz_*; do \
	    [ -f "$$target" ] && [ -x "$$target" ] || continue; name=$$(basename $$target); \
	    mkdir -p $(FUZZ_DIR)/corpus/$$name $(FUZZ_DIR)/findings; \
	    case $$name in fuzz_transfer) samples=;; *) samples=$(FUZZ_DIR)/seeds/samples; \
	        $(FUZZ_DIR)/tests/fuzz/make_fuzz_seeds $$name $(FUZZ_DIR)/seeds/$$name || exit 1;; esac; \
	    case $$name in fuzz_operations|fuzz_image_dump|fuzz_pages) maxlen=$(FUZZ_IMAGE_LEN);; fuzz_list_reader|fuzz_names_reader|fuzz_satxml_reader|fuzz_archive_index) maxlen=16384;; *) maxlen=4096;; esac; \
	    case $$name in fuzz_operations|fuzz_image_dump|fuzz_pages) [ $(FUZZ_IMAGE_LEN) -ge 204800 ] || samples=;; esac; \
	    case $$name in fuzz_pages|fuzz_image_dump) leaks=-detect_leaks=0;; *) leaks=;; esac; \
	    case $$name in fuzz_patched_image|fuzz_list_reader|fuzz_names_reader|fuzz_satxml_reader|fuzz_archive_index) samples=;; esac; \
	    echo "Fuzzing $$name for $(FUZZ_EXTENT)"; \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 $$target $(FUZZ_LIMITS) $$leaks -timeout=10 -max_len=$$maxlen -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_DIR)/findings/$$name- \
	        $(FUZZ_DIR)/corpus/$$name $(FUZZ_DIR)/seeds/$$name $$samples $(FUZZ_SEEDS) || status=1; \
	done; exit $$status

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a file differs from what `make format` would make of it; `make test` runs it as a CTest test.
check-format:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-bench $(RELEASE_DIR)
