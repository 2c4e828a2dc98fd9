# SPDX-License-Identifier: GPL-3.0-or-later
# Windows on x86_64, with Debian's mingw-w64 compilers.
set(OMBRIX_MINGW_ARCH x86_64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
