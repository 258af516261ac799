# Run by CPack in its staging folder before it packs the .deb:
# - the program moves from the install's program folder (CMAKE_INSTALL_BINDIR
#   under the package's prefix) to /usr/games, as Debian's games do (the
#   package's section is games); it is on PATH there, and the desktop entry
#   runs it by name;
# - lintian's overrides, for the tags that do not apply to a package made by
#   the program's maker rather than Debian (packaging/lintian-overrides).
if(CPACK_GENERATOR STREQUAL "DEB")
    set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    set(bindir "${root}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_TOEVANE_BINDIR}")
    if(NOT EXISTS "${bindir}/ToevaneFree")
        message(FATAL_ERROR "deb-staging.cmake: the program is not at ${bindir}/ToevaneFree")
    endif()
    file(MAKE_DIRECTORY "${root}/usr/games")
    file(RENAME "${bindir}/ToevaneFree" "${root}/usr/games/ToevaneFree")
    file(GLOB left "${bindir}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${bindir}")
    endif()
    file(MAKE_DIRECTORY "${root}/usr/share/lintian/overrides")
    file(COPY_FILE "${CPACK_TOEVANE_LINTIAN_OVERRIDES}"
         "${root}/usr/share/lintian/overrides/${CPACK_PACKAGE_NAME}")
endif()
