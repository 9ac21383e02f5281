#!/usr/bin/env bash
# Installs what is missing, builds Vorlan, prints the range table of the default shot and
# starts the desktop program (arguments are passed on, e.g. a shot file to open).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
build=${BUILD_DIR:-build}
"$build/cli/vorlan-cli" table examples/airgun-177-pellet.vxf
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): run ./run.sh in a desktop session (or xvfb-run ./run.sh) to start the Vorlan window; $build/cli/vorlan-cli works without one."
  exit 0
fi
exec "$build/app/vorlan" "$@"
