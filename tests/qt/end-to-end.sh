#!/usr/bin/env bash
# The window program as a user meets it, on a virtual X display: type the two folders, press
# Start through its mnemonic, open the report window with Ctrl+R while the run copies a large
# file, wait for the run's end, copy the report window's first and last lines, quit through
# the menu; then check the copied tree, the report window's lines, the
# day's log file and the start counter.
# Usage: end-to-end.sh PATH-TO-orvane. Exit 77 (skipped) only where no X server can start.
set -euo pipefail

program="$1"
# Under the sanitizer build: leaks of the system's D-Bus library are not the program's.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
    ! command -v xclip >/dev/null; then
    echo "SKIPPED: Xvfb, xdotool or xclip is missing (scripts/install-deps --gui installs them)"
    exit 77
fi

scratch="$(mktemp -d /tmp/orvane-e2e-XXXXXX)"
xvfb=""
trap '[[ -z "$xvfb" ]] || kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
source "$(dirname "$0")/../../scripts/virtual-display.sh" || exit $?
# The program keeps its INI file and logs folder beside itself.
mkdir -p "$scratch/bin" "$scratch/data/Photos/sub" "$scratch/backup"
cp "$program" "$scratch/bin/orvane"
printf 'alpha' >"$scratch/data/Photos/a.txt"
printf 'bravo!' >"$scratch/data/Photos/sub/b.txt"
head -c 3000000 /dev/urandom >"$scratch/data/Photos/sub/c.bin"
# Allocated blocks cost nothing to write here, but the copy moves every byte (holes would be
# kept as holes and cost nothing): the run lasts long enough (a second here) to open the
# report window in its middle.
fallocate -l 1G "$scratch/data/Photos/big.bin"

cat >"$scratch/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
scratch="$1"
"$scratch/bin/orvane" &
pid=$!
window=""
for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name '^Orvane \[' | head -n 1 || true)"
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "the window did not appear"; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
# The source box holds the focus at start; Tab passes its Browse button to the destination.
xdotool type --delay 5 "$scratch/data/Photos"
xdotool key Tab Tab
xdotool type --delay 5 "$scratch/backup"
# A mnemonic clicks its button a tenth of a second after the key.
xdotool key alt+s
sleep 0.25
xdotool key ctrl+r
report=""
for _ in $(seq 50); do
    report="$(xdotool search --onlyvisible --name '^Log$' | head -n 1 || true)"
    [[ -n "$report" ]] && break
    sleep 0.1
done
[[ -n "$report" ]] || { echo "the report window did not appear"; exit 1; }
# A file gets its name when its copy is complete: the run was still on.
[[ ! -e "$scratch/backup/Photos/big.bin" ]] || { echo "the run was over before the report window opened"; exit 1; }
# The run is over when every file has arrived and the Start button is back; the files
# arriving is what can be seen from outside, the rest takes a moment more.
for _ in $(seq 300); do
    [[ -f "$scratch/backup/Photos/a.txt" && -f "$scratch/backup/Photos/sub/b.txt" &&
        -f "$scratch/backup/Photos/sub/c.bin" && -f "$scratch/backup/Photos/big.bin" ]] && break
    sleep 0.1
done
# The report window's current line follows the newest one; Ctrl+C copies the current line.
copyLine() {
    xdotool key "$1" ctrl+c
    sleep 0.3
    xclip -o -selection clipboard >"$scratch/report-$2.txt"
}
xdotool windowfocus "$report"
sleep 0.3
# The run's last line, the rule, comes a moment after the files: on a busy machine, longer.
rule="$(printf -- '-%.0s' $(seq 46))"
for _ in $(seq 40); do
    copyLine End last
    [[ "$(cat "$scratch/report-last.txt")" == "$rule" ]] && break
done
copyLine Up before-last
copyLine Home first
xdotool windowfocus "$window"
sleep 0.3
# Menu, then Quit: the menu opens on its first entry, and Down passes the separator.
xdotool key alt+m
sleep 0.3
xdotool key Down Return
wait "$pid"
DRIVE
chmod +x "$scratch/drive.sh"

status=0
timeout 60 "$scratch/drive.sh" "$scratch" || status=$?
if [[ $status -ne 0 ]]; then
    echo "FAILED: the program or its driver ended with status $status"
    exit 1
fi

fail() { echo "FAILED: $*"; exit 1; }
cmp -s "$scratch/data/Photos/a.txt" "$scratch/backup/Photos/a.txt" || fail "a.txt not copied"
cmp -s "$scratch/data/Photos/sub/b.txt" "$scratch/backup/Photos/sub/b.txt" || fail "b.txt not copied"
cmp -s "$scratch/data/Photos/sub/c.bin" "$scratch/backup/Photos/sub/c.bin" || fail "c.bin not copied"
[[ "$(stat -c %s "$scratch/backup/Photos/big.bin")" == 1073741824 ]] || fail "big.bin not copied"

# The report window shows the session from its start, and the run's closing lines, which came
# after it opened, at its end.
grep -q '^New session started on ' "$scratch/report-first.txt" || fail "the report window does not start with the session header"
grep -q '^Stopped copying on ' "$scratch/report-before-last.txt" || fail "the report window lacks the run's last lines"
[[ "$(cat "$scratch/report-last.txt")" == "$(printf -- '-%.0s' $(seq 46))" ]] || fail "the report window does not end with the rule"

log="$scratch/bin/logs/log_$(date +%d_%m_%Y).txt"
[[ -f "$log" ]] || fail "no log file $log"
grep -q '^New session started on ' "$log" || fail "no session header in the log"
grep -q '^Start copying on ' "$log" || fail "no run in the log"
grep -q '^Total files to copy: 4 file(s) in ' "$log" || fail "no totals line in the log"
grep -q '^Stopped copying on ' "$log" || fail "the run did not end before Quit"
[[ "$(tail -c 4 "$log" | od -An -c | tr -d ' ')" == '\r\n\r\n' ]] || fail "the log does not end with two empty lines"

printf '[Main]\r\nUSE=2\r\n' | cmp -s - "$scratch/bin/orvane.ini" || fail "the INI counter is not 2"
echo "PASSED"
