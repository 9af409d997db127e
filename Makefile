# The two commands: `make run` and `make test`. Both install what is missing.
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
FUZZ_SECONDS ?= 60
# CI turns warnings into errors.
export YZ_WERROR := $(if $(CI),ON,OFF)
JOBS := $(shell nproc)

CONFIGS := native tsan bench fuzz win64 win32

.PHONY: all deps build $(addprefix build-,$(CONFIGS)) test test-native test-tsan test-win64 \
        test-fuzz check-exes run bench fuzz clean

all: build

deps:
	@tools/install-deps.sh

build: $(addprefix build-,$(CONFIGS))

$(addprefix build-,$(CONFIGS)): build-%: deps
	@cmake --preset $* >/dev/null
	@cmake --build --preset $* -j $(JOBS)

test: build
	@$(MAKE) --no-print-directory test-native test-tsan test-fuzz check-exes test-win64

test-native:
	ctest --preset native -j $(JOBS)

test-tsan:
	ctest --preset tsan -j $(JOBS)

# The win64 tests run under Wine on a private Xvfb that is stopped afterwards.
test-win64:
	tools/with-display.sh ctest --preset win64

# Each fuzzer replays its seed corpus once: the inputs that once failed stay fixed.
test-fuzz:
	tools/fuzz.sh replay

check-exes:
	tools/check-exes.sh build/win32 pei-i386 build/win64 pei-x86-64

run: build-win64
	@tools/run.sh

bench: build-bench build-win64
	tools/bench.sh

fuzz: build-fuzz
	tools/fuzz.sh run $(FUZZ_SECONDS)

clean:
	rm -rf build
