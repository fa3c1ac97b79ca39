# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped catalogue translates every text of the sources: lupdate, run
# on a copy as "make translations" runs it, finds no text the catalogue lacks
# and none it holds that the sources no longer have; lrelease counts no
# unfinished entry and ignores no untranslated one; and none holds an empty
# translation, which lrelease counts as finished.
# Usage: cmake -DLUPDATE=PROGRAM -DLRELEASE=PROGRAM -DOUTPUT=DIR -DTS_FILES=a.ts|b.ts
#   -DTRANSLATED_SOURCES=a.cpp|b.cpp -DLUPDATE_OPTIONS=option|option -P CataloguesComplete.cmake
file(MAKE_DIRECTORY "${OUTPUT}")
foreach(list IN ITEMS TS_FILES TRANSLATED_SOURCES LUPDATE_OPTIONS)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME_WLE)
    file(COPY_FILE "${ts}" "${OUTPUT}/${name}.ts")
    execute_process(COMMAND "${LUPDATE}" ${LUPDATE_OPTIONS} ${TRANSLATED_SOURCES}
        -ts "${OUTPUT}/${name}.ts" OUTPUT_VARIABLE report ERROR_VARIABLE report
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT report MATCHES "\\(0 new and" OR report MATCHES "Removed")
        message(FATAL_ERROR "${name} is not up to date with the sources (make translations): ${report}")
    endif()

    execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${OUTPUT}/${name}.qm"
        OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
    string(REGEX MATCH "\\(([0-9]+) finished and 0 unfinished\\)" finished "${report}")
    set(count "${CMAKE_MATCH_1}")
    if(NOT status EQUAL 0 OR NOT finished OR report MATCHES "untranslated")
        message(FATAL_ERROR "${name}: ${report}")
    endif()

    file(READ "${ts}" catalogue)
    string(REGEX MATCH "<(translation|numerusform)>[ \n]*</" empty "${catalogue}")
    if(empty)
        message(FATAL_ERROR "${name}: an empty translation: ${empty}")
    endif()
    message(STATUS "${name}: ${count} texts, all translated")
endforeach()
