# Writes the page: the template with the program's script (the WebAssembly
# inside it) in place of @ORVANE_SCRIPT@, so that the page is one file.
# Usage: cmake -DPAGE=template -DSCRIPT=orvane.js -DOUTPUT=orvane.html -P inline.cmake
file(READ "${PAGE}" page)
file(READ "${SCRIPT}" script)
# Inside a script element these would end it or change how it is parsed.
foreach(marker "</script" "<!--" "<script")
  string(FIND "${script}" "${marker}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${SCRIPT} holds \"${marker}\" and cannot be inlined")
  endif()
endforeach()
string(REPLACE "@ORVANE_SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}.tmp" "${page}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
