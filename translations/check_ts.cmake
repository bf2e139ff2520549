# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the .ts is not complete for the sources: runs lupdate over a
# copy of TS_FILE and looks for entries without a finished translation.
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
configure_file(${TS_FILE} ${copy} COPYONLY)
string(REPLACE ";" "\n" source_list "${SOURCES}")
file(WRITE ${WORK_DIR}/sources.lst "${source_list}\n")
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} @${WORK_DIR}/sources.lst -ts ${copy}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc})")
endif()
file(READ ${copy} ts)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"[a-z]+\""
       bad "${ts}")
list(LENGTH bad count)
if(count GREATER 0)
  string(REPLACE ";" "\n" bad_text "${bad}")
  message(FATAL_ERROR "${count} entries of ${name} are not translated or no longer used; "
                      "run the update_translations target and translate them:\n${bad_text}")
endif()
string(REGEX MATCHALL "<message>" all "${ts}")
list(LENGTH all total)
message(STATUS "${name}: ${total} entries, all translated")
