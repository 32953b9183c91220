# Fails when a C++ source of the tree is not formatted by the one .clang-format.
#   cmake -DROOT=<source dir> -DCLANG_FORMAT=<program> -P check_format.cmake
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/src/*.cpp" "${ROOT}/src/*.h" "${ROOT}/server/*.cpp" "${ROOT}/server/*.h"
     "${ROOT}/tests/*.cpp" "${ROOT}/tests/*.h" "${ROOT}/bench/*.cpp" "${ROOT}/bench/*.h"
     "${ROOT}/fuzz/*.cpp" "${ROOT}/fuzz/*.h")
set(unformatted "")
foreach(source IN LISTS sources)
  execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror "${source}"
                  WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    list(APPEND unformatted "${source}")
  endif()
endforeach()
if(unformatted)
  list(JOIN unformatted "\n  " listed)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${listed}")
endif()
