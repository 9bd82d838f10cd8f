#!/bin/sh
# Every executable answers --help and -h with its usage and 0, --version with its name and the
# release (usage: executables_test.sh BIN VERSION), all three without a display, and an unknown option with its usage and 2;
# mf7demo writes only into a new or empty folder or an earlier demo game; beyond the file-size
# limit a write gives an error message instead of ending the program.
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
# expect STATUS COMMAND...: runs the command, output in $tmp/out and $tmp/err.
expect() {
    want=$1
    shift
    "$@" >"$tmp/out" 2>"$tmp/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: exit $got, wanted $want: $*"
        cat "$tmp/err"
        fail=1
    fi
}
for exe in mf7edit mf7batch mf7demo mf7bench mf7copybench mf7shots; do
    [ -x "$bin/$exe" ] || continue
    for opt in --help -h; do
        expect 0 env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$bin/$exe" $opt
        grep -q "^usage: $exe" "$tmp/out" || { echo "FAIL: no usage from $exe $opt"; fail=1; }
    done
    expect 0 env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$bin/$exe" --version
    [ "$(cat "$tmp/out")" = "$exe $2" ] || { echo "FAIL: $exe --version: $(cat "$tmp/out")"; fail=1; }
    expect 2 "$bin/$exe" --frobnicate
    grep -q "^usage: $exe" "$tmp/err" || { echo "FAIL: no usage from $exe --frobnicate"; fail=1; }
done
[ -e ./--help ] && { echo "FAIL: a folder named --help was written"; fail=1; }
if [ -x "$bin/mf7shots" ]; then
    expect 0 "$bin/mf7shots" "$tmp/shots" --suffix -150
    [ -f "$tmp/shots/overview-150.png" ] || { echo "FAIL: no pictures with the suffix"; fail=1; }
fi

# The manual names every command the usage names, in its synopsis and with a description.
man=$(dirname "$0")/../../packaging/man/mf7batch.1
commands=$("$bin/mf7batch" --help | sed -n 's/^.*mf7batch \([a-z][a-z|]*\) .*/\1/p' | tr '|' ' ')
for cmd in $commands; do
    sed -n '/^\.SH SYNOPSIS/,/^\.SH DESCRIPTION/p' "$man" | grep -qw "$cmd" &&
        grep -qx "\.B $cmd" "$man" || { echo "FAIL: mf7batch.1 does not describe $cmd"; fail=1; }
done

mkdir "$tmp/mine" && echo keep >"$tmp/mine/notes.txt"
expect 1 "$bin/mf7demo" "$tmp/mine"
[ "$(ls -A "$tmp/mine")" = notes.txt ] || { echo "FAIL: mf7demo wrote into a foreign folder"; fail=1; }
expect 0 "$bin/mf7demo" "$tmp/demo" --ini "$tmp/mf7edit.ini"
expect 0 "$bin/mf7demo" "$tmp/demo"
grep -q "Edit Folder settings" "$tmp/out" && grep -q -- "--ini" "$tmp/out" ||
    { echo "FAIL: mf7demo does not say how to point the editor at it"; fail=1; }

# The scenario and campaign files are larger than the limit: errors, no signal, no leftovers.
mkdir "$tmp/to"
expect 1 sh -c 'ulimit -f 4 && exec "$0" "$1"' "$bin/mf7demo" "$tmp/small"
expect 2 sh -c 'ulimit -f 4 && exec "$0" copy "$1" --to "$2" --ini "$3"' "$bin/mf7batch" \
    "$tmp/demo/CAMPAIGN/DEMO.CAM" "$tmp/to" "$tmp/mf7edit.ini"
grep -q ">File too large<" "$tmp/err" || { echo "FAIL: no error message from the copy"; fail=1; }
[ -f "$tmp/to/SEELOW.txt" ] || { echo "FAIL: the copy did not go on"; fail=1; }
[ -z "$(ls -A "$tmp/to" | grep '^\.')" ] || { echo "FAIL: temporary files left"; fail=1; }
# Standard output is written into through /dev/stdout (a failed write of it: the batch tests).
"$bin/mf7batch" graph "$tmp/demo/CAMPAIGN/DEMO.CAM" --ini "$tmp/mf7edit.ini" --out /dev/stdout |
    grep -q '"scenarios"' || { echo "FAIL: graph --out /dev/stdout printed no graph"; fail=1; }
exit $fail
