# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian changelog's newest entry and the AppStream data's newest release
# carry the version of project(VERSION); configuring stops when either names
# another, so a release cannot go out with two versions.
file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog _changelog_head LIMIT_COUNT 1)
string(REGEX MATCH "^brevimo \\(([^)-]+)(-[^)]*)?\\)" _ ${_changelog_head})
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog names version '${CMAKE_MATCH_1}', "
                      "project(VERSION) ${PROJECT_VERSION}")
endif()
file(READ ${CMAKE_SOURCE_DIR}/packaging/${BREVIMO_APP_ID}.metainfo.xml _metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${_metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "the metainfo's newest release is '${CMAKE_MATCH_1}', "
                      "project(VERSION) ${PROJECT_VERSION}")
endif()
