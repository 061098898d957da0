# Entry points: `make run` and `make test` install what is missing, build and go.
BUILD_DIR ?= build
BUILD_TYPE ?= Debug
JOBS ?= $(shell nproc)
# CI builds treat warnings as errors.
WERROR ?= $(if $(CI),ON,OFF)
DEMO_IMAGE ?= $(BUILD_DIR)/demo.bin
FUZZ_SECONDS ?= 60

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVORMANTE_WERROR=$(WERROR)

.PHONY: all deps build run test bench fuzz check-sanitize format clean

all: build

deps:
	@tools/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/tools/vormante-cli ]; then $(BUILD_DIR)/tools/vormante-cli sample $(DEMO_IMAGE); fi
	@if [ -x $(BUILD_DIR)/app/vormante ]; then \
	    if [ -f $(DEMO_IMAGE) ]; then $(BUILD_DIR)/app/vormante $(DEMO_IMAGE); else $(BUILD_DIR)/app/vormante; fi; \
	else echo "The editor is not built yet: only the channel database library exists so far."; fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

check-sanitize:
	@tools/install-deps.sh build sanitize
	$(MAKE) test BUILD_DIR=build-sanitize CMAKE_FLAGS="$(CMAKE_FLAGS) -DVORMANTE_SANITIZE=ON"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-bench
