#!/usr/bin/env bash
# The exam window on the sample site: the start page's URL, the fixed window, the watchdog bringing back a
# killed php-cgi, and closing (No keeps the window, Yes logs out, ends the program and its servers).
source "$(dirname "$0")/lib.sh" "$1"
start_x
make_install
start_exam "GET /exam/height/700"

window=$(host_window)
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -ge 0 ] && [ "$X" -le 10 ] && [ "$Y" -ge 0 ] && [ "$Y" -le 40 ] || fail "window not at the top-left: $X,$Y"
[ "$WIDTH" -le 1000 ] && [ "$WIDTH" -ge 980 ] && [ "$HEIGHT" -le 700 ] && [ "$HEIGHT" -ge 650 ] ||
  fail "client area $WIDTH x $HEIGHT does not fit a 1000 x 700 window"
screenshot "$E2E_WORK/window.png"

# The watchdog relaunches a killed php-cgi within about a second.
old=$(php_pids)
[ -n "$old" ] || fail "no php-cgi of the sample site"
kill -9 $old
php_back() { local now; now=$(php_pids); [ -n "$now" ] && [ "$now" != "$old" ]; }
wait_for 3 php_back || fail "php-cgi was not relaunched"

# Close, answer No: the window stays. Close, answer Yes: logout, exit 0, no server left.
focus_host
xdotool key alt+F4
sleep 1
xdotool key Escape
sleep 1
! host_ended || fail "the window closed on No"
requested "GET /logout.php" && fail "logged out on No"
focus_host
xdotool key alt+F4
sleep 1
xdotool key Return
code=$(host_exit_code 10)
[ "$code" = 0 ] || fail "exit code $code after closing"
requested "GET /logout.php" || fail "no logout request"
[ -z "$(server_pids)" ] || fail "servers left running: $(server_pids)"
nothing_left() { [ -z "$(program_pids)" ]; }
wait_for 5 nothing_left || fail "processes left running: $(program_pids)"
echo "PASS"
