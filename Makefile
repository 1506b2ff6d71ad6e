# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build; `make test` also installs the page
# checkers its tests run. See README.md.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE ?= OFF
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools \
	qt6-translations-l10n libgl-dev libjpeg62-turbo-dev libbenchmark-dev poppler-utils \
	fonts-dejavu-core qt6-webengine-dev

# The checkers every page of the modern kind must pass, for the tests alone: HTML Tidy, and
# the Nu Html Checker, a Java program that npm brings into the build folder, pinned so that
# every run checks alike.
TEST_PACKAGES := tidy default-jre-headless
VNU_VERSION := 26.10.12
VNU_DIR := $(BUILD_DIR)/validators

.PHONY: deps test-deps configure build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# npm comes from Debian only where the machine has none; the checker's own install script,
# which would fetch a Java of its own, is not run.
test-deps: deps
	@missing=$$(for p in $(TEST_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	command -v npm >/dev/null || missing=$$(echo $$missing npm); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@grep -qs '"version": *"$(VNU_VERSION)"' $(VNU_DIR)/node_modules/vnu-jar/package.json || { \
		echo "Installing: vnu-jar@$(VNU_VERSION)"; \
		npm install --prefix $(VNU_DIR) --no-save --no-package-lock --ignore-scripts \
			--no-audit --no-fund --loglevel=error vnu-jar@$(VNU_VERSION); \
	}

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLMARK_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/quillmark

test: build test-deps
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)
	@for b in $(BUILD_DIR)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)
