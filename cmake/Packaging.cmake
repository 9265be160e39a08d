# The designer as a Linux desktop application: launcher, AppStream metadata, icon,
# man page, licence notices and changelog installed beside the program, and a
# Debian package of all of it (make package: a lean, hardened build in
# build-package; or cpack -G DEB in any build folder).

set(ZEF_APP_ID de.pellsoft.ZefDesigner)
set(ZEF_HOMEPAGE_URL "" CACHE STRING
    "Home page of the project (none when empty); the metainfo's screenshots are its docs/*.png")
set(ZEF_MAINTAINER "" CACHE STRING
    "Maintainer of the package, \"Name <address>\" (the package's Maintainer and changelog)")
if(ZEF_MAINTAINER)
    set(zef_maintainer "${ZEF_MAINTAINER}")
else()
    # Debian wants an address here; none is made up. lintian says so.
    set(zef_maintainer "PellSoft")
endif()
# One line for software centres and package lists.
set(ZEF_SUMMARY "Design ZEF data field layouts")

install(FILES ${PROJECT_SOURCE_DIR}/res/linux/${ZEF_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The metainfo names a home page and screenshots only when there is a real one.
set(ZEF_METAINFO_URLS "")
if(ZEF_HOMEPAGE_URL)
    string(CONCAT ZEF_METAINFO_URLS
           "  <url type=\"homepage\">${ZEF_HOMEPAGE_URL}</url>\n"
           "  <screenshots>\n"
           "    <screenshot type=\"default\">\n"
           "      <caption>The designer window with the example layout</caption>\n"
           "      <image>${ZEF_HOMEPAGE_URL}/docs/screenshot.png</image>\n"
           "    </screenshot>\n"
           "    <screenshot>\n"
           "      <caption>The same window on a screen of twice the resolution</caption>\n"
           "      <image>${ZEF_HOMEPAGE_URL}/docs/screenshot-2x.png</image>\n"
           "    </screenshot>\n"
           "  </screenshots>\n")
endif()
configure_file(${PROJECT_SOURCE_DIR}/res/linux/${ZEF_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${ZEF_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZEF_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# share/doc/zef-designer: the licences of the program and of the faces compiled
# into it (copyright, Debian's machine-readable format), the changelog with the
# maintainer filled in, and the guide the man page points to.
set(ZEF_MAINTAINER_LINE "${zef_maintainer}")
configure_file(${ZEF_CHANGELOG} ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(zef-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/copyright ${CMAKE_BINARY_DIR}/changelog.gz
              ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The man page is the --help text, through help2man (Debian package help2man),
# with the sections of res/linux/zef-designer.h2m; dated by the changelog.
# Sanitizer builds skip it: running the program in the build would report leaks
# of libraries that are not ours.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT ZEF_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
    set(man_page ${CMAKE_BINARY_DIR}/zef-designer.1)
    set(man_include ${PROJECT_SOURCE_DIR}/res/linux/zef-designer.h2m)
    add_custom_command(
        OUTPUT ${man_page}.gz
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZEF_SOURCE_DATE_EPOCH}
                QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --section=1 --include=${man_include}
                "--name=lay out the ZEF data field of sports watches and bike computers"
                --output=${man_page} $<TARGET_FILE:zef-designer>
        COMMAND gzip -9nf ${man_page}
        DEPENDS zef-designer ${man_include}
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
set(CPACK_PACKAGE_CONTACT "${zef_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "layout designer for ZEF data fields")
set(CPACK_PACKAGE_DESCRIPTION
    "ZEF Designer lays out the ZEF configurable data field, the small program
that runs on sports watches, bike computers and handheld navigators. Pick a
device, place values, texts and graphics on its screen, see the preview
framed by a picture of the device, save the layout as XML and export it as
the config string the data field reads.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
if(ZEF_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZEF_HOMEPAGE_URL})
endif()
# The library dependencies are what dpkg-shlibdeps finds the program linked against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland platform plugin is loaded at run time, so no library names it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# Every time stamp in the package is the changelog's: two packages of one
# commit have the same contents. (Read by cpack when it runs.)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "set(ENV{SOURCE_DATE_EPOCH} ${ZEF_SOURCE_DATE_EPOCH})\n")
include(CPack)
