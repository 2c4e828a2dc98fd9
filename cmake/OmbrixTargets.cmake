# SPDX-License-Identifier: GPL-3.0-or-later
# Compile settings shared by every Ombrix target.

# Warnings, C++20, and the floating-point contract: every double operation is
# rounded once, in the order the source gives. GCC would otherwise fuse a*b+c
# into one FMA; fast-math would reorder sums. The flags come after any the
# including project set, so they hold there too.
if(MSVC)
    message(FATAL_ERROR "Ombrix needs GCC or Clang (mingw-w64 on Windows): the quadrature's row kernel is "
                        "written on their vector types, which MSVC does not have")
endif()

# Hardening, as Debian builds its packages: stack protector, fortified libc
# calls, format checks, position-independent executables and a read-only
# relocation table bound at start. Each flag is used where the compiler and
# linker take it; none touches the arithmetic. Not with the sanitizers, which
# instrument the same calls in their own way.
set(OMBRIX_HARDENING_COMPILE "")
set(OMBRIX_HARDENING_LINK "")
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
        AND NOT OMBRIX_SANITIZE AND NOT OMBRIX_FUZZ)
    include(CheckCXXCompilerFlag)
    include(CheckLinkerFlag)
    foreach(flags "-fstack-protector-strong" "-Wformat -Werror=format-security")
        string(MAKE_C_IDENTIFIER "OMBRIX_CXX_HAS${flags}" has_flags)
        check_cxx_compiler_flag("${flags}" ${has_flags})
        if(${has_flags})
            separate_arguments(flags UNIX_COMMAND "${flags}")
            list(APPEND OMBRIX_HARDENING_COMPILE ${flags})
        endif()
    endforeach()
    # _FORTIFY_SOURCE needs the optimiser; some compilers define it already.
    # A level the builder gives (Debian's packages: 2 or 3) stands.
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        list(APPEND OMBRIX_HARDENING_COMPILE "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    endif()
    foreach(flag "LINKER:-z,relro" "LINKER:-z,now")
        string(MAKE_C_IDENTIFIER "OMBRIX_LINKER_HAS${flag}" has_flag)
        check_linker_flag(CXX "${flag}" ${has_flag})
        if(${has_flag})
            list(APPEND OMBRIX_HARDENING_LINK "${flag}")
        endif()
    endforeach()
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()

# A 32-bit x86 target, however it was configured (a toolchain file, CXX=
# i686-linux-gnu-g++, or -m32 in the flags): asked of the compiler itself.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckCXXSourceCompiles)
    check_cxx_source_compiles([=[
#if !defined(__i386__)
#error not a 32-bit x86 target
#endif
int main() { return 0; }
]=] OMBRIX_TARGET_X86_32)
endif()

# WebAssembly: exceptions are caught, which emscripten leaves off unless
# asked, by JavaScript's exception handling. WebAssembly's own is not used:
# WebKit's interpreter (Safari's first tier) loses a frame's handlers when an
# exception comes back through an indirect call, a std::function's or a
# virtual one, so no error reached the report there. For every target of the
# build, GoogleTest's too: one program cannot mix ways of unwinding. The row
# kernel takes 128-bit vectors unless OMBRIX_WASM_SIMD is off. With
# OMBRIX_SCRIPT_PROGRAM every program is plain script instead (emscripten's
# wasm2js, its data inside: one file), for browsers that run no WebAssembly: no
# vectors, and the quadrature's serial path. Paths are mapped so that the
# module is the same whatever folder it is built in (Boost's file names are
# kept in it).
if(EMSCRIPTEN)
    option(OMBRIX_WASM_SIMD "Build the WebAssembly with 128-bit vector instructions" ON)
    option(OMBRIX_SCRIPT_PROGRAM "Build plain script (wasm2js) instead of WebAssembly" OFF)
    add_compile_options(-fexceptions
        "-ffile-prefix-map=${PROJECT_BINARY_DIR}=/build" "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=/ombrix")
    add_link_options(-fexceptions)
    if(OMBRIX_SCRIPT_PROGRAM)
        add_compile_definitions(OMBRIX_SCRIPT_PROGRAM=1)
        add_link_options(-sWASM=0 -sSINGLE_FILE=1)
    elseif(OMBRIX_WASM_SIMD)
        add_compile_options(-msimd128)
    endif()
endif()

function(ombrix_target_settings target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    # The project's own targets include by folder ("compute/...", "window/...");
    # consumers see only the public headers (ombrix_public_headers).
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic
            -fno-fast-math -ffp-contract=off -fno-math-errno
            ${OMBRIX_HARDENING_COMPILE})
        target_link_options(${target} PRIVATE ${OMBRIX_HARDENING_LINK})
        if(OMBRIX_TARGET_X86_32)
            # x87 registers would keep excess precision; use SSE2 doubles.
            target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
        endif()
        if(OMBRIX_SANITIZE)
            set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
            target_compile_options(${target} PRIVATE ${sanitizers})
            target_link_options(${target} PRIVATE ${sanitizers})
        endif()
        if(OMBRIX_FUZZ)
            # Coverage feedback from the libraries, not only from the fuzz targets.
            target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
        endif()
        if(MINGW)
            # The C++ runtime, libgcc and winpthread inside each program: it
            # needs no DLL beyond Windows' own. Of them, and of Ombrix's own
            # code, only what the program calls is kept.
            target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
            target_link_options(${target} PRIVATE -static -Wl,--gc-sections)
        endif()
    endif()
endfunction()

# ombrix_public_headers(TARGET HEADER...): the headers, named from the
# project's folder ("compute/compute_command.h"), that the library's users
# include, as its public file set. They are copied into a folder of the build
# that holds them alone, so that users see neither the library's other
# headers nor the window's or the tests'.
function(ombrix_public_headers target)
    set(public "${PROJECT_BINARY_DIR}/ombrix-include")
    set(copies "")
    foreach(header IN LISTS ARGN)
        configure_file("${PROJECT_SOURCE_DIR}/${header}" "${public}/${header}" COPYONLY)
        list(APPEND copies "${public}/${header}")
    endforeach()
    target_sources(${target} PUBLIC FILE_SET HEADERS BASE_DIRS "${public}" FILES ${copies})
    string(REGEX REPLACE "^ombrix_" "" name "${target}")
    add_library(Ombrix::${name} ALIAS ${target})
endfunction()
