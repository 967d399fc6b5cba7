# Install layout: the programs in lib/velmor-test, linked into bin. Nothing installed is
# writable by anyone but root: an installed bench saves its maps into each user's own data
# folder (see graph/MapsFolder.h). cpack builds a .deb of it.
set(VELMOR_PROGRAM_DIR lib/velmor-test)

install(TARGETS velmor-test velmor-results velmor-unit-sim
        RUNTIME DESTINATION ${VELMOR_PROGRAM_DIR})
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

# The licence and the changelog where Debian looks for them, the changelog gzipped the way
# Debian's tools do it (no name or time in the header, so the same input gives the same bytes).
set(VELMOR_DOC_DIR share/doc/velmor-test)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${VELMOR_DOC_DIR})

# A manual page per program, from its --help.
set(velmor_summary_velmor-test "test bench for PC power supplies")
set(velmor_summary_velmor-results "read the test records of velmor-test")
set(velmor_summary_velmor-unit-sim "simulated load-and-measurement unit for velmor-test")
set(velmor_man_pages changelog.gz)
foreach(program velmor-test velmor-results velmor-unit-sim)
    add_custom_command(OUTPUT man/${program}.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory man
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}>
                "-DSUMMARY=${velmor_summary_${program}}" -DVERSION=${PROJECT_VERSION}
                -DMAPS_BUILT=$<TARGET_FILE_DIR:${program}>/Graf
                -DOUTPUT=man/${program}.1.gz -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake VERBATIM)
    list(APPEND velmor_man_pages man/${program}.1.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1.gz DESTINATION share/man/man1)
endforeach()
add_custom_target(velmor_package_docs ALL DEPENDS ${velmor_man_pages})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor-test)
set(CPACK_PACKAGE_VENDOR "Velmor")
set(CPACK_PACKAGE_CONTACT "Velmor test developers <dev@velmor-test.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Test bench for PC power supplies on a load-and-measurement unit")
# The extended description under the summary line; CPack indents it and dots its blank line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
A load-and-measurement unit sits between the supply under test and the PC
on a serial port. The bench switches the supply on and off, sets the loads
on its +5 V, +12 V and +3.3 V outputs and shows the voltages, currents and
power; its cross-load sweep paints a colour map of how far +5 V and +12 V
stray from nominal, judged against the ATX +-5 % band, and writes it as a
bitmap, CSV data, a summary and a one-page PDF report.

Every test is kept as a record in SQLite or in a lab's PostgreSQL server;
velmor-results lists, shows, exports and compares them. velmor-unit-sim
plays the unit on a pseudo-terminal, for a demo or a test without
hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Russian translation (the dialogs' buttons in the language of the windows) and the SQL
# drivers, which are plugins that shlibdeps does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
