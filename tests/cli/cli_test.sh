#!/bin/bash
# Drives the vorla executable as a user would. Usage: cli_test.sh VORLA WORKDIR
set -u
VORLA=$1
WORK=$2
rm -rf "$WORK"
mkdir -p "$WORK"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$("$VORLA" --data-dir "$WORK/data" --today 2026-12-07 info) || fail "info exit $?"
[ -d "$WORK/data" ] || fail "data folder not created"
grep -qx "week-number: 1406" <<<"$out" || fail "week number: $out"
grep -qx "window-base: 884" <<<"$out" || fail "window base: $out"
grep -qx "today: 2026-12-07" <<<"$out" || fail "today: $out"
grep -q "setting Формат расписания/Заголовок: Расписание публичных встреч" <<<"$out" || fail "title setting: $out"

out=$(VORLA_DATA_DIR="$WORK/env" VORLA_TODAY=2000-01-03 "$VORLA" info) || fail "env info"
grep -qx "week-number: 1" <<<"$out" || fail "VORLA_TODAY: $out"
grep -qx "data-folder: $WORK/env" <<<"$out" || fail "VORLA_DATA_DIR: $out"

out=$(XDG_DATA_HOME="$WORK/xdg" "$VORLA" --today 2026-12-07 info) || fail "xdg info"
grep -qx "data-folder: $WORK/xdg/vorla" <<<"$out" || fail "XDG default: $out"

"$VORLA" --bogus >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 2 ] || fail "unknown option exit $rc"
head -1 "$WORK/err" | grep -qx "vorla: unknown option: --bogus" || fail "unknown option message"
grep -q "^usage: vorla" "$WORK/err" || fail "usage after error"

"$VORLA" nonsense >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "unknown command exit $rc"

"$VORLA" --today 2026-13-01 info >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "bad --today exit $rc"

"$VORLA" --version | grep -q "^vorla [0-9]" || fail "version"
"$VORLA" --help | grep -q "^usage: vorla" || fail "help"

touch "$WORK/plainfile"
"$VORLA" --data-dir "$WORK/plainfile/sub" info >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "uncreatable data folder exit $rc"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "cli: all checks passed"
