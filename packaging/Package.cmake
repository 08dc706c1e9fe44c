# The Debian package: cmake --build build --target package writes
# zindra_<version>_<arch>.deb into the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zindra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvalle Type, Inc.")
set(CPACK_PACKAGE_CONTACT "Zindra packaging team <packaging@zindra.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships no debugging symbols inside a program package.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zindra.example.org/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the binaries; fontconfig is what hands the faces to
# every program of the system and refreshes its cache when they arrive.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fontconfig)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "encoder for a family of bar-code fonts")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "In the Zindra fonts every bar pattern is a glyph, so a bar code is printed
by typing the right characters in the right face. The zindra window takes the
data, a symbology and its options, and gives the font string, shows it set
in its face, copies it to the clipboard as rich text, prints a sample page
and opens label templates. zindra-encode does the same on the command line
for mail merges and label runs.
.
Symbologies: Interleaved 2 of 5 and ITF-14, Code 39, Code 93, Code 128 with
SCC-14 and SSCC-18, Codabar, EAN-8, EAN-13, Bookland, PostNet, UPC-A and
UPC-E with supplements. The package installs the 100 TrueType faces for
every program of the system.")
include(CPack)
