#!/usr/bin/env bash
# The deep checks (./test.sh --deep): the whole test suite built with the address and
# undefined-behaviour sanitizers (preset asan), then every libFuzzer target (preset fuzz,
# clang) for FUZZ_SECONDS each from its seed corpus in fuzz/corpus. Any crash, leak, hang
# (an input running over FUZZ_TIMEOUT seconds) or sanitizer report fails it; libFuzzer
# leaves the input that failed in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --deep
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
FUZZ_TIMEOUT=${FUZZ_TIMEOUT:-25}
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Only leaks inside system libraries are suppressed (scripts/lsan.supp); ours all count.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0

cmake --preset asan
cmake --build --preset asan
ctest --preset asan --output-on-failure -j2

cmake --preset fuzz
cmake --build --preset fuzz
for target in fuzz_shot_reader fuzz_settings_reader fuzz_given_path fuzz_whole_shot fuzz_list_parsers \
  fuzz_chart_series fuzz_profile_readers; do
  echo "== $target: ${FUZZ_SECONDS} s"
  found=$(mktemp -d)  # new inputs go here, so the seed corpus in the repository stays as it is
  build-fuzz/fuzz/$target -max_total_time="$FUZZ_SECONDS" -timeout="$FUZZ_TIMEOUT" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/$target- "$found" fuzz/corpus/$target
  rm -rf "$found"
done
