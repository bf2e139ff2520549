# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the English messages for the faces without Qt (brevimo-calc, the
# web app) from the translations file, so that one file holds every
# translation:
#   cmake -DTS_FILE=brevimo_en.ts -DOUTPUT=messages_en.inc -P messages_from_ts.cmake
# Each entry of the message context ("brevimo") becomes a line
#   {R"tr(source)tr", R"tr(translation)tr"},
# in the file's order, with the XML entities resolved.
file(READ ${TS_FILE} ts)
string(REGEX MATCH "<context>[ \t\r\n]*<name>brevimo</name>.*" context "${ts}")
string(FIND "${context}" "</context>" end)
if(end LESS 0)
  message(FATAL_ERROR "${TS_FILE}: no message context \"brevimo\"")
endif()
string(SUBSTRING "${context}" 0 ${end} context)

# CMake lists split at semicolons: keep them out of the way while matching.
string(REPLACE ";" "@SEMICOLON@" context "${context}")
string(REPLACE "</message>" "</message>;" messages "${context}")

function(unescape var text)
  string(REPLACE "@SEMICOLON@" ";" text "${text}")
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

set(out "// Generated from translations/brevimo_en.ts by translations/messages_from_ts.cmake.\n")
foreach(message IN LISTS messages)
  if(NOT message MATCHES "<source>(.*)</source>")
    continue()
  endif()
  unescape(source "${CMAKE_MATCH_1}")
  if(NOT message MATCHES "<translation>(.*)</translation>")
    continue() # unfinished: the Russian text stays
  endif()
  unescape(translation "${CMAKE_MATCH_1}")
  if(source MATCHES "\\)tr\"" OR translation MATCHES "\\)tr\"")
    message(FATAL_ERROR "${TS_FILE}: a message holds the literal's delimiter: ${source}")
  endif()
  string(APPEND out "{R\"tr(${source})tr\", R\"tr(${translation})tr\"},\n")
endforeach()

# Rewritten only when changed, so that a build does not recompile for nothing.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL out)
  file(WRITE ${OUTPUT} "${out}")
endif()
