# make run   - install what is missing, build, and start the lesson in build/run/
# make test  - install what is missing, build, and run every test
# make deps  - only install the missing Debian packages

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Qt 6 Widgets for building, fonts with Cyrillic, Qt's Bulgarian texts;
# for the end-to-end tests an X server (Xvfb) with its keyboard tools, keys
# sent by xdotool, a D-Bus session with the accessibility bus, Python's
# accessibility library, and unshare/mount for a read-only lesson folder.
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n \
           fonts-dejavu-core fonts-dejavu-extra fonts-liberation \
           xvfb xauth x11-xkb-utils xkb-data xdotool dbus-x11 at-spi2-core \
           python3 python3-pyatspi util-linux mount

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test pictures clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The lesson starts with the sample configuration, in which every feature
# is switched on (config/TAVN7.ini).
run: build
	mkdir -p $(BUILD)/run
	$(BUILD)/tezomat-config write config/TAVN7.ini $(BUILD)/run/TAVN7.UFG
	cd $(BUILD)/run && ../tezomat

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Redraws the lesson's pictures into src/lesson_data/pictures.
pictures: build
	$(BUILD)/tools/lesson_pictures/lesson-pictures src/lesson_data/pictures

clean:
	rm -rf $(BUILD)
