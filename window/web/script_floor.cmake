# SPDX-License-Identifier: GPL-3.0-or-later
# The oldest script the page's browsers read: ECMAScript 2017 (Chrome 61,
# Firefox 60, Safari 11). Emscripten's glue is written in a later one and
# lowered by its own Babel, which Debian's emscripten cannot find; so a glue
# that Debian's acorn does not read as ES2017 is lowered here with Debian's
# Babel (node-babel7), to the same browsers.
#   cmake -DSCRIPTS=a.js;b.js [-DLOWER=ON] -P script_floor.cmake
# Without LOWER a script above the floor is an error.
cmake_minimum_required(VERSION 3.25)
find_program(ACORN acorn REQUIRED)

function(parses_as_es2017 script result)
    execute_process(COMMAND "${ACORN}" --ecma2017 --silent "${script}" RESULT_VARIABLE status ERROR_VARIABLE error)
    set(${result} "${status}" PARENT_SCOPE)
    set(parse_error "${error}" PARENT_SCOPE)
endfunction()

foreach(script IN LISTS SCRIPTS)
    parses_as_es2017("${script}" status)
    if(status EQUAL 0)
        continue()
    endif()
    if(NOT LOWER)
        message(FATAL_ERROR "${script} is not ECMAScript 2017: ${parse_error}")
    endif()
    find_program(BABEL babeljs)
    if(NOT BABEL)
        message(FATAL_ERROR "${script} needs lowering to ECMAScript 2017, and Babel (babeljs, Debian's node-babel7) "
                            "is not installed: ${parse_error}")
    endif()
    execute_process(COMMAND "${BABEL}" --config-file "${CMAKE_CURRENT_LIST_DIR}/script_floor.json"
                            "${script}" -o "${script}.lowered" COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME "${script}.lowered" "${script}")
    parses_as_es2017("${script}" status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${script} is still not ECMAScript 2017 after Babel: ${parse_error}")
    endif()
    message(STATUS "${script}: lowered to ECMAScript 2017")
endforeach()
