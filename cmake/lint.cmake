# SPDX-License-Identifier: GPL-3.0-or-later
# The checks on the sources themselves, as tests labelled lint: `ctest -L lint`. Off unless asked
# for: they judge the code rather than the program, clang-tidy takes minutes, and a plain `ctest`
# stays the program's tests.
option(CORVEL_LINT "Register the format, header and clang-tidy checks as tests (label lint)" OFF)
if(CORVEL_LINT)
    add_test(NAME format COMMAND ${PROJECT_SOURCE_DIR}/scripts/lint format)
    add_test(NAME headers COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-headers)
    add_test(NAME tidy COMMAND ${PROJECT_SOURCE_DIR}/scripts/lint tidy ${CMAKE_BINARY_DIR} ${CORVEL_PORTABLE})
    set_tests_properties(format headers tidy PROPERTIES LABELS lint)
    set_tests_properties(tidy PROPERTIES TIMEOUT 3600)
endif()
