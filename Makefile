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
	./$(BUILD)/bin/Kandoru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# make demo: gesui run on every examples/*.osa with the format file of the same name, or
# else the first examples/*.osb; XTemp.txt and JTemp.txt go to $(BUILD)/demo/NAME/.
demo: build
	@set -e; for osa in examples/*.osa; do \
	  [ -f "$$osa" ] || { echo "make demo: no profile in examples/"; exit 1; }; \
	  name=$$(basename "$$osa" .osa); \
	  osb=examples/$$name.osb; [ -f "$$osb" ] || osb=$$(ls examples/*.osb | head -n 1); \
	  echo "== $$osa + $$osb"; \
	  ./$(BUILD)/bin/gesui run "$$osa" "$$osb" -o "$(BUILD)/demo/$$name"; \
	done

clean:
	rm -rf $(BUILD)
