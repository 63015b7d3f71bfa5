#!/usr/bin/env bash
# The external-function search path of zentrel-cli: --path, then ZENTREL_PATH,
# then the user's function folder ($XDG_DATA_HOME/zentrel/extfunc, else under
# ~/.local/share), then the library of the program, which a program in the
# build tree finds in the sources; --no-default-path leaves out the last two.
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "$1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# A folder holding gcd.vdl that answers `answer`, so a call shows which folder won.
gcd_folder() {  # gcd_folder FOLDER ANSWER
    mkdir -p "$1"
    printf '# - a b: shows which folder was searched first\nreturn %s\n' "$2" >"$1/gcd.vdl"
}
gcd_folder "$work/data/zentrel/extfunc" 2
gcd_folder "$work/home/.local/share/zentrel/extfunc" 3
gcd_folder "$work/env" 4
gcd_folder "$work/option" 5

# Nothing of the caller's own folders takes part; the calls run outside the sources.
cd "$work" || exit 2
unset ZENTREL_PATH XDG_DATA_HOME
export HOME=$work/nobody

expect "the library from the build tree" 12 "$("$cli" -e '!gcd 84 36')"
expect "the user's folder comes before the library" 2 \
    "$(XDG_DATA_HOME=$work/data "$cli" -e '!gcd 84 36')"
expect "without XDG_DATA_HOME the user's folder is under HOME" 3 \
    "$(HOME=$work/home "$cli" -e '!gcd 84 36')"
expect "a relative XDG_DATA_HOME counts as unset" 3 \
    "$(HOME=$work/home XDG_DATA_HOME=data "$cli" -e '!gcd 84 36')"
expect "ZENTREL_PATH comes before the user's folder" 4 \
    "$(ZENTREL_PATH=$work/env XDG_DATA_HOME=$work/data "$cli" -e '!gcd 84 36')"
expect "--path comes before ZENTREL_PATH" 5 \
    "$(ZENTREL_PATH=$work/env "$cli" --path "$work/option" -e '!gcd 84 36')"

"$cli" --no-default-path -e '!gcd 84 36' >"$work/out" 2>&1
expect "--no-default-path: status" 1 $?
expect "--no-default-path: message" "外部関数gcdがオープンできません" "$(cat "$work/out")"
expect "--no-default-path keeps ZENTREL_PATH" 4 \
    "$(ZENTREL_PATH=$work/env XDG_DATA_HOME=$work/data "$cli" --no-default-path -e '!gcd 84 36')"

expect "--list shows the user's folder and the library" "gcd - gcd a b: shows which folder was searched first
simpson" "$(XDG_DATA_HOME=$work/data "$cli" --list | sed -n '/^gcd/p;$s/ .*//p')"

exit $((failures > 0))
