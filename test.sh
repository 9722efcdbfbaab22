#!/usr/bin/env bash
# Builds itareg and runs every test, with warnings as errors: the normal build
# (with the Windows program under Wine where the cross-compiler, Wine and a
# Japanese locale are present), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzer for ITAREG_FUZZ_SECONDS (60)
# where clang with libFuzzer is present. ITAREG_REQUIRE_ALL=1 makes a missing
# tool a failure instead of a skip.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DITAREG_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

windows_missing=""
command -v x86_64-w64-mingw32-g++-posix >/dev/null || windows_missing+=" g++-mingw-w64-x86-64-posix"
command -v wine64 >/dev/null || [ -x /usr/lib/wine/wine64 ] || windows_missing+=" wine64"
if [ -n "$windows_missing" ]; then
    windows_missing="install the Debian packages$windows_missing"
elif ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    windows_missing="generate the locale ja_JP.UTF-8 (package locales, then locale-gen)"
fi
fuzz_missing=""
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
        clang++ -fsanitize=fuzzer -x c++ - -o /dev/null >/dev/null 2>&1; then
    fuzz_missing="install the Debian packages clang libclang-rt-14-dev"
fi
if [ "${ITAREG_REQUIRE_ALL:-0}" = 1 ] && [ -n "$windows_missing$fuzz_missing" ]; then
    echo "test.sh: cannot run every test: ${windows_missing:+Windows: $windows_missing; }${fuzz_missing:+fuzzer: $fuzz_missing}" >&2
    exit 1
fi

windows_program=""
if [ -z "$windows_missing" ]; then
    echo "== Windows build"
    cmake --preset windows -DITAREG_WERROR=ON >/dev/null
    cmake --build --preset windows -j "$jobs"
    windows_program=$PWD/build-windows/itareg.exe
fi

echo "== normal build"
build build -DITAREG_WINDOWS_PROGRAM="$windows_program" -DITAREG_WINDOWS_MISSING="$windows_missing"
ctest --test-dir build --output-on-failure

echo "== sanitizer build"
build build-sanitize -DITAREG_SANITIZE=ON -DITAREG_WINDOWS_TESTS=OFF
ctest --test-dir build-sanitize --output-on-failure

echo "== fuzzer"
if [ -n "$fuzz_missing" ]; then
    echo "skipped: to fuzz, $fuzz_missing"
else
    CXX=clang++ build build-fuzz -DITAREG_FUZZ=ON -DITAREG_TESTS=OFF -DITAREG_FUZZ_SECONDS="${ITAREG_FUZZ_SECONDS:-60}"
    ctest --test-dir build-fuzz --output-on-failure
fi
