#!/bin/sh
# Pictures of the real program for the README: runs build/bin/hunterly.exe
# in a fresh wine prefix on a virtual display, searches a copy of these
# sources, and writes one PNG per page, of the results and of the analysis.
# screenshots.sh <build folder> <output folder>
set -e
build=$(cd "$1" && pwd); out="$2"
source=$(cd "$(dirname "$0")/.." && pwd)
work="$build/screenshots"
rm -rf "$work"; mkdir -p "$work/pictures" "$out"

export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export TZ="${TZ:-America/New_York}"
wine_path() { echo "Z:$1" | tr / '\\'; }

# A tree a user might search: the project's own sources under C:\Projects.
sample="$WINEPREFIX/drive_c/Projects/Hunterly"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    wineboot -i
    # Without a window manager the title bars stay black unless wine draws them.
    wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null
    mkdir -p "$1" && cd "$2" && tar cf - --exclude=./build --exclude=./build-* --exclude=./dist \
        --exclude='./.*' --exclude=./docs . | tar xf - -C "$1"
    wine "$3" "$4" "$5" "C:\\Projects\\Hunterly"; status=$?
    wineserver -k
    exit $status' sh "$sample" "$source" "$build/tools/hunterly_shots.exe" \
    "$(wine_path "$work/pictures")" "$(wine_path "$build/bin/hunterly.exe")" || status=$?

# ImageMagick under its Debian name first: another "convert" may stand
# earlier on the PATH.
for convert in magick convert-im6.q16 convert; do command -v $convert >/dev/null && break; done
for picture in "$work/pictures"/*.bmp; do
    [ -e "$picture" ] || continue
    name=$(basename "$picture" .bmp)
    $convert "$picture" -strip "$out/$name.png"
    echo "$out/$name.png"
done
exit ${status:-0}
