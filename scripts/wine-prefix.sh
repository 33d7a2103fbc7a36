# Sourced by the scripts that run Windows programs under Wine: a throw-away prefix of their own
# (nothing of the user's Wine setup, nothing left behind), its server started persistent and the
# prefix made before any program runs, windows made with the null display driver (no X server).
# The prefix is removed when the sourcing script exits.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/orvane-wine-XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
# Wine stores a Windows name on Linux in the locale's encoding: without a UTF-8 locale (a bare
# CI shell has none) a name outside ASCII cannot be made at all.
export LC_ALL=C.UTF-8
stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT

# Otherwise the first program starts them, and whoever waits for it waits on the helper
# processes Wine leaves running. The display driver is chosen when the prefix's desktop starts:
# the server starts again once the driver is set.
wineserver -p >/dev/null 2>&1
wine wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1
wine wineboot >/dev/null 2>&1
