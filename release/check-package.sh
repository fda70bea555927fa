#!/bin/sh
# Makes the release zip into a scratch folder and checks that it holds
# exactly the given files, each at the top and with the bytes of the build.
cmake="$1"; script="$2"; bin="$3"; shift 3
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
files=$(echo "$@" | tr ' ' ';')
"$cmake" -DBIN="$bin" -DZIP="$work/test.zip" "-DFILES=$files" -P "$script" || exit 1

status=0
"$cmake" -E tar tf "$work/test.zip" | sort > "$work/listed"
printf '%s\n' "$@" | sort > "$work/expected"
if ! cmp -s "$work/listed" "$work/expected"; then
    echo "the zip holds other files than expected:"; diff "$work/expected" "$work/listed"; status=1
fi
mkdir "$work/out"
(cd "$work/out" && "$cmake" -E tar xf "$work/test.zip") || status=1
for f in "$@"; do
    cmp -s "$bin/$f" "$work/out/$f" || { echo "$f differs from the build"; status=1; }
done
[ $status -eq 0 ] && echo "the zip holds exactly: $*"
exit $status
