# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the consumer project, then checks that taking Ombrix in gave
# it no install rules and no packaging of Ombrix's.
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
message(STATUS "the consumer linked Ombrix::compute, with no install rules or packaging of Ombrix's")
