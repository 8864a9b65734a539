#!/usr/bin/env bash
# Start-up and memory of the exam host under Xvfb:
#   - from starting examhost until the start page has finished loading in the exam window (a test page
#     holds the real start page in a frame and reports its load event to the web server's log),
#   - beside starting the same nginx and php-cgi by hand and polling until the start page answers,
#   - and the resident memory of the host with its WebKit processes once the page is loaded.
#   bench/exam_window_bench.sh [build dir] [rounds]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build/default}" && pwd)
rounds=${2:-3}
work=$(mktemp -d /tmp/examhost-bench.XXXXXX)
install=$work/install
xvfb=
finish() {
  for pid in $({ find /proc/[0-9]*/cwd /proc/[0-9]*/exe -maxdepth 0 -lname "$work*" 2>/dev/null || true; } |
               cut -d/ -f3 | sort -un); do kill -9 "$pid" 2>/dev/null || true; done
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
now_ms() { echo $(($(date +%s%N) / 1000000)); }
logged() { grep -qF "\"$1 HTTP/" "$install/server/nginx/logs/access.log" 2>/dev/null; }
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Resident memory in MB of a process and all its descendants.
tree_rss_mb() {
  local pids=$1 all=$1 next
  while [ -n "$pids" ]; do
    next=$(for p in $pids; do cat /proc/$p/task/*/children 2>/dev/null; done | tr ' ' '\n' | grep . || true)
    all="$all $next"; pids=$next
  done
  for p in $all; do grep VmRSS /proc/$p/status 2>/dev/null; done | awk '{ kb += $2 } END { printf "%.0f", kb / 1024 }'
}

"$source_dir/scripts/make-install-tree" "$build" "$install" >/dev/null
sed -i 's|^index=exam$|index=test/startup.html?|' "$install/conf/global.ini"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

host_ms=() bare_ms=() host_rss=() total_rss=()
for round in $(seq "$rounds"); do
  : > "$install/server/nginx/logs/access.log" 2>/dev/null || true
  start=$(now_ms)
  "$install/examhost" >/dev/null 2>&1 &
  host=$!
  until logged "GET /events/loaded"; do sleep 0.01; done
  host_ms+=($(($(now_ms) - start)))
  sleep 1
  host_rss+=($(grep VmRSS /proc/$host/status | awk '{ printf "%.0f", $2 / 1024 }'))
  total_rss+=($(tree_rss_mb $host))
  kill $host; wait $host || true

  # The same servers by hand, on the ports the host chose.
  port=$(grep -o '[0-9]*;' "$install/server/nginx/conf/port.conf" | tr -d ';')
  php_port=$(grep -o ':[0-9]*;' "$install/server/nginx/conf/php_port.conf" | tr -d ':;')
  start=$(now_ms)
  (cd "$install/server/nginx" && exec nginx -p "$install/server/nginx/" -c ./conf/nginx.conf) >/dev/null 2>&1 &
  (cd "$install/server/php" && PHP_FCGI_CHILDREN=2 PHP_FCGI_MAX_REQUESTS=0 exec php-cgi -b 127.0.0.1:$php_port -c php.ini) >/dev/null 2>&1 &
  until curl -fso /dev/null "http://127.0.0.1:$port/exam/height/700"; do sleep 0.01; done
  bare_ms+=($(($(now_ms) - start)))
  for pid in $({ find /proc/[0-9]*/cwd -maxdepth 0 -lname "$install/server*" 2>/dev/null || true; } | cut -d/ -f3); do
    kill -9 "$pid" 2>/dev/null || true
  done
  sleep 0.5
done

h=$(median "${host_ms[@]}") b=$(median "${bare_ms[@]}")
echo "rounds: $rounds"
echo "host start until the start page has loaded: median $h ms (${host_ms[*]})"
echo "bare servers until the start page answers:  median $b ms (${bare_ms[*]})"
awk -v h="$h" -v b="$b" 'BEGIN { printf "host beyond the fixed 500 ms pause: %d ms = %.2f x the bare servers (goal <= 1.2 x)\n", h - 500, (h - 500) / b }'
echo "resident memory with the page loaded: host $(median "${host_rss[@]}") MB, host with its WebKit processes $(median "${total_rss[@]}") MB (goal <= 250 MB)"
