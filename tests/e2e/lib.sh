# Shared by the end-to-end tests: each test runs the host from its own install tree on its own X server
# (Xvfb with the openbox window manager) and leaves no process behind, whatever happens.
#   source lib.sh <build dir>
set -euo pipefail
E2E_BUILD=$(cd "$1" && pwd)
E2E_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_WORK=$(mktemp -d /tmp/examhost-e2e.XXXXXX)
INSTALL=$E2E_WORK/install
X_PIDS=()
TITLE='中级职称无纸化考试模拟系统 －Brenvale'
# The candidate's folders (C:\ is the home folder) and the desktop's caches stay in the test's folder.
export HOME=$E2E_WORK/home
mkdir -p "$HOME"

# Processes whose working folder or program file lies in `folder`.
pids_in() {
  { find /proc/[0-9]*/cwd /proc/[0-9]*/exe -maxdepth 0 -lname "$1*" 2>/dev/null || true; } | cut -d/ -f3 | sort -un
}

# The program's processes (the host, its WebKit processes, its servers): those of the test's folder but
# the X server and the window manager.
program_pids() { pids_in "$E2E_WORK" | grep -vxF -f <(printf '%s\n' "${X_PIDS[@]}" 0) || true; }

fail() { echo "FAIL: $*" >&2; exit 1; }

# Kills every process that runs from the test's folder (the host, its servers), then the X server.
e2e_teardown() {
  local status=$?
  for pid in $(pids_in "$E2E_WORK"); do kill -9 "$pid" 2>/dev/null || true; done
  for pid in "${X_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ $status -ne 0 ]; then echo "kept for inspection: $E2E_WORK" >&2; else rm -rf "$E2E_WORK"; fi
}
trap e2e_teardown EXIT

# Polls `command` every 0.1 s for at most `seconds`; false when it never succeeded.
wait_for() {
  local seconds=$1; shift
  local until=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $until ] || return 1
    sleep 0.1
  done
}

# An X server on a free display, with a window manager so that closing, minimising and activation
# behave as on a desktop.
start_x() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_WORK/display" >/dev/null 2>&1 &
  X_PIDS+=($!)
  wait_for 10 test -s "$E2E_WORK/display" || fail "Xvfb did not start"
  export DISPLAY=:$(cat "$E2E_WORK/display")
  openbox >/dev/null 2>&1 &
  X_PIDS+=($!)
  wait_for 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || true
}

make_install() {
  "$E2E_SOURCE/scripts/make-install-tree" "$E2E_BUILD" "$INSTALL" >/dev/null
  [ -x "$INSTALL/examhost" ] || fail "the build holds no examhost"
}

# Appends lines to the install tree's configuration (ASCII text is the same in GBK).
configure() { printf '%s\n' "$@" >> "$INSTALL/conf/global.ini"; }

# Starts the host; its exit code lands in host.exit when it ends.
start_host() {
  rm -f "$E2E_WORK/host.exit"
  (
    cd "$E2E_WORK"
    code=0
    "$INSTALL/examhost" >"$E2E_WORK/host.log" 2>&1 || code=$?
    echo $code >"$E2E_WORK/host.exit"
  ) &
}

host_window() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n 1; }
has_host_window() { [ -n "$(host_window)" ]; }

# Every request the site's web server received, oldest first, as "METHOD target".
requests() {
  awk -F'"' '{ sub(/ HTTP\/[0-9.]+$/, "", $2); print $2 }' "$INSTALL/server/nginx/logs/access.log" 2>/dev/null || true
}
requested() { requests | grep -qxF "$1"; }

# Starts the host and waits until its start page was loaded and the window is on screen.
start_exam() {
  start_host
  wait_for 30 has_host_window || fail "no exam window"
  wait_for 30 requested "$1" || fail "start page $1 not requested"
  sleep 1  # the page finishes loading and the splash goes
}

# Processes of this test's servers: they run in the tree's server folders.
server_pids() { pids_in "$INSTALL/server"; }
php_pids() { pids_in "$INSTALL/server/php"; }

host_ended() { [ -s "$E2E_WORK/host.exit" ]; }
# Waits at most `seconds` for the host to end and prints its exit code.
host_exit_code() {
  wait_for "$1" host_ended || fail "the host did not end"
  cat "$E2E_WORK/host.exit"
}

focus_host() { xdotool windowactivate --sync "$(host_window)" >/dev/null 2>&1 || true; sleep 0.3; }
screenshot() { import -window root "$1"; }
