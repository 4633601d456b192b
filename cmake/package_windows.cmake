# SPDX-License-Identifier: GPL-3.0-or-later
# corvel.exe with its icon and version in a resource file (src/app/corvel.rc.in), and a zip file for
# `cpack` holding it with the Qt libraries and plugins that windeployqt copies in on install.
set(CPACK_GENERATOR ZIP)

# A desktop chat program opens no console window. Being a GUI program, it has no console of its
# own either: what it writes on standard output (--help, --version, --check, the diagnostics) shows
# only where the caller redirects or pipes it, as in `corvel --check | more`, and cmd does not wait
# for its exit status unless started with `start /wait`.
set_target_properties(corvel PROPERTIES WIN32_EXECUTABLE ON)

# The icon holds the sizes that Windows shows, 16 to 256 pixels, rendered from the SVG; packing them
# into an .ico takes ImageMagick's magick, since Windows has no tool of its own for it.
find_program(MAGICK magick REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/src/app/corvel.svg)
set(icon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/ico/corvel-${size}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
                       DEPENDS ${icon_svg} VERBATIM)
    list(APPEND icon_pngs ${png})
endforeach()
set(CORVEL_ICO ${CMAKE_CURRENT_BINARY_DIR}/corvel.ico)
add_custom_command(OUTPUT ${CORVEL_ICO} COMMAND ${MAGICK} ${icon_pngs} ${CORVEL_ICO}
                   DEPENDS ${icon_pngs} VERBATIM)
# corvel is made in src/: the icon's rule belongs to a target of this folder, which corvel waits for.
add_custom_target(corvel_ico DEPENDS ${CORVEL_ICO})
add_dependencies(corvel corvel_ico)

# VERSIONINFO takes four numbers: 0.1 becomes 0,1,0,0.
string(REPLACE "." ";" version_numbers "${PROJECT_VERSION}.0.0.0")
list(SUBLIST version_numbers 0 4 version_numbers)
list(JOIN version_numbers "," CORVEL_RC_VERSION)
set(rc ${CMAKE_CURRENT_BINARY_DIR}/corvel.rc)
configure_file(${PROJECT_SOURCE_DIR}/src/app/corvel.rc.in ${rc} @ONLY)
target_sources(corvel PRIVATE ${rc})
# A new icon builds the resource again.
set_source_files_properties(${rc} TARGET_DIRECTORY corvel PROPERTIES OBJECT_DEPENDS ${CORVEL_ICO})

# Installing copies the Qt libraries and plugins that corvel.exe needs next to it, so that the zip
# file runs on a computer without Qt.
find_program(WINDEPLOYQT NAMES windeployqt windeployqt6 windeployqt-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
if(WINDEPLOYQT)
    set(installed_exe "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/corvel.exe")
    install(CODE "execute_process(COMMAND \"${WINDEPLOYQT}\" \"${installed_exe}\"
                                  COMMAND_ERROR_IS_FATAL ANY)")
else()
    message(STATUS "No windeployqt: the installed corvel.exe runs only where this Qt is on the PATH")
endif()
