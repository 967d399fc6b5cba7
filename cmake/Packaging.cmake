# Install layout: the programs in lib/velmor-test, linked into bin. Nothing installed is
# writable by anyone but root: an installed bench saves its maps into each user's own data
# folder (see graph/MapsFolder.h). cpack builds a .deb of it.
set(VELMOR_PROGRAM_DIR lib/velmor-test)

install(TARGETS velmor-test velmor-results velmor-unit-sim RUNTIME DESTINATION ${VELMOR_PROGRAM_DIR})
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
# Qt's Russian translation (the dialogs' buttons in the language of the windows) and the SQL
# drivers, which are plugins that shlibdeps does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
include(CPack)
