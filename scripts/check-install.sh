#!/usr/bin/env bash
# Checks Vorlan as Linux users get it: the desktop files pass their validators, the installed
# tree holds exactly the expected files, the Debian package builds, installs its files, runs
# its vorlan-cli and passes lintian, and ./run.sh without a display prints the table and
# exits 0. Called by ./test.sh after the build; prints what it checked.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${BUILD_DIR:-build}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

# The desktop entry, the AppStream metainfo and the MIME package.
desktop-file-validate resources/linux/vorlan.desktop
grep -qx 'Exec=vorlan %f' resources/linux/vorlan.desktop || fail "the desktop entry does not pass the file on"
grep -qx 'MimeType=application/x-vorlan-shot;' resources/linux/vorlan.desktop || fail "the desktop entry opens no shots"
appstreamcli validate --no-net resources/linux/io.github.vorlan.Vorlan.metainfo.xml >/dev/null
xmllint --noout resources/linux/vorlan.xml
mkdir -p "$scratch/mime/packages"
cp resources/linux/vorlan.xml "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >/dev/null 2>&1
grep -qx 'application/x-vorlan-shot:\*.vxf' <(cut -d: -f2- "$scratch/mime/globs2") || fail "no *.vxf glob"
grep -aq 'Name:' "$scratch/mime/magic" || fail "no magic match on the first key"
echo "check-install: desktop entry, metainfo and MIME package valid"

# The installed tree.
cmake --install "$build" --prefix "$scratch/tree/usr" >/dev/null
(cd "$scratch/tree" && find . -type f -o -type l | sed 's|^\./|/|' | LC_ALL=C sort) > "$scratch/installed.txt"
diff -u packaging/installed-files.txt "$scratch/installed.txt" || fail "installed files differ (above)"
echo "check-install: installed tree holds the $(wc -l < "$scratch/installed.txt") expected files"

# The Debian package: contents, dependencies, maintainer scripts, a run of its vorlan-cli.
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vorlan_*.deb | head -n 1)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' | LC_ALL=C sort > "$scratch/deb.txt"
diff -u packaging/installed-files.txt "$scratch/deb.txt" || fail "package files differ (above)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
dpkg-deb -e "$deb" "$scratch/control"
for script in postinst postrm; do
  [ -x "$scratch/control/$script" ] || fail "no executable $script"
  grep -q update-mime-database "$scratch/control/$script" || fail "$script does not update the MIME database"
done
dpkg -x "$deb" "$scratch/root"
"$scratch/root/usr/bin/vorlan-cli" table "$scratch/root/usr/share/doc/vorlan/examples/rifle-308-g7.vxf" \
  > "$scratch/table.txt"
diff -q "$scratch/table.txt" <("$build/cli/vorlan-cli" table examples/rifle-308-g7.vxf) >/dev/null \
  || fail "the packaged vorlan-cli prints another table"
grep -q '^  600 ' "$scratch/table.txt" || fail "the packaged vorlan-cli printed no 600-yard row"
"$scratch/root/usr/bin/vorlan-cli" chart examples/rifle-308-g7.vxf -o "$scratch/chart.png" \
  && [ "$(head -c 8 "$scratch/chart.png" | od -An -c | tr -d ' ')" = '211PNG\r\n032\n' ] \
  || fail "the packaged vorlan-cli drew no chart"
echo "check-install: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) Depends: $depends"
lintian --fail-on error "$deb" \
  | tee "$scratch/lintian.txt" || fail "lintian reports errors (above)"
echo "check-install: lintian: no errors, $(grep -c '^W:' "$scratch/lintian.txt" || true) warnings"

# ./run.sh without a display: the table, one line of advice, exit 0.
env -u DISPLAY -u WAYLAND_DISPLAY BUILD_DIR="$build" ./run.sh > "$scratch/run.txt" 2>&1 \
  || fail "./run.sh without a display exited $?"
grep -q '^ Range     Drop' "$scratch/run.txt" || fail "./run.sh printed no range table"
[ "$(grep -c 'No display' "$scratch/run.txt")" -eq 1 ] || fail "./run.sh gave no single line of advice"
echo "check-install: ./run.sh without a display: table, advice, exit 0"
