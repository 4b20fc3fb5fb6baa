#!/usr/bin/env bash
# Installs the build into an empty prefix and checks that the result is a whole desktop program:
# both executables, a valid menu entry that starts the installed program, and its icon.
# Usage: install_test.sh CMAKE BUILD_DIR PREFIX
set -euo pipefail
cmake=$1 build_dir=$2 prefix=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$prefix"
"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null

for program in detector-lab detector-measure; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done

entry="$prefix/share/applications/detector-lab.desktop"
[ -f "$entry" ] || fail "no menu entry in share/applications"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "Исследование обнаружителя сигналов" ] || fail "Name is '$(value Name)'"
[ "$(value Terminal)" = false ] || fail "Terminal is '$(value Terminal)'"
for category in Education Science; do
    case ";$(value Categories);" in
    *";$category;"*) ;;
    *) fail "Categories '$(value Categories)' lack $category" ;;
    esac
done
# A menu starts the Exec command from PATH and finds the Icon by name in the icon theme.
[ -x "$prefix/bin/$(value Exec)" ] || fail "Exec '$(value Exec)' is not an installed program"
icon="$prefix/share/icons/hicolor/32x32/apps/$(value Icon).png"
[ -f "$icon" ] || fail "no icon $(value Icon).png in hicolor/32x32/apps"
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32" ] || fail "the icon is not a 32x32 PNG"

# The installed program runs on its own, without the build tree.
"$prefix/bin/detector-measure" --seed 0 variance >/dev/null || fail "installed detector-measure fails"
echo "installed into $prefix"
