# SPDX-License-Identifier: MIT
# Qt for Windows, built once from the system's own qt6-base source with mingw-w64 into a
# cache folder outside the tree, and reused while the Qt version and the build options match.
# Sourced by build-windows.sh; needs scripts/setup.sh.

# What the Windows build, its packages and its tests under Wine need besides build_packages.
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev nsis wine wine64
                  xvfb xauth xdotool xclip imagemagick fonts-liberation)

# Only Core, Gui and Widgets, static, with Qt's own copies of the libraries it bundles, and
# without what the program never uses: the Direct2D platform plugin (direct2d1_1; Direct2D
# itself stays, as Qt draws text on Windows with DirectWrite only with it, on scaled screens for
# one, and Qt 6.4's Windows platform plugin does not link without it), the GIF and ICO readers,
# the Markdown reader, PDF, and the file, colour and font dialogs, wizards, MDI and calendars.
qt_windows_options=(-release -static -static-runtime -optimize-size -nomake examples -nomake tests
                    -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-glib -no-zstd
                    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
                    -no-feature-printsupport -no-feature-tabletevent -no-libjpeg
                    -no-feature-direct2d1_1 -no-gif -no-ico -no-feature-textmarkdownreader
                    -no-feature-pdf -no-feature-filedialog -no-feature-colordialog
                    -no-feature-fontdialog -no-feature-wizard -no-feature-mdiarea
                    -no-feature-calendarwidget
                    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion)
qt_windows_toolchain=$PWD/cmake/mingw-w64-x86_64.cmake

# Prints the folder Qt for Windows is (or will be) installed in.
qt_windows_dir() {
    local version hash
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    hash=$( { printf '%s\n' "${qt_windows_options[@]}"; cat "$qt_windows_toolchain"; } |
        sha256sum | cut -c1-12)
    echo "/var/cache/kvadrati/qt-windows-${version//[:+~]/_}-$hash"
}

# apt-get with a deb-src list of its own (the system's suites, from /etc/os-release) and its
# own package lists, so that the system's apt configuration is left as it is.
apt_sources() { # FOLDER APT-GET-ARGUMENTS...
    local folder=$1 codename
    shift
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$folder/sources.list.d" "$folder/lists/partial" "$folder/archives/partial"
    cat >"$folder/sources.list.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$folder/sources.list.d" \
        -o Dir::State::Lists="$folder/lists" -o Dir::Cache::Archives="$folder/archives" \
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= "$@"
}

# Builds Qt for Windows unless the cache already holds it; prints nothing when it does. One
# build at a time: another one asked for meanwhile waits for it, then finds it done.
ensure_qt_windows() {
    local prefix
    prefix=$(qt_windows_dir)
    [ -f "$prefix/.complete" ] && return 0
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.complete" ]; then
            build_qt_windows "$prefix"
        fi
    ) 9>"$prefix.lock"
}

build_qt_windows() { # PREFIX
    local prefix=$1 version work started
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    work=$prefix.work
    echo "== Building Qt $version for Windows into $prefix"
    echo "   Debian ships no Qt for Windows, so it is built once from Debian's own qt6-base"
    echo "   source (the same version as the system's Qt, whose moc, rcc and uic it uses)."
    echo "   This takes about 15-20 minutes on two idle cores (longer on a busy machine: it runs"
    echo "   at the lowest priority); later runs reuse it."
    started=$SECONDS
    rm -rf "$work" "$prefix"
    mkdir -p "$work/source" "$work/build"
    apt_sources "$work/apt" update -qq
    # The source of exactly the installed Qt's version: its moc, rcc and uic must match.
    (cd "$work/source" && apt_sources "$work/apt" source -qq "qt6-base=$version" >/dev/null) ||
        { echo "Could not fetch the qt6-base $version source, the installed Qt's" >&2; return 1; }
    local source
    source=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    [ -x "$source/configure" ] || { echo "No qt6-base $version source found" >&2; return 1; }
    cp "$qt_windows_toolchain" "$work/toolchain.cmake"
    echo "   Configuring (log: $work/configure.log)"
    (cd "$work/build" && nice -n 19 "$source/configure" -prefix "$prefix" -xplatform win32-g++ \
        -qt-host-path /usr "${qt_windows_options[@]}" -- -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake") >"$work/configure.log" 2>&1 ||
        { tail -n 30 "$work/configure.log" >&2; return 1; }
    echo "   Building (ninja's progress: [done/all])"
    nice -n 19 cmake --build "$work/build" --parallel 2 || return 1
    nice -n 19 cmake --install "$work/build" >/dev/null || return 1
    # Qt's licence texts go into the packages beside the program.
    cp -r "$source/LICENSES" "$prefix/LICENSES" || return 1
    echo "$version" >"$prefix/.complete"
    rm -rf "$work"
    echo "== Qt for Windows built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}
