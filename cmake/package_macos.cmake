# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel.app, and a disk image holding it for `cpack` (DragNDrop). Its parts: src/app/Info.plist.in,
# the icon made here, and Qt's frameworks and plugins, which macdeployqt copies in on install.
set(CPACK_GENERATOR DragNDrop)
set(CPACK_DMG_VOLUME_NAME Corvel)

# iconutil makes the .icns from an .iconset folder holding each size at 1x and 2x, under Apple's
# file names; the PNGs are rendered from the SVG like the other systems' icons.
find_program(ICONUTIL iconutil REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/src/app/corvel.svg)
set(iconset ${CMAKE_CURRENT_BINARY_DIR}/corvel.iconset)
set(icns ${CMAKE_CURRENT_BINARY_DIR}/corvel.icns)
set(render_iconset)
foreach(size 16 32 128 256 512)
    math(EXPR double "${size} * 2")
    list(APPEND render_iconset
         COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${iconset}/icon_${size}x${size}.png
                 ${icon_svg}
         COMMAND ${RSVG_CONVERT} --width=${double} --height=${double}
                 --output=${iconset}/icon_${size}x${size}@2x.png ${icon_svg})
endforeach()
add_custom_command(OUTPUT ${icns}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${iconset}
                   ${render_iconset}
                   COMMAND ${ICONUTIL} -c icns -o ${icns} ${iconset}
                   DEPENDS ${icon_svg} VERBATIM)
# corvel is made in src/: the icon's rule belongs to a target of this folder, which corvel waits for;
# the bundle takes the icon into Contents/Resources.
add_custom_target(corvel_icns DEPENDS ${icns})
add_dependencies(corvel corvel_icns)
target_sources(corvel PRIVATE ${icns})
set_source_files_properties(${icns} TARGET_DIRECTORY corvel PROPERTIES MACOSX_PACKAGE_LOCATION Resources)

# LSMinimumSystemVersion is CMAKE_OSX_DEPLOYMENT_TARGET, which the top CMakeLists.txt sets.
set_target_properties(corvel PROPERTIES
    MACOSX_BUNDLE ON
    OUTPUT_NAME Corvel
    MACOSX_BUNDLE_INFO_PLIST ${PROJECT_SOURCE_DIR}/src/app/Info.plist.in
    MACOSX_BUNDLE_GUI_IDENTIFIER org.corvel.Corvel
    MACOSX_BUNDLE_BUNDLE_NAME Corvel
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_COPYRIGHT "The Corvel developers"
    MACOSX_BUNDLE_ICON_FILE corvel.icns
    # The installed program keeps its path to Qt's frameworks: that is where macdeployqt finds
    # them, before it points the program at the bundle's own copies instead.
    INSTALL_RPATH_USE_LINK_PATH ON)

# Installing copies Qt's frameworks and plugins into the bundle, so that the disk image runs on a
# Mac without Qt. Apple silicon runs signed code only, and that rewrites the binaries: -codesign=-
# signs them again, ad hoc.
find_program(MACDEPLOYQT macdeployqt HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
if(MACDEPLOYQT)
    set(installed_app "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/Corvel.app")
    install(CODE "execute_process(COMMAND \"${MACDEPLOYQT}\" \"${installed_app}\" -codesign=-
                                  COMMAND_ERROR_IS_FATAL ANY)")
else()
    message(STATUS "No macdeployqt: the installed Corvel.app runs only where this Qt is")
endif()
