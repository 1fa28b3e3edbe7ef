# Compiler settings shared by every target of the project.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(PHELTRA_WERROR)
  add_compile_options(-Werror)
endif()

if(PHELTRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PHELTRA_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "PHELTRA_FUZZ needs clang (libFuzzer)")
endif()

# pheltra_add_test(<name> SOURCES <files...> LIBS <targets...> [QT])
# A GoogleTest executable registered with CTest. QT tests get a main() that
# creates a QApplication on the offscreen platform, so widget tests need no
# display. Tests find the source tree through PHELTRA_SOURCE_DIR.
function(pheltra_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_QT)
    target_link_libraries(${name} PRIVATE pheltra_qt_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE PHELTRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 120)
endfunction()

# pheltra_add_exports_test(<test name> <library target> <symbols...>)
# Fails unless the shared library's dynamic symbol table defines exactly the
# given names.
function(pheltra_add_exports_test name library)
  list(JOIN ARGN "\\;" expected)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DLIBRARY=$<TARGET_FILE:${library}>
            "-DEXPECTED=${expected}"
            -P ${CMAKE_SOURCE_DIR}/tests/support/check_exports.cmake)
endfunction()

# pheltra_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>
#                    [INSTRUMENT <targets...>] CORPUS <dir> SECONDS <n>)
# A libFuzzer target, only built when PHELTRA_FUZZ is on. The INSTRUMENT
# libraries get coverage counters too, so libFuzzer is guided through the
# code it feeds and not only through its harness (the shared data libraries
# stay uninstrumented: their export tables are checked). test.sh runs every
# fuzzer listed in <build>/fuzzers.txt for its seconds, starting from its
# committed corpus (new inputs go to a scratch folder, never into the tree).
function(pheltra_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS;SECONDS" "SOURCES;LIBS;INSTRUMENT" ${ARGN})
  if(NOT PHELTRA_FUZZ)
    return()
  endif()
  foreach(library IN LISTS F_INSTRUMENT)
    target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
  endforeach()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY PHELTRA_FUZZERS "${name} ${F_SECONDS} ${F_CORPUS}")
endfunction()

# pheltra_data_library(<target> <header>)
# A data library as other programs link it: versioned soname
# (libvornak.so.1 -> libvornak.so.1.0.1), installed into the library folder
# with its C header in include/pheltra/. The Python package ships a copy of
# each (PHELTRA_DATA_LIBRARIES).
function(pheltra_data_library target header)
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    AUTOMOC OFF)
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/pheltra)
  set_property(GLOBAL APPEND PROPERTY PHELTRA_DATA_LIBRARIES ${target})
endfunction()
