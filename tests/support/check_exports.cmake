# cmake -DNM=<nm> -DLIBRARY=<lib.so> -DEXPECTED="A;B;C" -P check_exports.cmake
# Fails unless the shared library's dynamic symbol table defines exactly the
# expected names. Ignored: the linker's own section markers and the type_info
# objects that UBSan's function-pointer check adds for the exported signatures.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${errors}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(found "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) (.+)$")
    set(name "${CMAKE_MATCH_2}")
    if(name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$" OR name MATCHES "^_ZT[IS]F")
      continue()
    endif()
    list(APPEND found "${name}")
  endif()
endforeach()
list(SORT found)
set(expected ${EXPECTED})
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} exports\n  ${found}\nexpected exactly\n  ${expected}")
endif()
message(STATUS "${LIBRARY}: exactly ${expected}")
