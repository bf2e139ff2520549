# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows: MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix)
# with Qt 6.4.2 for MinGW, whose SDK archive lies in ../shared/windows beside
# the repository (or wherever BREVIMO_WINDOWS_SDK says). The archive is
# unpacked once into the build folder (BREVIMO_QT_ROOT); Qt's own toolchain
# file then finds the SDK relative to itself and chain-loads the compiler
# settings below. Tests run under Wine (cmake/wine-run.sh).

# try_compile projects see these too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BREVIMO_QT_ROOT BREVIMO_WINDOWS_SDK)

if(NOT BREVIMO_WINDOWS_SDK)
  get_filename_component(BREVIMO_WINDOWS_SDK "${CMAKE_CURRENT_LIST_DIR}/../../shared/windows"
                         ABSOLUTE)
  set(BREVIMO_WINDOWS_SDK "${BREVIMO_WINDOWS_SDK}" CACHE PATH "Folder of qt-6.4.2-mingw64.tar.xz")
endif()
if(NOT BREVIMO_QT_ROOT)
  set(BREVIMO_QT_ROOT "${CMAKE_BINARY_DIR}/_qt" CACHE PATH "Where the Qt for MinGW SDK is unpacked")
endif()

set(_qt_toolchain "${BREVIMO_QT_ROOT}/qt6-mingw64/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${_qt_toolchain}")
  set(_archive "${BREVIMO_WINDOWS_SDK}/qt-6.4.2-mingw64.tar.xz")
  if(NOT EXISTS "${_archive}")
    message(FATAL_ERROR "Qt for MinGW not found: ${_archive} is missing "
                        "(set BREVIMO_WINDOWS_SDK to the folder that holds it)")
  endif()
  message(STATUS "Unpacking ${_archive} into ${BREVIMO_QT_ROOT}")
  file(MAKE_DIRECTORY "${BREVIMO_QT_ROOT}")
  file(ARCHIVE_EXTRACT INPUT "${_archive}" DESTINATION "${BREVIMO_QT_ROOT}")
endif()

set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw64.cmake")
# Debian's Qt 6.4.2 gives the host tools (moc, rcc, uic, lrelease).
set(QT_HOST_PATH /usr)
include("${_qt_toolchain}")
