# Build helpers shared by every folder.

include_directories(${PROJECT_SOURCE_DIR})

# Writes the classes a library exports into the class registry beside it, as registering a server does.
function(ostrel_register_classes target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ostrel-regclasses $<TARGET_FILE:${target}>
        COMMENT "Registering the classes of ${target}"
        VERBATIM)
    add_dependencies(${target} ostrel-regclasses)
endfunction()

# One GoogleTest executable, run by CTest without a display: on Qt's offscreen screen of 800x600, or on one
# of SCREEN (WIDTHxHEIGHT).
function(ostrel_add_test name)
    cmake_parse_arguments(ARG "" "SCREEN" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set(platform offscreen)
    if(ARG_SCREEN)
        string(REPLACE "x" ";" size ${ARG_SCREEN})
        list(GET size 0 width)
        list(GET size 1 height)
        set(screens ${CMAKE_CURRENT_BINARY_DIR}/${name}-screens.json)
        file(WRITE ${screens}
            "{\"screens\": [{\"name\": \"${ARG_SCREEN}\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height}}]}\n")
        set(platform "offscreen:configfile=${screens}")
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-home/state;OSTREL_SOURCE_DIR=${PROJECT_SOURCE_DIR};OSTREL_BINARY_DIR=${CMAKE_BINARY_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp"
        TIMEOUT 600)
endfunction()
