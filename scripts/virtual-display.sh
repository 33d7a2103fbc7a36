# Sourced by the scripts that need an X display of their own (the end-to-end tests of the
# window programs): starts Xvfb with the screen "$virtual_screen" (1280x800x24 when unset),
# its log and display number in the folder $scratch, and sets DISPLAY and $xvfb (its process,
# which the sourcing script stops). The sourcing fails with 77 where no X server can start.
# xvfb-run -a picks its display by the lock files it sees, so a server still going away, or
# another one starting, can leave it on a display nobody serves; the server itself finds a free
# one and writes its number once clients can connect.
Xvfb -displayfd 3 -screen 0 "${virtual_screen:-1280x800x24}" -nolisten tcp \
    3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [[ -s "$scratch/display" ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if ! read -r display <"$scratch/display" || [[ -z "$display" ]]; then
    echo "SKIPPED: no X server can be started here"
    cat "$scratch/xvfb.log"
    return 77
fi
export DISPLAY=":$display"
