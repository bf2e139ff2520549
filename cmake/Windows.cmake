# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows side of the build (cross-built with cmake/windows-toolchain.cmake):
# programs and tests run under Wine, in a prefix of the build folder.
set(BREVIMO_WINEPREFIX ${CMAKE_BINARY_DIR}/_wine)
set(BREVIMO_QT_BIN_DIR ${BREVIMO_QT_ROOT}/qt6-mingw64/bin)
# The wrapper with this build's prefix and Qt, as one program.
set(BREVIMO_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
file(CONFIGURE OUTPUT ${BREVIMO_WINE_RUN} CONTENT
     "#!/bin/sh\nexec '${CMAKE_SOURCE_DIR}/cmake/wine-run.sh' '${BREVIMO_WINEPREFIX}' '${BREVIMO_QT_BIN_DIR}' \"$@\"\n")
file(CHMOD ${BREVIMO_WINE_RUN} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BREVIMO_WINE_RUN})
# Wine's first start in a new prefix takes seconds: made here once, not by
# the first test.
if(NOT EXISTS ${BREVIMO_WINEPREFIX}/.brevimo-ready)
  message(STATUS "Making the Wine prefix ${BREVIMO_WINEPREFIX}")
  execute_process(COMMAND ${BREVIMO_WINE_RUN} cmd /c exit OUTPUT_QUIET ERROR_QUIET)
endif()


# The header-only libraries come from Debian's packages; their CMake files
# would add /usr/include, whose C headers are not MinGW's, so the targets are
# made here over a folder that holds only their headers.
set(_hdr ${CMAKE_BINARY_DIR}/_deps/include)
file(MAKE_DIRECTORY ${_hdr})
foreach(dir CLI nlohmann)
  if(NOT EXISTS ${_hdr}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${_hdr}/${dir} SYMBOLIC)
  endif()
endforeach()
foreach(pkg CLI11 nlohmann_json)
  set(cfg ${CMAKE_BINARY_DIR}/_deps/${pkg})
  if(pkg STREQUAL CLI11)
    set(target CLI11::CLI11)
  else()
    set(target nlohmann_json::nlohmann_json)
  endif()
  file(WRITE ${cfg}/${pkg}Config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_hdr})\n"
       "endif()\n")
  file(WRITE ${cfg}/${pkg}ConfigVersion.cmake
       "set(PACKAGE_VERSION 3.11)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  set(${pkg}_DIR ${cfg} CACHE PATH "" FORCE)
endforeach()

# GoogleTest from Debian's sources (libgtest-dev ships /usr/src/googletest).
macro(BrevimoWindowsGTest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
  # It names its targets GTest::gtest and GTest::gtest_main itself.
endmacro()


# GoogleTest cases that cannot run under Wine; their test files say why.
set(BREVIMO_WINE_EXCLUDED
    Locale.RussianLocaleDoesNotChangeNumbers ResultsFile.RowsAreFormattedLikePrintfWhateverTheLocale
    VolMasMolTest.RussianLocaleKeepsThePoint TestPageTest.WritesTheHeaderAndOneLinePerWholePercent
    PeregonTest.FileHoldsTheRunByteForByteAndIsReplacedByTheNextRun
    PeregonTest.ChartExportsHoldTheResultsFilesValues PeregonTest.ResultsFileNeverWritesThroughALink
    PageSizesTest.OnlyARegularFileIsRead)
