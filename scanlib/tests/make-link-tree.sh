#!/bin/sh
# A tree whose links to folders lead back up it, as real trees have
# (/usr/bin/X11 -> .). Wine lists such links as folders with the
# reparse-point bit.
set -e
root="$1"
rm -rf "$root"
mkdir -p "$root/tree/sub"
echo data > "$root/tree/file.txt"
echo data > "$root/tree/sub/inner.txt"
ln -s . "$root/tree/self"
ln -s .. "$root/tree/sub/up"
ln -s "$root/tree" "$root/tree/sub/again"
