#!/usr/bin/env bash
# The real program as a user meets it: zentrel in an X server of its own
# (Xvfb), with fresh settings and temporary folders. Types an expression and
# presses Enter with synthetic X input (xdotool), ends the program with SIGTERM,
# then checks the settings file and the history file, and replays the history
# with zentrel-cli --png.
# Usage: xvfb_end_to_end.sh ZENTREL ZENTREL_CLI. Exit 77 (skipped) without Xvfb or xdotool;
# KEEP_WORK=1 keeps the temporary folder (logs, settings, history) for a look.
set -euo pipefail
zentrel=$1
cli=$2
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
server=
program=
cleanup() {
    [ -n "$program" ] && kill -KILL "$program" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    [ -n "${KEEP_WORK:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# The server picks a free display and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

"$zentrel" >"$work/zentrel.log" 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^関数グラフ$' | head -n 1) ||
    fail "the window did not appear: $(cat "$work/zentrel.log")"
[ -d "$XDG_DATA_HOME/zentrel/extfunc" ] || fail "the user's function folder was not made"

# Without a window manager the X focus goes where it is put.
xdotool windowfocus --sync "$window"
xdotool type --delay 30 'sin x'
xdotool key Return
history=$TMPDIR/Zentrel.log
wait_for 100 grep -q '^:plot \["sin x\] 250$' "$history" 2>/dev/null ||
    fail "no draw recorded: $(cat "$history" 2>/dev/null)"

kill -TERM "$program"
status=0
wait "$program" || status=$?
program=
[ "$status" -eq 0 ] || fail "zentrel ended with status $status after SIGTERM"

settings=$XDG_CONFIG_HOME/zentrel/MORVIK.INI
[ -f "$settings" ] || fail "no settings file"
grep -q '^\[ENVIRONMENT\]$' "$settings" || fail "no ENVIRONMENT section"
grep -q '^Angle=1$' "$settings" || fail "Angle not written"
grep -q '^\[GRAPH WINDOW\]$' "$settings" || fail "no GRAPH WINDOW section"
grep -q "^LogFileName=$history\$" "$settings" || fail "LogFileName not written"
grep -q '^Mode=0$' "$settings" || fail "Mode not written"

head -n 1 "$history" | grep -q '^func window left bottom right top backcolor scalecolor$' ||
    fail "the history has no header"
grep -q '^:gworld [0-9]* [0-9]*$' "$history" || fail "the history has no :gworld line"
grep -q '^# ' "$history" || fail "the history has no dated block"
grep -q '^:rad$' "$history" || fail "the history has no angle line"

"$cli" --png "$work/replay.png" "$history" || fail "the replay of the history failed"
[ "$(head -c 8 "$work/replay.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "the replay wrote no PNG"
echo "zentrel drew, recorded and ended in order; its history replays"
