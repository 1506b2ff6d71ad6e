# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build; `make test` also installs the page
# checkers and the upload servers its tests run. See README.md.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE ?= OFF
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# xdg-utils and libglib2.0-bin (gio) find and start the desktop's web browser for "Vorschau".
# Hunspell with its German dictionary checks the spelling (found through pkg-config).
PACKAGES := build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools \
	qt6-translations-l10n libgl-dev libjpeg62-turbo-dev libbenchmark-dev poppler-utils \
	fonts-dejavu-core qt6-webengine-dev xdg-utils libglib2.0-bin \
	pkg-config libhunspell-dev hunspell-de-de

# Publishing: libcurl (SFTP through libssh2, FTPS through OpenSSL) and the system keyring's
# client. Without recommends, so that no keyring daemon comes along.
PUBLISH_PACKAGES := libcurl4-openssl-dev qtkeychain-qt6-dev

# The checkers every page of the modern kind must pass, for the tests alone: HTML Tidy, and
# the Nu Html Checker, a Java program that npm brings into the build folder, pinned so that
# every run checks alike. The publishing tests upload to servers they start on 127.0.0.1 (see
# tests/servers): an SFTP server in Python on asyncssh, and vsftpd for FTPS; curl is their
# client from outside. vsftpd is unpacked into the build folder, not installed, so that no
# system service or account comes with it; libwrap0 is the one library it needs that a fresh
# machine lacks.
TEST_PACKAGES := tidy default-jre-headless python3-asyncssh curl libwrap0
VNU_VERSION := 26.10.12
VNU_DIR := $(BUILD_DIR)/validators
VSFTPD_DIR := $(BUILD_DIR)/servers/vsftpd
VSFTPD := $(VSFTPD_DIR)/usr/sbin/vsftpd

.PHONY: deps test-deps configure build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@missing=$$(for p in $(PUBLISH_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
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
	@[ -x $(VSFTPD) ] || { \
		echo "Unpacking: vsftpd into $(VSFTPD_DIR)"; \
		rm -rf $(VSFTPD_DIR) && mkdir -p $(VSFTPD_DIR) && cd $(VSFTPD_DIR) && \
		{ apt-get download -qq -o APT::Sandbox::User=root vsftpd 2>/dev/null || \
			{ $(SUDO) apt-get update -qq && apt-get download -qq -o APT::Sandbox::User=root vsftpd; }; } && \
		dpkg -x vsftpd_*.deb . && rm vsftpd_*.deb; \
	}
	@$(VSFTPD) -v 0>&1 | grep -q '^vsftpd: version' || { \
		echo "$(VSFTPD) does not run:"; ldd $(VSFTPD) | grep 'not found'; exit 1; }

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLMARK_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/quillmark

test: build test-deps
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build test-deps
	cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)
	@for b in $(BUILD_DIR)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)
