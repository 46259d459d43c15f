# The program's command line with no display (cmake -DPROGRAM=... -DREAD_AS=... -DVERSION=... -P;
# -DEMULATOR=... runs programs built for another platform): --version answers with the name and
# the version; a wrong command line gets one line on standard error naming the problem, nothing on
# standard output and status 2. A window would need a display and end otherwise. READ_AS reads a
# command line as on the host system named first and prints the places it accepts: the rules of
# both systems are checked on either.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect status output errors)
    execute_process(COMMAND ${EMULATOR} ${ARGN}
                    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # A Windows program ends its lines with CR LF.
    string(REPLACE "\r" "" out "${out}")
    string(REPLACE "\r" "" err "${err}")
    if(NOT got STREQUAL status OR NOT out MATCHES "${output}" OR NOT err MATCHES "${errors}")
        message(SEND_ERROR "${ARGN}: status ${got}, output [${out}], errors [${err}]")
    endif()
endfunction()

set(line "^systemes-encheres : [^\n]*")
expect(0 "^systemes-encheres ${VERSION}\n$" "^$" "${PROGRAM}" --version)
expect(2 "^$" "${line}\"nope\"[^\n]*\n$" "${PROGRAM}" --nope)
foreach(system Wine Windows)
    set(program "${READ_AS}" ${system})
    expect(2 "^$" "${line}\"--workdir\"[^\n]*\n$" ${program} --workdir)
    expect(2 "^$" "${line}--workdir : « /nowhere » n'est pas un dossier[^\n]*\n$"
           ${program} --workdir /nowhere)
    expect(2 "^$" "${line}« de-trop »[^\n]*\n$" ${program} de-trop)
    expect(0 "^host-file=h\nwineprefix=\nworkdir=/\ndocuments=1\nchoose-prefix=0\n$" "^$"
           ${program} --host-file h --workdir / --documents)
endforeach()
expect(2 "^$" "${line}--wineprefix : « ${CMAKE_CURRENT_LIST_FILE} » n'est pas un dossier[^\n]*\n$"
       "${READ_AS}" Wine --wineprefix "${CMAKE_CURRENT_LIST_FILE}")
expect(0 "^host-file=\nwineprefix=/\n" "^$" "${READ_AS}" Wine --wineprefix /)
expect(0 "  --wineprefix <DOSSIER>  Le préfixe Wine" "^$" "${READ_AS}" Wine --help)
expect(0 "documents=1\nchoose-prefix=1\n$" "^$" "${READ_AS}" Wine --documents --choose-prefix)
expect(2 "^$" "${line}--choose-prefix ne va ni avec --host-file ni avec --wineprefix.\n$"
       "${READ_AS}" Wine --choose-prefix --wineprefix /)
# On Windows no Wine prefix is offered: the option is unknown there.
execute_process(COMMAND ${EMULATOR} "${READ_AS}" Windows --help OUTPUT_VARIABLE help)
if(help MATCHES "[Pp]r[ée]fix|Wine" OR NOT help MATCHES "VirtualStore.*--host-file <FICHIER>")
    message(SEND_ERROR "Windows --help: [${help}]")
endif()
foreach(option wineprefix choose-prefix)
    expect(2 "^$" "${line}\"${option}\"[^\n]*\n$" "${READ_AS}" Windows --${option} /)
endforeach()
