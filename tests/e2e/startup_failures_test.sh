#!/usr/bin/env bash
# Start-up failures: without a display a message on stderr; with a missing configuration, a missing server
# folder or no free port the message box, then exit code -1 (255) with no server left running.
source "$(dirname "$0")/lib.sh" "$1"
make_install

code=0
env -u DISPLAY -u WAYLAND_DISPLAY "$INSTALL/examhost" 2>"$E2E_WORK/stderr" || code=$?
[ "$code" = 255 ] || fail "exit code $code without a display"
grep -q "display" "$E2E_WORK/stderr" || fail "no message on stderr: $(cat "$E2E_WORK/stderr")"

start_x
message_box() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n 1; }
# Starts the host, waits for its message box, screenshots it, answers OK and checks the end.
expect_failure() {
  local name=$1
  start_host
  wait_for 30 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^$TITLE\$' 2>/dev/null)\" ]" ||
    fail "$name: no message box"
  sleep 0.5
  screenshot "$E2E_WORK/$name.png"
  xdotool windowactivate --sync "$(message_box)" key Return
  local code
  code=$(host_exit_code 10)
  [ "$code" = 255 ] || fail "$name: exit code $code"
  [ -z "$(server_pids)" ] || fail "$name: servers left running"
  nothing_left() { [ -z "$(program_pids)" ]; }
  wait_for 5 nothing_left || fail "$name: processes left running: $(program_pids)"
}

conf=$INSTALL/conf/global.ini
mv "$conf" "$conf.saved"
expect_failure config-missing

cp "$conf.saved" "$conf"
sed -i 's/^max_port=10200$/max_port=9000/' "$conf"
expect_failure ports-busy

cp "$conf.saved" "$conf"
mv "$INSTALL/server/nginx/conf" "$INSTALL/server/nginx/conf.away"
expect_failure server-folder-missing
echo "PASS"
