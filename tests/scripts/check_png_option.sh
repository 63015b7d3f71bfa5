#!/usr/bin/env bash
# Checks the --size and --png options of zentrel-cli: a canvas given pixels by
# --size is written as a PNG file after the last line; without pixels nothing is
# written and the exit status is 1. A write that fails half-way (here at a
# file-size limit) leaves the old file as it was and no partial file, and fails.
# Bad values of the options are usage errors (status 2).
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

for size in 0x4 10x-5 -10x5 16385x1 8x 8 x4 '8 x4'; do
    "$cli" --size "$size" -e '1' >/dev/null 2>&1
    [ $? -eq 2 ] || { echo "--size $size must be a usage error"; exit 1; }
done
"$cli" --png '' -e '1' >/dev/null 2>"$out/stderr"
[ $? -eq 2 ] || { echo "an empty --png must be a usage error"; exit 1; }
grep -q -- "--png needs a file name" "$out/stderr" || { echo "no message for an empty --png"; exit 1; }

# A picture far larger than the limit of 8 KiB (noise compresses badly); the
# signal of an exceeded limit is ignored so that the write fails with EFBIG.
mkdir "$out/pictures"
cp "$out/a.png" "$out/pictures/keep.png"
(
    trap '' XFSZ
    ulimit -f 8
    "$cli" --size 400x400 --png "$out/pictures/keep.png" --seed 1 \
        -e '@i = 0; while @i [<] 2000; :gcolor ( rand % 16 ); :gfill ( rand % 400 ) ( rand % 400 ) 9 9; @i++; endwhile'
) >/dev/null 2>"$out/stderr"
[ $? -eq 1 ] || { echo "a write beyond the file-size limit must fail"; cat "$out/stderr"; exit 1; }
grep -q "cannot write" "$out/stderr" || { echo "no message for the failed write"; exit 1; }
cmp -s "$out/a.png" "$out/pictures/keep.png" || { echo "the old picture was changed"; exit 1; }
[ "$(ls -A "$out/pictures")" = "keep.png" ] || { echo "a partial file remains"; ls -A "$out/pictures"; exit 1; }

# A folder that does not exist is not made.
"$cli" --size 8x4 --png "$out/missing/x.png" -e ':gclear 9' >/dev/null 2>&1
[ $? -eq 1 ] || { echo "a write into a missing folder must fail"; exit 1; }
[ ! -e "$out/missing" ] || { echo "a missing folder was made"; exit 1; }

# A folder that cannot be written to (root may write anywhere: not checked then).
if [ "$(id -u)" -ne 0 ]; then
    chmod 555 "$out/pictures"
    "$cli" --size 8x4 --png "$out/pictures/keep.png" -e ':gclear 9' >/dev/null 2>&1
    status=$?
    chmod 755 "$out/pictures"
    [ $status -eq 1 ] || { echo "a write into a read-only folder must fail"; exit 1; }
    cmp -s "$out/a.png" "$out/pictures/keep.png" || { echo "the old picture was changed"; exit 1; }
fi
exit 0
