# Builds address_sanitizer/overrun.cpp with -fsanitize=address and no definition of kaldra's, then writes
# to the last element of a vector and a matrix (no report) and one, two and three elements past it (a
# heap-buffer-overflow report each). Run by CTest with -P; the inputs arrive as -D definitions:
# KALDRA_CXX_COMPILER, KALDRA_INCLUDES (directories joined by |) and KALDRA_SCRATCH_DIR.
foreach(input IN ITEMS KALDRA_CXX_COMPILER KALDRA_INCLUDES KALDRA_SCRATCH_DIR)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "overrun.cmake needs -D${input}=...")
  endif()
endforeach()

string(REPLACE "|" ";" includes "${KALDRA_INCLUDES}")
list(TRANSFORM includes PREPEND "-I")
file(MAKE_DIRECTORY ${KALDRA_SCRATCH_DIR})
set(program ${KALDRA_SCRATCH_DIR}/overrun)
execute_process(
  COMMAND ${KALDRA_CXX_COMPILER} -std=c++20 -O1 -g -fsanitize=address -fno-omit-frame-pointer ${includes}
    ${CMAKE_CURRENT_LIST_DIR}/overrun.cpp -o ${program}
  RESULT_VARIABLE status ERROR_VARIABLE diagnostics OUTPUT_VARIABLE diagnostics)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "building overrun.cpp with -fsanitize=address failed:\n${diagnostics}")
endif()

# The options of kaldra's own sanitized runs do not apply to this program: each run ends at its report.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
foreach(kind IN ITEMS vector matrix)
  foreach(past RANGE 0 3)
    execute_process(COMMAND ${program} ${kind} ${past} RESULT_VARIABLE status ERROR_VARIABLE report
                    OUTPUT_VARIABLE report)
    if(past EQUAL 0 AND NOT (status EQUAL 0 AND report STREQUAL ""))
      message(FATAL_ERROR "a write to the last element of the ${kind} failed (${status}):\n${report}")
    elseif(past GREATER 0 AND NOT report MATCHES "ERROR: AddressSanitizer: heap-buffer-overflow")
      message(FATAL_ERROR "a write ${past} past the end of the ${kind} gave no heap-buffer-overflow report "
                          "(${status}):\n${report}")
    endif()
  endforeach()
endforeach()
message(STATUS "every write past the end was reported as a heap-buffer-overflow")
