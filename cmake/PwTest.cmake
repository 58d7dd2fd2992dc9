# SPDX-License-Identifier: GPL-3.0-or-later
# pw_add_test(NAME SOURCES files... [GUI] [STORE])
# Builds one QtTest executable and registers it with CTest, always on the offscreen platform.
# STORE tests run twice: once on a SQLite file and once on PostgreSQL (skipped when the
# environment names no server in PW_TEST_PG).
function(pw_add_test name)
    cmake_parse_arguments(T "GUI;STORE" "" "SOURCES" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE pw_test_support Qt6::Test pw_warnings)
    if(T_GUI)
        target_link_libraries(${name} PRIVATE pw_app)
    endif()
    # Tests include the program's generated form headers; they have no forms of their own.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin AUTOUIC OFF)
    # The program's own helper programs (mailer, updater) and help pages are in the build tree's bin folder.
    add_dependencies(${name} pw_seed_db pw_tools pw_help)
    set(env "QT_QPA_PLATFORM=offscreen" "PW_SEED_DB=${PW_SEED_DB}" "LC_ALL=C.UTF-8"
        "PW_TOOLS_DIR=${CMAKE_BINARY_DIR}/bin")
    # A test that finds no server to test against says "<variable> names no ... server" and skips;
    # CTest then reports it as skipped rather than passed, so the test command can refuse it.
    set(serverSkip "SKIP   :[^\n]*names no [^\n]*server")
    if(T_STORE)
        add_test(NAME ${name}_sqlite COMMAND ${name})
        set_tests_properties(${name}_sqlite PROPERTIES ENVIRONMENT "${env};PW_TEST_ENGINE=sqlite"
                             SKIP_REGULAR_EXPRESSION "${serverSkip}")
        add_test(NAME ${name}_postgres COMMAND ${name})
        set_tests_properties(${name}_postgres PROPERTIES ENVIRONMENT "${env};PW_TEST_ENGINE=postgres"
                             SKIP_REGULAR_EXPRESSION "${serverSkip}")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" SKIP_REGULAR_EXPRESSION "${serverSkip}")
    endif()
endfunction()
