# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files of each package (CPACK_PRE_BUILD_SCRIPTS):
# strips every program and DLL (the GCC runtime comes with its debug
# sections: libstdc++ is 24 MB, 2 MB stripped), then signs ours when a
# certificate is given (win/sign.sh, README "Windows").
file(GLOB_RECURSE _binaries "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
foreach(f IN LISTS _binaries)
  execute_process(COMMAND ${CPACK_BREVIMO_STRIP} --strip-all ${f} RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "Could not strip ${f}")
  endif()
endforeach()
if(NOT "$ENV{BREVIMO_SIGN_CERT}" STREQUAL "")
  set(_ours)
  foreach(name IN LISTS CPACK_BREVIMO_SIGNED)
    list(APPEND _ours ${CPACK_TEMPORARY_DIRECTORY}/${name})
  endforeach()
  execute_process(COMMAND bash ${CPACK_BREVIMO_SIGN_SCRIPT} ${_ours} RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "Signing failed")
  endif()
endif()
