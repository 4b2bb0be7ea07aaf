# Tavuran: the two commands of the README, and a few more for developers.
#   make run   installs what is missing, builds and starts the program (make run FILE=wettbewerb.wtb)
#   make test  installs what is missing, builds with sanitizers and runs every test
#   make bench builds and runs the benchmarks
#   make fuzz  builds the file-reader fuzz target with clang and runs it for a while

BUILD       ?= build
TESTBUILD   ?= build/asan
FUZZBUILD   ?= build/fuzz
FUZZTIME    ?= 60
JOBS        ?= 2
FILE        ?=

.PHONY: all deps build run test bench fuzz install clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVURAN_TESTS=OFF -DTAVURAN_BENCH=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/tavuran ]; then \
	  $(BUILD)/bin/tavuran $(FILE); \
	else \
	  $(BUILD)/bin/tavuran-cli --help; \
	fi

$(TESTBUILD)/build.ninja:
	cmake -S . -B $(TESTBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVURAN_SANITIZE=ON

test: deps $(TESTBUILD)/build.ninja
	cmake --build $(TESTBUILD) -j $(JOBS)
	cd $(TESTBUILD) && \
	  QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/*_bench; do echo "== $$b"; $$b || exit 1; done

$(FUZZBUILD)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVURAN_FUZZ=ON -DTAVURAN_TESTS=OFF -DTAVURAN_GUI=OFF

fuzz: deps $(FUZZBUILD)/build.ninja
	cmake --build $(FUZZBUILD) -j $(JOBS)
	mkdir -p fuzz-corpus
	@for f in $(FUZZBUILD)/bin/*_fuzz; do \
	  n=$$(basename $$f); mkdir -p fuzz-corpus/$$n; \
	  $$f -max_total_time=$(FUZZTIME) -max_len=65536 fuzz-corpus/$$n tests/fuzz/$$n || exit 1; \
	done

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
