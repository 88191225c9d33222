# Newcomer entry points: `make run` and `make test`. Both install missing Debian packages first.
SHELL := /bin/bash
PRESET ?= default
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Debian packages needed to build, test and run (see docs/design notes in README).
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic zlib1g-dev
# Only for the screenshot script and fuzzing.
EXTRA_PACKAGES := xvfb imagemagick xdotool xclip
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
BENCH_PACKAGES := time

.PHONY: all deps deps-extra deps-fuzz configure build test asan-test run bench fuzz package package-test format screenshot clean

all: build

define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install --no-install-recommends$$missing"; exit 1; \
	  fi; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

deps-extra:
	$(call install_missing,$(EXTRA_PACKAGES))

deps-fuzz:
	$(call install_missing,$(FUZZ_PACKAGES))

configure: deps
	cmake --preset $(PRESET) -DKZ_WERROR=$(WERROR)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

asan-test:
	$(MAKE) test PRESET=asan

run: build
	scripts/run-editor build/$(PRESET)

bench: deps
	$(call install_missing,$(BENCH_PACKAGES))
	cmake --preset bench -DKZ_WERROR=$(WERROR)
	cmake --build --preset bench -j $(JOBS)
	bench/compare build/bench

fuzz: deps deps-fuzz
	cmake --preset fuzz -DKZ_WERROR=$(WERROR)
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run build/fuzz $(FUZZ_SECONDS)

# A Debian package of both programs (build/default/kazamori_*.deb).
package: build
	cd build/$(PRESET) && cpack -G DEB

# Installs the package as a user would and runs the installed tool on the example.
package-test: package
	apt-get install -y -qq ./build/$(PRESET)/kazamori_*.deb
	scripts/check-installed

screenshot: build deps-extra
	scripts/screenshot build/$(PRESET) docs/screenshot.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
