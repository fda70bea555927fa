# Top-level commands. The build itself is CMake; this file installs what a
# fresh Debian machine lacks and runs the build and the tests.

BUILD      ?= build
BUILD_I686 ?= build-i686
JOBS       ?= $(shell nproc)
PACKAGES   := mingw-w64 cmake make googletest wine64 wine xvfb xauth fp-utils
SUDO       := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build test run bench package screenshots i686 clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "installing:$$missing"; \
		export DEBIAN_FRONTEND=noninteractive; \
		$(SUDO) apt-get install -y $$missing || \
		{ $(SUDO) apt-get update && $(SUDO) apt-get install -y $$missing; }; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# GUI tests need a display: the whole run gets a virtual one.
test: build
	cd $(BUILD) && xvfb-run -a ctest --output-on-failure -j$(JOBS)

# The program under wine, on the user's display; without one, on a virtual
# display, where it runs unseen until stopped with Ctrl+C.
run: build
	[ -d $(BUILD)/wineprefix ] || $(BUILD)/wine-run.sh --init
	@if [ -n "$$DISPLAY" ]; then \
		$(BUILD)/wine-run.sh $(BUILD)/bin/hunterly.exe $(RUN_ARGS); \
	else \
		echo "DISPLAY is not set: running Hunterly on a virtual display (xvfb-run), where it cannot be seen; stop it with Ctrl+C."; \
		xvfb-run -a sh -c '$(BUILD)/wine-run.sh $(BUILD)/bin/hunterly.exe $(RUN_ARGS); $(BUILD)/wine-run.sh --stop'; \
	fi

# Speed figures as ratios against plain Win32 baselines measured in the same run.
# The list-view figure draws into a real window: without a display it runs on
# a virtual one.
bench: build
	[ -d $(BUILD)/wineprefix ] || $(BUILD)/wine-run.sh --init
	if [ -n "$$DISPLAY" ]; then \
		$(BUILD)/wine-run.sh $(BUILD)/bin/hunterly_bench.exe $(BENCH_ARGS); \
	else \
		xvfb-run -a sh -c '$(BUILD)/wine-run.sh $(BUILD)/bin/hunterly_bench.exe $(BENCH_ARGS); \
			status=$$?; $(BUILD)/wine-run.sh --stop; exit $$status'; \
	fi

# The release zip in dist/: the installer, the agreement and the files it
# installs. It names what is not built yet instead of packing without it.
package: build
	cmake --build $(BUILD) --target dist

# Pictures of the real program, on a virtual display, into docs/images/.
screenshots: build
	@dpkg -s imagemagick >/dev/null 2>&1 || $(SUDO) apt-get install -y imagemagick
	sh release/screenshots.sh $(BUILD) docs/images

# The whole tree must also compile for 32-bit Windows.
i686: deps
	cmake -S . -B $(BUILD_I686) -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_I686) -j$(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_I686)
