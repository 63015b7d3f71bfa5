# Shared by the set-up scripts: the Debian packages the project needs and the
# build steps. Sourced, not run.

ZENTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Everything a build of every target needs on a fresh Debian 12 machine.
ZENTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libedit-dev libpng-dev
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
