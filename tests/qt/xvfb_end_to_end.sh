#!/usr/bin/env bash
# The real program as a user meets it: zentrel in an X server of its own
# (Xvfb), with fresh settings and temporary folders. Types an expression and
# presses Enter with synthetic X input (xdotool); traces the curve with the
# mouse, registers the point and a typed one, saves the table through the
# save-file dialog over an older file and checks the file's bytes; ends the
# program with SIGTERM, then checks the settings file and the history file,
# and replays the history with zentrel-cli --png.
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
# Qt's own file dialog, as on a desktop without a portal or a platform theme.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP

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

# Where a control of the main window is: the middle of its rectangle in
# dialog units from the window's control table, scaled as the graph area's
# rectangle there is to its size in pixels (the history's :gworld line).
controls=$(dirname "$0")/../../app/main/main_controls.cpp
dialog_rect() {
    grep -m 1 "\"$1\"" "$controls" | sed -E 's/.*\{([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+)\}.*/\1 \2 \3 \4/'
}
read -r area_units_left area_units_top area_units_x area_units_y <<<"$(dialog_rect graphArea)"
read -r area_x area_y <<<"$(sed -nE 's/^:gworld ([0-9]+) ([0-9]+)$/\1 \2/p' "$history")"
[ -n "$area_units_x" ] && [ -n "$area_x" ] || fail "the graph area's size is not known"
click_control() {
    local x y w h
    read -r x y w h <<<"$(dialog_rect "$1")"
    [ -n "$h" ] || fail "no control $1 in the control table"
    xdotool mousemove --window "$window" --sync $(((2 * x + w) * area_x / (2 * area_units_x))) \
        $(((2 * y + h) * area_y / (2 * area_units_y))) click 1
}
# A visible window of the program whose name matches $1 and that is none of
# those given after it; it is left in $found.
new_window() {
    local name=$1
    shift
    found=$(xdotool search --all --onlyvisible --pid "$program" --name "$name" |
        grep -vxF "$(printf '%s\n' "$@")" | head -n 1) && [ -n "$found" ]
}

# A point of the curve left of the y axis, traced with the mouse (the trace
# reads the column; the row is the curve's), registered with its button; then
# x = 2 typed into the argument field, which the registering focused.
read -r left bottom right top <<<"$(grep -m 1 '^window ' "$history" | tr -d '\\' | cut -d ' ' -f 2-5)"
column=$((area_x / 2 - 12))
traced_x=$(awk -v l="$left" -v r="$right" -v c="$column" -v w="$area_x" \
    'BEGIN { print l + (c + 0.5) * (r - l) / w }')
row=$(awk -v b="$bottom" -v t="$top" -v x="$traced_x" -v h="$area_y" \
    'BEGIN { printf "%d", (t - sin(x)) * h / (t - b) }')
click_control traceTool
xdotool mousemove --window "$window" --sync $((column + area_units_left * area_x / area_units_x)) \
    $((row + area_units_top * area_y / area_units_y)) click 1
click_control registerButton
xdotool key ctrl+a type --delay 30 '2'
xdotool key Return

click_control showTableButton
table=$(timeout 20 xdotool search --sync --onlyvisible --name '^数表$' | head -n 1) ||
    fail "the table window did not appear"
# "保存" sits in the table window's bottom right corner, 75 x 25 pixels, 2 from the edges.
eval "$(xdotool getwindowgeometry --shell "$table")"
saved=$work/table.txt
printf 'older table\n' >"$saved"
xdotool mousemove --window "$table" --sync $((WIDTH - 2 - 37)) $((HEIGHT - 2 - 12)) click 1
wait_for 100 new_window . "$window" "$table" || fail "no save-file dialog appeared"
chooser=$found
xdotool windowfocus --sync "$chooser"
xdotool key ctrl+a type --delay 10 "$saved"
xdotool key Return
# The question bears the dialog's title; the file name's completion list,
# which may still show, does not.
wait_for 100 new_window "^$(xdotool getwindowname "$chooser")\$" "$chooser" ||
    fail "no question before overwriting"
xdotool windowfocus --sync "$found"
xdotool key y
wait_for 100 grep -q '^y=' "$saved" || fail "the table was not saved: $(cat "$saved")"

# Every line ends with CR LF, the file too; the rows are in order of x.
lines=$(tr -cd '\n' <"$saved" | wc -c)
[ "$lines" -eq 4 ] || fail "the table file has $lines lines: $(cat -A "$saved")"
[ "$(grep -c $'\r$' "$saved")" -eq 4 ] || fail "a line of the table file lacks its CR"
[ "$(tail -c 2 "$saved" | od -An -tx1 | tr -d ' \n')" = 0d0a ] || fail "the table file ends without CR LF"
[ "$(head -n 2 "$saved")" = $'y=sin x\r\nx\ty\r' ] || fail "wrong header: $(head -n 2 "$saved" | cat -A)"
sed -n 3p "$saved" | tr -d '\r' | awk -F '\t' -v x="$traced_x" \
    'NF != 2 || $1 - x > 0.2 || x - $1 > 0.2 || $2 - sin($1) > 1e-5 || sin($1) - $2 > 1e-5 { exit 1 }' ||
    fail "the traced row is not x = $traced_x on sin x: $(sed -n 3p "$saved" | cat -A)"
[ "$(sed -n 4p "$saved")" = $'2\t0.909297\r' ] || fail "wrong typed row: $(sed -n 4p "$saved" | cat -A)"

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
echo "zentrel drew, traced, saved its table, recorded and ended in order; its history replays"
