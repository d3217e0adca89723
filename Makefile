# Convenience front end over the CMake presets. Every target installs what is missing first.
SHELL := /bin/bash
PACKAGES := build-essential cmake ninja-build pkg-config \
            qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev \
            libgtest-dev libgmock-dev xvfb xauth poppler-utils fonts-dejavu-core \
            multimon-ng sox
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: deps build run run-merrowedit test test-asan clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	./build/default/bin/quillonedit

run-merrowedit: build
	./build/default/bin/merrowedit

test: build
	ctest --preset default

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

clean:
	rm -rf build
