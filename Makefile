# Two commands for a fresh Debian 12 machine:
#   make run   installs what is missing, builds the simulator, starts it
#   make test  installs what is missing, builds everything, runs every test
# (the second also builds the layers without OpenGL with AddressSanitizer and
#  UndefinedBehaviorSanitizer and runs their tests; each installs its own set
#  of Debian packages, scripts/install-deps.sh run or test)

BUILD      ?= build
SAN_BUILD  ?= build-san
JOBS       ?= $(shell nproc)
# Quiet builds: no "Entering directory" lines from the nested makes.
MAKEFLAGS  += --no-print-directory
CMAKE_BUILD = cmake --build

.PHONY: run test deps deps-run build build-san bench screenshot clean

# Everything: building, running, testing.
deps:
	@scripts/install-deps.sh test

# What building and running the simulator need.
deps-run:
	@scripts/install-deps.sh run

# A first configuration by `make run` leaves out the tests and benchmarks,
# whose libraries only `make test` installs; `build` and `build-san` always
# configure with them.
$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCPT_TESTS=OFF -DCPT_BENCH=OFF > /dev/null

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCPT_TESTS=ON -DCPT_BENCH=ON > /dev/null
	$(CMAKE_BUILD) $(BUILD) -j $(JOBS)

build-san: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCPT_SANITIZE=ON -DCPT_TESTS=ON > /dev/null
	$(CMAKE_BUILD) $(SAN_BUILD) -j $(JOBS)

# Only the simulator, the window-less runner (its no-display message names
# it) and the layers they need.
run: deps-run $(BUILD)/CMakeCache.txt
	@echo "building cp_time_optimal (log: $(BUILD)/build.log)"
	@$(CMAKE_BUILD) $(BUILD) -j $(JOBS) --target cp_time_optimal cp_time_optimal_batch > $(BUILD)/build.log 2>&1 || { cat $(BUILD)/build.log; exit 1; }
	./$(BUILD)/cp_time_optimal

test: build build-san
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/cpt_bench
	xvfb-run -a -s "-screen 0 1024x1024x24 -nolisten tcp" ./$(BUILD)/cpt_frame_bench

screenshot: build
	scripts/screenshot.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
