#!/usr/bin/env bash
# The Windows programs under Wine on a demo game whose folder names need more than Windows-1252,
# given on the command line as Windows paths: every command must read and write exactly there.
set -euo pipefail
build=$(realpath "${1:?usage: windows-smoke.sh BUILD_FOLDER}")
bin=$build/bin
export WINEPREFIX=$build/wine WINEDEBUG=-all LC_ALL=C.UTF-8
top=$build/smoke
rm -rf "$top"
home="$top/Łódź 東京 Игры"
mkdir -p "$home"
# Wine shows the Linux root as drive Z:.
win() { printf 'Z:%s' "${1//\//\\}"; }
fail() {
    echo "windows smoke: $*" >&2
    exit 1
}
run() { wine "$@" | tr -d '\r'; }
lower() { python3 -c 'import sys; print(sys.argv[1].lower())' "$1"; }

run "$bin/mf7demo.exe" "$(win "$home/game")" --ini "$(win "$home/mf7edit.ini")" >/dev/null
ini=$home/mf7edit.ini
[ -f "$home/game/CAMPAIGN/DEMO.CAM" ] || fail "mf7demo did not write into $home/game"
# The folder names need UTF-8, which the byte-order mark announces; lines end in CR LF and the
# values are lower case with backslashes.
head -c3 "$ini" | od -An -tx1 | grep -q 'ef bb bf' || fail "settings file without byte-order mark"
grep -c $'\r$' "$ini" | grep -qx 22 || fail "settings file lines do not all end in CR LF"
grep -qF "mf7_cam=$(lower "$(win "$home/game/CAMPAIGN")")" "$ini" ||
    fail "settings value not the lower-case Windows path: $(grep mf7_cam "$ini")"

cam=$(win "$home/game/CAMPAIGN/DEMO.CAM")
ini_w=$(win "$ini")
show=$(run "$bin/mf7batch.exe" show "$cam" --ini "$ini_w")
grep -q "No of Scenarios: 8" <<<"$show" || fail "show: $show"
! grep -q "not found" <<<"$show" || fail "show finds no scenario file: $show"

report=$(run "$bin/mf7batch.exe" list "$cam" --ini "$ini_w")
[ "$report" = "$(lower "$(win "$home/game/REPORTS")")\Small Campaignlist for DEMO.txt" ] ||
    fail "list printed $report"
list_file=$(ls "$home/game/REPORTS/"*.txt)
[ "$(grep -c $'\r$' "$list_file")" = "$(wc -l <"$list_file")" ] || fail "report not in CR LF"

status=0
run "$bin/mf7batch.exe" check "$cam" --ini "$ini_w" >/dev/null || status=$?
[ "$status" -le 1 ] || fail "check exited $status"

target="$home/copy 游戏"
mkdir "$target"
status=0
run "$bin/mf7batch.exe" copy "$cam" --to "$(win "$target")" --ini "$ini_w" >"$top/copy.out" ||
    status=$?
[ "$status" -le 1 ] || fail "copy exited $status: $(cat "$top/copy.out")"
[ -f "$target/DEMO.CAM" ] && [ -f "$target/report.txt" ] || fail "copy did not write into $target"
[ "$(ls "$home" | wc -l)" = 3 ] || fail "something was written beside the game: $(ls "$home")"
grep -qF "$(win "$target")" "$top/copy.out" || fail "copy report does not name $target whole"
echo "Windows smoke run passed."
