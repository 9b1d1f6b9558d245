# The two commands of the project: `make run` and `make test`.
# Both install what is missing first (scripts/setup.sh), then build with CMake and Ninja.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test package bench sanitize-address sanitize-undefined sanitize-thread format clean

all: build

setup:
	@./scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# Runs from the repository root, where the voice clips live.
run: build
	@$(BUILD_DIR)/app/kanvo-quiz

# In CI (CI=true) the set-up has installed every tool, so a screen or terminal test that would
# skip for want of one fails instead.
test: build
	@cd $(BUILD_DIR) && $(if $(filter true,$(CI)),KANVO_REQUIRE_SCREEN_TESTS=1) \
		ctest --output-on-failure --timeout 600

# The Debian packages, in $(BUILD_DIR)/ (see the README).
package: build
	@cd $(BUILD_DIR) && LC_ALL=C.UTF-8 cpack -G DEB

bench: configure
	@cmake --build $(BUILD_DIR) --target benchmarks
	@for b in $(BUILD_DIR)/bench/bench-*; do [ "$${b##*/}" = bench-peer ] || $$b; done
	@/usr/bin/python3 bench/peer/compare.py $(BUILD_DIR)/bench/bench-peer

sanitize-address sanitize-undefined sanitize-thread: sanitize-%: setup
	@cmake -S . -B build-$* -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKANVO_SANITIZER=$* $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-$*
	@cd build-$* && ctest --output-on-failure --timeout 1200

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) build-address build-undefined build-thread
