# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for each package (CPACK_PROJECT_CONFIG_FILE): with a
# certificate given, makensis signs the installer and the uninstaller it
# writes into it (after win/package_stage.cmake signed the programs).
if(CPACK_GENERATOR STREQUAL "NSIS" AND NOT "$ENV{BREVIMO_SIGN_CERT}" STREQUAL "")
  set(_sign "bash '${CPACK_BREVIMO_SIGN_SCRIPT}' '%1'")
  string(APPEND CPACK_NSIS_DEFINES "\n  !finalize \"${_sign}\"\n  !uninstfinalize \"${_sign}\"")
endif()
