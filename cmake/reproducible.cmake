# What makes two builds of one commit give the same bytes, whatever their folder, time, user or
# umask. Included by the top CMakeLists.txt before any target.

# The one time that the build puts into what it makes (the times that rcc keeps in the resources,
# the manual page's date, the package's files and members): SOURCE_DATE_EPOCH when it is set, else
# the commit's date, else the changelog's. Sets VORNELLE_SOURCE_DATE_EPOCH.
set(VORNELLE_SOURCE_DATE_EPOCH "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VORNELLE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    set(epoch_origin "SOURCE_DATE_EPOCH")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        # Only the project's own repository: a source tree unpacked inside another one has none.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_real)
        if(git_top AND git_top STREQUAL source_real)
            execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE VORNELLE_SOURCE_DATE_EPOCH
                            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            set(epoch_origin "the commit")
            # A new commit or another checkout configures again, for its own date.
            execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --symbolic-full-name HEAD
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE git_ref OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            foreach(git_file IN ITEMS HEAD ${git_ref} packed-refs)
                execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute
                                        --git-path ${git_file}
                                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                                OUTPUT_VARIABLE git_path OUTPUT_STRIP_TRAILING_WHITESPACE
                                ERROR_QUIET)
                if(git_path AND EXISTS "${git_path}")
                    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_path})
                endif()
            endforeach()
        endif()
    endif()
    if(NOT VORNELLE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        # The release's date (cmake/release.cmake).
        set(VORNELLE_SOURCE_DATE_EPOCH ${release_epoch})
        set(epoch_origin "the changelog")
    endif()
endif()
if(NOT VORNELLE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No build time from SOURCE_DATE_EPOCH, git or ${changelog_source}")
endif()
message(STATUS "Build time, from ${epoch_origin}: ${VORNELLE_SOURCE_DATE_EPOCH}")
# In the cache too, for the scripts that pack a build (scripts/windows-pack).
set(VORNELLE_SOURCE_DATE_EPOCH ${VORNELLE_SOURCE_DATE_EPOCH} CACHE INTERNAL "The build's time")

# Every custom command runs with it: rcc, which otherwise keeps each file's modification time in
# the resources it writes, and help2man, which otherwise dates the manual page by the clock. (The
# rcc command is Qt's, so a launcher is the one way to give it an environment.)
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORNELLE_SOURCE_DATE_EPOCH}")

# No folder's path in the debug information or in __FILE__: the sources are named from the
# project's root, the generated files from "build".
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# MinGW's linker writes the link time into each PE header unless told not to.
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
