#!/usr/bin/env bash
# Writes the PNG sizes of the application icon from its SVG source (run by hand
# after changing the SVG; the PNGs are committed, so the build needs no SVG tool).
#
#   tools/make_icons.sh          write res/icons/hicolor/<N>x<N>/apps/<id>.png
#   tools/make_icons.sh --check  exit 1 when a PNG is missing or differs
#
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

id=de.pellsoft.ZefDesigner
svg=res/icons/hicolor/scalable/apps/$id.svg
sizes=(16 22 24 32 48 64 128 256)

check=0
[[ "${1:-}" == --check ]] && check=1
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

status=0
for n in "${sizes[@]}"; do
    png=res/icons/hicolor/${n}x${n}/apps/$id.png
    if [[ $check == 1 ]]; then
        if ! rsvg-convert -w "$n" -h "$n" "$svg" | cmp -s - "$png"; then
            echo "$png is not up to date" >&2
            status=1
        fi
    else
        mkdir -p "$(dirname "$png")"
        rsvg-convert -w "$n" -h "$n" "$svg" -o "$png"
    fi
done
exit $status
