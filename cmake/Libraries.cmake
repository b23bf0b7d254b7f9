# Each source folder builds a logic library (Qt Core and Sql, never widgets) and,
# where it has windows, a separate window library. Linking decides what a library
# can include, so logic code cannot reach a widget header.

# chuguanjia_logic_library(NAME SOURCES... [DEPENDS libs...])
function(chuguanjia_logic_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Sql ${ARG_DEPENDS})
endfunction()

# chuguanjia_window_library(NAME SOURCES... [DEPENDS libs...])
function(chuguanjia_window_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Sql ${ARG_DEPENDS})
endfunction()

# chuguanjia_test(NAME SOURCES... DEPENDS libs...): one GoogleTest program, run by CTest.
function(chuguanjia_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE test_support ${ARG_DEPENDS} GTest::gtest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
