# A Debian package of the program: `cpack -G DEB` in the build folder.
# Its library dependencies come from the binary (dpkg-shlibdeps); what the
# binary loads at run time without linking is named here.
set(CPACK_PACKAGE_NAME morvanecalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QQ7NV")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "QQ7NV <qq7nv@qq7nv.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-liberation2, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
