# Run by CPack after it packed the Windows packages: the .zip is packed anew
# in a fixed order with fixed times, owners and modes (repack-zip.py), so
# that one commit gives the same .zip wherever it is built. The installer
# needs nothing more: packaging/staging.cmake gave its files their times
# and NSIS stores no time of its own.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        find_program(TOEVANE_PYTHON3 NAMES python3 python)
        if(NOT TOEVANE_PYTHON3 AND NOT CMAKE_HOST_UNIX)
            message(STATUS "The .zip is left as CPack packed it (no Python found)")
            continue()
        elseif(NOT TOEVANE_PYTHON3)
            message(FATAL_ERROR "Packing the .zip anew needs Python 3 (package python3)")
        endif()
        execute_process(COMMAND "${TOEVANE_PYTHON3}" "${CMAKE_CURRENT_LIST_DIR}/repack-zip.py" "${package}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
