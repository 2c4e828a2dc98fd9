# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the consumer project, then checks that taking Ombrix in gave
# it the public headers alone, and no install rules or packaging of Ombrix's.
# cmake -DSOURCE=... -DBINARY=... -DOMBRIX_SOURCE_DIR=... -DGENERATOR=... -P check.cmake
foreach(step
        "${CMAKE_COMMAND};-S;${SOURCE};-B;${BINARY};-G;${GENERATOR};-DCMAKE_BUILD_TYPE=Release;-DOMBRIX_SOURCE_DIR=${OMBRIX_SOURCE_DIR}"
        "${CMAKE_COMMAND};--build;${BINARY}"
        "${BINARY}/consumer")
    execute_process(COMMAND ${step} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "failed: ${step}")
    endif()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY}" --target sees_internal
    RESULT_VARIABLE internal_failed OUTPUT_VARIABLE internal_output ERROR_VARIABLE internal_output)
if(NOT internal_failed OR NOT internal_output MATCHES "binade_sum.h")
    message(FATAL_ERROR "the consumer could include Ombrix's internal header compute/binade_sum.h")
endif()

if(EXISTS "${BINARY}/CPackConfig.cmake")
    message(FATAL_ERROR "the consumer got a CPack configuration from Ombrix")
endif()
file(GLOB_RECURSE install_scripts "${BINARY}/ombrix/*cmake_install.cmake")
foreach(script IN LISTS install_scripts)
    file(STRINGS "${script}" rules REGEX "file\\(INSTALL")
    if(rules)
        message(FATAL_ERROR "the consumer got Ombrix's install rules: ${script}")
    endif()
endforeach()
message(STATUS "the consumer linked Ombrix::compute, saw its public headers alone, and got no install rules or packaging")
