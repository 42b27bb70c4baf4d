# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening of the program as shipped, in the optimised builds (Release, RelWithDebInfo):
# the hardening flags of Debian's dpkg-buildflags (stack protector, format checks, fortified
# libc calls, read-only relocations) plus immediate binding, for full RELRO, and a
# position-independent executable.
#
# The flags are written out rather than read from dpkg-buildflags at configure time: a build is
# then the same with or without dpkg-dev, on any distribution, and the build type keeps its own
# optimisation and debug settings (dpkg-buildflags would add its -g -O2, and its
# -ffile-prefix-map would shorten the source paths a debugger looks for).
#
# The sanitizer build is left out: the fortified libc calls would get past the sanitizers' own
# checks of the same calls.
if(TARABEL_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# Position-independent code makes every function of our static libraries replaceable at load
# time for the compiler, which then inlines none of them; nothing replaces them (the libraries
# are linked into the program), so the program keeps the speed it had before.
add_compile_options(-fno-semantic-interposition)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

set(tarabel_hardened "$<CONFIG:Release,RelWithDebInfo>")
add_compile_options("$<${tarabel_hardened}:-fstack-protector-strong;-Wformat;-Werror=format-security>")
# _FORTIFY_SOURCE needs optimisation, which these build types have.
add_compile_definitions("$<${tarabel_hardened}:_FORTIFY_SOURCE=2>")
add_link_options("$<${tarabel_hardened}:LINKER:-z,relro,-z,now>")
