# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# A Debian package of the program: `cpack -G DEB` in the build folder.
# Its library dependencies come from the binary (dpkg-shlibdeps); what the
# binary loads at run time without linking is named here.
set(CPACK_PACKAGE_NAME morvanecalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QQ7NV")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The summary line comes from above; this is the paragraph under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A one-window calculator for the radio amateur who builds an antenna out of
coaxial cable. Type the centre frequency of the band in Mc and press
Calculate: it shows the length of the whole antenna, of the coaxial cable
and of the tuning stub, in metres to two decimals and in feet and inches.
Numbers are typed and shown with a decimal comma.")
set(CPACK_PACKAGE_CONTACT "QQ7NV <qq7nv@qq7nv.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-liberation2, fonts-dejavu-core")
# A native client on a Wayland desktop rather than one through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
include(CPack)
