# make run: dependencies, build, start Kandoru.  make test: dependencies, build, all tests.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test demo clean

all: build

deps:
	./scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/bin/Kandoru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD)
