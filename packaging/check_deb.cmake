# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for Release in BUILD_DIR, without tests or benchmarks (configured the first
# time only, then rebuilt where it changed), makes the .deb with cpack and has lintian check it.
# Fails on any lintian error or warning, and on any note of a missing hardening feature.
# Variables: SOURCE_DIR, BUILD_DIR, GENERATOR, CXX, CPACK, LINTIAN, VERSION.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command}: ${result}")
    endif()
endfunction()

if(NOT EXISTS ${BUILD_DIR}/CMakeCache.txt)
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G ${GENERATOR}
        -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release -DTARABEL_BUILD_TESTS=OFF
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
endif()
run(${CMAKE_COMMAND} --build ${BUILD_DIR})

file(GLOB old_packages ${BUILD_DIR}/*.deb)
if(old_packages)
    file(REMOVE ${old_packages})
endif()
execute_process(COMMAND ${CPACK} -G DEB WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack -G DEB: ${result}")
endif()
file(GLOB package ${BUILD_DIR}/tarabel_${VERSION}_*.deb)
list(LENGTH package count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one tarabel_${VERSION}_*.deb in ${BUILD_DIR}, found ${count}")
endif()

execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info ${package}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian: errors or warnings")
endif()
if(report MATCHES "hardening-no-[a-z-]+")
    message(FATAL_ERROR "lintian: ${CMAKE_MATCH_0}")
endif()
