# SPDX-License-Identifier: GPL-3.0-or-later
# Windows on i686, with Debian's mingw-w64 compilers.
set(OMBRIX_MINGW_ARCH i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
