# The two commands of a newcomer: `make run` and `make check`.
JOBS ?= $(shell nproc)

.PHONY: run check sanitize soak bench odds build package deps format

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the game window on (DISPLAY is not set)."; exit 1; \
	fi
	./build/bin/quirvanto

check: build
	ctest --preset default -j $(JOBS)
	$(MAKE) --no-print-directory sanitize

# Every unit, behaviour and widget test again under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, in build-sanitize/; the first report fails the run.
sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The random player of the test suite for ten million events instead of a hundred thousand.
soak: build
	cd build/bin && QUIRVANTO_PLAY_EVENTS=1000000 ./test_play --gtest_filter='RandomPlay.*'

bench: build
	cd build/bin && ./quirvanto_sound_bench Snd
	@benches='./build/bin/quirvanto_bench && ./build/bin/quirvanto_startup_bench \
		./build/bin/quirvanto ./build/bin/quirvanto_bare_window && \
		./build/bin/quirvanto_rest_bench ./build/bin/quirvanto ./build/bin/quirvanto_session \
		./build/bin/quirvanto_bare_window'; \
	if [ -n "$$DISPLAY" ]; then sh -c "$$benches"; \
	else xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "$$benches"; fi

# What the machine pays back: a million spins of the model player on the real game, headless.
odds: build
	./build/bin/quirvanto --odds

# A Debian package of the game in build/package/.
package: build
	cpack --config build/CPackConfig.cmake -B build/package

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

deps:
	@./tools/install-deps.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
