# Two commands for a fresh machine: `make test` and `make run`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build test run bench fuzz clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@FUZZ_SECONDS=$${FUZZ_SECONDS:-15} scripts/run-fuzz

run: build
	@scripts/run-demo $(BUILD)

bench: build
	@scripts/run-bench $(BUILD)

fuzz: deps
	@scripts/run-fuzz

clean:
	rm -rf $(BUILD)
