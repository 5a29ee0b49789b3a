# A thin front for the two commands of the README.
BUILD ?= build
JOBS ?= $(shell nproc)
# Extra cmake options for the configure step, e.g. CMAKE_ARGS=-DVIDORNA_LINE_TABLES_ONLY=ON
CMAKE_ARGS ?=

.PHONY: deps configure build run test bench clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/vidorna

test: build
	bash scripts/run-tests $(BUILD)

# Every benchmark, under a virtual display because some of them draw with OpenGL.
bench: build
	xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
	  bash -c 'for b in $(BUILD)/bench/*_bench; do echo "== $$b"; "$$b" || exit 1; done'

clean:
	rm -rf $(BUILD)
