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

# What the program loads without linking to it: Qt's SVG plugins that draw
# the icon, and the faces the window asks for. Each is named by the package
# that holds it on the release the package is built on, since releases move
# them (Debian 13 gave the SVG plugins a package of their own and
# Liberation 2 to fonts-liberation). Qt's X11 plugin comes with libqt6gui6,
# which the binary links.
find_package(Qt6 REQUIRED COMPONENTS Core)
set(MORVANE_QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
set(loaded ${MORVANE_QT_PLUGINS}/imageformats/libqsvg.so ${MORVANE_QT_PLUGINS}/iconengines/libqsvgicon.so)

# The faces by family, as fontconfig finds them: the window tests draw with
# these alone.
find_program(FC_MATCH fc-match)
set(MORVANE_FONT_FILES)
foreach(face "Liberation Sans:style=Regular" "Liberation Sans:style=Bold" "DejaVu Sans:style=Regular"
        "DejaVu Sans:style=Bold")
    string(REGEX REPLACE ":.*" "" family "${face}")
    if(FC_MATCH)
        execute_process(COMMAND ${FC_MATCH} --format "%{family[0]}\n%{file}" "${face}"
            OUTPUT_VARIABLE match OUTPUT_STRIP_TRAILING_WHITESPACE)
        string(REPLACE "\n" ";" match "${match}")
    endif()
    if(NOT FC_MATCH OR NOT match MATCHES "^${family};")
        message(WARNING "no ${face} found (fontconfig's fc-match): the package does not depend on it")
        continue()
    endif()
    list(GET match 1 file)
    file(REAL_PATH ${file} file)
    list(APPEND MORVANE_FONT_FILES ${file})
endforeach()
list(APPEND loaded ${MORVANE_FONT_FILES})

set(runtime_packages)
foreach(file IN LISTS loaded)
    execute_process(COMMAND dpkg-query --search ${file} OUTPUT_VARIABLE owner RESULT_VARIABLE unowned ERROR_QUIET)
    if(unowned)
        message(WARNING "no Debian package holds ${file}: the package does not depend on it")
        continue()
    endif()
    string(REGEX REPLACE "[:,].*" "" owner "${owner}")
    list(APPEND runtime_packages ${owner})
endforeach()
list(REMOVE_DUPLICATES runtime_packages)
list(JOIN runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# A native client on a Wayland desktop rather than one through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
include(CPack)
