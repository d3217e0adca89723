# Convenience front end over the CMake presets. Every target installs what is missing first.
SHELL := /bin/bash
PACKAGES := build-essential cmake ninja-build pkg-config \
            qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev \
            libgtest-dev libgmock-dev xvfb xauth poppler-utils fonts-dejavu-core \
            desktop-file-utils dpkg-dev file lintian multimon-ng sox
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Jobs at once for the compiler and for CTest alike.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# WERROR=ON makes every compiler warning an error (CI builds this way).
WERROR ?= OFF
CONFIGURE := -DQM_WERROR=$(WERROR)

.PHONY: deps build run run-merrowedit test test-asan release install package clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default $(CONFIGURE)
	cmake --build --preset default -j $(JOBS)

# `run` builds only what the program needs (its libraries and its program folder's files), not the
# tests; `test` builds everything.
run: deps
	cmake --preset default $(CONFIGURE)
	cmake --build --preset default -j $(JOBS) --target quillonedit
	./build/default/bin/quillonedit

run-merrowedit: deps
	cmake --preset default $(CONFIGURE)
	cmake --build --preset default -j $(JOBS) --target merrowedit
	./build/default/bin/merrowedit

test: build
	ctest --preset default -j $(JOBS)

test-asan: deps
	cmake --preset asan $(CONFIGURE)
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Debian's hardening flags come from dpkg-buildflags (the preset's QM_DEB_BUILDFLAGS).
release: deps
	cmake --preset release $(CONFIGURE)
	cmake --build --preset release -j $(JOBS)

# Installs the optimised build under PREFIX, stripped as in the package; asks for sudo only when
# PREFIX is not writable.
install: release
	@if mkdir -p "$(PREFIX)" 2>/dev/null && [ -w "$(PREFIX)" ]; then \
	  cmake --install build/release --strip --prefix "$(PREFIX)"; \
	else \
	  $(SUDO) cmake --install build/release --strip --prefix "$(PREFIX)"; \
	fi

# Builds the .deb in build/release, then unpacks it into a scratch folder and checks its layout,
# and has lintian check the package: warnings and notes are shown; any error fails, and so does a
# hardening note or an unneeded section (the release build is hardened and the package stripped,
# so either means one of them broke). Suppressed: initial-upload-closes-no-bugs (a first upload to
# Debian closes the bug announcing the package; this package is not uploaded there).
package: release
	cmake --build --preset release --target package
	@set -o pipefail; deb=$$(ls -t build/release/*.deb | head -n 1); root=build/release/deb-check; \
	rm -rf "$$root" && dpkg -x "$$deb" "$$root" && \
	cmake -DROOT="$$root/usr" -P cmake/CheckInstall.cmake && \
	lintian --fail-on error --display-info --suppress-tags initial-upload-closes-no-bugs "$$deb" | tee "$$root.lintian" && \
	if grep -E '^I: .*: (hardening-no-|binary-has-unneeded-section)' "$$root.lintian" >/dev/null; then \
	  echo "$$deb: not hardened or not fully stripped (see lintian above)"; exit 1; \
	fi && \
	echo "Checked $$deb"

clean:
	rm -rf build
