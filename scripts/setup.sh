# SPDX-License-Identifier: MIT
# What run.sh, test.sh and the measuring scripts share: installing the Debian packages that
# are missing, the package lists, and configuring the build folder.

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# What building and running the program needs; Qt's own texts in Bulgarian.
build_packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins fonts-liberation
                libxcb1-dev qt6-translations-l10n)
# What the tests need besides: the test and benchmark libraries; clang for the sanitizers and
# the fuzzer; an X server, input, clipboard, window and screenshot tools and a window manager
# for the real window; a session bus, the accessibility bus, an AT-SPI client and the Orca
# screen reader; validators and packaging tools.
check_packages=(libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool xclip
                x11-utils imagemagick libx11-dev metacity dbus-daemon at-spi2-core python3-gi
                gir1.2-atspi-2.0 orca desktop-file-utils appstream binutils-mingw-w64-x86-64
                dpkg-dev file lintian)

# The build folder, configured with the given options.
configure_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
