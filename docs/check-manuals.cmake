# Checks the PDF manuals written by qd720-manuals:
# - the Technical Manual lists every parameter code of the catalogue (the codes
#   are read from the catalogue's source rows, not from the tool that wrote the
#   manual), monitors U1-01 and U5-04 and the operation error oPE11;
# - the Cheat Sheet is exactly one page;
# - the Quick Start Guide has its basic parameter table.
# Run with -DPDFTOTEXT= -DPDFINFO= -DDOCS=<folder of the PDFs> -DROWS=<ParameterRows.cpp>.

function(pdf_text file out)
  execute_process(COMMAND ${PDFTOTEXT} -layout ${DOCS}/${file} -
                  OUTPUT_VARIABLE _text RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "${file}: pdftotext failed: ${_err}")
  endif()
  set(${out} "${_text}" PARENT_SCOPE)
endfunction()

function(pdf_pages file out)
  execute_process(COMMAND ${PDFINFO} ${DOCS}/${file} OUTPUT_VARIABLE _info RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0 OR NOT _info MATCHES "Pages:[ ]+([0-9]+)")
    message(FATAL_ERROR "${file}: pdfinfo failed")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

# Parameter codes of the catalogue rows: {"C1-01", ...
file(STRINGS ${ROWS} _rows REGEX "^[ ]*\\{\"[A-Z][0-9]-[0-9][0-9]\",")
set(_codes)
foreach(_row ${_rows})
  string(REGEX MATCH "[A-Z][0-9]-[0-9][0-9]" _code "${_row}")
  list(APPEND _codes ${_code})
endforeach()
list(REMOVE_DUPLICATES _codes)
list(LENGTH _codes _count)
if(NOT _count EQUAL 440)
  message(FATAL_ERROR "expected 440 parameter codes in ${ROWS}, found ${_count}")
endif()

pdf_text(DOCR6630915.PDF _manual)
set(_missing)
foreach(_code ${_codes})
  string(FIND "${_manual}" "${_code}" _at)
  if(_at EQUAL -1)
    list(APPEND _missing ${_code})
  endif()
endforeach()
if(_missing)
  message(FATAL_ERROR "Technical Manual lacks parameters: ${_missing}")
endif()
foreach(_needle "440 parameters are listed" "U1-01" "U5-04" "oPE11" "Forward Run Command (NO)")
  string(FIND "${_manual}" "${_needle}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "Technical Manual lacks \"${_needle}\"")
  endif()
endforeach()
string(FIND "${_manual}" "---00" _at)
if(NOT _at EQUAL -1)
  message(FATAL_ERROR "Technical Manual lists the placeholder ---00")
endif()

pdf_pages(TM.QD720.01.PDF _pages)
if(NOT _pages EQUAL 1)
  message(FATAL_ERROR "Cheat Sheet has ${_pages} pages, not 1")
endif()

pdf_text(DOCQ482157300.PDF _quick)
foreach(_needle "C1-01" "Acceleration Time 1" "E2-01")
  string(FIND "${_quick}" "${_needle}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "Quick Start Guide lacks \"${_needle}\"")
  endif()
endforeach()
message(STATUS "manuals: ${_count} parameters in the Technical Manual, Cheat Sheet on one page")
