# Sourced by the scripts that show a Windows program as a user sees it (the end-to-end test of
# orvane.exe, the README's pictures): a virtual X display of 1024 × 768 pixels and a throw-away
# Wine prefix with Wine's X11 driver and fonts-wine's fonts (Debian's Wine ships none), in the
# scratch folder $scratch; all of it goes when the sourcing script exits. Then
#   start_in_desktop PROGRAM [ARGUMENTS]  starts the program in a Wine desktop filling the
#                                         display ($desktop_pid is its process)
#   scheme_colour NAME                    the prefix's colour of that scheme entry, "R G B"
# Where Xvfb, xdotool or Wine is missing, or no X server starts, the sourcing fails with 77.
for tool in Xvfb xdotool wine wineserver python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/install-deps --windows installs it)"
        return 77
    fi
done

scratch="$(mktemp -d "${TMPDIR:-/tmp}/orvane-wine-desktop-XXXXXX")"
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEARCH=win64 LC_ALL=C.UTF-8
xvfb=""
stop_wine_desktop() {
    wineserver -k >/dev/null 2>&1 || true
    [[ -z "$xvfb" ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop_wine_desktop EXIT

virtual_screen=1024x768x24
source "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh" || return $?

mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
wine wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
# The server writes the registry out when it ends; it starts again with the program.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true

scheme_colour() {
    sed -n "s/^\"$1\"=\"\\(.*\\)\"\$/\\1/p" "$WINEPREFIX/user.reg" | head -n 1
}

start_in_desktop() {
    wine explorer /desktop=orvane,1024x768 "$@" &
    desktop_pid=$!
}
