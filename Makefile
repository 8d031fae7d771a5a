# Thin wrapper over CMake presets. `make run`: the furthest end-to-end path that works.
# `make test`: install what is missing, build and test every configuration.
.PHONY: run test bench clean

run:
	@scripts/run-demo.sh

test:
	@scripts/test-all.sh

clean:
	rm -rf build
