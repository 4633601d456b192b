# SPDX-License-Identifier: GPL-3.0-or-later
# What `cpack` in the build directory makes: a Debian package on Linux, a disk image with Corvel.app
# on macOS, a zip file on Windows. Each system's part is in a file of its own.
set(CPACK_PACKAGE_NAME corvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Corvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chat with the people on the local network")

if(APPLE)
    include(${CMAKE_CURRENT_LIST_DIR}/package_macos.cmake)
elseif(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/package_windows.cmake)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    include(${CMAKE_CURRENT_LIST_DIR}/package_debian.cmake)
endif()

include(CPack)
