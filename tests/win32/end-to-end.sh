#!/usr/bin/env bash
# orvane.exe as a user meets it, under Wine on a virtual X display, in a Wine desktop of its
# own: type the two folders, start the run and pause it by their mnemonics, open the report
# window with Ctrl+R, click Unpause, click Options once the run is over, and quit through the
# menu. The screen is probed by colour at a few points, in the colours of the prefix's scheme:
# the window in the middle of the desktop, the copy-status panel and its bars over the folder
# boxes, the report window's list, the widened window's copy list, the desktop once the window
# has gone. Then the copied tree, the day's log file (CR LF lines) and the start counter are
# checked.
# Usage: end-to-end.sh PATH-TO-orvane.exe. Exit 77 (skipped) where Xvfb, xdotool or Wine is missing.
set -euo pipefail

program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
screen="$here/../../scripts/x-screen"
source "$here/../../scripts/wine-desktop.sh" || exit $?
desktop="$(scheme_colour Background)" window="$(scheme_colour Window)"
shadow="$(scheme_colour ButtonShadow)"
[[ -n "$desktop" && -n "$window" && -n "$shadow" ]] || { echo "FAILED: no colour scheme in the prefix"; exit 1; }

# The program keeps its INI file and logs folder beside itself; Z: is Wine's drive for "/".
mkdir -p "$scratch/bin" "$scratch/data/Photos/sub" "$scratch/backup"
cp "$program" "$scratch/bin/orvane.exe"
printf 'alpha' >"$scratch/data/Photos/a.txt"
printf 'bravo!' >"$scratch/data/Photos/sub/b.txt"
head -c 3000000 /dev/urandom >"$scratch/data/Photos/sub/c.bin"
fallocate -l 1G "$scratch/data/Photos/big.bin"
windows() { printf 'Z:%s' "${1//\//\\}"; }

# ORVANE_E2E_SCREEN=FILE.png keeps what the screen showed at a failure.
fail() {
    [[ -z "${ORVANE_E2E_SCREEN:-}" ]] || "$screen" png 0 0 1024 768 "$ORVANE_E2E_SCREEN" || true
    echo "FAILED: $*"
    exit 1
}
pixel() { "$screen" pixel "$1" "$2"; }
# Waits until the pixel shows the colour (or, with !, any other), five seconds at most.
expect_pixel() {
    local x="$1" y="$2" want="$3" what="$4"
    for _ in $(seq 50); do
        local seen
        seen="$(pixel "$x" "$y")"
        if [[ "$want" == !* ]]; then [[ "$seen" != "${want#!}" ]] && return 0
        elif [[ "$seen" == "$want" ]]; then return 0
        fi
        sleep 0.1
    done
    fail "$what: ($x, $y) shows $seen"
}

start_in_desktop "$scratch/bin/orvane.exe"
# The window is 430 × 253 pixels at 96 dots per inch, in the middle of the desktop. Its area
# starts 3 pixels in and 41 down (Wine's border, caption and menu bar).
left=297 top=257 inner_left=300 inner_top=298
for _ in $(seq 200); do
    [[ "$(pixel $((left + 200)) $((top + 100)))" != "$desktop" ]] && break
    sleep 0.1
done
expect_pixel $((left + 200)) $((top + 100)) "!$desktop" "the window in the middle of the desktop"
expect_pixel $((left + 440)) $((top + 100)) "$desktop" "nothing beyond the window's 430 pixels"
desktop_window="$(xdotool search --name 'Wine desktop' | head -n 1)"
xdotool windowfocus "$desktop_window"
sleep 0.5
# The caret starts in the source box; Tab passes its Browse button to the destination box.
xdotool type --delay 5 "$(windows "$scratch/data/Photos")"
xdotool key Tab Tab
xdotool type --delay 5 "$(windows "$scratch/backup")"
# The source box (120 + 120 and 60 + 360 twips inside the window) shows the window's colour.
expect_pixel $((inner_left + 20)) $((inner_top + 32)) "$window" "the source box"
# Start Copy and Pause by their mnemonics, at once: the run handles the second key at one of
# its first yields, before the large file is complete, and sleeps until Unpause.
xdotool key alt+s alt+p
# The copy-status panel covers the folder boxes: where the source box was, the total bar
# (16, 24 inside the window) stands; the file bar below it is drawn with its sunken border, a
# line of the button shadow's colour on the left.
expect_pixel $((inner_left + 20)) $((inner_top + 32)) "!$window" "the total bar over the source box"
expect_pixel $((inner_left + 16)) $((inner_top + 57)) "$shadow" "the file bar's border"
xdotool key ctrl+r
# The report window opens at the desktop's top left corner, its list in the window's colour.
expect_pixel 240 200 "$window" "the report window's list"
[[ ! -e "$scratch/backup/Photos/big.bin" ]] || fail "the run was not paused"
# A click on Un&pause (3360 + 120 and 2400 + 60 twips inside the window) goes on with the run.
# A pause that fell in the large file gave that file up; so a second run, started when the
# first is over and the folder boxes are back, copies what is missing.
xdotool mousemove $((inner_left + 272)) $((inner_top + 174)) click 1
expect_pixel $((inner_left + 20)) $((inner_top + 32)) "$window" "the source box after the run"
xdotool key alt+s
for _ in $(seq 600); do
    [[ -f "$scratch/backup/Photos/big.bin" && -f "$scratch/backup/Photos/sub/c.bin" ]] && break
    sleep 0.1
done
# The run is over when the folder boxes are back; then a click widens the window: Options
# (4680, 2040, 1575 × 420 twips) shows the copy list (from 6360 twips) in the window's colour.
expect_pixel $((inner_left + 20)) $((inner_top + 32)) "$window" "the source box after the run"
xdotool mousemove $((inner_left + 364)) $((inner_top + 150)) click 1
expect_pixel $((left + 600)) $((top + 100)) "$window" "the copy list of the widened window"
# Menu, then Quit: the menu opens on its first entry, and Down passes the separator.
xdotool key alt+m
sleep 0.3
xdotool key Down Return
expect_pixel $((left + 200)) $((top + 100)) "$desktop" "the desktop where the window was"
for _ in $(seq 100); do
    [[ -f "$scratch/bin/orvane.ini" ]] && ! pgrep -f 'orvane\.exe' >/dev/null && break
    sleep 0.1
done
wait "$desktop_pid" || true

cmp -s "$scratch/data/Photos/a.txt" "$scratch/backup/Photos/a.txt" || fail "a.txt not copied"
cmp -s "$scratch/data/Photos/sub/b.txt" "$scratch/backup/Photos/sub/b.txt" || fail "b.txt not copied"
cmp -s "$scratch/data/Photos/sub/c.bin" "$scratch/backup/Photos/sub/c.bin" || fail "c.bin not copied"
[[ "$(stat -c %s "$scratch/backup/Photos/big.bin")" == 1073741824 ]] || fail "big.bin not copied"
log="$(ls "$scratch/bin/logs/"log_*.txt 2>/dev/null | head -n 1)"
[[ -n "$log" ]] || fail "no log file beside the program"
grep -q $'^New session started on .*\r$' "$log" || fail "no session header in the log"
[[ "$(grep -c $'^Total files to copy: 4 file(s) in .*\r$' "$log")" == 2 ]] || fail "not two runs' totals lines in the log"
[[ "$(grep -c $'^Stopped copying on .*\r$' "$log")" == 2 ]] || fail "the second run did not end before Quit"
[[ "$(tail -c 4 "$log" | od -An -c | tr -d ' ')" == '\r\n\r\n' ]] || fail "the log does not end with two empty lines"
printf '[Main]\r\nUSE=2\r\n' | cmp -s - "$scratch/bin/orvane.ini" || fail "the INI counter is not 2"
echo "PASSED"
