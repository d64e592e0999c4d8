# SPDX-License-Identifier: MIT
# Cross-building for 64-bit Windows with Debian's mingw-w64, in its posix thread model (the
# win32 one lacks std::thread and std::mutex). Used for Qt's own build and for Kvadrati's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Headers and libraries only from the Windows side (plus the prefixes given with
# CMAKE_FIND_ROOT_PATH on the command line, such as Qt for Windows); programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's host tools (moc, rcc, uic) come from the system's Qt, which is the same version.
set(QT_HOST_PATH /usr)
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${multiarch}/cmake)
# Link the platform plugin and the others a static Qt names into the programs (Debian 13's
# Qt turns this off by default, and a program without a platform plugin hangs at start).
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
