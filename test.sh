#!/usr/bin/env bash
# Builds itareg and runs every test, with warnings as errors: the normal build,
# then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DITAREG_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

echo "== normal build"
build build
ctest --test-dir build --output-on-failure

echo "== sanitizer build"
build build-sanitize -DITAREG_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure
