BUILD_DIR := build
FOLDER ?= $(HOME)/Lirvenda

.PHONY: all deps build run test test-sanitize package clean

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

# Every test again on a build with AddressSanitizer and UndefinedBehaviorSanitizer, in its
# own folder. The package test is left out: it checks the ordinary build's package.
SANITIZE_DIR := build-sanitize
# The sanitizer runtime of GCC 13 and older can take a dynamic TLS block of a glibc since 2.25
# for the header older ones put before it, and its leak checker then reads a wrong range and
# crashes at exit ("Tracer caught signal 11"), now and then: its __tls_get_addr interception is off.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLIRVENDA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR)
	@cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j2 -E package_installs

package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
