# Checks the shipped help: the compiled help and its collection exist; every
# page the help project lists is in the plain HTML folder; the topics
# "Welcome" and "ProgramSetup" have keyword ids that point at shipped pages;
# and every link between the pages leads to a shipped page.
# Run with -DDOCS=<folder of the program> -DHELP_SRC=<docs/help>.

foreach(_file QD720SIM.qch QD720SIM.qhc)
  if(NOT EXISTS ${DOCS}/${_file})
    message(FATAL_ERROR "${_file} is missing beside the program")
  endif()
  file(SIZE ${DOCS}/${_file} _size)
  if(_size LESS 4096)
    message(FATAL_ERROR "${_file} is too small (${_size} bytes)")
  endif()
endforeach()

file(READ ${HELP_SRC}/QD720SIM.qhp _qhp)
string(REGEX MATCHALL "<file>[^<]+</file>" _files "${_qhp}")
foreach(_entry ${_files})
  string(REGEX REPLACE "</?file>" "" _name "${_entry}")
  if(NOT EXISTS ${DOCS}/help/${_name})
    message(FATAL_ERROR "help/${_name} is listed in the help project but not shipped")
  endif()
endforeach()

foreach(_topic Welcome ProgramSetup)
  if(NOT _qhp MATCHES "id=\"${_topic}\" ref=\"([^\"]+)\"")
    message(FATAL_ERROR "no keyword id \"${_topic}\" in the help project")
  endif()
  if(NOT EXISTS ${DOCS}/help/${CMAKE_MATCH_1})
    message(FATAL_ERROR "topic ${_topic} points at a missing page ${CMAKE_MATCH_1}")
  endif()
endforeach()

file(GLOB _pages ${DOCS}/help/*.html)
foreach(_page ${_pages})
  file(READ ${_page} _html)
  string(REGEX MATCHALL "href=\"[^\"#:]+\"" _links "${_html}")
  foreach(_link ${_links})
    string(REGEX REPLACE "^href=\"|\"$" "" _target "${_link}")
    if(NOT EXISTS ${DOCS}/help/${_target})
      get_filename_component(_name ${_page} NAME)
      message(FATAL_ERROR "${_name} links to missing ${_target}")
    endif()
  endforeach()
endforeach()
