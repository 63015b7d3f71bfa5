#!/usr/bin/env bash
# Runs every example of a Markdown document (the user's guide, the README)
# through zentrel-cli and compares what it prints with what the document shows,
# so that the document cannot lie.
#
# Usage: check_doc_examples.sh ZENTREL-CLI DOCUMENT.md
#
# Every fenced block of the document is one of:
#   ```zentrel      a transcript. A line "$ zentrel-cli ARGS" starts a run of the
#                   program with those arguments (quoted with '...' as in a
#                   shell); a block that begins with input lines runs it with no
#                   arguments. A line "> TEXT" is TEXT typed at the prompt: it goes
#                   to the run's standard input. Every other line is output, of
#                   standard output and standard error together, in order.
#   ```LANG NAME    a file the examples use (a function file, a script): its
#                   lines are written to NAME before the next example runs.
# Any other block fails the test: every example has to be checked.
# The examples run in one scratch folder, in which share/ is the project's, as a
# new user would: with no function folder of their own and no ZENTREL_PATH.
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
doc=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
doc_name=$(basename "$doc")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$root/share" "$work/share"
cd "$work" || exit 2
unset ZENTREL_PATH
export XDG_DATA_HOME=$work/.local/share

failures=0
runs=0
block_kind=""   # zentrel, file, or empty outside a block
block_start=0
file_name=""
run_open=0
run_line=0
args=()
input=""
expected=""
file_text=""

fail() {
    echo "$doc_name:$1: $2"
    failures=$((failures + 1))
}

# Runs the open run, if any, and compares its output.
finish_run() {
    [ $run_open -eq 1 ] || return 0
    run_open=0
    runs=$((runs + 1))
    printf '%s' "$input" >"$work/.input"
    "$cli" "${args[@]}" <"$work/.input" >"$work/.actual" 2>&1
    local status=$?
    # A crash (signal) or a sanitizer abort is always a failure.
    if [ $status -gt 2 ]; then
        fail "$run_line" "zentrel-cli exited with status $status"
        cat "$work/.actual"
    fi
    local actual=""
    IFS= read -r -d '' actual <"$work/.actual"
    if [ "$actual" != "$expected" ]; then
        printf '%s' "$expected" >"$work/.expected"
        diff -u --label "$doc_name, line $run_line" --label "zentrel-cli" \
            "$work/.expected" "$work/.actual"
        fail "$run_line" "the output differs from the document"
    fi
    check_pictures
}

# A picture the document says is written has to be there.
check_pictures() {
    local i
    for ((i = 0; i + 1 < ${#args[@]}; i++)); do
        [ "${args[i]}" = --png ] || continue
        if [ "$(head -c 8 "${args[i + 1]}" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != \
            89504e470d0a1a0a ]; then
            fail "$run_line" "no PNG picture ${args[i + 1]}"
        fi
    done
}

start_run() {
    finish_run
    run_open=1
    run_line=$1
    args=()
    if [ -n "$2" ]; then
        mapfile -d '' -t args < <(printf '%s' "$2" | xargs -r printf '%s\0')
    fi
    input=""
    expected=""
}

transcript_line() {
    local number=$1 line=$2
    case $line in
    '$ zentrel-cli' | '$ zentrel-cli '*)
        start_run "$number" "${line#'$ zentrel-cli'}"
        ;;
    '$ '*)
        fail "$number" "an example runs zentrel-cli only"
        ;;
    '> '* | '>')
        [ $run_open -eq 1 ] || start_run "$number" ""
        local typed=${line#>}
        input+="${typed# }"$'\n'
        ;;
    *)
        [ $run_open -eq 1 ] || fail "$number" "output before any input"
        expected+="$line"$'\n'
        ;;
    esac
}

open_block() {
    local number=$1 info=$2 extra
    block_start=$number
    read -r block_kind file_name extra <<<"$info"
    if [ "$block_kind" = zentrel ] && [ -z "$file_name" ]; then
        return
    fi
    if [ -n "$file_name" ] && [ -z "$extra" ] && [ "$file_name" = "$(basename "$file_name")" ]; then
        block_kind=file
        file_text=""
        return
    fi
    fail "$number" "a block that is neither a transcript (zentrel) nor a file (LANG NAME)"
    block_kind=skip
}

close_block() {
    case $block_kind in
    zentrel) finish_run ;;
    file) printf '%s' "$file_text" >"$work/$file_name" ;;
    esac
    block_kind=""
}

number=0
while IFS= read -r line || [ -n "$line" ]; do
    number=$((number + 1))
    if [ -z "$block_kind" ]; then
        case $line in '```'*) open_block "$number" "${line#'```'}" ;; esac
        continue
    fi
    if [ "$line" = '```' ]; then
        close_block
        continue
    fi
    case $block_kind in
    zentrel) transcript_line "$number" "$line" ;;
    file) file_text+="$line"$'\n' ;;
    esac
done <"$doc"
[ -z "$block_kind" ] || fail "$block_start" "the block is not closed"

if [ $runs -eq 0 ]; then
    fail 1 "no examples found"
fi
if [ $failures -gt 0 ]; then
    echo "$failures checks of $doc_name failed ($runs runs)"
    exit 1
fi
echo "$runs runs of the examples of $doc_name agree with zentrel-cli"
