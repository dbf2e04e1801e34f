#!/usr/bin/env bash
# Installs the build into a fresh prefix (straight, and staged through DESTDIR as packages do)
# and checks what lands there: the program with its sound and help folders and the config.ini
# example beside it, the link in bin, the command-line tool, a valid menu entry, the icon and
# the document file type.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

check_tree() {
    local root=$1 prefix=$2
    local program
    program=$(readlink -f "$root$prefix/bin/quindor") || fail "no bin/quindor"
    [ "$program" = "$(readlink -f "$root$prefix/lib/quindor/quindor")" ] ||
        fail "bin/quindor leads to $program"
    # The program takes its folders from its own file's folder, links resolved.
    local folder
    folder=$(dirname "$program")
    for file in sound/richtig1.wav sound/falsch1.wav hilfe/index.html config.ini.beispiel; do
        [ -f "$folder/$file" ] || fail "missing $file beside the program"
    done
    # Every page and picture the help pages point to is there.
    local target
    for target in $(grep -oh 'src="[^"]*"\|href="[^":#]*"' "$folder"/hilfe/*.html | cut -d'"' -f2 |
        sort -u); do
        [ -f "$folder/hilfe/$target" ] || fail "the help pages point to missing $target"
    done
    [ -x "$root$prefix/bin/quindor-doc" ] || fail "no bin/quindor-doc"
    "$root$prefix/bin/quindor-doc" --help | grep -q "quindor-doc info" ||
        fail "quindor-doc does not run"

    local entry=$root$prefix/share/applications/quindor.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate"
    grep -qx "Exec=$prefix/bin/quindor %f" "$entry" || fail "Exec line: $(grep Exec= "$entry")"
    grep -qx "Name=Quindor" "$entry" || fail "Name"
    grep -q "^Comment=.*Lerndokumente" "$entry" || fail "German comment"
    grep -qx "Categories=Education;" "$entry" || fail "Categories"
    grep -qx "MimeType=application/x-quindor-document;" "$entry" || fail "MimeType"

    local icon=$root$prefix/share/icons/hicolor/scalable/apps/quindor.svg
    grep -q "<svg" "$icon" || fail "icon"
    local types=$root$prefix/share/mime/packages/quindor.xml
    grep -q "<comment>Quindor-Dokument</comment>" "$types" || fail "type comment"
    # The shared-mime-info compiler accepts the package and maps both extensions to the type.
    local mime=$work/mime-check
    rm -rf "$mime" && mkdir -p "$mime/packages" && cp "$types" "$mime/packages/"
    update-mime-database "$mime" > "$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
    grep -q "application/x-quindor-document:\*\.qdr" "$mime/globs2" || fail "*.qdr"
    grep -q "application/x-quindor-document:\*\.zwk" "$mime/globs2" || fail "*.zwk"
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; }
check_tree "" "$prefix"

# Staged: everything below DESTDIR, but named by the final prefix.
DESTDIR=$work/stage cmake --install "$build" --prefix /opt/quindor > "$work/stage.log" 2>&1 ||
    { cat "$work/stage.log"; fail "cmake --install with DESTDIR"; }
[ "$(readlink "$work/stage/opt/quindor/bin/quindor")" = "../lib/quindor/quindor" ] ||
    fail "staged link"
check_tree "$work/stage" /opt/quindor
echo "install ok"
