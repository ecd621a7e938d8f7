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

# --- the schedule: text export and rendered pages ----------------------------------------
mkdir -p "$WORK/here/sub"  # where the user is, away from the data folder
# Fields are written into zero-filled records at the offsets of the file formats.
put() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
put_text() { printf '%s' "$3" | iconv -f UTF-8 -t CP1251 | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
put_u16() { put "$1" "$2" "$(printf '\\x%02x\\x%02x' $(($3 & 255)) $(($3 >> 8)))"; }
zeros() { head -c "$2" /dev/zero >"$1"; }

D="$WORK/sched"
mkdir -p "$D"
zeros "$D/cong.dat" 768
put_text "$D/cong.dat" 256 "Центральное"; put_u16 "$D/cong.dat" 430 1
put_text "$D/cong.dat" 512 "Северное"; put_u16 "$D/cong.dat" 686 2
put_text "$D/cong.dat" 676 "18:30"; put_text "$D/cong.dat" 700 "10:00"; put "$D/cong.dat" 738 '\x06'
zeros "$D/speakers.dat" 1024
put_text "$D/speakers.dat" 256 "Иван"; put_text "$D/speakers.dat" 276 "Петров"
put_text "$D/speakers.dat" 376 "123-45-67"; put_u16 "$D/speakers.dat" 458 2; put_u16 "$D/speakers.dat" 460 1
put_text "$D/speakers.dat" 512 "Олег"; put_text "$D/speakers.dat" 532 "Сидоров"
put_u16 "$D/speakers.dat" 714 1; put_u16 "$D/speakers.dat" 716 2
put_text "$D/speakers.dat" 768 "Пётр"; put_text "$D/speakers.dat" 788 "Иванов"
put_u16 "$D/speakers.dat" 970 1; put_u16 "$D/speakers.dat" 972 3
# Weeks 1406 (speaker, talk 12, chairman, outgoing slot 3) and 1407 (an overseer visit).
zeros "$D/history.dat" 128
put_u16 "$D/history.dat" 0 1406; put_u16 "$D/history.dat" 2 1; put_u16 "$D/history.dat" 4 12
put_u16 "$D/history.dat" 6 2; put_u16 "$D/history.dat" 14 3; put_u16 "$D/history.dat" 20 1
put_u16 "$D/history.dat" 32 2; put_u16 "$D/history.dat" 44 2; put_u16 "$D/history.dat" 56 231
put_u16 "$D/history.dat" 64 1407; put_u16 "$D/history.dat" 84 5
zeros "$D/special.dat" 144
put_u16 "$D/special.dat" 0 1406; put_u16 "$D/special.dat" 2 4

out=$("$VORLA" --data-dir "$D" --today 2026-12-07 export-text --start 2026-12-09 --weeks 3) || fail "export-text exit $?"
[ "$out" = "$D/ptsched.txt" ] || fail "export-text prints its path: $out"
{
    printf 'Week\tInTalkTitle\tInSpeaker\tInSpkPhone\tInSpeakerCong\tChairman\tReader\tHospitality\t'
    printf 'OutSpeaker\tOutCong\tOutTime\tOutTalk\tOutSpeaker2\tOutCong2\tOutTime2\tOutTalk2\t'
    printf 'OutSpeaker3\tOutCong3\tOutTime3\tOutTalk3\tOutSpeaker4\tOutCong4\tOutTime4\tOutTalk4\t'
    printf 'OutSpeaker5\tOutCong5\tOutTime5\tOutTalk5\tOutSpeaker6\tOutCong6\tOutTime6\tOutTalk6\tInTalk\r\n\r\n'
    printf 'Дек 13, 2026\t\tИван Петров\t123-45-67\tСеверное\tПётр Иванов\t\t\t\t\t\t\t\t\t\t\t'
    printf 'Олег Сидоров\tСеверное\t10:00\tS-31\t\t\t\t\t\t\t\t\t\t\t\t\t12\r\n'
    printf 'Дек 20, 2026\tРН Визит\tРН Визит\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n'
    printf 'Дек 27, 2026\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n'
} | iconv -f UTF-8 -t CP1251 >"$WORK/ptsched.expected"
cmp -s "$D/ptsched.txt" "$WORK/ptsched.expected" || fail "ptsched.txt differs: $(cmp "$D/ptsched.txt" "$WORK/ptsched.expected")"

for bad in "--start 2026-12-40 --weeks 3" "--start 07.12.2026 --weeks 3" "--start 2026-12-07 --weeks 0" \
           "--start 2026-12-07 --weeks 53" "--start 2026-12-07 --weeks x" "--weeks 3" "--start 2026-12-07"; do
    # shellcheck disable=SC2086
    "$VORLA" --data-dir "$D" export-text $bad >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "export-text $bad: exit $rc"
    grep -q "^vorla: " "$WORK/err" || fail "export-text $bad: no message"
done
"$VORLA" --data-dir "$D" export-text --start 2026-12-07 --weeks 53 >/dev/null 2>"$WORK/err"
grep -qx "vorla: bad count for --weeks: 53 (expected 1 to 52)" "$WORK/err" || fail "count message: $(cat "$WORK/err")"

# A folder in the file's place: text 1231 with the full path, and nothing written.
mkdir -p "$WORK/blocked/ptsched.txt/inside"
"$VORLA" --data-dir "$WORK/blocked" --today 2026-12-07 export-text --start 2026-12-07 --weeks 2 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "blocked export exit $rc"
grep -q "Невозможно создать новый файл: $WORK/blocked/ptsched.txt" "$WORK/err" || fail "blocked export message: $(cat "$WORK/err")"
[ -d "$WORK/blocked/ptsched.txt/inside" ] || fail "blocked export touched the folder"

"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "report without output exit $rc"
"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf a.pdf --png b >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "report with two outputs exit $rc"
# An unknown report kind is a mistake in the command's form: the usage follows.
"$VORLA" --data-dir "$D" report letters --start 2026-12-07 --weeks 2 --pdf a.pdf >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 2 ] || fail "unknown report exit $rc"
head -1 "$WORK/err" | grep -q "^vorla: unknown report: letters (known: schedule, letter, notice, speakers, " || fail "unknown report message"
grep -q "^usage: vorla" "$WORK/err" || fail "unknown report: no usage"
# Every report has a readable name; a selection a report does not take, or lacks, is a mistake
# of form, and a name the data does not hold a plain failure; neither writes a file.
"$VORLA" report --list >"$WORK/out" || fail "report --list"
for name in speakers local-speakers talks talk-grid worksheet readers coordinators exchange brother invited outgoing wishlist; do
    grep -q "^  $name " "$WORK/out" || fail "report --list lacks $name"
done
for bad in "speakers --weeks 3" "exchange" "brother" "talks --congregation 1"; do
    # shellcheck disable=SC2086
    "$VORLA" --data-dir "$D" report $bad --pdf "$WORK/bad-list.pdf" >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 2 ] || fail "report $bad: exit $rc"
done
"$VORLA" --data-dir "$D" report exchange --congregation "Нет такого" --pdf "$WORK/bad-list.pdf" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "report exchange with an unknown congregation: exit $rc"
head -1 "$WORK/err" | grep -qx "vorla: no congregation Нет такого in the data" || fail "unknown congregation message"
[ ! -e "$WORK/bad-list.pdf" ] || fail "a list report with a bad selection wrote a file"
# The letters take one week (and the notice one of its six outgoing places); a mistake in them
# is one of form: exit 2 with the usage, and nothing written.
for bad in "letter" "letter --week 2026-13-01" "letter --week 2060-01-01" "letter --week 2026-12-07 --slot 1" \
           "notice --week 2026-12-07" "notice --week 2026-12-07 --slot 0" "notice --week 2026-12-07 --slot 7" \
           "notice --week 2026-12-07 --slot x"; do
    # shellcheck disable=SC2086
    "$VORLA" --data-dir "$D" report $bad --pdf "$WORK/bad-letter.pdf" >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 2 ] || fail "report $bad: exit $rc"
    grep -q "^usage: vorla" "$WORK/err" || fail "report $bad: no usage"
    [ ! -e "$WORK/bad-letter.pdf" ] || fail "report $bad wrote a file"
done
"$VORLA" --data-dir "$D" report notice --week 2026-12-07 --slot 9 --pdf a.pdf >/dev/null 2>"$WORK/err"
head -1 "$WORK/err" | grep -qx "vorla: bad slot for --slot: 9 (expected 1 to 6)" || fail "slot message: $(cat "$WORK/err")"
# Only the weeks the calendar counts; a later date used to pass for its last week.
held="the calendar holds the weeks from 2000-01-03 to 2038-05-02"
"$VORLA" --data-dir "$D" report schedule --start 2060-01-01 --weeks 2 --pdf "$WORK/far.pdf" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "report 2060 exit $rc"
grep -qx "vorla: bad date for --start: 2060-01-01 ($held)" "$WORK/err" || fail "2060 message: $(cat "$WORK/err")"
[ ! -e "$WORK/far.pdf" ] || fail "a report of weeks the calendar cannot hold"
"$VORLA" --data-dir "$D" export-text --start 2038-04-26 --weeks 2 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "export past the last week exit $rc"
grep -qx "vorla: --weeks 2 from 2038-04-26 runs past the last week ($held)" "$WORK/err" || fail "overrun message: $(cat "$WORK/err")"
"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf a.pdf --paper b5 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "report bad paper exit $rc"
grep -qx "vorla: bad paper for --paper: b5 (expected a4 or letter)" "$WORK/err" || fail "paper message: $(cat "$WORK/err")"
"$VORLA" --data-dir "$D" report schedule --start 2026-13-07 --weeks 2 --pdf a.pdf >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "report bad date exit $rc"
"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 60 --pdf a.pdf >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "report bad count exit $rc"
"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --png "$WORK/p" --dpi 0 >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "report bad dpi exit $rc"
# Page images stop at 600 dpi (a 2400-dpi page would need two gigabytes); nothing is written.
"$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --png "$WORK/big" --dpi 2400 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "report png 2400 dpi exit $rc"
grep -qx "vorla: bad resolution for --dpi: 2400 (expected 30 to 600 for PNG pages)" "$WORK/err" || fail "png dpi message: $(cat "$WORK/err")"
[ ! -e "$WORK/big-1.png" ] || fail "a page written at 2400 dpi"

# Rendering needs the Qt build; a build without it says so.
"$VORLA" --data-dir "$D" --today 2026-12-07 report schedule --start 2026-12-07 --weeks 20 \
    --png "$WORK/page" --dpi 50 >"$WORK/out" 2>"$WORK/err"; rc=$?
if grep -q "no report renderer" "$WORK/err"; then
    [ $rc -eq 1 ] || fail "report without renderer exit $rc"
else
    [ $rc -eq 0 ] || fail "report png exit $rc: $(cat "$WORK/err")"
    # 20 weeks, 13 to a page on paper: two sheets of A4 (the C locale's paper) at 50 dpi.
    [ "$(cat "$WORK/out")" = "$WORK/page-1.png"$'\n'"$WORK/page-2.png" ] || fail "png pages: $(cat "$WORK/out")"
    [ ! -e "$WORK/page-3.png" ] || fail "a third page"
    [ "$(head -c 8 "$WORK/page-1.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "page-1 is no PNG"
    png_size() { od -An -tu4 --endian=big -j16 -N8 "$1" | tr -s ' '; }
    [ "$(png_size "$WORK/page-1.png")" = " 413 585" ] || fail "A4 page size: $(png_size "$WORK/page-1.png")"
    "$VORLA" --data-dir "$D" --today 2026-12-07 report schedule --start 2026-12-07 --weeks 20 \
        --pdf "$WORK/schedule.pdf" >/dev/null 2>"$WORK/err" || fail "report pdf: $(cat "$WORK/err")"
    [ "$(head -c 5 "$WORK/schedule.pdf")" = "%PDF-" ] || fail "not a PDF"
    pdfinfo "$WORK/schedule.pdf" | grep -q "^Pages: *2$" || fail "pdf pages: $(pdfinfo "$WORK/schedule.pdf")"
    pdfinfo "$WORK/schedule.pdf" | grep -q "^Page size: *595 x 842 pts (A4)" || fail "pdf paper: $(pdfinfo "$WORK/schedule.pdf")"

    # Letter when asked, or when the locale's paper is Letter (a locale compiled for the test).
    "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --png "$WORK/letter" --dpi 50 \
        --paper Letter >/dev/null 2>&1 || fail "report --paper letter"
    [ "$(png_size "$WORK/letter-1.png")" = " 425 550" ] || fail "Letter page size: $(png_size "$WORK/letter-1.png")"
    mkdir -p "$WORK/locale"
    localedef -i en_US -f UTF-8 "$WORK/locale/en_US.UTF-8" >/dev/null 2>&1
    [ -f "$WORK/locale/en_US.UTF-8/LC_PAPER" ] || fail "no en_US locale for the test (package locales)"
    LOCPATH="$WORK/locale" LC_ALL=en_US.UTF-8 "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 \
        --pdf "$WORK/us.pdf" >/dev/null 2>&1 || fail "report in a Letter locale"
    pdfinfo "$WORK/us.pdf" | grep -q "^Page size: *612 x 792 pts (letter)" || fail "locale paper: $(pdfinfo "$WORK/us.pdf")"

    # Failures leave nothing behind and say why: a device in the file's place ...
    "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf /dev/full >"$WORK/out" 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "pdf to /dev/full exit $rc"
    grep -qx "vorla: cannot write /dev/full: not a regular file" "$WORK/err" || fail "/dev/full message: $(cat "$WORK/err")"
    [ ! -s "$WORK/out" ] || fail "/dev/full reported as written: $(cat "$WORK/out")"
    [ -c /dev/full ] || fail "/dev/full replaced"
    # ... a folder that cannot be (root writes into read-only folders, not under a file) ...
    "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf "$WORK/plainfile/x.pdf" >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "pdf under a file exit $rc"
    grep -qx "vorla: cannot write $WORK/plainfile/x.pdf: Not a directory" "$WORK/err" || fail "under a file message: $(cat "$WORK/err")"
    # ... a read-only folder, where permissions bind (they do not bind root) ...
    mkdir -p "$WORK/ro"
    chmod 555 "$WORK/ro"
    if ! touch "$WORK/ro/probe" 2>/dev/null; then
        "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf "$WORK/ro/x.pdf" >/dev/null 2>"$WORK/err"; rc=$?
        [ $rc -eq 1 ] || fail "pdf into a read-only folder exit $rc"
        grep -qx "vorla: cannot write $WORK/ro/x.pdf: Permission denied" "$WORK/err" || fail "read-only message: $(cat "$WORK/err")"
    fi
    chmod 755 "$WORK/ro"
    # ... a full disk (a file-size limit), for the PDF and for the pages ...
    mkdir -p "$WORK/full"
    (trap '' XFSZ; ulimit -f 1; exec "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 20 \
        --pdf "$WORK/full/plan.pdf") >"$WORK/out" 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "pdf on a full disk exit $rc"
    grep -qx "vorla: cannot write $WORK/full/plan.pdf: File too large" "$WORK/err" || fail "full disk message: $(cat "$WORK/err")"
    (trap '' XFSZ; ulimit -f 1; exec "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 20 \
        --png "$WORK/full/page" --dpi 100) >"$WORK/out" 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "png on a full disk exit $rc"
    [ -z "$(ls -A "$WORK/full")" ] || fail "a full disk left: $(ls -A "$WORK/full")"
    # ... and a third page that cannot be written takes the first two with it.
    mkdir -p "$WORK/third/page-3.png/inside"
    "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 40 --png "$WORK/third/page" \
        --dpi 30 >"$WORK/out" 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "blocked third page exit $rc"
    grep -qx "vorla: cannot write $WORK/third/page-3.png: not a regular file" "$WORK/err" || fail "third page message: $(cat "$WORK/err")"
    [ ! -s "$WORK/out" ] || fail "pages listed after a failure: $(cat "$WORK/out")"
    [ "$(ls -A "$WORK/third")" = "page-3.png" ] || fail "pages left: $(ls -A "$WORK/third")"

    # The letters: our congregation Центральное (coordinator Олег Сидоров with a phone, a map),
    # Иван Петров invited for talk 12 in week 1406, Олег going out as the week's third speaker.
    L="$WORK/letters"
    mkdir -p "$L"
    cp "$D/cong.dat" "$D/speakers.dat" "$D/history.dat" "$L/"
    printf '[Congregation]\r\nNumber=1\r\n' >"$L/vorla.ini"
    put_u16 "$L/cong.dat" 442 2; put_text "$L/cong.dat" 454 "central.jpg"
    put_text "$L/cong.dat" 306 "ул. Мира, 5"; put_text "$L/cong.dat" 347 "Москва"; put_text "$L/cong.dat" 444 "10:00"
    put_text "$L/speakers.dat" 632 "495-111-22-33"
    pdftoppm -jpeg -r 20 -singlefile "$WORK/schedule.pdf" "$L/central" || fail "no map picture for the test"
    out=$("$VORLA" --data-dir "$L" --today 2026-12-07 report letter --week 2026-12-09 --png "$WORK/letter" --dpi 50) \
        || fail "report letter exit $?"
    [ "$out" = "$WORK/letter-1.png" ] || fail "letter pages: $out"
    [ ! -e "$WORK/letter-2.png" ] || fail "a letter of two pages"
    "$VORLA" --data-dir "$L" --today 2026-12-07 report letter --week 2026-12-09 --pdf "$WORK/letter.pdf" >/dev/null \
        2>"$WORK/err" || fail "report letter pdf: $(cat "$WORK/err")"
    pdfinfo "$WORK/letter.pdf" | grep -q "^Pages: *1$" || fail "letter pdf pages"
    pdfinfo "$WORK/letter.pdf" | grep -q "^Title: *Письмо приглашенному докладчику$" || fail "letter pdf title"
    pdftotext "$WORK/letter.pdf" - | grep -q "Дорогой брат Петров," || fail "letter pdf text"
    # Without the map file the letter still renders, without the picture.
    mv "$L/central.jpg" "$L/away.jpg"
    "$VORLA" --data-dir "$L" --today 2026-12-07 report letter --week 2026-12-09 --png "$WORK/nomap" --dpi 50 \
        >/dev/null 2>"$WORK/err" || fail "letter without its map: $(cat "$WORK/err")"
    cmp -s "$WORK/letter-1.png" "$WORK/nomap-1.png" && fail "the map made no difference"
    out=$("$VORLA" --data-dir "$L" --today 2026-12-07 report notice --week 2026-12-07 --slot 3 --png "$WORK/notice" --dpi 50) \
        || fail "report notice exit $?"
    [ "$out" = "$WORK/notice-1.png" ] || fail "notice pages: $out"
    # Nobody to write to: said so, exit 1, and no file.
    "$VORLA" --data-dir "$L" report notice --week 2026-12-07 --slot 1 --pdf "$WORK/nobody.pdf" >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "notice of an empty place exit $rc"
    grep -qx "vorla: no notice for the week of 2026-12-07: no outgoing speaker 1" "$WORK/err" || fail "empty place message: $(cat "$WORK/err")"
    "$VORLA" --data-dir "$L" report letter --week 2026-12-14 --pdf "$WORK/nobody.pdf" >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "letter without a visit exit $rc"
    grep -q "^vorla: no letter for the week of 2026-12-14" "$WORK/err" || fail "no visit message: $(cat "$WORK/err")"
    [ ! -e "$WORK/nobody.pdf" ] || fail "a letter to nobody was written"

    # Relative names are taken from the current folder, not the data folder.
    (cd "$WORK/here" && "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --pdf rel.pdf) >"$WORK/out" 2>&1 \
        || fail "relative pdf: $(cat "$WORK/out")"
    [ -f "$WORK/here/rel.pdf" ] && [ ! -e "$D/rel.pdf" ] || fail "relative pdf written elsewhere"
    [ "$(cat "$WORK/out")" = "$WORK/here/rel.pdf" ] || fail "relative pdf path: $(cat "$WORK/out")"
    (cd "$WORK/here" && "$VORLA" --data-dir "$D" report schedule --start 2026-12-07 --weeks 2 --png sub/p --dpi 30) >/dev/null 2>&1 \
        || fail "relative png"
    [ -f "$WORK/here/sub/p-1.png" ] || fail "relative png written elsewhere"
fi

# --- congregation data packages -----------------------------------------------------------
P="$WORK/packages"
mkdir -p "$P"
zeros "$P/cong.dat" 768
put_text "$P/cong.dat" 256 "Наше"; put_u16 "$P/cong.dat" 430 1
put_text "$P/cong.dat" 512 "Лесное"; put_u16 "$P/cong.dat" 686 2; put_u16 "$P/cong.dat" 698 2
zeros "$P/speakers.dat" 768
put_text "$P/speakers.dat" 256 "Иван"; put_text "$P/speakers.dat" 276 "Петров"
put "$P/speakers.dat" 393 '\x08'; put_u16 "$P/speakers.dat" 458 2; put_u16 "$P/speakers.dat" 460 1
put_text "$P/speakers.dat" 512 "Олег"; put_text "$P/speakers.dat" 532 "Сидоров"
put_u16 "$P/speakers.dat" 714 2; put_u16 "$P/speakers.dat" 716 2
# What the package of Лесное must hold: its name; Иван with talk 12; Олег, its talk
# coordinator, without talks.
zeros "$WORK/forest.expected" 1152
put_text "$WORK/forest.expected" 0 "Лесное"
put_text "$WORK/forest.expected" 384 "Иван"; put_text "$WORK/forest.expected" 434 "Петров"
put "$WORK/forest.expected" 633 '\x08'
put_text "$WORK/forest.expected" 768 "Олег"; put_text "$WORK/forest.expected" 818 "Сидоров"
put "$WORK/forest.expected" 1081 '\x40'

out=$("$VORLA" --data-dir "$P" --today 2026-12-07 package export --cong 2) || fail "package export exit $?"
[ "$out" = "$P/Лесное.vpk" ] || fail "package export prints its path: $out"
cmp -s "$P/Лесное.vpk" "$WORK/forest.expected" || fail "package bytes: $(cmp "$P/Лесное.vpk" "$WORK/forest.expected")"
# A relative --output is the user's, from where the program started.
out=$(cd "$WORK" && "$VORLA" --data-dir "$P" --today 2026-12-07 package export --cong 2 --output out/../forest.vpk) || fail "export --output exit $?"
[ "$out" = "$WORK/forest.vpk" ] || fail "export --output path: $out"
cmp -s "$WORK/forest.vpk" "$WORK/forest.expected" || fail "export --output bytes"

"$VORLA" --data-dir "$P" package export --cong 9 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "export of a missing congregation exit $rc"
grep -qx "vorla: no congregation with id 9" "$WORK/err" || fail "missing congregation message: $(cat "$WORK/err")"
mkdir -p "$WORK/blocked.vpk/inside"
"$VORLA" --data-dir "$P" package export --cong 2 --output "$WORK/blocked.vpk" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "blocked package export exit $rc"
grep -q "Невозможно создать новый файл: $WORK/blocked.vpk" "$WORK/err" || fail "blocked package message: $(cat "$WORK/err")"
grep -q "Причина: " "$WORK/err" || fail "blocked package reason: $(cat "$WORK/err")"
[ -d "$WORK/blocked.vpk/inside" ] || fail "blocked package export touched the folder"
for bad in "package" "package send" "package export" "package export --cong x" "package import" \
           "package import a.vpk --cong 1" "package export --cong 1 --circuit 2"; do
    # shellcheck disable=SC2086
    "$VORLA" --data-dir "$P" $bad >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "$bad: exit $rc"
    grep -q "^vorla: " "$WORK/err" || fail "$bad: no message"
done

# A package written by hand: Горное, Иван Петров in other letters, and a new brother.
zeros "$WORK/in.vpk" 1152
put_text "$WORK/in.vpk" 0 "Горное"
put_text "$WORK/in.vpk" 384 "ИВАН"; put_text "$WORK/in.vpk" 434 "петров"
put_text "$WORK/in.vpk" 768 "Юрий"; put_text "$WORK/in.vpk" 818 "Новый"; put_text "$WORK/in.vpk" 968 "y@n.ru"
out=$(cd "$WORK" && "$VORLA" --data-dir "$P" --today 2026-12-07 package import in.vpk) || fail "package import exit $?"
expected=$'congregation added: Горное\nadded: Юрий Новый\nupdated: Иван Петров'
[ "$out" = "$expected" ] || fail "package import output: $out"
[ "$(dd if="$P/speakers.dat" bs=1 skip=768 count=4 status=none | iconv -f CP1251 -t UTF-8)" = "Юрий" ] || fail "new brother's record"
[ "$(od -An -tu2 -j970 -N2 "$P/speakers.dat" | tr -d ' ')" = "3" ] || fail "new brother's congregation"
[ "$(od -An -tu2 -j458 -N2 "$P/speakers.dat" | tr -d ' ')" = "3" ] || fail "Иван moved to Горное"
# Lesnoe keeps Олег; the package of Горное names Иван, so nobody is detached.
out=$("$VORLA" --data-dir "$P" --today 2026-12-07 package import "$WORK/in.vpk") || fail "second import exit $?"
expected=$'congregation updated: Горное\nupdated: Иван Петров\nupdated: Юрий Новый'
[ "$out" = "$expected" ] || fail "second import output: $out"
"$VORLA" --data-dir "$P" package import "$WORK/missing.vpk" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "import of a missing file exit $rc"
grep -qx "vorla: cannot read $WORK/missing.vpk" "$WORK/err" || fail "missing package message: $(cat "$WORK/err")"
"$VORLA" --data-dir "$P" package import "$WORK/in.vpk" --circuit 30500 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "import into a missing circuit exit $rc"
# The text export: ptsched.txt in the data folder unless --output names a file, which is taken
# from the current folder.
(cd "$WORK/here" && "$VORLA" --data-dir "$D" --today 2026-12-07 export-text --start 2026-12-09 --weeks 3 \
    --output mine.txt) >"$WORK/out" 2>&1 || fail "export --output: $(cat "$WORK/out")"
[ "$(cat "$WORK/out")" = "$WORK/here/mine.txt" ] || fail "export --output path: $(cat "$WORK/out")"
cmp -s "$WORK/here/mine.txt" "$WORK/ptsched.expected" || fail "export --output content"
"$VORLA" --data-dir "$D" export-text --start 2026-12-09 --weeks 3 --output "$WORK/plainfile/t.txt" >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "export under a file exit $rc"

# The calendar export follows the same rules, and what it writes reads back: unfolded, four
# events (talk, chairman, outgoing slot 3, the overseer visit), times in the machine's zone.
(cd "$WORK/here" && TZ=Europe/Moscow "$VORLA" --data-dir "$D" --today 2026-12-07 export-ics \
    --start 2026-12-09 --weeks 3 --output cal.ics) >"$WORK/out" 2>&1 || fail "export-ics: $(cat "$WORK/out")"
[ "$(cat "$WORK/out")" = "$WORK/here/cal.ics" ] || fail "export-ics path: $(cat "$WORK/out")"
tr -d '\r' <"$WORK/here/cal.ics" | sed -e ':a;N;$!ba;s/\n //g' >"$WORK/cal.txt"
[ "$(grep -c '^BEGIN:VEVENT$' "$WORK/cal.txt")" = 4 ] || fail "export-ics events: $(grep -c '^BEGIN:VEVENT$' "$WORK/cal.txt")"
for line in 'TZID:Europe/Moscow' 'UID:w1406-out3-c0@vorla' 'SUMMARY:Уходящий докладчик: Олег Сидоров' \
            'LOCATION:Северное' 'DTSTART;TZID=Europe/Moscow:20261213T100000' \
            'DTEND;TZID=Europe/Moscow:20261213T114500' 'SUMMARY:Докладчик: Иван Петров' \
            'DTSTART;VALUE=DATE:20261220' 'SUMMARY:РН Визит'; do
    grep -qxF "$line" "$WORK/cal.txt" || fail "export-ics lacks: $line"
done
out=$(TZ=Europe/Moscow "$VORLA" --data-dir "$D" --today 2026-12-07 export-ics --start 2026-12-09 --weeks 3 \
    --brother 3 --output "$WORK/his.ics") || fail "export-ics --brother exit $?"
[ "$(tr -d '\r' <"$WORK/his.ics" | grep -c '^UID:')" = 1 ] || fail "export-ics --brother: not his events only"
grep -q '^UID:w1406-chairman-c0@vorla' "$WORK/his.ics" || fail "export-ics --brother: his chairmanship"
for bad in "--brother 99" "--brother x" "--weeks 0" "--output $WORK/plainfile/c.ics"; do
    # shellcheck disable=SC2086
    "$VORLA" --data-dir "$D" export-ics --start 2026-12-09 --weeks 3 $bad >/dev/null 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] || fail "export-ics $bad: exit $rc"
    grep -q "^vorla: " "$WORK/err" || fail "export-ics $bad: no message"
done
# Nothing to write: said so, exit 1, and no file.
"$VORLA" --data-dir "$D" export-ics --start 2027-01-04 --weeks 1 --output "$WORK/none.ics" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "export-ics of empty weeks exit $rc"
[ ! -e "$WORK/none.ics" ] || fail "export-ics wrote a file of no events"
"$VORLA" --data-dir "$D" export-ics --start 2026-12-09 --weeks 3 --person 1 >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "export-ics unknown option exit $rc"

# --- files that cannot be read, and two programs on one folder ---------------------------
F="$WORK/fifo"
mkdir -p "$F"
mkfifo "$F/speakers.dat"
# A FIFO under a data file's name must not hang the command: it is refused with a message.
timeout 20 "$VORLA" --data-dir "$F" --today 2026-12-07 info >"$WORK/out" 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "info with a FIFO exit $rc"
grep -q "$F/speakers.dat: это не обычный файл" "$WORK/err" || fail "FIFO message: $(cat "$WORK/err")"
grep -qx "brothers: 0" "$WORK/out" || fail "info output with a FIFO: $(cat "$WORK/out")"
[ -p "$F/speakers.dat" ] || fail "the FIFO was replaced"

U="$WORK/unread"
mkdir -p "$U/history.dat"
printf 'x' >"$U/history.dat.tmp123_0"
timeout 20 "$VORLA" --data-dir "$U" --today 2026-12-07 dump >"$WORK/out" 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "dump with an unreadable history.dat exit $rc"
grep -q "Невозможно прочитать файл $U/history.dat" "$WORK/err" || fail "unreadable message: $(cat "$WORK/err")"
grep -q '"weeks": \[' "$WORK/out" || fail "dump printed nothing"
[ ! -e "$U/history.dat.tmp123_0" ] || fail "the leftover of a save was not removed"

# A read-only ptsched.txt is not replaced: text 1231 with the reason, exit 1.
printf 'mine' >"$D/ptsched.txt"
chmod 444 "$D/ptsched.txt"
"$VORLA" --data-dir "$D" --today 2026-12-07 export-text --start 2026-12-07 --weeks 2 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "read-only export exit $rc"
grep -q "Причина: нет прав доступа" "$WORK/err" || fail "read-only export reason: $(cat "$WORK/err")"
[ "$(cat "$D/ptsched.txt")" = "mine" ] || fail "a read-only ptsched.txt was replaced"
chmod 644 "$D/ptsched.txt"

# Another program holds the folder: reading works alongside, writing waits, then refuses.
flock "$D/vorla.lock" sleep 9 &
holder=$!
sleep 0.5
"$VORLA" --data-dir "$D" --today 2026-12-07 info >/dev/null 2>"$WORK/err" || fail "info beside another program: $(cat "$WORK/err")"
"$VORLA" --data-dir "$D" --today 2026-12-07 export-text --start 2026-12-07 --weeks 2 >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "export-text beside another program exit $rc"
grep -q "занята другой программой Vorla" "$WORK/err" || fail "busy folder message: $(cat "$WORK/err")"
kill $holder 2>/dev/null; wait $holder 2>/dev/null
flock "$D/vorla.lock" sleep 1 &
holder=$!
sleep 0.3
"$VORLA" --data-dir "$D" --today 2026-12-07 export-text --start 2026-12-07 --weeks 2 >/dev/null 2>"$WORK/err" || fail "export-text after a short wait: $(cat "$WORK/err")"
wait $holder 2>/dev/null

# --- backups and restores ------------------------------------------------------------
B="$WORK/backups"
mkdir -p "$B"
same_files() {  # every data file of folder $1 is byte for byte in folder $2
    local f
    for f in speakers.dat cong.dat talk.dat history.dat vorla.ini; do
        [ -e "$1/$f" ] || continue
        cmp -s "$1/$f" "$2/$f" || return 1
    done
}
# Five days' backups from where the user is (a relative folder): the newest four stay.
for day in 07 08 09 10 11; do
    out=$(cd "$WORK/here" && "$VORLA" --data-dir "$D" --today 2026-12-$day backup ../backups 2>"$WORK/err") \
        || fail "backup of the $day: $(cat "$WORK/err")"
    [ "$(realpath "$(dirname "$out")")" = "$(realpath "$B")" ] || fail "backup printed $out"
    case "$(basename "$out")" in Vrl_2634[1-5]_[0-2][0-9][0-5][0-9]_${day}дек26) ;; *) fail "backup name $out" ;; esac
    same_files "$D" "$out" || fail "backup $out differs from the data"
done
[ "$(ls "$B" | wc -l)" -eq 4 ] || fail "backups kept: $(ls "$B")"
ls "$B" | grep -q "_07дек26" && fail "the oldest backup was not removed"
# Twice in one minute: the second is refused (once more when the minute turned in between).
for attempt in 1 2; do
    if ! first=$("$VORLA" --data-dir "$D" --today 2026-12-12 backup "$B" 2>"$WORK/err"); then
        # Refused: the second backup of the last attempt was the first of this minute.
        first=$(cat "$WORK/out")
        break
    fi
    "$VORLA" --data-dir "$D" --today 2026-12-12 backup "$B" >"$WORK/out" 2>"$WORK/err"; rc=$?
    [ $rc -eq 1 ] && break
    [ "$attempt" -eq 2 ] && fail "a second backup in one minute was made: $(cat "$WORK/out")"
done
grep -qx "vorla: Повторите резервирование через 1 минуту." "$WORK/err" || fail "same minute message: $(cat "$WORK/err")"
[ -d "$first" ] || fail "the first backup of the minute is gone"
"$VORLA" --data-dir "$D" backup "$first" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "backup into a backup exit $rc"
grep -q "не может использоваться как резервная" "$WORK/err" || fail "backup into a backup message"
"$VORLA" --data-dir "$D" backup "$WORK/no-such-place" >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "backup into a missing folder exit $rc"
[ ! -e "$WORK/no-such-place" ] || fail "a missing backup place was made"
"$VORLA" --data-dir "$D" backup >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "backup without a folder exit $rc"

# A restore brings the backup back byte for byte and keeps what it replaced.
cp "$D/cong.dat" "$WORK/cong.before"
printf 'changed' >"$D/cong.dat"
kept=$("$VORLA" --data-dir "$D" --today 2026-12-13 restore "$first" 2>"$WORK/err") || fail "restore: $(cat "$WORK/err")"
same_files "$first" "$D" || fail "restored files differ from the backup"
cmp -s "$D/cong.dat" "$WORK/cong.before" || fail "cong.dat not restored"
[ "$(cat "$kept/cong.dat")" = "changed" ] || fail "the replaced data was not kept in $kept"
"$VORLA" --data-dir "$D" --today 2026-12-13 info >/dev/null 2>"$WORK/err" || fail "restored data does not read: $(cat "$WORK/err")"
# Not a backup: nothing changes.
mkdir -p "$WORK/not-a-backup"
"$VORLA" --data-dir "$D" restore "$WORK/not-a-backup" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "restore from an empty folder exit $rc"
grep -q "не содержит файлов для восстановления" "$WORK/err" || fail "restore from an empty folder message"
cmp -s "$D/cong.dat" "$WORK/cong.before" || fail "a refused restore changed cong.dat"
# Another program holds the folder: a backup reads alongside, a restore refuses.
flock "$D/vorla.lock" sleep 9 &
holder=$!
sleep 0.5
"$VORLA" --data-dir "$D" --today 2026-12-14 backup "$B" >/dev/null 2>"$WORK/err" || fail "backup beside another program: $(cat "$WORK/err")"
"$VORLA" --data-dir "$D" restore "$first" >/dev/null 2>"$WORK/err"; rc=$?
[ $rc -eq 1 ] || fail "restore beside another program exit $rc"
grep -q "занята другой программой Vorla" "$WORK/err" || fail "restore beside another program message"
kill $holder 2>/dev/null; wait $holder 2>/dev/null

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "cli: all checks passed"
