#!/usr/bin/env bash
# The update prompt: with a newer package on the sample site's update check, the update thread's report
# reaches the exam window as message 135 captioned "升级到新版本". No keeps the window; at the next start
# Yes ends the program normally (here without an updater program to start), stopping its servers.
source "$(dirname "$0")/lib.sh" "$1"
start_x
make_install
rm -f "$INSTALL/update"  # Yes must end the program even when the updater cannot start
sed -i 's|^\[download\]$|[download]\nurl=|' "$INSTALL/conf/global.ini"
# The web port is fixed on a free one before each start. The update check is a static answer on it: the
# update thread may ask before php-cgi accepts requests, and a failed check would offer nothing.
use_free_port() {
  local port
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  sed -i "s|^port=.*|port=$port|; s|^max_port=.*|max_port=$((port + 200))|" "$INSTALL/conf/global.ini"
  sed -i "s|^url=.*|url=http://127.0.0.1:$port/packages/check.txt|" "$INSTALL/conf/global.ini"
  printf '9.9.9|http://127.0.0.1:%s/packages/9.9.9.zip\r\n' "$port" > "$INSTALL/server/nginx/html/packages/check.txt"
}
(cd "$E2E_WORK" && mkdir -p package && echo new > package/readme.txt && cd package && zip -q ../9.9.9.zip readme.txt)
cp "$E2E_WORK/9.9.9.zip" "$INSTALL/server/nginx/html/packages/"

prompt() { xdotool search --onlyvisible --name '^升级到新版本$' 2>/dev/null | head -n 1; }
has_prompt() { [ -n "$(prompt)" ]; }
# Answers with a key once the prompt has the focus (the exam window may take it while it comes up).
answer_prompt() {
  wait_for 30 has_prompt || fail "no update prompt: $(requests | tr '\n' ' ')"
  for try in 1 2 3; do
    sleep 0.5
    has_prompt || return 0
    xdotool windowactivate --sync "$(prompt)" key "$1" 2>/dev/null || true
  done
}

use_free_port
start_exam "GET /exam/height/700"
answer_prompt Escape
sleep 1
has_prompt && fail "the prompt stayed after No"
host_ended && fail "the program ended after No"
has_host_window || fail "the window went after No"
# End this run (SIGTERM ends the program as a confirmed close does); the next start offers again.
kill -TERM $(pids_in "$INSTALL/examhost")
[ "$(host_exit_code 10)" = 0 ] || fail "the program did not end on SIGTERM"

use_free_port
start_exam "GET /exam/height/700"
answer_prompt Return
code=$(host_exit_code 10)
[ "$code" = 0 ] || fail "exit code $code after Yes"
[ -z "$(server_pids)" ] || fail "servers left running after Yes"
echo "PASS"
