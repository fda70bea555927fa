#!/bin/sh
# small-disk.sh mount|unmount FOLDER
# A folder on a disk of its own, 512 KiB, that tests fill to see writes
# fail midway. Mounting needs the right to; without it the folder stays on
# the build's disk and the tests that need a full disk skip themselves.
folder="$2"
size=512k
case "$1" in
mount)
    mkdir -p "$folder" || exit 1
    mountpoint -q "$folder" && exit 0
    mount -t tmpfs -o size=$size tmpfs "$folder" 2>/dev/null ||
        sudo -n mount -t tmpfs -o size=$size tmpfs "$folder" 2>/dev/null ||
        echo "no small disk could be mounted: the full-disk tests are skipped"
    ;;
unmount)
    if mountpoint -q "$folder"; then
        umount -l "$folder" 2>/dev/null || sudo -n umount -l "$folder" 2>/dev/null
    fi
    rm -rf "$folder"
    ;;
*)
    echo "usage: $0 mount|unmount FOLDER" >&2
    exit 2
    ;;
esac
exit 0
