# cmake -P script: configures a build of the project with other host names,
# builds its link test and runs it, telling it which hosts to expect and
# which must appear nowhere.
#
# In: SOURCE_DIR, BINARY_DIR, GENERATOR, CXX_COMPILER, FORUM_HOST, HELP_HOST,
#     UNEXPECTED_HOSTS (comma-separated: the hosts of the ordinary build).

foreach(var SOURCE_DIR BINARY_DIR GENERATOR FORUM_HOST HELP_HOST UNEXPECTED_HOSTS)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "otherhosts.cmake: ${var} is not set")
    endif()
endforeach()

string(REPLACE "," ";" unexpected "${UNEXPECTED_HOSTS}")
foreach(host IN LISTS unexpected)
    if(host STREQUAL FORUM_HOST OR host STREQUAL HELP_HOST)
        message(FATAL_ERROR "the ordinary build already uses ${host}: nothing to compare")
    endif()
endforeach()

set(configure_args
    -S "${SOURCE_DIR}" -B "${BINARY_DIR}" -G "${GENERATOR}"
    -DCMAKE_BUILD_TYPE=Debug
    -DBUILD_TESTING=ON
    -DTOEVANE_HOSTS_CHECK_BUILD=ON
    "-DTOEVANE_FORUM_HOST=${FORUM_HOST}"
    "-DTOEVANE_HELP_HOST=${HELP_HOST}")
if(CXX_COMPILER)
    list(APPEND configure_args "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" ${configure_args} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring with other hosts failed: ${result}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY_DIR}" --target tst_links
                        --parallel 2
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "building the link test with other hosts failed: ${result}")
endif()

# The test keeps its settings in a folder of its own (isolateTestSettings).
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env
        --unset=QT_QPA_PLATFORMTHEME
        QT_QPA_PLATFORM=offscreen
        "TOEVANE_EXPECT_FORUM_HOST=${FORUM_HOST}"
        "TOEVANE_EXPECT_HELP_HOST=${HELP_HOST}"
        "TOEVANE_UNEXPECTED_HOSTS=${UNEXPECTED_HOSTS}"
        "${BINARY_DIR}/tests/tst_links"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the link test failed with other hosts: ${result}")
endif()
