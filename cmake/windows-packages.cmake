# SPDX-License-Identifier: MIT
# The Windows installer (NSIS) and portable zip: cpack makes Kvadrati-<version>-win64.exe and
# .zip. Both hold the program, the README and the licences: Kvadrati's, and Qt's, which is
# linked in statically under the LGPL-3.0.

set(KVADRATI_QT_LICENSES ${QT6_INSTALL_PREFIX}/LICENSES CACHE PATH
    "Folder holding Qt's LGPL-3.0-only.txt and GPL-3.0-only.txt")
set(KVADRATI_QT_SOURCE "Qt ${Qt6_VERSION}" CACHE STRING
    "Where the Qt linked in comes from, as the licence notice names it")
configure_file(${PROJECT_SOURCE_DIR}/resources/qt-notice.txt.in qt-notice.txt @ONLY)
set(qt_licences ${KVADRATI_QT_LICENSES}/LGPL-3.0-only.txt ${KVADRATI_QT_LICENSES}/GPL-3.0-only.txt)
install(FILES README.md DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_BINARY_DIR}/qt-notice.txt DESTINATION . RENAME Qt-NOTICE.txt)
install(FILES ${qt_licences} DESTINATION Qt-LICENSES)
# The copyrights and licences of the libraries inside Qt (FreeType, HarfBuzz, PCRE2, libpng,
# zlib and others), as Debian records them for the qt6-base source that Qt was built from.
install(FILES /usr/share/doc/qt6-base-dev/copyright DESTINATION Qt-LICENSES
        RENAME qt6-base-copyright.txt)

# The installer's licence page shows all of them, one after the other.
set(licence_page ${PROJECT_BINARY_DIR}/licence-page.txt)
file(WRITE ${licence_page} "")
foreach(file ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/qt-notice.txt ${qt_licences})
    file(READ ${file} text)
    file(APPEND ${licence_page} "${text}\n\n")
endforeach()

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_FILE_NAME Kvadrati-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kvadrati)
set(CPACK_RESOURCE_FILE_LICENSE ${licence_page})
# The Start-menu entry, which shows the program's own icon.
set(CPACK_PACKAGE_EXECUTABLES kvadrati Kvadrati)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Kvadrati)
set(CPACK_NSIS_PACKAGE_NAME Kvadrati)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/kvadrati.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/kvadrati.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME kvadrati.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://kvadrati.example/)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer, into the 64-bit Program Files (NSIS makes 32-bit ones by default).
# The uninstaller removes the vendor's registry key too, once the program's, inside it, is gone.
set(CPACK_NSIS_DEFINES "Target amd64-unicode
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'
FunctionEnd")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
