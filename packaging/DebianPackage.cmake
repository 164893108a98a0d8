# Debian package of the installation: cpack -G DEB in the build folder makes kvq-commander_<version>_<arch>.deb.
# Its Depends come from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME kvq-commander)
set(CPACK_PACKAGE_VERSION "${KVQ_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "KVQ Commander developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for radio metering devices and wireless M-Bus receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads and configures heat cost allocators, radio room thermometers and water-meter radio modules\n"
    "over an optical head, and receives and decodes wireless M-Bus telegrams over an 868 MHz receiver.\n"
    "kvq-wmbus decodes, replays and receives telegrams without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "KVQ Commander developers <kvq-commander@localhost>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop session plugins of Qt are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-wayland")
set(CPACK_GENERATOR DEB)
include(CPack)
