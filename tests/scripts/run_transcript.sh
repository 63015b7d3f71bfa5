#!/usr/bin/env bash
# Runs one transcript test: `zentrel-cli [ARGS] NAME.zen` in this folder, whose
# standard output and standard error must equal NAME.out and NAME.err (a missing
# file means the stream must be empty). NAME.in, if present, is the standard
# input; NAME.args, if present, holds start options (ARGS, split at blanks; paths
# in it are relative to this folder; --no-default-path comes first); NAME.status,
# if present, the exit status.
set -u
cli=$1
name=$2
cd "$(dirname "$0")" || exit 2

actual_out=$(mktemp)
actual_err=$(mktemp)
trap 'rm -f "$actual_out" "$actual_err"' EXIT

input=/dev/null
[ -f "$name.in" ] && input="$name.in"
# Only the folders a test names are searched for external functions: not those
# of the environment, the user's function folder or the library of the program.
unset ZENTREL_PATH
args=()
[ -f "$name.args" ] && read -r -a args <"$name.args"
"$cli" --no-default-path "${args[@]}" "$name.zen" >"$actual_out" 2>"$actual_err" <"$input"
status=$?
# A crash (signal) or a sanitizer abort is always a failure, whatever the transcript.
if [ $status -gt 2 ]; then
    echo "zentrel-cli exited with status $status"
    cat "$actual_err"
    exit 1
fi

failed=0
if [ -f "$name.status" ] && [ "$status" != "$(cat "$name.status")" ]; then
    echo "exit status $status, expected $(cat "$name.status")"
    failed=1
fi
for stream in out err; do
    expected="$name.$stream"
    actual=$actual_out
    [ "$stream" = err ] && actual=$actual_err
    if [ -f "$expected" ]; then
        diff -u --label "$expected" --label "actual std$stream" "$expected" "$actual" || failed=1
    elif [ -s "$actual" ]; then
        echo "unexpected std$stream:"
        cat "$actual"
        failed=1
    fi
done
exit $failed
