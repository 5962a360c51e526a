# make run: dependencies, build, start Kandoru.  make test: dependencies, build, all tests.
# make test-asan: the libraries without Qt and their tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang).  make fuzz: each fuzz harness for FUZZ_SECONDS.
# make test-windows: the Qt-free part cross-compiled for Windows, its tests run under Wine.
BUILD ?= build
ASAN_BUILD ?= build-asan
WINBUILD ?= build-windows
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# Extra options for the first configuration of $(BUILD), e.g. flags without debug information.
CMAKE_ARGS ?=

.PHONY: all deps build run test test-asan test-windows fuzz demo clean

all: build

deps:
	./scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/bin/Kandoru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-windows: deps
	WINBUILD=$(WINBUILD) JOBS=$(JOBS) ./scripts/test-windows

# The sanitizer tree: clang, -O1 with line tables for readable reports, no benchmarks.
$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
	  -DGESUI_SANITIZE=ON -DGESUI_BUILD_BENCH=OFF $(ASAN_CMAKE_ARGS)

# Every leak is reported except the one known inside libfontconfig (tests/sanitizers).
SANITIZER_ENV = ASAN_OPTIONS=strict_string_checks=1:detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target core_tests
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	  ctest -L core --output-on-failure -j $(JOBS)

fuzz: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target fuzzers
	$(SANITIZER_ENV) ./scripts/fuzz $(ASAN_BUILD) $(FUZZ_SECONDS)

# make demo: gesui run on every examples/*.osa with the format file of the same name, or
# else examples/standard.osb; XTemp.txt, JTemp.txt, profile.png and profile.pdf go to
# $(BUILD)/demo/NAME/ (with sheets.txt and sheets.pdf for a line longer than one sheet),
# with the design checks beside them (check.txt, check.tsv and the
# calculation sheet check.pdf; findings are expected in some examples). Each line is also
# drawn as a set of sheets in NAME/sheets/ (sheets.txt, sheet01.txt ..., sheets.pdf,
# sheet01.png ..., sheets.dxf): the long line needs two A1 sheets at 1:500.
demo: build
	@set -e; for osa in examples/*.osa; do \
	  [ -f "$$osa" ] || { echo "make demo: no profile in examples/"; exit 1; }; \
	  name=$$(basename "$$osa" .osa); \
	  osb=examples/$$name.osb; [ -f "$$osb" ] || osb=examples/standard.osb; \
	  echo "== $$osa + $$osb"; \
	  ./$(BUILD)/bin/gesui run "$$osa" "$$osb" -o "$(BUILD)/demo/$$name"; \
	  d=$(BUILD)/demo/$$name; \
	  ./$(BUILD)/bin/gesui check "$$osa" "$$osb" --tsv "$$d/check.tsv" --pdf "$$d/check.pdf" \
	    > "$$d/check.txt" || [ $$? -eq 1 ]; \
	  echo "   design checks: $$(grep -c '^finding' "$$d/check.tsv" || true) findings, $$d/check.pdf"; \
	done
	@set -e; for d in $(BUILD)/demo/*/; do \
	  [ -f "$$d/XTemp.txt" ] || continue; \
	  echo "== $${d}sheets: the line as a set of sheets that each fit the format's sheet"; \
	  ./$(BUILD)/bin/gesui sheets "$$d/XTemp.txt" -o "$${d}sheets"; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINBUILD)
