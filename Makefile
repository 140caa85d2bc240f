BUILD_DIR := build
FOLDER ?= $(HOME)/Lirvenda

.PHONY: all deps build run test package clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found. To look at the main window without one:"; \
	  echo "  $(BUILD_DIR)/lirvenda --folder DIR --screenshot window.png"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/lirvenda --folder "$(FOLDER)"

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
