# The release: its version and date are written once, in the changelog's newest entry
# (doc/changelog.in), and read from there before project(). Sets:
# - release_version, "1.2.0", from "systemes-encheres (1.2.0) unstable; urgency=medium";
# - VORNELLE_RELEASE_DATE, "2026-12-07", and release_epoch, its seconds since 1970, from the
#   entry's last line, " -- name <address>  Mon, 07 Dec 2026 12:00:00 +0000".
set(changelog_source ${CMAKE_CURRENT_SOURCE_DIR}/doc/changelog.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_source})
file(STRINGS ${changelog_source} heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^systemes-encheres \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
    message(FATAL_ERROR "${changelog_source} does not begin with a version: ${heading}")
endif()
set(release_version ${CMAKE_MATCH_1})
file(STRINGS ${changelog_source} trailer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*  " "" release_time "${trailer}")
execute_process(COMMAND date -u -d "${release_time}" "+%s %F"
                OUTPUT_VARIABLE release_stamp OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_status)
if(NOT date_status EQUAL 0 OR NOT release_stamp MATCHES "^([0-9]+) ([0-9-]+)$")
    message(FATAL_ERROR "${changelog_source}: no date in its last line: ${trailer}")
endif()
set(release_epoch ${CMAKE_MATCH_1})
set(VORNELLE_RELEASE_DATE ${CMAKE_MATCH_2})
