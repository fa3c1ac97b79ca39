# SPDX-License-Identifier: GPL-3.0-or-later
# What software centres need of the AppStream data beyond what appstreamcli
# checks: a summary they show whole (they cut it after 35 characters) and a
# description for every release, which they show as its notes.
# Usage: cmake -DMETAINFO=FILE -P MetainfoForStores.cmake
file(READ "${METAINFO}" xml)
string(REGEX MATCH "<summary>([^<]*)</summary>" summary "${xml}")
if(NOT summary)
    message(FATAL_ERROR "no <summary>")
endif()
string(LENGTH "${CMAKE_MATCH_1}" length)
if(length GREATER 35)
    message(FATAL_ERROR "the summary '${CMAKE_MATCH_1}' has ${length} characters, more than 35")
endif()
string(REGEX MATCHALL "<release [^>]*>" releases "${xml}")
string(REGEX MATCHALL "<release [^>]*[^/]>[ \n]*<description>[ \n]*<p>[^<]*[a-z][^<]*</p>"
    described "${xml}")
list(LENGTH releases release_count)
list(LENGTH described described_count)
if(release_count EQUAL 0 OR NOT described_count EQUAL release_count)
    message(FATAL_ERROR
        "${described_count} of ${release_count} releases have a description")
endif()
message(STATUS "summary of ${length} characters, ${release_count} releases described")
