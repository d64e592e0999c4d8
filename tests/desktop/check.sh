#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks of what makes Kvadrati a desktop application and a Debian package, one per call:
#   check.sh icons|entry|metainfo|windows-resource|install|deb SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail
check=$1 source_dir=$2 build_dir=$3 version=$4
resources=$source_dir/resources built=$build_dir/resources
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# The little-endian 16-bit number at a byte offset of a file.
word_at() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }

case $check in
icons)
    read -r w h colours < <(identify -format '%w %h %k\n' "$resources/kvadrati.png")
    [ "$w x $h" = "32 x 32" ] || fail "the PNG is $w x $h"
    ((colours <= 256)) || fail "the PNG has $colours colours"
    file "$resources/kvadrati.png" | grep -q '8-bit colormap' || fail "the PNG has no palette"
    [ "$(word_at "$resources/kvadrati.ico" 4)" = 1 ] || fail "the .ico holds more than one image"
    [ "$(od -An -tu1 -N2 -j6 "$resources/kvadrati.ico" | xargs)" = "32 32" ] || fail "the .ico is not 32x32"
    [ "$(word_at "$resources/kvadrati.ico" 12)" = 8 ] || fail "the .ico entry is not 8 bits per pixel"
    [ "$(word_at "$resources/kvadrati.ico" 36)" = 8 ] || fail "the .ico bitmap is not 8 bits per pixel"
    # Both show the same picture.
    convert "$resources/kvadrati.png" "$work/png.rgba" && convert "$resources/kvadrati.ico" "$work/ico.rgba"
    cmp -s "$work/png.rgba" "$work/ico.rgba" || fail "the PNG and the .ico differ"
    ;;
entry)
    desktop-file-validate "$resources/kvadrati.desktop"
    for line in "Name=Квадрати" "Exec=kvadrati" "Icon=kvadrati" "Categories=Education;Math;"; do
        grep -qxF "$line" "$resources/kvadrati.desktop" || fail "the desktop entry lacks $line"
    done
    ;;
metainfo)
    appstreamcli validate --no-net "$built/example.kvadrati.Kvadrati.metainfo.xml"
    grep -qF "<release version=\"$version\"" "$built/example.kvadrati.Kvadrati.metainfo.xml" ||
        fail "the metainfo does not name release $version"
    ;;
install)
    cmake --install "$build_dir" --prefix "$work/usr" >/dev/null
    for file in bin/kvadrati share/applications/kvadrati.desktop \
        share/icons/hicolor/32x32/apps/kvadrati.png share/metainfo/example.kvadrati.Kvadrati.metainfo.xml; do
        [ -f "$work/usr/$file" ] || fail "cmake --install put no $file"
    done
    [ -x "$work/usr/bin/kvadrati" ] || fail "the installed program cannot be run"
    ;;
deb)
    (cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null)
    package=$work/kvadrati_${version}_$(dpkg --print-architecture).deb
    [ -f "$package" ] || fail "no $(basename "$package"): $(ls "$work")"
    [ "$(dpkg-deb -f "$package" Package)" = kvadrati ] || fail "wrong package name"
    [ "$(dpkg-deb -f "$package" Version)" = "$version" ] || fail "version is not $version"
    # Debian 13 renamed some libraries for 64-bit time: libqt6core6 became libqt6core6t64.
    depends=$(dpkg-deb -f "$package" Depends)
    for needed in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
        grep -qE "(^|, )${needed//+/\\+}(t64)?( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
    done
    contents=$(dpkg-deb -c "$package")
    for file in ./usr/bin/kvadrati ./usr/share/applications/kvadrati.desktop \
        ./usr/share/icons/hicolor/32x32/apps/kvadrati.png ./usr/share/metainfo/example.kvadrati.Kvadrati.metainfo.xml \
        ./usr/share/man/man1/kvadrati.1.gz ./usr/share/doc/kvadrati/copyright ./usr/share/doc/kvadrati/changelog.gz; do
        grep -qF " $file" <<<"$contents" || fail "the package lacks $file"
    done
    # Debian's own package checker: errors and warnings fail, information may stay.
    lintian "$package" | tee "$work/lintian"
    ! grep -qE '^[EW]: ' "$work/lintian" || fail "lintian reports errors or warnings"
    ;;
windows-resource)
    x86_64-w64-mingw32-windres --preprocessor=cpp "$built/kvadrati.rc" -O coff -o "$work/kvadrati.o"
    strings -el "$work/kvadrati.o" >"$work/strings"
    for pair in FileVersion:$version ProductVersion:$version ProductName:Kvadrati CompanyName:"Kvadrati developers"; do
        grep -A1 -xF "${pair%%:*}" "$work/strings" | tail -n 1 | grep -qxF "${pair#*:}" ||
            fail "the version record lacks ${pair%%:*} ${pair#*:}"
    done
    # The icon's bitmap, everything after its 22-byte directory, is inside unchanged.
    hex() { od -An -tx1 -v "$@" | tr -d ' \n'; }
    [[ $(hex "$work/kvadrati.o") == *"$(hex -j 22 "$resources/kvadrati.ico")"* ]] ||
        fail "the compiled resource does not hold the icon"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo "$check: ok"
