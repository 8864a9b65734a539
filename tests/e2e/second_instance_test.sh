#!/usr/bin/env bash
# A second start while the exam window runs: it ends with 0 at once, starts no servers of its own, and the
# minimised first window comes back to the front.
source "$(dirname "$0")/lib.sh" "$1"
start_x
make_install
start_exam "GET /exam/height/700"
window=$(host_window)
servers=$(server_pids)
xdotool windowminimize --sync "$window"
has_host_window && fail "the window was not minimised"

second=0
timeout 10 "$INSTALL/examhost" >"$E2E_WORK/second.log" 2>&1 || second=$?
[ "$second" = 0 ] || fail "the second start ended with $second: $(cat "$E2E_WORK/second.log")"
wait_for 5 has_host_window || fail "the first window was not restored"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
wait_for 5 active || fail "the first window is not the active one"
[ "$(server_pids)" = "$servers" ] || fail "the second start touched the servers"
host_ended && fail "the first instance ended"
echo "PASS"
