#!/usr/bin/env bash
# Installs what is missing, then configures and builds into ${BUILD_DIR:-build}.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
