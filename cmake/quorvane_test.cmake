find_package(GTest REQUIRED)
include(GoogleTest)

# quorvane_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>])
# One GoogleTest binary, its cases registered with CTest one by one.
function(quorvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main
                                          quorvane_warnings)
    # PRE_TEST: a cross-compiled binary cannot be listed at build time.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
