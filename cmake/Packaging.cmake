# The designer as a Linux desktop application: launcher, AppStream metadata, icon
# and man page installed beside the program, and a Debian package of all of it
# (cpack -G DEB in the build folder, or make package).

set(ZEF_APP_ID de.pellsoft.ZefDesigner)
set(ZEF_HOMEPAGE_URL "https://pellsoft.de/zef-designer"
    CACHE STRING "Home page of the project; the metainfo's screenshots are its docs/*.png")

install(FILES ${PROJECT_SOURCE_DIR}/res/linux/${ZEF_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/res/linux/${ZEF_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${ZEF_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZEF_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The man page is the --help text, through help2man (Debian package help2man).
# Sanitizer builds skip it: running the program in the build would report leaks
# of libraries that are not ours.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT ZEF_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
    set(man_page ${CMAKE_BINARY_DIR}/zef-designer.1)
    add_custom_command(
        OUTPUT ${man_page}.gz
        COMMAND ${HELP2MAN} --no-info --section=1
                "--name=lay out the ZEF data field of sports watches and bike computers"
                --output=${man_page} $<TARGET_FILE:zef-designer>
        COMMAND gzip -9nf ${man_page}
        DEPENDS zef-designer
        COMMENT "Writing the man page zef-designer.1 with help2man"
        VERBATIM)
    add_custom_target(zef-manpage ALL DEPENDS ${man_page}.gz)
    install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT ZEF_SANITIZE)
    message(STATUS "help2man not found: no man page (scripts/install-deps.sh installs it)")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zef-designer)
set(CPACK_PACKAGE_VENDOR PellSoft)
set(CPACK_PACKAGE_CONTACT "PellSoft")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "layout designer for the ZEF data field of sports watches and bike computers")
set(CPACK_PACKAGE_DESCRIPTION
    "ZEF Designer lays out the ZEF configurable data field, the small program that runs on \
sports watches, bike computers and handheld navigators. Pick a device, place values, texts \
and graphics on its screen, see the preview framed by a picture of the device, save the \
layout as XML and export it as the config string the data field reads.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZEF_HOMEPAGE_URL})
# The library dependencies are what dpkg-shlibdeps finds the program linked against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland platform plugin is loaded at run time, so no library names it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
