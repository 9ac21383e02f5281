#!/bin/sh
# No include runs back up the layers: engine, shot, chart, reports, then ui and cli (side by
# side, neither including the other), then app. The folders every feature shares (ui/common,
# reports/common) include no feature folder of their own layer.
cd "${1:?source folder}" || exit 2
rank() {
  case $1 in engine) echo 0 ;; shot) echo 1 ;; chart) echo 2 ;; reports) echo 3 ;; ui | cli) echo 4 ;; app) echo 5 ;; *) echo -1 ;; esac
}
status=0
for file in $(find engine shot chart reports ui cli app -name '*.cpp' -o -name '*.h'); do
  here=${file%%/*}
  for included in $(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file"); do
    there=${included%%/*}
    [ "$(rank "$there")" -lt 0 ] && continue
    if [ "$(rank "$there")" -gt "$(rank "$here")" ] || { [ "$there" != "$here" ] && [ "$(rank "$there")" = "$(rank "$here")" ]; }; then
      echo "$file includes $included, a layer above it"; status=1
    fi
    case $file in
      ui/common/* | reports/common/*)
        case $included in "$here"/common/*) ;; "$here"/*) echo "$file includes $included, a feature's own"; status=1 ;; esac ;;
    esac
  done
done
exit $status
