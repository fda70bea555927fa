#!/bin/sh
# Checks the compiled help: a compiled help file's header; every file of the
# project, the contents and the index stored in it with the bytes of its
# source; every topic listed in the project and in the contents; and every
# link of every page, the contents and the index leading to a stored file
# (and, with a #name, to a place in it).
chm="$1"; src="$2"; chmls="$3"
status=0
fail() { echo "$*"; status=1; }

[ -s "$chm" ] || { echo "no help file at $chm"; exit 1; }
magic=$(head -c 8 "$chm" | od -An -tx1 | tr -d ' \n')
[ "$magic" = "4954534603000000" ] || fail "not a compiled help file (header $magic)"

work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
"$chmls" -n -p list "$chm" | sed -n 's|^/\([^#$].*[^/]\)$|\1|p' > "$work/stored"

hhp="$src/Hunterly.hhp"
option() { sed -n "s/^$1=//p" "$hhp" | tr -d '\r'; }
listed=$(sed -n '/^\[FILES\]/,/^\[/p' "$hhp" | tr -d '\r' | grep -v '^\[' | grep -v '^$')
contents=$(option "Contents file"); index=$(option "Index file")
for f in $listed "$contents" "$index"; do
    if ! grep -qxF "$f" "$work/stored"; then
        fail "$f is not stored in the help file"
    elif ! "$chmls" -p extract "$chm" "/$f" "$work/out" >/dev/null 2>&1 || ! cmp -s "$work/out" "$src/$f"; then
        fail "$f is stored with other bytes than its source"
    fi
done
for f in "$src"/*.html; do
    name=$(basename "$f")
    echo "$listed" | grep -qxF "$name" || fail "$name is missing from the project's file list"
    grep -q "value=\"$name\"" "$src/$contents" || fail "$name is missing from the contents"
done
default=$(option "Default topic")
grep -qxF "$default" "$work/stored" || fail "default topic $default is not stored"

# Links: href and src attributes of the pages, Local values of contents and
# index. Links to other places (http:, mailto:) are not the help's own.
for f in $listed "$contents" "$index"; do
    case "$f" in *.html|*.hhc|*.hhk) ;; *) continue ;; esac
    { grep -o -i '\(href\|src\)="[^"]*"' "$src/$f" | sed 's/^[^"]*"//; s/"$//'
      grep -o -i 'name="Local" value="[^"]*"' "$src/$f" | sed 's/.*value="//; s/"$//'
    } > "$work/links"
    while IFS= read -r link; do
        case "$link" in *:*) continue ;; esac
        target=${link%%#*}; anchor=
        [ "$target" = "$link" ] || anchor=${link#*#}
        [ -n "$target" ] || target="$f"
        if ! grep -qxF "$target" "$work/stored"; then
            fail "$f links to $link, which is not in the help"
        elif [ -n "$anchor" ] && ! grep -q "\(id\|name\)=\"$anchor\"" "$src/$target"; then
            fail "$f links to $link, which has no such place"
        fi
    done < "$work/links"
done

[ $status -eq 0 ] && echo "$(wc -l < "$work/stored") files stored, all links resolve"
exit $status
