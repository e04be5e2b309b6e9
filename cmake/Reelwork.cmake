# reelwork_library(NAME [deps...]): a static library of every .cpp in the current folder.
function(reelwork_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# reelwork_test(NAME [deps...]): one GoogleTest program of every .cpp in the current folder.
function(reelwork_test name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARGN} reelwork_testsupport GTest::gtest GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()

# reelwork_scalar_run(NAME [FILTER]): runs the cases of test program NAME (those that match the
# GoogleTest FILTER, all without one) a second time with REELWORK_FORCE_SCALAR=1, so that every
# fast path falls back to its plain code; their names end in _scalar.
function(reelwork_scalar_run name)
    set(filter "*")
    if(ARGC GREATER 1)
        set(filter "${ARGV1}")
    endif()
    gtest_discover_tests(${name} TEST_SUFFIX _scalar TEST_FILTER "${filter}"
        DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600 ENVIRONMENT REELWORK_FORCE_SCALAR=1)
endfunction()

# reelwork_qt_test(NAME [deps...]): one QTest program of every .cpp in the current folder, run
# on Qt's offscreen platform so that it needs no display.
function(reelwork_qt_test name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
