#!/usr/bin/env bash
# Takes the pictures of Vorlan's windows shown in the help and the README
# (resources/help/images/*.png) from the program itself, under the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target vorlan_screenshots
# A screen wide enough for the main dialog, as on a desktop (the platform default is 800 x 600).
QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/gui/offscreen-wide.json" "$build/tools/vorlan_screenshots" examples resources/help/images
ls resources/help/images
