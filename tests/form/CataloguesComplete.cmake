# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped catalogue translates every text: lrelease counts no
# unfinished entry and ignores no untranslated one in any of them, and none
# holds an empty translation (which lrelease counts as finished) or one of a
# text the sources no longer have.
# Usage: cmake -DLRELEASE=PROGRAM -DOUTPUT=DIR -DTS_FILES=a.ts,b.ts -P CataloguesComplete.cmake
file(MAKE_DIRECTORY "${OUTPUT}")
string(REPLACE "," ";" ts_files "${TS_FILES}")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME_WLE)
    execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${OUTPUT}/${name}.qm"
        OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
    string(REGEX MATCH "\\(([0-9]+) finished and 0 unfinished\\)" finished "${report}")
    set(count "${CMAKE_MATCH_1}")
    if(NOT status EQUAL 0 OR NOT finished OR report MATCHES "untranslated")
        message(FATAL_ERROR "${name}: ${report}")
    endif()
    file(READ "${ts}" catalogue)
    string(REGEX MATCH "<(translation|numerusform)( type=\"vanished\"| type=\"obsolete\")?>[ \n]*</"
        empty "${catalogue}")
    if(empty OR catalogue MATCHES "type=\"(vanished|obsolete)\"")
        message(FATAL_ERROR "${name}: an empty or left-over translation: ${empty}")
    endif()
    message(STATUS "${name}: ${count} texts, all finished")
endforeach()
