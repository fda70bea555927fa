#!/bin/sh
# Fails when a built program or library imports anything but Windows system
# libraries and the system's own four libraries (the runtime must be static).
objdump="$1"; bindir="$2"
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll shlwapi.dll uxtheme.dll msvcrt.dll version.dll baselib.dll scanlib.dll ctlkit.dll reglib.dll "
status=0; count=0
for f in "$bindir"/*.dll "$bindir"/*.exe; do
    [ -e "$f" ] || continue
    count=$((count + 1))
    for dll in $("$objdump" -p "$f" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        case "$allowed" in
            *" $dll "*) ;;
            *) echo "$(basename "$f") imports $dll"; status=1 ;;
        esac
    done
done
if [ "$count" -eq 0 ]; then echo "nothing built in $bindir"; exit 1; fi
# Every deliverable that the build makes must be among them.
for need in baselib.dll reglib.dll ctlkit.dll scanlib.dll hunterly.exe setup.exe Uninstall.exe; do
    [ -e "$bindir/$need" ] || { echo "$need was not built"; status=1; }
done
[ $status -eq 0 ] && echo "$count files import only system libraries"
exit $status
