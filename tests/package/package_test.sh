#!/usr/bin/env bash
# The Debian package as a user gets it: "build" makes it with cpack from this build folder and
# unpacks it (dpkg-deb -x) into WORK/root; the other checks read that root.
#   package_test.sh CHECK WORK CPACK CPACK_CONFIG VERSION APP_ID SAMPLE
# Exit status 77 (a skip) when a tool is missing, except in CI, where that is a failure.
set -euo pipefail
check=$1 work=$2 cpack=$3 config=$4 version=$5 app_id=$6 sample=$7
root=$work/root
bin=$root/usr/bin
share=$root/usr/share
status=0

missing() { # WHAT DEBIAN-PACKAGE
    echo "$1 not found: install the Debian package $2 (./build.sh test installs it)"
    [ -n "${CI:-}" ] && exit 1
    exit 77
}
need() { # TOOL DEBIAN-PACKAGE
    command -v "$1" >/dev/null 2>&1 || missing "$1" "$2"
}
png_size() { # the width and height in a PNG's header, "W x H"
    local bytes
    read -ra bytes <<<"$(od -An -tu1 -j12 -N12 "$1" 2>/dev/null)"
    [ "${#bytes[@]}" -eq 12 ] && [ "${bytes[*]:0:4}" = "73 72 68 82" ] || return 0
    echo "$(((bytes[4] << 24) + (bytes[5] << 16) + (bytes[6] << 8) + bytes[7])) x $(((bytes[8] << 24) + (bytes[9] << 16) + (bytes[10] << 8) + bytes[11]))"
}
fail() {
    echo "FAIL: $*"
    status=1
}
expect_equal() { # WHAT ACTUAL EXPECTED
    [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

case $check in
build)
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    rm -rf "$work"
    mkdir -p "$work/out"
    if ! "$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        exit 1
    fi
    debs=("$work"/out/velmora_"$version"_*.deb)
    [ -f "${debs[0]}" ] || { echo "cpack wrote no velmora_${version}_*.deb"; ls -l "$work/out"; exit 1; }
    cp "${debs[0]}" "$work/velmora.deb"
    dpkg-deb -x "$work/velmora.deb" "$root"
    field() { dpkg-deb -f "$work/velmora.deb" "$1"; }
    expect_equal Package "$(field Package)" velmora
    expect_equal Version "$(field Version)" "$version"
    expect_equal Section "$(field Section)" graphics
    [[ $(field Depends) == *libqt6widgets6* && $(field Depends) == *libc6* ]] ||
        fail "Depends lacks the shared libraries: $(field Depends)"
    [[ $(field Maintainer) =~ ^[^\<]+\ \<[^@]+@[^@]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
    [ "$(field Description | wc -l)" -ge 3 ] || fail "Description has no long text"
    ;;

programs)
    # The unpacked programs themselves, not those of the build folder; render finds its drawing
    # program beside velmora-typ.
    expect_equal "velmora-typ --version" "$("$bin/velmora-typ" --version)" "velmora-typ Version $version"
    expect_equal "velmora --version" \
        "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$bin/velmora" --version)" \
        "velmora Version $version"
    out=$work/programs
    rm -rf "$out" && mkdir -p "$out"
    "$bin/velmora-typ" convert "$sample" "$out/sample.txt" || fail "convert"
    grep -q '^\[_point\]' "$out/sample.txt" || fail "the converted file has no point"
    "$bin/velmora-typ" render "$sample" "$out/point.bmp" --kind point --index 0 || fail "render"
    [ "$(head -c 2 "$out/point.bmp" 2>/dev/null)" = BM ] || fail "render wrote no BMP"
    ;;

metadata)
    need appstreamcli appstream
    need desktop-file-validate desktop-file-utils
    need update-mime-database shared-mime-info
    desktop=$share/applications/$app_id.desktop
    metainfo=$share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
    for key in 'Name\[ru\]' 'Comment\[ru\]'; do
        grep -q "^$key=" "$desktop" || fail "the desktop entry has no $key"
    done
    # What the entry and the metainfo name is in the package.
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$bin/$exec_program" ] || fail "Exec names $exec_program, not in usr/bin"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
    for size in 16 22 24 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x$size/apps/$icon.png
        expect_equal "size of $png" "$(png_size "$png")" "$size x $size"
    done
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
    for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
        [ -x "$bin/$binary" ] || fail "the metainfo provides $binary, not in usr/bin"
    done
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
    # The MIME types: a database made of the package's file alone knows both by name and signature.
    mime=$work/mime
    rm -rf "$mime" && mkdir -p "$mime/packages"
    cp "$share/mime/packages/velmora.xml" "$mime/packages/"
    update-mime-database "$mime" 2>"$work/mime.err" || fail "update-mime-database: $(cat "$work/mime.err")"
    grep -q ':application/x-garmin-typ:\*\.typ$' "$mime/globs2" || fail "*.typ is not application/x-garmin-typ"
    grep -q 'GARMIN TYP' "$mime/magic" || fail "no signature GARMIN TYP in the MIME magic"
    for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
        grep -q "^$type\$" "$mime/types" || fail "the desktop entry opens $type, which the package does not define"
    done
    ;;

files)
    # Every file the package lists is there once unpacked, and everything a user needs is listed.
    listed=$(dpkg-deb -c "$work/velmora.deb" | awk '{ print $6 }' | sed 's|^\./||')
    while read -r path; do
        [ -n "$path" ] && { [ -e "$root/$path" ] || [ -L "$root/$path" ]; } || fail "listed but missing: $path"
    done <<<"$listed"
    for path in usr/bin/velmora usr/bin/velmora-typ usr/bin/velmora-typ-render \
        "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
        usr/share/mime/packages/velmora.xml usr/share/icons/hicolor/scalable/apps/velmora.svg \
        usr/share/man/man1/velmora.1.gz usr/share/man/man1/velmora-typ.1.gz \
        usr/share/man/man1/velmora-typ-render.1.gz usr/share/man/ru/man1/velmora.1.gz \
        usr/share/man/ru/man1/velmora-typ.1.gz usr/share/man/ru/man1/velmora-typ-render.1.gz \
        usr/share/bash-completion/completions/velmora-typ \
        usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz; do
        grep -qx "$path" <<<"$listed" || fail "not in the package: $path"
    done
    ;;

man)
    need man man-db
    need lexgrog man-db
    pages=$(find "$share/man" -name '*.1.gz' | sort)
    [ -n "$pages" ] || fail "no manual pages"
    for page in $pages; do
        # No warnings from groff, some text, and a NAME line that man -k finds.
        if ! text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$work/man.err"); then
            fail "man -l $page"
        fi
        [ ! -s "$work/man.err" ] || fail "man -l $page: $(cat "$work/man.err")"
        [ "$(wc -l <<<"$text")" -gt 10 ] || fail "man -l $page shows almost nothing"
        lexgrog "$page" >/dev/null || fail "lexgrog finds no NAME in $page"
    done
    # The command list comes from the program's help: every command is on the page.
    typ_page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$share/man/man1/velmora-typ.1.gz" 2>/dev/null)
    for command in $("$bin/velmora-typ" --help | sed -n 's/^  velmora-typ \([a-z][a-z-]*\).*/\1/p'); do
        grep -q "velmora-typ $command" <<<"$typ_page" || fail "velmora-typ(1) lacks the command $command"
    done
    ;;

completion)
    completion=/usr/share/bash-completion/bash_completion
    [ -f "$completion" ] || missing "$completion" bash-completion
    files=$work/completion
    rm -rf "$files" && mkdir -p "$files/folder"
    touch "$files/style.typ" "$files/picture.bmp" "$files/style.txt"
    # The words typed, the last one being completed -> what is offered.
    cases=(
        "velmora-typ co|compile convert"
        "velmora-typ --v|--version"
        "velmora-typ compile style.txt |folder style.typ"
        "velmora-typ render style.txt |folder picture.bmp"
        "velmora-typ convert |folder picture.bmp style.txt style.typ"
        "velmora-typ render style.txt out.bmp --kind |line point polygon"
        "velmora-typ render style.txt out.bmp --kind line --n|--night"
        "velmora-typ compile style.txt out.typ --code-page |"
    )
    for row in "${cases[@]}"; do
        line=${row%%|*} expected=${row#*|}
        offered=$(cd "$files" && PATH="$bin:$PATH" bash -c '
            source "$1"
            source "$2"
            read -ra COMP_WORDS <<<"$3"
            [[ $3 == *" " ]] && COMP_WORDS+=("")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$3 COMP_POINT=${#3}
            _velmora_typ velmora-typ
            printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd " "' _ "$completion" \
            "$share/bash-completion/completions/velmora-typ" "$line")
        expect_equal "completion of '$line'" "$offered" "$expected"
    done
    ;;

*)
    echo "unknown check $check"
    exit 2
    ;;
esac
exit $status
