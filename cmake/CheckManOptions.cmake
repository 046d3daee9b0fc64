# Compares the options a manual page mentions with those a program's --help
# prints: every option in one must be in the other. An option is a word that
# starts with one or two dashes and a letter (-h, --dst-correct) after a blank,
# a bracket, a bar, a parenthesis, a comma or the page's markup (*, _).
#   cmake -DPROGRAM=… -DPAGE=page.1.scd -P CheckManOptions.cmake
function(options_in text out)
  # Brackets would confuse CMake's lists; the markup and punctuation around an
  # option become blanks.
  string(REGEX REPLACE "[][()|*_,]" " " text "${text}")
  string(REGEX MATCHALL "(^|[ \t\n])--?[A-Za-z][A-Za-z0-9-]*" found "${text}")
  set(options "")
  foreach(word IN LISTS found)
    string(STRIP "${word}" word)
    list(APPEND options "${word}")
  endforeach()
  list(REMOVE_DUPLICATES options)
  list(SORT options)
  set(${out} "${options}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc})")
endif()
file(READ ${PAGE} page)
options_in("${help}" help_options)
options_in("${page}" page_options)
if(NOT help_options)
  message(FATAL_ERROR "${PROGRAM} --help names no options:\n${help}")
endif()

set(only_help "${help_options}")
list(REMOVE_ITEM only_help ${page_options})
set(only_page "${page_options}")
list(REMOVE_ITEM only_page ${help_options})
if(only_help OR only_page)
  message(FATAL_ERROR "${PAGE} and ${PROGRAM} --help disagree:\n"
                      "  only in --help: ${only_help}\n  only in the page: ${only_page}")
endif()
message(STATUS "${PAGE}: ${page_options}")
