# Run by CPack in its staging folder before it packs any package, after the
# generator's own steps: every packaged file gets a mode and a time that do
# not depend on who built it, when, or with which umask, so that one commit
# packs to the same bytes wherever it is built.
# - modes: folders and programs rwxr-xr-x, every other file rw-r--r-- (a
#   program is a file with an execute bit);
# - times: SOURCE_DATE_EPOCH where it is set (scripts/package-deb and
#   scripts/build-windows set it from CHANGELOG.md). The installer and the
#   .zip store the files' times; the .deb gets the same time from CPack.
# The packages are published from Debian builds; a build on Windows itself
# has no chmod, find or touch and packs its files as they are.
if(NOT CMAKE_HOST_UNIX)
    return()
endif()
set(staging "${CPACK_TEMPORARY_DIRECTORY}")
if(NOT IS_DIRECTORY "${staging}")
    message(FATAL_ERROR "staging.cmake: no staging folder '${staging}'")
endif()
execute_process(COMMAND chmod -R u=rwX,go=rX "${staging}" COMMAND_ERROR_IS_FATAL ANY)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: '$ENV{SOURCE_DATE_EPOCH}'")
    endif()
    execute_process(COMMAND find "${staging}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
