# The Debian package, made by CPack: scripts/paquete-deb.sh builds it.

# What Debian asks of every package's doc folder.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in paquete/changelog @ONLY)
add_custom_command(OUTPUT paquete/changelog.gz
    COMMAND gzip -9 --no-name --force --keep changelog
    DEPENDS ${PROJECT_BINARY_DIR}/paquete/changelog
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/paquete)
add_custom_target(changelog ALL DEPENDS paquete/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/paquete/changelog.gz
        DESTINATION ${TALPIN_DOCUMENTOS})

# The windows ask for these faces by name (ui/fuentes.cpp); the setup installs
# the same list.
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/debian-packages.txt fuentes REGEX "^fonts-")
list(JOIN fuentes ", " fuentes)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talpin)
set(CPACK_PACKAGE_VENDOR "Trombulix Juegos")
set(CPACK_PACKAGE_CONTACT "Trombulix Juegos <talpin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small Spanish text adventure about a monk on guard")
# The long description, in lines short enough for Debian's tools.
set(CPACK_PACKAGE_DESCRIPTION
    "Talpín, a monk, has come to guard the house of Fray Supremus for a week,"
    "together with Fray Cabronus, after a series of murders in their order."
    "Brew a truth serum and give it to the culprit, who will confess. Type"
    "orders such as MIRAR POZO, or click the verb pictures and the picture of"
    "the character. The game is in Spanish. talpin-texto plays it in a terminal.")
list(JOIN CPACK_PACKAGE_DESCRIPTION "\n" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Install under DESTDIR, so that the install knows its real prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/talpin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${fuentes}")
include(CPack)
