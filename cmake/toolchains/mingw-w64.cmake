# SPDX-License-Identifier: GPL-3.0-or-later
# Windows with Debian's mingw-w64 compilers (the POSIX threads variant, which
# has std::thread and std::mutex), for OMBRIX_MINGW_ARCH (x86_64 or i686), which
# the including toolchain file sets. Programs run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${OMBRIX_MINGW_ARCH})
set(OMBRIX_TRIPLE ${OMBRIX_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${OMBRIX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBRIX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OMBRIX_TRIPLE}-windres)

# Libraries and packages from the target's root only; programs (wine) from
# the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${OMBRIX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# wine64 runs 64-bit programs; wine both, where its 32-bit part is installed.
if(OMBRIX_MINGW_ARCH STREQUAL "x86_64")
    find_program(OMBRIX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
else()
    find_program(OMBRIX_WINE NAMES wine PATHS /usr/lib/wine)
endif()
if(OMBRIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${OMBRIX_WINE}")
endif()
