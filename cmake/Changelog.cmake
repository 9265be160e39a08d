# Reads the first entry of CHANGELOG, before project() so that the version can
# come from it:
#   ZEF_CHANGELOG_VERSION  3.8.1
#   ZEF_RELEASE_DATE       2026-12-10 (for the metainfo)
#   ZEF_SOURCE_DATE_EPOCH  the entry's time as seconds since 1970, or the
#                          SOURCE_DATE_EPOCH of the environment when set: the
#                          time stamp of everything the package build writes.
# The entry's trailer line names the maintainer as @ZEF_MAINTAINER_LINE@, filled in
# when the package's changelog.gz is made.
get_filename_component(ZEF_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG ABSOLUTE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZEF_CHANGELOG})
file(STRINGS ${ZEF_CHANGELOG} zef_changelog_lines REGEX "^(zef-designer \\(| -- )")
list(GET zef_changelog_lines 0 zef_changelog_head)
list(GET zef_changelog_lines 1 zef_changelog_trailer)
if(NOT zef_changelog_head MATCHES "^zef-designer \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
    message(FATAL_ERROR "CHANGELOG: no version in its first line: ${zef_changelog_head}")
endif()
set(ZEF_CHANGELOG_VERSION ${CMAKE_MATCH_1})
if(NOT zef_changelog_trailer MATCHES
   "^ -- .+  (([A-Z][a-z][a-z]), ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) [0-9:]+ [-+][0-9]+)$")
    message(FATAL_ERROR "CHANGELOG: no date in the first entry's trailer: ${zef_changelog_trailer}")
endif()
set(zef_changelog_time "${CMAKE_MATCH_1}")
set(zef_day ${CMAKE_MATCH_3})
set(zef_year ${CMAKE_MATCH_5})
set(zef_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND zef_months ${CMAKE_MATCH_4} zef_month)
math(EXPR zef_month "${zef_month} + 1")
string(LENGTH "${zef_day}" zef_day_length)
if(zef_day_length EQUAL 1)
    set(zef_day "0${zef_day}")
endif()
if(zef_month LESS 10)
    set(zef_month "0${zef_month}")
endif()
set(ZEF_RELEASE_DATE "${zef_year}-${zef_month}-${zef_day}")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(zef_epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND date -u -d "${zef_changelog_time}" +%s
                    OUTPUT_VARIABLE zef_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
# In the cache, so that the package build can give it to the build's own
# tools as well (Qt's rcc stamps each resource file with it).
set(ZEF_SOURCE_DATE_EPOCH ${zef_epoch} CACHE INTERNAL "Time stamp of the package's contents")
