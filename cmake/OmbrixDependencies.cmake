# SPDX-License-Identifier: GPL-3.0-or-later
# fast_float and Boost.Math: header-only, and the same for every target.
#
# Each is taken through its package's imported target (FastFloat::fast_float,
# Boost::headers). Where CMake finds no package, as in a cross build that
# looks in the target's root alone, or where OMBRIX_FAST_FLOAT_INCLUDE_DIR or
# OMBRIX_BOOST_INCLUDE_DIR names a folder, the headers come from that folder,
# by default the build machine's. A cross compiler must not search the build
# machine's /usr/include as a whole, which holds that machine's C library:
# there only the library's own folder is put on the path, through a link in
# the build folder.

find_package(FastFloat CONFIG QUIET)
find_package(Boost 1.74 CONFIG QUIET)

# ombrix_header_library(NAME IMPORTED VARIABLE HEADER): an interface target
# NAME that gives HEADER ("folder/file.h").
function(ombrix_header_library name imported variable header)
    add_library(${name} INTERFACE)
    if(TARGET ${imported} AND NOT ${variable})
        target_link_libraries(${name} INTERFACE ${imported})
        return()
    endif()
    set(found "${${variable}}")
    if(NOT found)
        # The build machine's folders are named too: a toolchain such as
        # emscripten's takes them out of the ones searched.
        find_path(${name}_INCLUDE_DIR "${header}" PATHS /usr/local/include /usr/include NO_CMAKE_FIND_ROOT_PATH)
        set(found "${${name}_INCLUDE_DIR}")
    endif()
    if(NOT found)
        message(FATAL_ERROR "${header} not found: install its Debian package (libfast-float-dev, libboost-dev), "
            "or set ${variable} to the folder that holds it")
    endif()
    set(folder "${found}")
    if(CMAKE_CROSSCOMPILING)
        string(REGEX REPLACE "/.*" "" top "${header}")
        set(folder "${PROJECT_BINARY_DIR}/header-libraries/${name}")
        file(MAKE_DIRECTORY "${folder}")
        file(CREATE_LINK "${found}/${top}" "${folder}/${top}" SYMBOLIC COPY_ON_ERROR)
    endif()
    target_include_directories(${name} SYSTEM INTERFACE "$<BUILD_INTERFACE:${folder}>")
endfunction()

ombrix_header_library(ombrix_fast_float FastFloat::fast_float OMBRIX_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h)
ombrix_header_library(ombrix_boost_math Boost::headers OMBRIX_BOOST_INCLUDE_DIR
    boost/math/special_functions/ellint_rg.hpp)

# Boost.Math's errors call the functions of compute/boost_math_errors.h, which
# raise without formatting a message: Boost's own would format theirs through
# a stringstream, and bring iostreams and locales into Ombrix.exe. Every file
# that includes Boost.Math includes that header too.
target_compile_definitions(ombrix_boost_math INTERFACE
    BOOST_MATH_DOMAIN_ERROR_POLICY=user_error
    BOOST_MATH_POLE_ERROR_POLICY=user_error
    BOOST_MATH_OVERFLOW_ERROR_POLICY=user_error
    BOOST_MATH_EVALUATION_ERROR_POLICY=user_error
    BOOST_MATH_ROUNDING_ERROR_POLICY=user_error
    BOOST_MATH_INDETERMINATE_RESULT_ERROR_POLICY=user_error)

# mingw-w64's 32-bit compiler emulates thread_local, which Boost.Math then
# takes for a compiler of before C++11 and says so on every file; nothing else
# changes.
if(MINGW)
    target_compile_definitions(ombrix_boost_math INTERFACE BOOST_MATH_DISABLE_DEPRECATED_03_WARNING)
endif()

# Clang 19 (emscripten 3.1.69, Debian 13) crashes in its inliner's constant
# folding on Boost's extended-precision arithmetic for WebAssembly. There,
# in the files that use Boost.Math, only what is marked inline is inlined:
# the arithmetic is the same, and the exact area takes about three times as
# long (0.1 ms).
if(EMSCRIPTEN AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 19)
    target_compile_options(ombrix_boost_math INTERFACE -fno-inline-functions)
endif()
