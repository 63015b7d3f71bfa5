#!/usr/bin/env bash
# zentrel-cli stops endless input lines: --max-steps ends the line and goes on
# with the next; Ctrl-C (SIGINT) in batch use ends the program with status 130,
# whether a line is running or the program waits for input.
set -u
cli=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "$1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

out=$("$cli" --max-steps 50 -e '@i = 0; while 1; @i++; endwhile' -e '@i [>] 0' 2>"$work/err")
status=$?
expect "budget: the next line runs on the state left" "1" "$out"
expect "budget: message" "実行を中断しました" "$(cat "$work/err")"
expect "budget: status" 1 "$status"

expect "budget: big enough" "100" "$("$cli" --max-steps 1000 -e '@i = 0; while @i [<] 100; @i++; endwhile; @i')"
"$cli" --max-steps 0 -e 1 >/dev/null 2>&1
expect "budget: zero is refused" 2 $?
for size in 0 1Q -5M ''; do
    "$cli" --max-memory "$size" -e 1 >/dev/null 2>&1
    expect "memory limit: $size is refused" 2 $?
done
expect "memory limit: a size with a unit" "2" "$("$cli" --max-memory 64M -e '1 + 1')"

printf '@i = 0\nwhile 1; @i++; endwhile\n@i = 1\n' >"$work/loop.zen"
timeout --preserve-status -s INT 1 "$cli" "$work/loop.zen" >"$work/out" 2>"$work/err"
expect "signal in a running line: status" 130 $?
expect "signal in a running line: message" "$work/loop.zen:2: 実行を中断しました" "$(cat "$work/err")"

# A line that never comes: the signal arrives while the program reads.
timeout --preserve-status -s INT 1 "$cli" - < <(sleep 3 2>/dev/null) >/dev/null 2>&1
expect "signal while reading: status" 130 $?

exit $((failures > 0))
