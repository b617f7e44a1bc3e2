# Two commands for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the simulator
#   make test  installs what is missing, builds, runs every test
# (the second also builds the numeric core with AddressSanitizer and
#  UndefinedBehaviorSanitizer and runs its tests)

BUILD      ?= build
SAN_BUILD  ?= build-san
JOBS       ?= $(shell nproc)

.PHONY: run test deps build build-san bench screenshot clean

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

$(SAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCPT_SANITIZE=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-san: deps $(SAN_BUILD)/CMakeCache.txt
	cmake --build $(SAN_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/cp_time_optimal

test: build build-san
	cd $(BUILD) && ctest --output-on-failure
	cd $(SAN_BUILD) && ctest --output-on-failure

bench: build
	./$(BUILD)/cpt_bench
	xvfb-run -a -s "-screen 0 1024x1024x24 -nolisten tcp" ./$(BUILD)/cpt_frame_bench

screenshot: build
	scripts/screenshot.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
