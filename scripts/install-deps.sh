#!/usr/bin/env bash
# Installs the Debian packages Vorlan builds with, when they are missing and we are root.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libcli11-dev fonts-dejavu-core clang-format
          # the windows' translations (lupdate, lrelease, Qt6LinguistTools) and Qt's own; the
          # message catalogue's .po files (msgfmt)
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n gettext
          # .a7p profiles: Protocol Buffers and the MD5 of OpenSSL
          protobuf-compiler libprotobuf-dev libssl-dev
          # the desktop files' validators and the Debian package (scripts/check-install.sh)
          desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev fakeroot lintian
          # a real window system for the desktop tour (tests/gui/desktop_tour_xvfb.sh)
          xvfb xdotool openbox
          # reading back the field card PDFs (tests/cli/card.sh)
          poppler-utils)
# The deep checks (./test.sh --deep) also build the fuzz targets with clang.
if [ "${1:-}" = --deep ]; then packages+=(clang-14 libclang-rt-14-dev); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]} (run as root, or install them with apt-get)" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
