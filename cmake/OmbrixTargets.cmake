# Compile settings shared by every Ombrix target.

# Warnings, C++20, and the floating-point contract: every double operation is
# rounded once, in the order the source gives. GCC would otherwise fuse a*b+c
# into one FMA; fast-math would reorder sums. The flags come after any the
# including project set, so they hold there too.
option(OMBRIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(ombrix_target_settings target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic
            -fno-fast-math -ffp-contract=off -fno-math-errno)
        if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
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
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8 /fp:precise /fp:contract-)
    endif()
endfunction()
