# Reelwork: every target that builds first installs what is missing (scripts/install-deps).
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
# make install: /usr/local for root, ~/.local for a user.
PREFIX ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)
MAKEFLAGS += --no-print-directory

.PHONY: all deps build demo test run install deb bench fuzz screenshots clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE= > $(BUILD).configure.log || (cat $(BUILD).configure.log; false)
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@scripts/demo $(BUILD)

test: build
	@scripts/run-tests $(BUILD)

run: build
	@scripts/run $(BUILD)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)
	@scripts/refresh-desktop-caches $(PREFIX)/share

# The Debian package $(BUILD)/reelwork_VERSION_amd64.deb, made from this build tree, then checked.
deb: build
	@cd $(BUILD) && rm -f reelwork_*.deb && cpack -G DEB > cpack.log || (cat cpack.log; false)
	@ls $(BUILD)/reelwork_*.deb
	@lintian --info $(BUILD)/reelwork_*.deb

bench: build
	@scripts/bench $(BUILD)

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DREELWORK_FUZZ=ON -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= > $(FUZZ_BUILD).configure.log \
		|| (cat $(FUZZ_BUILD).configure.log; false)
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/fuzz $(FUZZ_BUILD)

screenshots: build
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(BUILD).configure.log $(FUZZ_BUILD).configure.log demo
