# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that every file lands where the desktop
# looks for it; then lets appstreamcli check the installed tree as a whole (metainfo, desktop
# entry and icon found from one another).
# Variables: BUILD_DIR, PREFIX, APP_ID, ICON_SIZES, APPSTREAMCLI (may be empty), APPSTREAM_OPTIONS.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/tarabel
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man1/tarabel.1.gz
    share/man/es/man1/tarabel.1.gz
    share/doc/tarabel/copyright
    share/doc/tarabel/changelog.gz)
foreach(size ${ICON_SIZES})
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# Each icon really has the size of the folder it sits in: the PNG header's width and height.
foreach(size ${ICON_SIZES})
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header
         LIMIT 24 HEX)
    string(SUBSTRING "${header}" 40 8 height_hex)
    string(SUBSTRING "${header}" 32 8 width_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "icon ${size}x${size} is ${width}x${height}")
    endif()
endforeach()

if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${APPSTREAM_OPTIONS} ${PREFIX}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree failed")
    endif()
endif()
