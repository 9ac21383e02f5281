#!/usr/bin/env bash
# Installs what is missing, builds Vorlan, prints the range table of the default shot and
# starts the desktop program (arguments are passed on, e.g. a shot file to open).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
build=${BUILD_DIR:-build}
"$build/cli/vorlan-cli" table examples/airgun-177-pellet.vxf
exec "$build/app/vorlan" "$@"
