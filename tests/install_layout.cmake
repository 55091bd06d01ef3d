# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and runs the installed program as a
# new user with an empty home: the user's files must land in that home's XDG
# data folder, readable by the user only, the delivered data must come from
# the prefix, and nothing may be written under the prefix.
#   cmake -DBUILD_DIR=... -DWORK=... -P install_layout.cmake
set(prefix ${WORK}/prefix)
set(home ${WORK}/home)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${home} ${WORK}/run)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component program
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(file bin/braxlow bin/braxlow-ports bin/braxlow-phone share/braxlow/BXSYS.mdb
             share/braxlow/Lang/LANG0409.qm share/braxlow/0409Braxlow.html)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB libs ${prefix}/lib*/libquarrin.so.1 ${prefix}/lib/*/libquarrin.so.1)
if(NOT libs)
    message(FATAL_ERROR "libquarrin.so.1 is not in the library folder")
endif()
list(GET libs 0 lib)
get_filename_component(libdir ${lib} DIRECTORY)
file(GLOB_RECURSE before LIST_DIRECTORIES true ${prefix}/*)

# A user of an installed program: nothing from the build's environment.
set(run ${CMAKE_COMMAND} -E env --unset=BRAXLOW_CONFIG_HOME --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME
    HOME=${home} XDG_RUNTIME_DIR=${WORK}/run QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH=${libdir})
execute_process(COMMAND ${run} ${prefix}/bin/braxlow --quit-after-startup
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES "BXSYS")
    message(FATAL_ERROR "the installed program did not start: ${rc}\n${out}${err}")
endif()
set(user ${home}/.local/share/braxlow)
if(NOT EXISTS ${user}/BXUSER.mdb)
    message(FATAL_ERROR "BXUSER.mdb was not made in ${user}:\n${err}")
endif()
execute_process(COMMAND stat -c %a ${user}/BXUSER.mdb ${user} OUTPUT_VARIABLE modes)
string(REPLACE "\n" " " modes "${modes}")
if(NOT modes STREQUAL "600 700 ")
    message(FATAL_ERROR "BXUSER.mdb and its folder are not the user's only: ${modes}")
endif()

execute_process(COMMAND ${run} ${prefix}/bin/braxlow --version RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Program data: ${prefix}/share/braxlow/"
   OR NOT out MATCHES "User data: ${user}/" OR out MATCHES "Error loading resource")
    message(FATAL_ERROR "the installed program does not read its data from the prefix:\n${out}")
endif()

file(GLOB_RECURSE after LIST_DIRECTORIES true ${prefix}/*)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "the program wrote under the prefix")
endif()
message(STATUS "installed layout: ${prefix}, user data in ${user}")
