#!/usr/bin/env bash
# Installs a build tree as a user or a packager does and checks the result: the
# files `cmake --install` puts under a prefix (staged in a temporary DESTDIR),
# the installed programs run with nothing of the sources in reach, also after
# the installed tree has moved, the desktop files through their validators, and
# the Debian package of `cpack -G DEB` through dpkg-deb. Needs the build tree
# built (every target) and no root.
#
# Usage: check_install.sh BUILD-DIRECTORY
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect() {  # expect WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
app_id=org.zentrel.Zentrel

# The calculator window is installed where it is built. Once it always is, this
# is the line to drop: the file list and the start of the window follow it.
window_built=0
grep -qx zentrel "$build/installed-programs" 2>/dev/null && window_built=1

# The files expected under the prefix, relative to it, sorted.
expected_files() {
    if [ $window_built -eq 1 ]; then
        sort "$here/expected_files"
    else
        grep -vx 'bin/zentrel' "$here/expected_files" | sort
    fi
}

# Runs a command outside the sources with an environment that names none of
# their folders and no function folder of the user.
run_clean() {
    (cd "$work" && env -i HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@")
}

# The installed programs answer from the installed tree under PREFIX-FOLDER.
check_programs() {  # check_programs WHERE PREFIX-FOLDER
    local bin=$2/bin
    expect "$1: the function library" 12 "$(run_clean "$bin/zentrel-cli" -e '!gcd 84 36' 2>&1)"
    expect "$1: zentrel-cli --version" "zentrel-cli $version" "$(run_clean "$bin/zentrel-cli" --version 2>&1)"
    if [ $window_built -eq 1 ]; then
        local shown
        shown=$(run_clean QT_QPA_PLATFORM=offscreen "$bin/zentrel" --version 2>&1) ||
            fail "$1: zentrel --version failed: $shown"
        case $shown in *"$version"*) ;; *) fail "$1: zentrel --version shows [$shown]" ;; esac
    fi
}

# The package that dpkg knows to hold a library; with /usr merged, it may know
# the file under /lib or under /usr/lib.
package_of() {  # package_of PATH
    local candidate
    for candidate in "$1" "/usr$1" "${1#/usr}"; do
        dpkg-query -S "$candidate" 2>/dev/null | sed -n '1s/[:,].*//p' | grep . && return
    done
}

# Every shared library a program names comes from a package that DEPENDS names.
check_dependencies() {  # check_dependencies PROGRAM DEPENDS
    local depended library path owner
    depended=$(tr ',|' '\n\n' <<<"$2" | sed 's/^ *//; s/ .*//')
    for library in $(objdump -p "$1" | awk '$1 == "NEEDED" {print $2}'); do
        # The dynamic loader, named when a program uses it directly, is listed
        # by its path alone.
        path=$(ldd "$1" | awk -v l="$library" '$1 == l && $2 == "=>" {print $3}
                                             $1 ~ "/" l "$" {print $1}')
        owner=$(package_of "$path")
        if [ -z "$owner" ]; then
            fail "no package holds $library, which $(basename "$1") links"
        elif ! grep -qxF "$owner" <<<"$depended"; then
            fail "$(basename "$1") links $library of $owner, which Depends does not name"
        fi
    done
}

check_package() {  # check_package DEB
    local field
    for field in "Package zentrel" "Version $version" "Architecture $arch" "Section math"; do
        expect "the field ${field% *}" "${field#* }" "$(dpkg-deb -f "$1" "${field% *}")"
    done
    [[ "$(dpkg-deb -f "$1" Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] ||
        fail "the Maintainer is no name and address"
    [ "$(dpkg-deb -f "$1" Description | wc -l)" -gt 2 ] || fail "the Description has no long text"
    expect "the files of the package" "$(expected_files | sed 's|^|usr/|')" \
        "$(dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)"
    # No maintainer scripts and no configuration files: the package makes
    # nothing at install time that its removal would leave behind (the menu,
    # icon and MIME caches follow through the triggers of their own packages).
    expect "the control files" "$(printf './control\n./md5sums')" \
        "$(dpkg-deb --ctrl-tarfile "$1" | tar -t | grep -vx '\./' | sort)"

    local unpacked=$work/unpacked program
    dpkg-deb -x "$1" "$unpacked"
    check_programs "unpacked package" "$unpacked/usr"
    for program in "$unpacked/usr/bin/"*; do
        grep -qF "$root" "$program" && fail "$(basename "$program") names the source tree"
        check_dependencies "$program" "$(dpkg-deb -f "$1" Depends)"
    done
}

echo "=== install into a temporary DESTDIR, prefix /usr"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { fail "cmake --install"; cat "$work/install.log"; }
expect "the installed files" "$(expected_files | sed 's|^|usr/|')" \
    "$(cd "$stage" && find . ! -type d | sed 's|^\./||' | sort)"
check_programs "installed" "$stage/usr"
# A function only the installed library has: the program reads that library,
# not the one in the sources.
printf 'return 7\n' >"$stage/usr/share/zentrel/extfunc/staged.vdl"
expect "the installed library, not the sources'" 7 \
    "$(run_clean "$stage/usr/bin/zentrel-cli" -e '!staged' 2>&1)"

echo "=== install under another prefix, then move the tree"
DESTDIR=$work/other cmake --install "$build" --prefix /opt/zentrel >"$work/install.log" 2>&1 ||
    { fail "cmake --install --prefix /opt/zentrel"; cat "$work/install.log"; }
mv "$work/other/opt/zentrel" "$work/moved"
expect "files outside the prefix" "" "$(find "$work/other" ! -type d)"
check_programs "moved" "$work/moved"

echo "=== desktop entry, metainfo, MIME type, icon, manual page"
share=$stage/usr/share
desktop=$share/applications/$app_id.desktop
# Hints are advice (several main categories); errors and warnings fail.
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || fail "desktop-file-validate"
grep -v ': hint: ' "$work/desktop.log" && fail "desktop-file-validate reports the above"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
[ "$(od -An -tx1 -j16 -N8 "$share/icons/hicolor/48x48/apps/$icon.png" 2>/dev/null | tr -d ' \n')" = \
    0000003000000030 ] || fail "no 48 x 48 PNG icon named $icon"
xmllint --noout "$share/icons/hicolor/scalable/apps/$icon.svg" || fail "the SVG icon is not well-formed"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ $window_built -eq 0 ] || [ -x "$stage/usr/bin/$exec_program" ] ||
    fail "the desktop entry starts $exec_program, which is not installed"

metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { fail "appstreamcli validate"; cat "$work/appstream.log"; }
expect "the metainfo launches the desktop entry" "$app_id.desktop" \
    "$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")"

mime=$share/mime/packages/$app_id.xml
xmllint --noout "$mime" || fail "xmllint on the MIME type"
# The MIME database the desktop builds from the package file knows the type.
mkdir -p "$work/data/mime/packages"
cp "$mime" "$work/data/mime/packages/"
XDG_DATA_HOME=$work/data update-mime-database "$work/data/mime" >"$work/mime.log" 2>&1 ||
    fail "update-mime-database"
[ -s "$work/mime.log" ] && { fail "update-mime-database complains:"; cat "$work/mime.log"; }
grep -qx '50:text/x-zentrel-function:\*.vdl' "$work/data/mime/globs2" || fail "no *.vdl glob"
grep -qx 'text/x-zentrel-function text/plain' "$work/data/mime/subclasses" ||
    fail "function files are not plain text"

manual=$share/man/man1/zentrel-cli.1.gz
warnings=$(LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null) || fail "man -l failed"
expect "warnings of the manual page" "" "$warnings"

echo "=== Debian package"
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { fail "cpack -G DEB"; cat "$work/cpack.log"; }
deb=$work/package/zentrel_${version}_$arch.deb
if [ ! -f "$deb" ]; then
    fail "no package $(basename "$deb")"
else
    check_package "$deb"
fi

if [ $failures -gt 0 ]; then
    echo "$failures install checks failed"
    exit 1
fi
echo "install checks passed"
