# What makes the program a Windows program: no console window, its icon made from the rendered
# pictures, its manifest and its French version information; and what its setup program says
# of it. Included for Windows builds.
find_program(ICOTOOL icotool REQUIRED) # Debian: icoutils

# The names as the desktop entry and the licence give them.
set(desktop_entry ${PROJECT_SOURCE_DIR}/data/org.vornelle.SystemesEncheres.desktop)
file(STRINGS ${desktop_entry} product_name ENCODING UTF-8 REGEX "^Name\\[fr\\]=")
string(REPLACE "Name[fr]=" "" product_name "${product_name}")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright ENCODING UTF-8 REGEX "^Copyright ")
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" vendor "${copyright}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${desktop_entry} ${PROJECT_SOURCE_DIR}/LICENSE)

# The icon's sizes as Windows shows them: lists, title bars, Explorer's views.
set(ico ${CMAKE_CURRENT_BINARY_DIR}/systemes-encheres.ico)
set(icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/app/pictures/app-icon.svg)
set(ico_pngs)
foreach(size IN ITEMS 16 20 24 32 40 48 64 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/ico/${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ico
        COMMAND render-icon ${icon_svg} ${size} ${png}
        DEPENDS ${render_icon_depends} ${icon_svg}
        VERBATIM)
    list(APPEND ico_pngs ${png})
endforeach()
# The 256 pixel picture is kept as PNG inside the icon, as Windows does it.
list(POP_BACK ico_pngs large_png)
add_custom_command(OUTPUT ${ico}
    COMMAND ${ICOTOOL} -c -o ${ico} ${ico_pngs} -r ${large_png}
    DEPENDS ${ico_pngs} ${large_png}
    COMMENT "Making the Windows icon"
    VERBATIM)

set(manifest ${CMAKE_CURRENT_BINARY_DIR}/systemes-encheres.manifest)
configure_file(app/windows/systemes-encheres.manifest.in ${manifest} @ONLY)
configure_file(app/windows/program.rc.in program.rc @ONLY)
# In UTF-8, as windres reads it only when told.
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/program.rc PROPERTIES
                            OBJECT_DEPENDS "${ico};${manifest}" COMPILE_OPTIONS --codepage=65001)
target_sources(systemes-encheres PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/program.rc)
set_target_properties(systemes-encheres PROPERTIES WIN32_EXECUTABLE ON)

# What the setup program (data/windows/setup.nsi) says of the program. Its entry among the
# installed programs is kept under the desktop entry's name.
get_filename_component(app_id ${desktop_entry} NAME_WLE)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/setup/project.nsh @ONLY CONTENT [[
!define PROJECT_NAME "@PROJECT_NAME@"
!define PROJECT_VERSION "@PROJECT_VERSION@"
!define PRODUCT "@product_name@"
!define PUBLISHER "@vendor@"
!define COPYRIGHT "@copyright@"
!define APP_ID "@app_id@"
!define ICON "@ico@"
]])
