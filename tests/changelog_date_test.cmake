# SPDX-License-Identifier: GPL-3.0-or-later
# The changelog's dates as GNU date -u +%F reads them, a zone moving the day
# across a month, a leap day and a year; and one that does not read.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/../cmake/ChangelogDate.cmake")
set(cases
    "Tue, 08 Dec 2026 12:00:00 +0000=2026-12-08"
    "Thu, 01 Jan 2026 00:30:00 +0100=2025-12-31"
    "Wed, 28 Feb 2024 23:30:00 -0100=2024-02-29"
    "Sat, 31 Dec 2022 23:59:00 -0800=2023-01-01"
    "08 Dec 2026 12:00:00 +0000=2026-12-08"
    "Tue, 08 Dek 2026 12:00:00 +0000="
    "yesterday=")
foreach(case IN LISTS cases)
    string(REGEX MATCH "^(.*)=(.*)$" case "${case}")
    set(date "${CMAKE_MATCH_1}")
    set(expected "${CMAKE_MATCH_2}")
    ombrix_changelog_date("${date}" day)
    if(NOT day STREQUAL expected)
        message(FATAL_ERROR "\"${date}\" read as \"${day}\", not \"${expected}\"")
    endif()
endforeach()
