# make run  - installs what is missing, builds, starts the program
# make test - installs what is missing, builds, runs every test
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench format clean

all: build

setup:
	@./scripts/setup

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: $(BUILD_DIR)/build.ninja

build: setup configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot be shown."; \
		echo "Run it under a virtual display instead:  xvfb-run -a $(BUILD_DIR)/bin/tevaro"; \
		exit 1; \
	fi
	$(BUILD_DIR)/bin/tevaro

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./bench/folder_expansion
	./bench/batch_overhead

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
