# Kestrix: the two commands a fresh Debian machine needs are `make run` and
# `make test`; both install what is missing first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
GENERATOR  ?= Ninja
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES = cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev \
           libgl1-mesa-dev fonts-liberation fonts-dejavu-core fonts-urw-base35 libbenchmark-dev xvfb xauth \
           pkg-config libhamlib-dev libhamlib-utils cwdaemon clang-format git

.PHONY: deps build run test format-check bench fuzz test-asan install clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p contest
	cd contest && ../$(BUILD)/app/kestrix

# Every C++ file as the project's .clang-format lays it out (CI runs this first).
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DKESTRIX_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-bench -j $(JOBS) --target kestrix_bench
	$(BUILD)-bench/bench/kestrix_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKESTRIX_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer targets, built with clang into $(FUZZ_BUILD); each runs FUZZ_SECONDS.
# New inputs land in $(FUZZ_BUILD)/corpus, findings in $(FUZZ_BUILD)/found.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS  = qrprecords arcilines numericvalue clocktext journal

fuzz: deps
	@command -v clang++ >/dev/null 2>&1 && ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || \
	  { $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends clang libclang-rt-dev; }
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKESTRIX_FUZZ=ON -DBUILD_TESTING=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/found/$$t; \
	  echo "== fuzz_$$t, $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/found/$$t/ $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

install: build
	$(SUDO) cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD)-bench build-fuzz
