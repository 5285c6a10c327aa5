# make run   - install what is missing, build, and start the lesson in build/run/
# make test  - install what is missing, build, and run every test
# make deps  - only install the missing Debian packages
# make screenshots - draw every window into docs/screenshots (under Xvfb)
# make bench - run the benchmarks (start-up, memory, idle CPU, re-layout, countdown drift)
# make deb   - build the Debian package build/tezomat_*.deb
# make icon  - redraw the program's icon into packaging/icons
# make test-asan - build again with AddressSanitizer and UndefinedBehaviorSanitizer
#                  (in build-asan/) and run every test there
# make fuzz  - build the libFuzzer targets with clang (in build-fuzz/) and run each
#              for FUZZ_SECONDS (600 by default)

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Qt 6 Widgets for building, fonts with Cyrillic, Qt's Bulgarian texts;
# for the end-to-end tests an X server (Xvfb) with its keyboard tools, keys
# sent by xdotool, a D-Bus session with the accessibility bus, Python's
# accessibility library, and unshare/mount for a read-only lesson folder;
# the X protocol headers for the whole-process benchmark.
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n \
           fonts-dejavu-core fonts-dejavu-extra fonts-liberation \
           xvfb xauth x11-xkb-utils xkb-data xdotool dbus-x11 at-spi2-core \
           python3 python3-pyatspi util-linux mount libxcb1-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test test-asan fuzz bench screenshots pictures icon deb clean

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

# The README's pictures of every window: the lesson's windows as the tests
# see them (tests/gui/tst_screens) and the teacher's window, each under Xvfb.
screenshots: build
	mkdir -p docs/screenshots
	LESSON_SCREENSHOTS=$(CURDIR)/docs/screenshots xvfb-run -a -s "-screen 0 1280x1024x24" \
	  $(BUILD)/tests/tst_screens
	BUILD=$(BUILD) tools/tezomat_teacher/screenshots.sh docs/screenshots

# The benchmarks: each prints its figures beside its goal. The whole-process
# ones run the program and a bare Qt window side by side on one X display.
bench: build
	$(BUILD)/tezomat-config write --force config/TAVN7.ini $(BUILD)/bench/TAVN7.UFG
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_startup
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_layout
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench/bench_process \
	  $(CURDIR)/$(BUILD)/tezomat $(CURDIR)/$(BUILD)/bench/bare_window $(CURDIR)/$(BUILD)/bench/TAVN7.UFG
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_countdown

# The whole suite once more under both sanitizers. Leaks inside the system's
# font and display libraries are not ours (tests/asan-suppressions.txt).
ASAN_BUILD ?= build-asan
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTEZOMAT_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	# intercept_tls_get_addr=0 and use_tls=0: LeakSanitizer (GCC 12) can keep
	# a stale record of the thread-local storage of a thread that has ended
	# (Qt's workers, the lesson's two start-up threads), and its tracer then
	# dies reading it at exit, after every case has passed. Thread-local
	# storage is therefore not scanned for pointers: a block held only from
	# there would be reported as a leak, and none is. Everything else is
	# scanned as before.
	cd $(ASAN_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/asan-suppressions.txt:print_suppressions=0:use_tls=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS)

# libFuzzer on the lesson's readers. New inputs go to build-fuzz/corpus, and
# an input that makes a reader fail to build-fuzz/findings: copy it into
# tests/data/fuzz/<reader>/ so that the ordinary tests replay it for good.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZERS = configuration_file configuration_source lesson_resources unscrambling
fuzz: deps
	@for p in clang libclang-rt-14-dev; do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DTEZOMAT_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	@status=0; for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f $(FUZZ_BUILD)/findings/$$f; \
	  echo "== fuzz_$$f for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/tests/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/findings/$$f/ \
	    $(FUZZ_BUILD)/corpus/$$f tests/data/fuzz/$$f || status=1; \
	done; exit $$status

# Redraws the lesson's pictures into src/lesson_data/pictures.
pictures: build
	$(BUILD)/tools/lesson_pictures/lesson-pictures src/lesson_data/pictures

# Redraws the program's icon into packaging/icons.
icon: build
	$(BUILD)/tools/app_icon/app-icon packaging/icons

# The Debian package; dpkg-shlibdeps finds the Qt libraries it needs.
deb: build
	@dpkg-query -W -f='$${Status}\n' dpkg-dev 2>/dev/null | grep -q 'install ok installed' || \
	  { $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq dpkg-dev; }
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/tezomat_*.deb

clean:
	rm -rf $(BUILD)
