#!/usr/bin/env bash
# Sets up, builds and runs Velmora on Debian 12.
#   ./build.sh run [FILE]   install what is missing, build, start the editor
#   ./build.sh test         install what is missing, build, run every test
#   ./build.sh package      install what is missing, build, write the Debian package velmora_VERSION_ARCH.deb
#   ./build.sh sanitize     the same tests in an AddressSanitizer + UndefinedBehaviorSanitizer build
#   ./build.sh fuzz         build the libFuzzer targets with clang (into build-fuzz/)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                libgtest-dev libgmock-dev libbenchmark-dev librsvg2-bin)
# The package is made by cpack with dpkg-deb and dpkg-shlibdeps; its tests validate the desktop entry,
# the metainfo, the MIME types, the manual pages and the bash completion.
PACKAGE_PACKAGES=(dpkg-dev)
TEST_PACKAGES=(mkgmap "${PACKAGE_PACKAGES[@]}" appstream desktop-file-utils shared-mime-info man-db
               bash-completion)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$(nproc)"
}

case "${1:-}" in
run)
    shift
    install_missing "${BUILD_PACKAGES[@]}"
    build default
    if [ -x build/app/velmora ]; then
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            # No desktop session: run the editor on a virtual X display so that it still starts.
            install_missing xvfb xauth
            echo "No display found: starting the editor on a virtual X display (xvfb-run)."
            exec xvfb-run -a -s "-screen 0 1280x1024x24" build/app/velmora "$@"
        fi
        exec build/app/velmora "$@"
    fi
    out=${TMPDIR:-/tmp}/velmora-sample.txt
    build/cli/velmora-typ convert examples/sample.txt "$out"
    echo "Converted examples/sample.txt; the output went to $out"
    ;;
test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build default
    ctest --preset default -j "$(nproc)"
    ;;
package)
    install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    build default
    rm -rf build/package
    (cd build && cpack -B package)
    for deb in build/package/velmora_*.deb; do
        cp "$deb" .
        echo "Written: ${deb##*/}  (install it with: apt-get install ./${deb##*/})"
    done
    ;;
sanitize)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build asan
    ctest --preset asan -j "$(nproc)"
    ;;
fuzz)
    install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    build fuzz
    ;;
*)
    sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
