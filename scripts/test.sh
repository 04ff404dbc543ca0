#!/usr/bin/env bash
# Installs what is missing, checks the layout of every C++ file against
# .clang-format, then builds Flinkblick four ways and tests each:
#   1. the normal build with every test (first, so a plain failure shows early)
#   2. AddressSanitizer + UndefinedBehaviorSanitizer, every test again (the
#      package check, which builds its own release, runs once, in stage 1)
#   3. two scripted runs under valgrind memcheck
#   4. a coverage build, its tests and the gcovr summary of the game code
# Any failure ends the script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs="$(nproc)"
stage() { printf '\n=== %s ===\n' "$*"; }

stage "Layout (clang-format)"
# Formatting never comes up in review: a file that is not laid out as
# .clang-format says fails here, before anything is built.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "all C++ files laid out as .clang-format says"

stage "Normal build and all tests"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs" -LE memcheck

stage "AddressSanitizer and UBSan: all tests"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLINKBLICK_SANITIZE=ON -DFLINKBLICK_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" -LE package

stage "valgrind memcheck"
ctest --test-dir build/test --output-on-failure -j"$jobs" -L memcheck

stage "Coverage"
cmake -S . -B build/coverage -DCMAKE_BUILD_TYPE=Debug -DFLINKBLICK_COVERAGE=ON -DFLINKBLICK_BENCH=OFF >/dev/null
cmake --build build/coverage -j"$jobs"
find build/coverage -name '*.gcda' -delete
ctest --test-dir build/coverage --output-on-failure -j"$jobs" -LE 'memcheck|package'
# The game code: everything but the program entry, the tests and the benchmarks.
gcovr_args=(-r . build/coverage --exclude 'tests/' --exclude 'app/main\.cpp' --exclude 'bench/'
            --exclude '.*_autogen/.*' --exclude-throw-branches --exclude-unreachable-branches)
gcovr "${gcovr_args[@]}" --branches --print-summary --fail-under-line 95
