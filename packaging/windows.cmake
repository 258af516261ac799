# How Toevane is installed on Windows: the program with exactly the DLLs it
# loads (Qt Core, Gui and Widgets, the windows platform plugin and the MinGW
# runtime) in one folder, packed as a per-user NSIS installer and a portable
# .zip (cpack --config build-windows/CPackConfig.cmake, which
# scripts/build-windows runs).

# Every DLL the program loads, stripped of its symbols (the MinGW runtime's
# libstdc++ is 24 MB with them, 2 MB without; Qt's lose a third): Qt Core,
# Gui and Widgets, the windows platform plugin, and with MinGW its runtime.
# strip stamps the PE files it writes with the time of the day, or with
# SOURCE_DATE_EPOCH where that is set: 0 here, as the linker leaves every
# PE file of the build (--no-insert-timestamp), so that the same DLLs strip
# to the same bytes.
set(dlls Qt6::Core Qt6::Gui Qt6::Widgets Qt6::QWindowsIntegrationPlugin)
set(runtime_dir "${CMAKE_CURRENT_BINARY_DIR}/runtime")
set(shipped)
foreach(target IN LISTS dlls)
    get_target_property(location ${target} IMPORTED_LOCATION_RELEASE)
    if(NOT location)
        get_target_property(location ${target} IMPORTED_LOCATION)
    endif()
    list(APPEND shipped "${location}")
endforeach()
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
            message(FATAL_ERROR "The MinGW runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
        endif()
        list(APPEND shipped "${found}")
    endforeach()
endif()
set(stripped_dlls)
foreach(dll IN LISTS shipped)
    get_filename_component(name "${dll}" NAME)
    set(stripped "${runtime_dir}/${name}")
    if(CMAKE_STRIP)
        add_custom_command(OUTPUT "${stripped}"
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${runtime_dir}"
            COMMAND "${CMAKE_COMMAND}" -E env SOURCE_DATE_EPOCH=0
                    "${CMAKE_STRIP}" --strip-unneeded -o "${stripped}" "${dll}"
            DEPENDS "${dll}" VERBATIM)
    else()
        add_custom_command(OUTPUT "${stripped}"
            COMMAND "${CMAKE_COMMAND}" -E copy "${dll}" "${stripped}" DEPENDS "${dll}" VERBATIM)
    endif()
    list(APPEND stripped_dlls "${stripped}")
endforeach()
add_custom_target(toevane_shipped_dlls ALL DEPENDS ${stripped_dlls})
list(FILTER stripped_dlls EXCLUDE REGEX "/qwindows\\.dll$")
install(FILES ${stripped_dlls} DESTINATION .)
install(FILES "${runtime_dir}/qwindows.dll" DESTINATION platforms)

set(TOEVANE_WINDOWS_ICON "${CMAKE_CURRENT_SOURCE_DIR}/windows/toevane.ico")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Toevane Free")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ToevaneFree")
set(CPACK_PACKAGE_FILE_NAME "toevane-free-${PROJECT_VERSION}-windows-x64")
# The program is stripped when it is linked (src/CMakeLists.txt), not by
# CPack: CPack strips the files it stages anew for every package, and strip
# stamps each copy with its own time, so that the installer and the .zip
# carried two different ToevaneFree.exe. Both now pack the one linked file.
set(CPACK_STRIP_FILES OFF)
# The installer is built from our own template (packaging/windows/), not
# CPack's: 64-bit, per user, no administrator rights.
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_SOURCE_DIR}/windows")
set(CPACK_NSIS_PACKAGE_NAME "Toevane Free ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Toevane Free")
set(CPACK_NSIS_TOEVANE_EXECUTABLE "ToevaneFree")
# The title of every window of the program (programWindowTitle() in
# src/common/apptext.h), by which the installer sees a running copy.
set(CPACK_NSIS_TOEVANE_WINDOW_TITLE "Toevane v${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON "${TOEVANE_WINDOWS_ICON}")
set(CPACK_NSIS_MUI_UNIICON "${TOEVANE_WINDOWS_ICON}")
set(CPACK_NSIS_URL_INFO_ABOUT "http://${TOEVANE_FORUM_HOST}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/windows/post-build.cmake")
