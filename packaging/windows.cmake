# How Toevane is installed on Windows: the program with exactly the DLLs it
# loads (Qt Core, Gui and Widgets, the windows platform plugin and the MinGW
# runtime) in one folder, packed as a per-user NSIS installer and a portable
# .zip (cpack --config build-windows/CPackConfig.cmake, which
# scripts/build-windows runs).

# The MinGW runtime DLLs that the program and Qt load, stripped of their
# symbols (the compiler's copies are 25 MB, mostly symbols). Only when
# cross-building with MinGW; an MSVC build needs none.
set(runtime_dlls)
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
            message(FATAL_ERROR "The MinGW runtime ${dll} was not found next to ${CMAKE_CXX_COMPILER}")
        endif()
        set(stripped "${CMAKE_CURRENT_BINARY_DIR}/runtime/${dll}")
        add_custom_command(OUTPUT "${stripped}"
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/runtime"
            COMMAND "${CMAKE_STRIP}" --strip-unneeded -o "${stripped}" "${found}"
            DEPENDS "${found}" VERBATIM)
        list(APPEND runtime_dlls "${stripped}")
    endforeach()
    add_custom_target(toevane_runtime_dlls ALL DEPENDS ${runtime_dlls})
endif()

install(FILES ${runtime_dlls}
              $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)

set(TOEVANE_WINDOWS_ICON "${CMAKE_CURRENT_SOURCE_DIR}/windows/toevane.ico")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Toevane Free")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ToevaneFree")
set(CPACK_PACKAGE_FILE_NAME "toevane-free-${PROJECT_VERSION}-windows-x64")
set(CPACK_STRIP_FILES ON)
# The installer is built from our own template (packaging/windows/), not
# CPack's: 64-bit, per user, no administrator rights.
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_SOURCE_DIR}/windows")
set(CPACK_NSIS_PACKAGE_NAME "Toevane Free ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Toevane Free")
set(CPACK_NSIS_TOEVANE_EXECUTABLE "ToevaneFree")
set(CPACK_NSIS_MUI_ICON "${TOEVANE_WINDOWS_ICON}")
set(CPACK_NSIS_MUI_UNIICON "${TOEVANE_WINDOWS_ICON}")
set(CPACK_NSIS_URL_INFO_ABOUT "http://${TOEVANE_FORUM_HOST}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
