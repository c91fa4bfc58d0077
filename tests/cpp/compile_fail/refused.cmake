# Compiles one case of a compile_fail source and passes when the compiler refuses it at the call, with
# the expected account of why in the first lines of its diagnostics. Run by CTest with -P; the inputs
# arrive as -D definitions: KALDRA_CXX_COMPILER, KALDRA_SOURCE, KALDRA_INCLUDES (directories joined by
# |), KALDRA_MACRO (the macro that selects the case), KALDRA_EXPECTED (a regular expression one of those
# lines must match) and, optionally, KALDRA_FLAGS (further compiler flags joined by |).
foreach(input IN ITEMS KALDRA_CXX_COMPILER KALDRA_SOURCE KALDRA_INCLUDES KALDRA_MACRO KALDRA_EXPECTED)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "refused.cmake needs -D${input}=...")
  endif()
endforeach()

string(REPLACE "|" ";" includes "${KALDRA_INCLUDES}")
list(TRANSFORM includes PREPEND "-I")
string(REPLACE "|" ";" flags "${KALDRA_FLAGS}")
get_filename_component(source_name ${KALDRA_SOURCE} NAME)
string(REPLACE "." "\\." source_name "${source_name}")
execute_process(
  COMMAND ${KALDRA_CXX_COMPILER} -std=c++20 -fsyntax-only ${flags} ${includes} -D${KALDRA_MACRO} ${KALDRA_SOURCE}
  RESULT_VARIABLE status ERROR_VARIABLE diagnostics OUTPUT_VARIABLE output)
string(APPEND diagnostics "${output}")
if(status EQUAL 0)
  message(FATAL_ERROR "case ${KALDRA_MACRO} compiled; it must be refused")
endif()

# What a reader sees first: the error must point into the case's source (the call, not a library
# body), and the compiler's account of the refusal must follow within the first lines.
string(REPLACE "\n" ";" lines "${diagnostics}")
list(LENGTH lines count)
if(count GREATER 20)
  list(SUBLIST lines 0 20 lines)
endif()
set(error_at_call FALSE)
set(expected_seen FALSE)
set(first_error "")
foreach(line IN LISTS lines)
  if(first_error STREQUAL "" AND line MATCHES "error:")
    set(first_error "${line}")
    if(line MATCHES "${source_name}:[0-9]+:[0-9]+: error:")
      set(error_at_call TRUE)
    endif()
  endif()
  if(line MATCHES "${KALDRA_EXPECTED}")
    set(expected_seen TRUE)
  endif()
endforeach()
if(NOT error_at_call OR NOT expected_seen)
  string(REPLACE ";" "\n" shown "${lines}")
  message(FATAL_ERROR "case ${KALDRA_MACRO}: expected an error at the call matching '${KALDRA_EXPECTED}' "
                      "in the first 20 lines (first error: ${first_error}); the diagnostics began:\n${shown}")
endif()
message(STATUS "case ${KALDRA_MACRO} refused: ${first_error}")
