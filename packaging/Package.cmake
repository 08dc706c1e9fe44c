# The Debian packages: cmake --build build --target package writes one .deb per
# install component into the build folder, split the way Debian ships a
# library and its fonts:
#   fonts-zindra    the faces, for every program of the system (useful alone)
#   libzindra0      the shared library
#   libzindra-dev   what a program needs to build against it
#   python3-zindra  the Python module on top of the library
#   libreoffice-zindra  the Calc functions, on top of the Python module
#   zindra          the window, the command line and their files
set(ZINDRA_PACKAGES fonts-zindra libzindra0 libzindra-dev python3-zindra libreoffice-zindra zindra)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${ZINDRA_PACKAGES})
set(CPACK_PACKAGE_NAME zindra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvalle Type, Inc.")
set(CPACK_PACKAGE_CONTACT "Zindra packaging team <packaging@zindra.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships no debugging symbols inside a program package.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE zindra)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zindra.example.org/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The control files below must reach the package as 0644, as dpkg wants them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs need libzindra.so.0 before any package provides it: dpkg-shlibdeps
# finds it in the build tree, and the exact version below stands for it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/library)
set(same_version "(= ${PROJECT_VERSION})")

foreach(package ${ZINDRA_PACKAGES})
    string(TOUPPER ${package} component)
    set(CPACK_DEBIAN_${component}_PACKAGE_NAME ${package})
endforeach()

set(CPACK_DEBIAN_FONTS-ZINDRA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_FONTS-ZINDRA_PACKAGE_SECTION fonts)
# fontconfig hands the faces to every program and refreshes its cache when they arrive.
set(CPACK_DEBIAN_FONTS-ZINDRA_PACKAGE_DEPENDS fontconfig)
set(CPACK_DEBIAN_FONTS-ZINDRA_DESCRIPTION "bar-code fonts in which every bar pattern is a glyph
The 106 TrueType faces of Zindra: a bar code is printed by typing the right
characters in the right face, in any program that sets text, such as a word
processor, a spreadsheet or a label designer. The faces cover Interleaved
2 of 5, Code 39, Code 93, Code 128, Codabar, EAN-8, EAN-13, PostNet, UPC-A
and UPC-E, with and without human-readable text.
.
The zindra package turns data into the characters each face needs.")

set(CPACK_DEBIAN_LIBZINDRA0_PACKAGE_SECTION libs)
# A shlibs file so that programs built against the library depend on it, and
# the ldconfig trigger in place of maintainer scripts.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBZINDRA0_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/libzindra0/triggers)
set(CPACK_DEBIAN_LIBZINDRA0_DESCRIPTION "encoder library for the Zindra bar-code fonts
libzindra turns data into the font string of a Zindra bar-code face: the
characters that, set in that face, print the bar code with its start and
stop patterns, check digits and supplements. It takes the requests of
zindra-encode as JSON or as C structures, is thread-safe and reports bad
data as an error, never as a crash.
.
This package holds the shared library.")

set(CPACK_DEBIAN_LIBZINDRA-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBZINDRA-DEV_PACKAGE_DEPENDS "libzindra0 ${same_version}")
set(CPACK_DEBIAN_LIBZINDRA-DEV_DESCRIPTION "encoder library for the Zindra bar-code fonts - development files
libzindra turns data into the font string of a Zindra bar-code face: the
characters that, set in that face, print the bar code with its start and
stop patterns, check digits and supplements.
.
This package holds the C header, the pkg-config and CMake files, the link
to the library and the zindra(3) manual page.")

set(CPACK_DEBIAN_PYTHON3-ZINDRA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHON3-ZINDRA_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON3-ZINDRA_PACKAGE_DEPENDS "libzindra0 ${same_version}, python3:any")
# Debian's Python packages byte-compile on install and clean up on removal.
set(CPACK_DEBIAN_PYTHON3-ZINDRA_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/python3-zindra/postinst
    ${CMAKE_CURRENT_SOURCE_DIR}/python3-zindra/prerm)
set(CPACK_DEBIAN_PYTHON3-ZINDRA_DESCRIPTION "Python 3 module for the Zindra bar-code fonts
The zindra module turns data into the font string of a Zindra bar-code
face from Python: zindra.encode() takes the options of zindra-encode and
returns the font string, the face to set it in and the human-readable text;
zindra.faces() lists the faces.
.
The module calls libzindra, so Python and the command line give the same
answers.")

set(CPACK_DEBIAN_LIBREOFFICE-ZINDRA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_LIBREOFFICE-ZINDRA_PACKAGE_SECTION editors)
# Debian's Calc comes with or without its own window system (-nogui); the
# add-in runs in either.
set(CPACK_DEBIAN_LIBREOFFICE-ZINDRA_PACKAGE_DEPENDS
    "libreoffice-calc | libreoffice-calc-nogui, python3-uno, python3-zindra ${same_version}, fonts-zindra ${same_version}")
set(CPACK_DEBIAN_LIBREOFFICE-ZINDRA_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/libreoffice-zindra/prerm)
set(CPACK_DEBIAN_LIBREOFFICE-ZINDRA_DESCRIPTION "Calc functions for the Zindra bar-code fonts
This LibreOffice extension gives Calc spreadsheet functions that turn a cell's
data into the font string of a Zindra bar-code face: =ZINDRA.CODE128(A2),
=ZINDRA.EAN13(A2), =ZINDRA.UPCA(A2; B2), one for each symbology, and ZINDRA
with the options of zindra-encode; ZINDRA.FACE names the face to format the
cells in and ZINDRA.ERROR says why data does not encode. A cell whose data
does not encode shows #VALUE!.
.
It is installed for every user; the .oxt in /usr/share/zindra can be added
to another LibreOffice with unopkg.")

set(CPACK_DEBIAN_ZINDRA_PACKAGE_SECTION graphics)
# xdg-utils opens the help and the label templates; without a browser or a
# word processor that reads RTF, the window says no application is set up.
set(CPACK_DEBIAN_ZINDRA_PACKAGE_DEPENDS
    "fonts-zindra ${same_version}, libzindra0 ${same_version}, xdg-utils")
set(CPACK_DEBIAN_ZINDRA_PACKAGE_RECOMMENDS
    "x-www-browser | www-browser, libreoffice-writer | abiword")
set(CPACK_DEBIAN_ZINDRA_DESCRIPTION "encoder for a family of bar-code fonts
In the Zindra fonts every bar pattern is a glyph, so a bar code is printed
by typing the right characters in the right face. The zindra window takes the
data, a symbology and its options, and gives the font string, shows it set
in its face, copies it to the clipboard as rich text, prints a sample page
and opens label templates. zindra-encode does the same on the command line
for mail merges and label runs.
.
Symbologies: Interleaved 2 of 5 and ITF-14, Code 39, Code 93, Code 128 with
SCC-14 and SSCC-18, Codabar, EAN-8, EAN-13, Bookland, PostNet, UPC-A and
UPC-E with supplements.")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/FinishDebs.cmake)
include(CPack)
