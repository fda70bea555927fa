#!/bin/sh
# Installs from the release zip into a fresh wine prefix, as a user would:
# unpack the zip, run setup.exe through its dialogs, and see the installed
# hunterly.exe start. Needs a display (make test runs under xvfb-run).
# check-install.sh <cmake> <package.cmake> <bin> <install driver> <files...>
cmake="$1"; script="$2"; bin="$3"; driver="$4"; shift 4
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
finish() { wineserver -k 2>/dev/null; rm -rf "$work"; }
trap finish EXIT

files=$(echo "$@" | tr ' ' ';')
"$cmake" -DBIN="$bin" -DZIP="$work/release.zip" "-DFILES=$files" -P "$script" || exit 1
mkdir "$work/unpacked"
(cd "$work/unpacked" && "$cmake" -E tar xf "$work/release.zip") || exit 1
wineboot -i || exit 1
wine "$driver" "Z:$(echo "$work/unpacked" | tr / '\\')" "C:\\Program Files\\Hunterly" || exit 1

# Everything in the zip but the installer and the agreement is installed.
status=0
for f in "$@"; do
    case "$f" in setup.exe|eula.txt) continue ;; esac
    [ -f "$WINEPREFIX/drive_c/Program Files/Hunterly/$f" ] || { echo "$f was not installed"; status=1; }
done
exit $status
