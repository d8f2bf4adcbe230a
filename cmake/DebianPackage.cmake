# The Debian package of both programs: `cmake --build build --target package`,
# or scripts/package.sh, which also builds with Debian's hardening flags.
include(GNUInstallDirs)
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vantrel)
set(package_maintainer "The Vantrel developers <maintainers@vantrel.example.org>")

# The newest release of the software-centre metadata names and dates the
# package's changelog entry, so a release is written down in one place.
file(READ ${PROJECT_SOURCE_DIR}/res/org.vantrel.converter.metainfo.xml.in metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([^\"]*)\"" release "${metainfo}")
set(release_version "${CMAKE_MATCH_1}")
set(release_date "${CMAKE_MATCH_2}")
if(NOT release_version STREQUAL PROJECT_VERSION)
  message(WARNING "The newest release in res/org.vantrel.converter.metainfo.xml.in is "
                  "'${release_version}', not the project's version ${PROJECT_VERSION}: add one")
endif()

# Debian's machine-readable copyright file, with the licence from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission" terms_start)
string(SUBSTRING "${license}" ${terms_start} -1 terms)
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${PROJECT_BINARY_DIR}/debian/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Vantrel Unit Converter
Upstream-Contact: ${package_maintainer}

Files: *
Copyright: 2026 The Vantrel developers
License: Expat
 ${terms}
")
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${package_doc_dir})

# The changelog of a native package, compressed as Debian wants it.
find_program(VANTREL_GZIP gzip)
execute_process(COMMAND date -u -R -d "${release_date}" OUTPUT_VARIABLE release_time
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE date_status)
if(VANTREL_GZIP AND date_status EQUAL 0)
  file(WRITE ${PROJECT_BINARY_DIR}/debian/changelog
"vantrel (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}: the release notes are in
    /usr/share/metainfo/org.vantrel.converter.metainfo.xml.

 -- ${package_maintainer}  ${release_time}
")
  execute_process(COMMAND ${VANTREL_GZIP} -9nf ${PROJECT_BINARY_DIR}/debian/changelog)
  install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${package_doc_dir})
endif()

# The evaluator's error texts are the program's own, odd spellings included.
file(WRITE ${PROJECT_BINARY_DIR}/debian/lintian-overrides
     "vantrel: spelling-error-in-binary rigth right [usr/bin/*]\n")
install(FILES ${PROJECT_BINARY_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vantrel)

# The documents in Debian's documentation index.
set(doc_base "Document: vantrel
Title: Vantrel Unit Converter
Author: The Vantrel developers
Abstract: How to convert values between units with the Vantrel window.
Section: Science/Mathematics

Format: HTML
Index: /usr/share/doc/vantrel/index.html
Files: /usr/share/doc/vantrel/index.html
")
if(EXISTS ${PROJECT_SOURCE_DIR}/res/doc/manual.pdf)
  string(APPEND doc_base "
Format: PDF
Files: /usr/share/doc/vantrel/manual.pdf
")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/debian/vantrel.doc-base "${doc_base}")
install(FILES ${PROJECT_BINARY_DIR}/debian/vantrel.doc-base
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME vantrel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_CONTACT "${package_maintainer}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for the desktop and the command line")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrel converts values between units of measure as you type: pick a
category and two units, type a number or an expression, and read the result
at once. It knows 45 categories with about a thousand units, lets you add
your own, converts integers between number bases and geographic
coordinates to and from UTM.

The package holds the converter window, vantrel, its command-line
companion, vantrel-convert, for scripts and batch work, and vantrel-search,
which answers the GNOME Shell's and KRunner's search with conversions such
as \"100 mi in km\".")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_VANTREL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripComments.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The home page and the manual open through xdg-open; Qt's own texts (a box's
# context menu, a message's buttons) speak the user's language with Qt's
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
