#!/usr/bin/env bash
# Installs what is missing, builds Vorlan, prints the range table of the default shot and
# starts the desktop program (arguments are passed on, e.g. a shot file to open).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
"$build/cli/vorlan-cli" table examples/airgun-177-pellet.vxf
if [ -x "$build/app/vorlan" ]; then
  exec "$build/app/vorlan" "$@"
fi
