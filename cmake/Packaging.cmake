# Install layout: the programs and the "Graf" folder for saved maps sit together in
# lib/velmor-test (the bench saves its maps beside its executable), with velmor-test linked
# into bin. cpack builds a .deb of it.
set(VELMOR_PROGRAM_DIR lib/velmor-test)

install(TARGETS velmor-test velmor-results velmor-unit-sim RUNTIME DESTINATION ${VELMOR_PROGRAM_DIR})
install(DIRECTORY DESTINATION ${VELMOR_PROGRAM_DIR}/Graf
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE
                              GROUP_EXECUTE WORLD_READ WORLD_WRITE WORLD_EXECUTE)
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${VELMOR_PROGRAM_DIR}/velmor-test
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/velmor-test\" SYMBOLIC)
    file(CREATE_LINK ../${VELMOR_PROGRAM_DIR}/velmor-unit-sim
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/velmor-unit-sim\" SYMBOLIC)
    file(CREATE_LINK ../${VELMOR_PROGRAM_DIR}/velmor-results
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/velmor-results\" SYMBOLIC)")
install(FILES ${PROJECT_SOURCE_DIR}/app/desktop/velmor-test.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/app/desktop/velmor-test.svg
        DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor-test)
set(CPACK_PACKAGE_VENDOR "Velmor")
set(CPACK_PACKAGE_CONTACT "Velmor test bench <bench@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Test bench for PC power supplies on a load-and-measurement unit")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQL drivers are plugins, which shlibdeps does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
include(CPack)
