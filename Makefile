# Two commands from a fresh Debian machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE := build/release
ASAN := build/asan
DEBUG := build/debug
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test build deps test-deps clean format bench contact-sheet

run: build
	./$(RELEASE)/munyope $(ARGS)

build: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DMUNYOPE_TESTS=OFF >/dev/null
	cmake --build $(RELEASE) -j $(JOBS)

test: test-deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DMUNYOPE_TESTS=ON >/dev/null
	cmake --build $(RELEASE) -j $(JOBS)
	cd $(RELEASE) && ctest --output-on-failure -j $(JOBS)
	# The replay reader under libFuzzer for a bounded time.
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Debug -DMUNYOPE_FUZZ=ON -DMUNYOPE_TESTS=OFF >/dev/null
	cmake --build $(FUZZ) -j $(JOBS) --target replay_fuzz
	mkdir -p $(FUZZ)/corpus
	$(FUZZ)/replay_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 -print_final_stats=1 \
	  -dict=fuzz/replay.dict $(FUZZ)/corpus fuzz/seeds >$(FUZZ)/fuzz.log 2>&1 || { tail -n 60 $(FUZZ)/fuzz.log; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' $(FUZZ)/fuzz.log
	# The same replay traces byte for byte the same from an optimised, a debug and the sanitizer build.
	cmake -S . -B $(DEBUG) -DCMAKE_BUILD_TYPE=Debug -DMUNYOPE_TESTS=OFF >/dev/null
	cmake --build $(DEBUG) -j $(JOBS) --target munyope
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DMUNYOPE_SANITIZE=ON -DMUNYOPE_TESTS=ON >/dev/null
	cmake --build $(ASAN) -j $(JOBS)
	scripts/same-trace.sh $(RELEASE)/munyope $(DEBUG)/munyope $(ASAN)/munyope
	# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
	cd $(ASAN) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 ctest --output-on-failure -j $(JOBS)

# Every picture at 3x on one page, for looking the artwork over.
contact-sheet: build
	./$(RELEASE)/munyope-sheet $(RELEASE)/contact-sheet.png
	@echo "wrote $(RELEASE)/contact-sheet.png"

deps:
	@scripts/setup-deps.sh

test-deps:
	@scripts/setup-deps.sh test

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

# Benchmarks (not run by the tests): median of repeated runs.
bench: test-deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DMUNYOPE_TESTS=ON >/dev/null
	cmake --build $(RELEASE) -j $(JOBS) --target munyope_bench munyope
	./$(RELEASE)/bench/munyope_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
