include(GoogleTest)

if(CMAKE_CROSSCOMPILING AND MINGW)
    # Debian's GoogleTest libraries are built for Linux only; build its sources (which
    # define the GTest:: targets) for Windows.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Test binaries run under Wine in the build folder's own prefix, without a display and
    # without the prompts for Mono and Gecko. A script, since test discovery takes the
    # emulator as one path.
    set(QUORVANE_TEST_EMULATOR ${CMAKE_BINARY_DIR}/run_under_wine)
    file(CONFIGURE OUTPUT ${QUORVANE_TEST_EMULATOR} @ONLY CONTENT [[#!/bin/sh
unset DISPLAY
WINEPREFIX='@CMAKE_BINARY_DIR@/wine-prefix' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' exec wine "$@"
]])
    file(CHMOD ${QUORVANE_TEST_EMULATOR} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
else()
    find_package(GTest REQUIRED)
endif()

# quorvane_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>])
# One GoogleTest binary, its cases registered with CTest one by one.
function(quorvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main
                                          quorvane_warnings)
    if(QUORVANE_TEST_EMULATOR)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${QUORVANE_TEST_EMULATOR}")
    endif()
    # PRE_TEST: a cross-compiled binary cannot be listed at build time.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
