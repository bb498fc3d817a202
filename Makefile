# Front door for humans and CI. Every target installs what is missing first.
export CCACHE_BASEDIR := $(CURDIR)
JOBS ?= 2
FUZZ_SECONDS ?= 30
# Tests that drive the real zelvane on the shared display and its global keys: one at a time,
# first, then the rest in parallel.
END_TO_END := EndToEnd|Launcher.session
# The package test traces the programs with strace, which LeakSanitizer cannot run under; the
# Wayland test brings its own display, where the other end-to-end tests find none under the
# sanitizers. The dev run covers both.
NOT_UNDER_ASAN := Install.package|Wayland.EndToEnd

.PHONY: deps build run test asan bench fuzz format clean package

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

# The Debian package of the release build: build/release/zelvane_VERSION_ARCH.deb.
package: build
	@cmake --build --preset release --target package

# The panel when there is a display to show it on; the CLI's example otherwise.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		build/bin/zelvane; \
	else \
		echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the command-line example instead."; \
		build/bin/zelvane-cli convert "5 km to mi" --explain; \
	fi

# Inside a private desktop (virtual X server, window manager, tray host) for the panel's
# end-to-end tests.
test: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev -j $(JOBS)
	@bash scripts/desktop-session.sh --tray bash -c '\
		ctest --preset dev -R "$(END_TO_END)" && ctest --preset dev -j $(JOBS) -E "$(END_TO_END)"'

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan-qt.supp \
		ctest --preset asan -j $(JOBS) -E "$(NOT_UNDER_ASAN)"

# Benchmarks build in a tree of their own, so that `make build` compiles the programs only.
bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	@for b in build/bench/bin/bench_*; do [ "$$b" = build/bench/bin/bench_panel_frames ] || $$b; done
	@bash bench/whole-commands.sh build/bench/bin
	@bash scripts/desktop-session.sh --tray build/bench/bin/bench_panel_frames
	@bash bench/panel.sh build/bench/bin

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@bash scripts/run-fuzzers.sh build/fuzz/bin $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
