#!/usr/bin/env bash
# What reaches the page: F5 never (the page is not reloaded), Backspace and Enter do, right-button presses
# only while [hook] rbt is 608274513 (read on every press), releases and the left button always. The test
# page reports every event it receives as a request /events/<event>/<detail>.
source "$(dirname "$0")/lib.sh" "$1"
start_x
make_install
# The start URL is <base URL><index>/height/700; the "?" makes the rest a query of the static test page.
sed -i 's|^index=exam$|index=test/events.html?|' "$INSTALL/conf/global.ini"
start_exam "GET /test/events.html?/height/700"
focus_host
events() { requests | grep '^GET /events/' | sed 's|^GET /events/||'; }
count() { events | grep -cxF "$1" || true; }

xdotool key F5 BackSpace Return
xdotool mousemove 500 400 click 3 click 1
wait_for 5 requested "GET /events/mouseup/0" ||
  fail "the page saw no left click: $(events | tr '\n' ' ')"
sleep 0.5
[ "$(count keydown/F5)$(count keyup/F5)" = "00" ] || fail "F5 reached the page"
[ "$(requests | grep -c '^GET /test/events.html')" = 1 ] || fail "the page was loaded again"
[ "$(count keydown/Backspace)" = 1 ] && [ "$(count keydown/Enter)" = 1 ] || fail "Backspace or Enter kept from the page"
[ "$(count mousedown/2)$(count contextmenu/2)" = "00" ] || fail "a right-button press reached the page"
[ "$(count mouseup/2)" = 1 ] || fail "the right-button release was kept from the page"
[ "$(count mousedown/0)" = 1 ] || fail "the left button was kept from the page"

# Unlocked while the window runs: the next press passes.
configure "[hook]" "rbt=608274513"
xdotool click 3
wait_for 5 requested "GET /events/mousedown/2" ||
  fail "an unlocked right-button press did not reach the page"
xdotool key Escape
echo "PASS"
