# Run by CPack in its staging folder before it packs the .deb:
# - the program moves to /usr/games, as Debian's games do (the package's
#   section is games); it is on PATH there, and the desktop entry runs it by
#   name;
# - lintian's overrides, for the tags that do not apply to a package made by
#   the program's maker rather than Debian (packaging/lintian-overrides).
if(CPACK_GENERATOR STREQUAL "DEB")
    set(prefix "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
    if(NOT EXISTS "${prefix}/bin/ToevaneFree")
        set(prefix "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
    endif()
    file(MAKE_DIRECTORY "${prefix}/games")
    file(RENAME "${prefix}/bin/ToevaneFree" "${prefix}/games/ToevaneFree")
    file(GLOB left "${prefix}/bin/*")
    if(NOT left)
        file(REMOVE_RECURSE "${prefix}/bin")
    endif()
    file(MAKE_DIRECTORY "${prefix}/share/lintian/overrides")
    file(COPY_FILE "${CPACK_TOEVANE_LINTIAN_OVERRIDES}"
         "${prefix}/share/lintian/overrides/${CPACK_PACKAGE_NAME}")
endif()
