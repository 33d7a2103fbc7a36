#!/usr/bin/env bash
# `cmake --install` into a scratch prefix puts every file in its place, and the installed
# orvane-cli runs in the installed layout: nothing beside itself, its INI file and log in
# the XDG folders below $HOME. The desktop entry and the manual pages pass their checkers.
# Usage: install-tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [[ -f "$prefix/$1" ]] || fail "not installed: $1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null
touch "$scratch/installed"
expect_file bin/orvane-cli
expect_file share/orvane/installed-layout
expect_file share/man/man1/orvane-cli.1.gz
if [[ -f "$source/data/orvane_history.txt" ]]; then
    expect_file share/orvane/orvane_history.txt
fi
if [[ -f "$build/src/orvane" ]]; then
    expect_file bin/orvane
    expect_file share/man/man1/orvane.1.gz
    expect_file share/applications/orvane.desktop
    expect_file share/icons/hicolor/scalable/apps/orvane.svg
    for size in 16 24 32 48 64 128 256; do
        expect_file "share/icons/hicolor/${size}x${size}/apps/orvane.png"
    done
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$source/packaging/orvane.desktop" || fail "desktop entry not valid"
else
    echo "note: desktop-file-validate is missing; the desktop entry was not checked"
fi
if command -v man >/dev/null; then
    for page in "$prefix"/share/man/man1/*.1.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$page" 2>&1 >/dev/null || true)
        [[ -z "$warnings" ]] || fail "$(basename "$page"): $warnings"
    done
else
    echo "note: man is missing; the manual pages were not checked"
fi

mkdir -p "$scratch/data/sub" "$scratch/backup" "$scratch/home"
printf 'hello' >"$scratch/data/a.txt"
printf 'world' >"$scratch/data/sub/b.txt"
run() { env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$scratch/home" "$prefix/bin/orvane-cli" "$@"; }
run "$scratch/data" "$scratch/backup" >/dev/null 2>"$scratch/err.txt" || fail "run: $(cat "$scratch/err.txt")"
diff -r "$scratch/data" "$scratch/backup/data" || fail "the copy differs"
grep -q '^USE=2' "$scratch/home/.config/orvane/orvane-cli.ini" || fail "no start counter"
logs=$scratch/home/.local/state/orvane/logs
grep -q '^New session started on ' "$logs/log_$(date +%d_%m_%Y).txt" || fail "no log file"
run --help | grep -qxF "  $logs" || fail "--help does not name $logs"
written=$(find "$prefix" -newer "$scratch/installed")
[[ -z "$written" ]] || fail "written into the prefix: $written"

if [[ $failures -ne 0 ]]; then
    exit 1
fi
echo "the install tree and its orvane-cli are right"
