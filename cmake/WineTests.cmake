# Test executables are Windows programs: CTest runs them under Wine through
# the emulator, which keeps one Wine session alive for the whole run.
if(CMAKE_CROSSCOMPILING)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}")
endif()

set(GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_DIR} "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
foreach(gtest_target gtest gtest_main)
    target_compile_options(${gtest_target} PRIVATE -Wno-error)
endforeach()

include(GoogleTest)

# The session is ended once, after every test that runs under Wine.
add_test(NAME wine_session_stop
    COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-session.sh" stop "${CMAKE_BINARY_DIR}")
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)

# runepairs_add_test(NAME source... [LIBS lib...] [PROPERTIES prop value...])
# A GoogleTest executable whose tests each run as a process of their own.
function(runepairs_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest gtest_main)
    add_dependencies(${name} shell-recorder)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        NO_PRETTY_VALUES
        PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT 300 ${ARG_PROPERTIES})
endfunction()
