# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a table afresh with the script that made it and compares the two.
# cmake -DPYTHON=... -DSOURCE=... -DSCRIPT=name.py -DTABLE=folder/table.h -DOUTPUT=... -P regenerate.cmake
execute_process(COMMAND "${PYTHON}" "${SOURCE}/scripts/${SCRIPT}" "${OUTPUT}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "scripts/${SCRIPT} failed")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${SOURCE}/${TABLE}" RESULT_VARIABLE differ)
if(differ)
    message(FATAL_ERROR "${TABLE} differs from what scripts/${SCRIPT} writes (${OUTPUT})")
endif()
message(STATUS "${TABLE} is what scripts/${SCRIPT} writes")
