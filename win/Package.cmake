# SPDX-License-Identifier: GPL-3.0-or-later
# Windows packages, `cpack` in build-windows (make windows-package):
# an NSIS installer that installs per user (no administrator rights) into
# %LOCALAPPDATA%\Programs\Brevimo, and a ZIP that runs from any folder.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME brevimo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brevimo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brevimo)
set(CPACK_STRIP_FILES OFF) # CPack strips only installed targets, with the host's strip
# Every staged .exe and .dll stripped with MinGW's strip, ours then signed
# when a certificate is given (win/package_stage.cmake, win/cpack_options.cmake).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/win/package_stage.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/win/cpack_options.cmake)
set(CPACK_BREVIMO_STRIP ${CMAKE_STRIP})
set(CPACK_BREVIMO_SIGN_SCRIPT ${CMAKE_SOURCE_DIR}/win/sign.sh)
set(CPACK_BREVIMO_SIGNED brevimo.exe brevimo-calc.exe libbrevimo_ui.dll libbrevimo_chart.dll)
# The per-user template (win/nsis: CMake's, with RequestExecutionLevel user
# and the current user's folders and registry).
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/win/nsis)
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_PACKAGE_NAME Brevimo)
set(CPACK_NSIS_DISPLAY_NAME "Brevimo ${PROJECT_VERSION}")
set(CPACK_NSIS_PUBLISHER "The Brevimo developers")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/win/brevimo.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/win/brevimo.ico)
# The program's pictures on the installer's pages (win/CMakeLists.txt); its
# name and version where NSIS names itself (the template's BrandingText).
set(CPACK_NSIS_BREVIMO_HEADER_BITMAP ${CMAKE_BINARY_DIR}/win/nsis-header.bmp)
set(CPACK_NSIS_BREVIMO_WELCOME_BITMAP ${CMAKE_BINARY_DIR}/win/nsis-welcome.bmp)
set(CPACK_NSIS_INSTALLED_ICON_NAME brevimo.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# "Apps & features" shows the version; the template writes the rest.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "WriteRegStr SHCTX 'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Brevimo' 'DisplayVersion' '${PROJECT_VERSION}'")
# The Start-menu entry starts in Documents, where the distillation run's
# results file lands (CreateShortCut takes the output folder as "Start in");
# the desktop shortcut is the install-options page's choice.
set(CPACK_CREATE_DESKTOP_LINKS brevimo)
set(CPACK_NSIS_MODIFY_PATH ON) # shows the install-options page: the user's PATH (untouched by default), desktop shortcut
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "SetOutPath '$DOCUMENTS'
  CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Brevimo.lnk' '$INSTDIR\\\\brevimo.exe'
  StrCmp '$INSTALL_DESKTOP' '1' 0 +2
    CreateShortCut '$DESKTOP\\\\Brevimo.lnk' '$INSTDIR\\\\brevimo.exe'
  SetOutPath '$INSTDIR'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\Brevimo.lnk'
  Delete '$DESKTOP\\\\Brevimo.lnk'")
