# Shared by the set-up scripts: the Debian packages the project needs and the
# build steps. Sourced, not run.

ZENTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Everything a build of every target needs on a fresh Debian 12 machine.
ZENTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libedit-dev libpng-dev
    clang libclang-rt-14-dev
    # The install test: validators of the desktop files, the manual-page
    # checker, the Debian package tools and the icon renderer.
    desktop-file-utils appstream libxml2-utils shared-mime-info man-db dpkg-dev librsvg2-bin
    qt6-base-dev libgl-dev fonts-noto-cjk
    xvfb xauth xdotool
)

# Installs the packages that are not installed yet; does nothing when all are.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${ZENTREL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds one preset.
build_preset() {
    local preset=$1
    (cd "$ZENTREL_ROOT" &&
        cmake --preset "$preset" >/dev/null &&
        cmake --build --preset "$preset")
}

# The libFuzzer targets of the preset `fuzz`.
ZENTREL_FUZZ_TARGETS=(literal_parser_fuzz compiler_fuzz engine_run_fuzz function_file_fuzz)

# Writes the seed inputs of every fuzz target under build/fuzz/seeds: the
# transcript scripts and external function files, whole for the interpreter,
# line by line for the compiler, word by word in every numeric mode for the
# literal parser; the function files whole for the function-file target.
make_fuzz_seeds() {
    local seeds=$ZENTREL_ROOT/build/fuzz/seeds
    rm -rf "$seeds"
    mkdir -p "$seeds/engine_run_fuzz" "$seeds/compiler_fuzz" "$seeds/literal_parser_fuzz" \
        "$seeds/function_file_fuzz"
    local file n=0
    while IFS= read -r -d '' file; do
        n=$((n + 1))
        cp "$file" "$seeds/function_file_fuzz/$n.vdl"
    done < <(find "$ZENTREL_ROOT/share" "$ZENTREL_ROOT/tests" -type f -name '*.vdl' -print0)
    local sources=("$ZENTREL_ROOT"/tests/scripts/*.zen)
    if [ -d "$ZENTREL_ROOT/share/extfunc" ]; then
        while IFS= read -r -d '' file; do sources+=("$file"); done \
            < <(find "$ZENTREL_ROOT/share/extfunc" -type f -print0)
    fi
    local name
    n=0
    for file in "${sources[@]}"; do
        name=$(basename "$file")
        cp "$file" "$seeds/engine_run_fuzz/$name"
        local line
        while IFS= read -r line; do
            n=$((n + 1))
            printf '\000%s' "$line" >"$seeds/compiler_fuzz/$n"
            printf '\001%s' "$line" >"$seeds/compiler_fuzz/$n.numbers"
        done <"$file"
    done
    local word mode
    n=0
    for word in $(cat "${sources[@]}" | tr -s ' \t;()' '\n' | grep -E '^[-+.0-9]' | sort -u | head -200); do
        n=$((n + 1))
        for mode in 0 2 4 6 7 8 11 13; do
            printf "\\$(printf '%03o' "$mode")\\012%s" "$word" >"$seeds/literal_parser_fuzz/$n.$mode"
        done
    done
    # The 0x prefix of radix 16 (radix byte 14) in the integer modes.
    for word in 0x1f 0XFF -0x10 0x 0xg 0x0x1 0xffffffffff; do
        n=$((n + 1))
        for mode in 8 11 12 13; do
            printf "\\$(printf '%03o' "$mode")\\016%s" "$word" >"$seeds/literal_parser_fuzz/$n.$mode"
        done
    done
}

# Runs every fuzz target for the given seconds on its corpus (kept in
# build/fuzz/corpus, seeded from build/fuzz/seeds); crash inputs go to
# build/fuzz/artifacts and logs to build/fuzz/logs. Fails when a target finds
# something.
run_fuzzers() {
    local seconds=$1
    local dir=$ZENTREL_ROOT/build/fuzz
    make_fuzz_seeds
    mkdir -p "$dir/artifacts" "$dir/logs"
    local target status=0 execs
    for target in "${ZENTREL_FUZZ_TARGETS[@]}"; do
        mkdir -p "$dir/corpus/$target"
        echo "=== fuzz: $target for ${seconds}s"
        if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$dir/fuzz/$target" "$dir/corpus/$target" "$dir/seeds/$target" \
            -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$dir/artifacts/$target-" >"$dir/logs/$target.log" 2>&1; then
            execs=$(grep -o 'number_of_executed_units: [0-9]*' "$dir/logs/$target.log" | grep -o '[0-9]*$')
            echo "    clean: ${execs:-?} executions"
        else
            echo "    FOUND A FAULT: see $dir/logs/$target.log"
            tail -n 40 "$dir/logs/$target.log"
            status=1
        fi
    done
    return $status
}
