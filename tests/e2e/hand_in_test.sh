#!/usr/bin/env bash
# The sample site's commands through the exam window: an open-file link (javascript:void('fn=...');)
# starts the system's opener for the question's file, and the hand-in link makes the scoring run's six
# requests in order, with the reports' fields, before the hand-in page loads.
source "$(dirname "$0")/lib.sh" "$1"
start_x
make_install
# A recording opener first on PATH stands in for the desktop's xdg-open.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s/opened"\n' "$E2E_WORK" > "$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH=$E2E_WORK/bin:$PATH
start_exam "GET /exam/height/700"
focus_host
xdotool mousemove 500 650 click 1

# The start page's links in order: Word, Excel and Windows open-file links, then the hand-in link.
xdotool key Tab Return
wait_for 5 test -s "$E2E_WORK/opened" || fail "the open-file link started no opener"
expected=$INSTALL/server/nginx/html/operation/101/word/1001.doc
[ "$(cat "$E2E_WORK/opened")" = "$expected" ] || fail "opened $(cat "$E2E_WORK/opened"), not $expected"

xdotool key Tab Tab Tab Return
wait_for 120 requested "GET /handin/exam/" || fail "the hand-in page was not loaded"
after_start=$(requests | sed -n '/^GET \/exam\/height\/700$/,$p' | grep -v '^GET /exam/height/700$')
expected_requests="GET /question/exam/type/word
POST /report.php
GET /question/exam/type/excel
POST /report.php
GET /question/exam/type/windows
POST /report.php
GET /handin/exam/"
[ "$after_start" = "$expected_requests" ] || fail "requests after the start page:
$after_start"
# One report per question with its record's fields; the candidate did nothing, so the Windows question,
# scored against real files, fails with its feedback. (Word and Excel scores depend on the Office backend.)
reports=$(sqlite3 -separator '|' "$INSTALL/server/data/exam.sqlite" "SELECT type, rid, bid FROM reports ORDER BY id")
[ "$reports" = "word|101|1
excel|102|2
windows|103|3" ] || fail "reports: $reports"
windows=$(sqlite3 -separator '|' "$INSTALL/server/data/exam.sqlite" "SELECT rs, score FROM reports WHERE CAST(type AS TEXT) = 'windows'")
[ "$windows" = "2|0" ] || fail "Windows report: $windows"
echo "PASS"
