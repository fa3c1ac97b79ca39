# SPDX-License-Identifier: GPL-3.0-or-later
# What software centres need of the AppStream data beyond what appstreamcli
# checks: a summary in every language that they show whole (they cut it
# after 35 characters) and a description for every release, which they show
# as its notes.
# Usage: cmake -DMETAINFO=FILE -P MetainfoForStores.cmake
file(READ "${METAINFO}" xml)
if(NOT xml MATCHES "<summary>[^<]+</summary>")
    message(FATAL_ERROR "no <summary>")
endif()
# Characters, not bytes: a UTF-8 character's continuation bytes are dropped
# before the count.
string(ASCII 128 first_continuation)
string(ASCII 191 last_continuation)
string(REGEX MATCHALL "<summary[^>]*>[^<]*</summary>" summaries "${xml}")
foreach(summary IN LISTS summaries)
    string(REGEX REPLACE "<[^>]*>" "" text "${summary}")
    string(REGEX REPLACE "[${first_continuation}-${last_continuation}]" "" counted "${text}")
    string(LENGTH "${counted}" length)
    if(length GREATER 35)
        message(FATAL_ERROR "the summary '${text}' has ${length} characters, more than 35")
    endif()
endforeach()
list(LENGTH summaries summary_count)
string(REGEX MATCHALL "<release [^>]*>" releases "${xml}")
string(REGEX MATCHALL "<release [^>]*[^/]>[ \n]*<description>[ \n]*<p>[^<]*[a-z][^<]*</p>"
    described "${xml}")
list(LENGTH releases release_count)
list(LENGTH described described_count)
if(release_count EQUAL 0 OR NOT described_count EQUAL release_count)
    message(FATAL_ERROR
        "${described_count} of ${release_count} releases have a description")
endif()
message(STATUS "${summary_count} summaries of at most 35 characters, ${release_count} releases described")
