# The Debian package: `cpack -G DEB` in the build folder, or scripts/package.sh.
include(GNUInstallDirs)

# Installing and packaging take what is built and build nothing themselves, so the package test
# does not start building every test program: scripts/package.sh builds the installed targets.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# What Debian asks of every package's documentation folder: the copyright and, compressed, the
# changelog (a native package's, changelog.gz).
set(brx_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
install(FILES packaging/copyright DESTINATION ${brx_doc_dir})
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(brx_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${brx_doc_dir})

# Everything the package holds, for scripts/package.sh to build.
add_custom_target(brx_package_contents)
add_dependencies(brx_package_contents brixamo brx_man brx_changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brixamo developers")
set(CPACK_PACKAGE_CONTACT "Brixamo developers <soporte@brixamo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fill in, preview and print payment receipts")
set(CPACK_PACKAGE_DESCRIPTION
    "Brixamo fills in, previews and prints Spanish payment receipts (recibos):
one form with the receipt's number, place, dates, six concept lines with
their amounts, payer, collector and address. The receipt is drawn at its
exact physical size with a coloured or hatched frame, a logo, three free
vertical texts and a large total protected by fill characters, in every
currency display format.

The stored receipt can also be written as a PDF file or printed on a CUPS
queue from the command line, without a display.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://brixamo.example.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries (Qt, and through Qt's print support the CUPS client library) come from
# dpkg-shlibdeps; what the program loads without linking is named here: the receipt's fonts
# and Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
# Opening web pages, mail and pictures goes through xdg-open; lpstat lists the queue names
# that --print takes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, cups-client")

include(CPack)
