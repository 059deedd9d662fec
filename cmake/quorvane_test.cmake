include(GoogleTest)

if(CMAKE_CROSSCOMPILING AND MINGW)
    # Debian's GoogleTest libraries are built for Linux only; build its sources (which
    # define the GTest:: targets) for Windows.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Test binaries run under Wine in the build folder's own prefix, without a display and
    # without the prompts for Mono and Gecko.
    set(QUORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    set(QUORVANE_TEST_EMULATOR env -u DISPLAY WINEPREFIX=${QUORVANE_WINE_PREFIX} WINEDEBUG=-all
                               WINEDLLOVERRIDES=mscoree,mshtml= wine)
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
        # Wine finds no MinGW runtime DLLs, so the test binary carries them.
        target_link_options(${name} PRIVATE -static)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${QUORVANE_TEST_EMULATOR}")
    endif()
    # PRE_TEST: a cross-compiled binary cannot be listed at build time.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
