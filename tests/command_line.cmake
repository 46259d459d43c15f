# The program's command line with no display (cmake -DPROGRAM=... -DVERSION=... -P, and
# -DEMULATOR=... to run a program built for another platform): --version
# answers with the name and the version; a wrong command line gets one line on standard error
# naming the problem, nothing on standard output and status 2. A window would need a display
# and end otherwise.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect status output errors)
    execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
                    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT got STREQUAL status OR NOT out MATCHES "${output}" OR NOT err MATCHES "${errors}")
        message(SEND_ERROR "${ARGN}: status ${got}, output [${out}], errors [${err}]")
    endif()
endfunction()

set(line "^systemes-encheres : [^\n]*")
expect(0 "^systemes-encheres ${VERSION}\n$" "^$" --version)
expect(2 "^$" "${line}\"nope\"[^\n]*\n$" --nope)
expect(2 "^$" "${line}\"--workdir\"[^\n]*\n$" --workdir)
expect(2 "^$" "${line}--workdir : « /nowhere » n'est pas un dossier[^\n]*\n$" --workdir /nowhere)
expect(2 "^$" "${line}--wineprefix : « ${CMAKE_CURRENT_LIST_FILE} » n'est pas un dossier[^\n]*\n$"
       --wineprefix "${CMAKE_CURRENT_LIST_FILE}")
expect(2 "^$" "${line}« de-trop »[^\n]*\n$" de-trop)
