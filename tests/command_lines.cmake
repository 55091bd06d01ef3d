# SPDX-License-Identifier: GPL-3.0-or-later
# `--help` of the program and of braxlow-ports: usage on standard output, exit
# 0, and no settings read or written (not even a second start of the program).
#
#   cmake -DPROGRAM_DIR=<bin> -DWORK=<scratch folder> -P command_lines.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(tool braxlow braxlow-ports)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK} XDG_CONFIG_HOME=${WORK}/config
                XDG_DATA_HOME=${WORK}/data XDG_RUNTIME_DIR=${WORK} QT_QPA_PLATFORM=offscreen
                ${PROGRAM_DIR}/${tool} --help
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 0 OR NOT out MATCHES "^usage: ${tool} ")
        message(FATAL_ERROR "${tool} --help: exit ${status}\n${out}${err}")
    endif()
endforeach()
file(GLOB_RECURSE written RELATIVE ${WORK} ${WORK}/*)
if(written)
    message(FATAL_ERROR "--help wrote: ${written}")
endif()

# The report for support answers on the terminal, without a display.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK} XDG_CONFIG_HOME=${WORK}/config XDG_DATA_HOME=${WORK}/data
            XDG_RUNTIME_DIR=${WORK} BRAXLOW_CONFIG_HOME=${WORK}/config QT_QPA_PLATFORM=offscreen
            ${PROGRAM_DIR}/braxlow --diagnostics
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Braxlow diagnostics" OR NOT out MATCHES "\nQt: 6")
    message(FATAL_ERROR "braxlow --diagnostics: exit ${status}\n${out}${err}")
endif()
