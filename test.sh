#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
if command -v clang-format >/dev/null; then
  git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build' |
    xargs -r clang-format --dry-run --Werror
fi
cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
