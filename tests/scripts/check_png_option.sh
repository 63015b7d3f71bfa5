#!/usr/bin/env bash
# Checks the --size and --png options of zentrel-cli: a canvas given pixels by
# --size is written as a PNG file after the last line; without pixels nothing is
# written and the exit status is 1.
set -u
cli=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cli" --size 8x4 --png "$out/a.png" -e ':gclear 5' -e ':println gwidth [" ] gheight' >"$out/stdout" || exit 1
[ "$(cat "$out/stdout")" = "8 4" ] || { echo "--size did not make an 8 x 4 canvas"; exit 1; }
[ "$(head -c 8 "$out/a.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
    { echo "no PNG written"; exit 1; }

"$cli" --png "$out/b.png" -e '1' >/dev/null 2>"$out/stderr"
[ $? -eq 1 ] || { echo "a canvas without pixels must fail"; exit 1; }
[ ! -e "$out/b.png" ] || { echo "a file was written for a canvas without pixels"; exit 1; }

"$cli" --size 0x4 -e '1' >/dev/null 2>&1
[ $? -eq 2 ] || { echo "a bad --size must be a usage error"; exit 1; }
exit 0
