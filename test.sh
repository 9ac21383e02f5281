#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; --deep runs the sanitizer
# build of the suite and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")"
# --deep: the sanitizer build of the suite and the fuzz targets instead (scripts/deep-checks.sh).
if [ "${1:-}" = --deep ]; then exec ./scripts/deep-checks.sh; fi
./scripts/build.sh
if command -v clang-format >/dev/null; then
  git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
fi
(cd "${BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

# Installation and packaging: validators, installed tree, the .deb, lintian, ./run.sh without a display.
./scripts/check-install.sh
