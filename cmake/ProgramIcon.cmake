# SPDX-License-Identifier: GPL-3.0-or-later
# The program icon: one SVG drawing, rendered at build time to the PNG sizes
# of the icon theme. The window icon loads the PNGs from a Qt resource (no SVG
# image plugin needed at run time); the install step puts the SVG and the PNGs
# into the hicolor theme.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(BREVIMO_ICON_SVG ${CMAKE_SOURCE_DIR}/packaging/icons/${BREVIMO_APP_ID}.svg)
set(BREVIMO_ICON_SIZES 16 24 32 48 64 128 256)
# Laid out as the theme is: each PNG installs to the same path under share/icons.
set(BREVIMO_ICON_THEME_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)

set(_pngs)
foreach(size IN LISTS BREVIMO_ICON_SIZES)
  set(png ${BREVIMO_ICON_THEME_DIR}/${size}x${size}/apps/${BREVIMO_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVIMO_ICON_THEME_DIR}/${size}x${size}/apps
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${BREVIMO_ICON_SVG}
    DEPENDS ${BREVIMO_ICON_SVG}
    COMMENT "Rendering the program icon at ${size} px"
    VERBATIM)
  set_source_files_properties(${png} PROPERTIES QT_RESOURCE_ALIAS ${size}.png)
  list(APPEND _pngs ${png})
endforeach()

# ":/icon128/<size>.png", read by ProgramIcon() (res/icon128.cpp).
qt_add_resources(brevimo_ui icon128 PREFIX /icon128 FILES ${_pngs})
