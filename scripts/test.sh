#!/usr/bin/env bash
# Builds every target with address and undefined-behaviour sanitizers (clang, so that the
# libFuzzer targets build too) and runs all tests through ctest under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

BUILD=${BUILD_DIR:-build/test}
JOBS=${JOBS:-2}
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTEXTREADER_SANITIZE=ON -DTEXTREADER_FUZZ=ON -DTEXTREADER_TESTS=ON >/dev/null
cmake --build "$BUILD" -j "$JOBS"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$JOBS" "$@"
