# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the catalogue TS lacks a translation: a scratch copy (COPY) is brought up to date with the
# sources, so a text new in the code arrives there unfinished, and is then searched for unfinished
# entries, which are listed.
file(COPY_FILE ${TS} ${COPY})
execute_process(COMMAND ${LUPDATE} -silent ${SOURCES} -extensions cpp,h -locations none -no-obsolete -ts ${COPY}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${COPY}")
endif()
file(READ ${COPY} catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
       unfinished "${catalogue}")
list(LENGTH unfinished count)
if(count GREATER 0)
  set(listed "")
  foreach(entry IN LISTS unfinished)
    string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" text "${entry}")
    string(APPEND listed "\n  ${text}")
  endforeach()
  message(FATAL_ERROR "${TS}: ${count} text(s) without a translation:${listed}")
endif()
message(STATUS "${TS}: every text translated")
