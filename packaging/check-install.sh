#!/usr/bin/env bash
# Installs the build into scratch DESTDIRs, once as a hand install (cmake --install) and once
# with the package's components, and checks what lands there: the exact file list, the launcher,
# the menu entry and metainfo, and one start of the installed program.
#   check-install.sh BUILD_DIR PROGRAM
set -euo pipefail
build=$1
program=$2
id=de.korvan_software.Ampero
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The help file is built by a target of its own; it is installed when the build has it.
program_files=(opt/Korvan_Software/Ampero/ampero)
if [ -e "$(dirname "$program")/AMPV36_Help.chm" ]; then
    program_files+=(opt/Korvan_Software/Ampero/AMPV36_Help.chm)
fi

# check_tree ROOT DESKTOP_ROOT: DESKTOP_ROOT is usr/local or usr
check_tree() {
    local root=$1 desk=$2
    local expected=("${program_files[@]}"
        "$desk/bin/ampero"
        "$desk/share/applications/$id.desktop"
        "$desk/share/icons/hicolor/16x16/apps/$id.svg"
        "$desk/share/icons/hicolor/scalable/apps/$id.svg"
        "$desk/share/metainfo/$id.metainfo.xml")
    local want got
    want=$(printf '%s\n' "${expected[@]}" | sort)
    got=$(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort)
    if [ "$want" != "$got" ]; then
        fail "$root: files differ"
        diff <(echo "$want") <(echo "$got") >&2 || true
    fi

    # The launcher is a relative link that reaches the program inside the DESTDIR too.
    local link="$root/$desk/bin/ampero"
    if [ ! -L "$link" ] || [ "$(readlink -f "$link")" != "$(readlink -f "$root/${program_files[0]}")" ]; then
        fail "$link does not lead to the installed program"
    fi
    [ -x "$root/${program_files[0]}" ] || fail "the installed program is not executable"

    local out
    out=$(desktop-file-validate "$root/$desk/share/applications/$id.desktop" 2>&1) ||
        fail "desktop-file-validate: $out"
    out=$(appstreamcli validate --no-net "$root/$desk/share/metainfo/$id.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $out"
}

DESTDIR="$scratch/local" cmake --install "$build" --prefix /opt >/dev/null
check_tree "$scratch/local" usr/local

for component in Program Debian; do
    DESTDIR="$scratch/deb" cmake --install "$build" --prefix /opt --component "$component" >/dev/null
done
check_tree "$scratch/deb" usr

# One start of the installed program: it must come up and keep running.
installed="$scratch/local/${program_files[0]}"
if ldd "$installed" | grep -q 'not found'; then
    fail "libraries missing: $(ldd "$installed" | grep 'not found' | tr -s ' \t' ' ')"
fi
env QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 "$installed" >"$scratch/run.log" 2>&1 &
pid=$!
running=1
for _ in $(seq 20); do
    sleep 0.1
    kill -0 "$pid" 2>/dev/null || { running=0; break; }
done
if [ $running -eq 1 ]; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    wait "$pid" && code=0 || code=$?
    fail "the installed program ended at once (exit $code)"
fi
# Qt's note on a missing runtime folder is no fault of the installation.
if grep -v '^QStandardPaths: XDG_RUNTIME_DIR' "$scratch/run.log" >"$scratch/complaints"; then
    fail "the installed program reported:"
    cat "$scratch/complaints" >&2
fi

if [ $failures -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "install check: both layouts complete and valid, the installed program starts"
