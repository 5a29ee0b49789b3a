# A thin front for the two commands of the README.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Until the editor exists, run shows the engine tool at work.
run: build
	./$(BUILD)/tools/engine-demo/engine-demo easing
	./$(BUILD)/tools/engine-demo/engine-demo animate

test: build
	bash scripts/run-tests $(BUILD)

bench: build
	./$(BUILD)/bench/engine_core_bench
	./$(BUILD)/bench/media_stream_bench

clean:
	rm -rf $(BUILD)
