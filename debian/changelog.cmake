# SPDX-License-Identifier: GPL-3.0-or-later
# Writes debian/changelog from debian/changelog.in with the version and the
# release day that CMakeLists.txt gives, so that each is written there alone;
# the package build takes its version and its timestamps (SOURCE_DATE_EPOCH)
# from this changelog. Run from the top of the source tree:
#   cmake -P debian/changelog.cmake
file(READ CMakeLists.txt top)
string(REGEX MATCH "project\\(Quadlo VERSION ([0-9.]+)" version_matched "${top}")
set(PROJECT_VERSION "${CMAKE_MATCH_1}")
string(REGEX MATCH "set\\(QUADLO_RELEASE_DAY \"([^\"]+)\"\\)" day_matched "${top}")
set(QUADLO_RELEASE_DAY "${CMAKE_MATCH_1}")
if(NOT version_matched OR NOT day_matched)
    message(FATAL_ERROR "CMakeLists.txt gives no project version or no QUADLO_RELEASE_DAY")
endif()
configure_file(debian/changelog.in debian/changelog @ONLY)
