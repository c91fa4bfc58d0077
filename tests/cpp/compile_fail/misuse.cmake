# Compiles one misuse case of misuse.cpp and passes when the compiler refuses it at the call, naming the
# broken constraint in the first lines of its diagnostics. Run by CTest with -P; the inputs arrive as
# -D definitions: KALDRA_CXX_COMPILER, KALDRA_SOURCE, KALDRA_INCLUDES (directories joined by |),
# KALDRA_CASE and KALDRA_CONSTRAINT.
foreach(input IN ITEMS KALDRA_CXX_COMPILER KALDRA_SOURCE KALDRA_INCLUDES KALDRA_CASE KALDRA_CONSTRAINT)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "misuse.cmake needs -D${input}=...")
  endif()
endforeach()

string(REPLACE "|" ";" includes "${KALDRA_INCLUDES}")
list(TRANSFORM includes PREPEND "-I")
execute_process(
  COMMAND ${KALDRA_CXX_COMPILER} -std=c++20 -fsyntax-only ${includes} -DKALDRA_MISUSE_${KALDRA_CASE} ${KALDRA_SOURCE}
  RESULT_VARIABLE status ERROR_VARIABLE diagnostics OUTPUT_VARIABLE output)
string(APPEND diagnostics "${output}")
if(status EQUAL 0)
  message(FATAL_ERROR "misuse case ${KALDRA_CASE} compiled; it must be refused")
endif()

# What a reader sees first: the error must point into misuse.cpp (the call, not a library body), and
# the compiler's account of the failed constraint must follow within the first lines.
string(REPLACE "\n" ";" lines "${diagnostics}")
list(LENGTH lines count)
if(count GREATER 20)
  list(SUBLIST lines 0 20 lines)
endif()
set(error_at_call FALSE)
set(constraint_named FALSE)
set(first_error "")
foreach(line IN LISTS lines)
  if(first_error STREQUAL "" AND line MATCHES "error:")
    set(first_error "${line}")
    if(line MATCHES "misuse\\.cpp:[0-9]+:[0-9]+: error:")
      set(error_at_call TRUE)
    endif()
  endif()
  # GCC says "required for the satisfaction of 'C<...>'", Clang "because 'C<...>' evaluated to false".
  if(line MATCHES "(satisfaction of|because) [^ ]*${KALDRA_CONSTRAINT}<")
    set(constraint_named TRUE)
  endif()
endforeach()
if(NOT error_at_call OR NOT constraint_named)
  string(REPLACE ";" "\n" shown "${lines}")
  message(FATAL_ERROR "misuse case ${KALDRA_CASE}: expected an error at the call naming ${KALDRA_CONSTRAINT} "
                      "in the first 20 lines (first error: ${first_error}); the diagnostics began:\n${shown}")
endif()
message(STATUS "misuse case ${KALDRA_CASE} refused: ${first_error}")
