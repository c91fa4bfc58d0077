# Installs a kaldra build to a scratch prefix, then configures, builds and runs examples/cpp against
# that installation, as a project of a C++ user would: through find_package(kaldra) and nothing else.
# Run by CTest with -P; the inputs arrive as -D definitions.
foreach(input IN ITEMS KALDRA_BUILD_DIR KALDRA_EXAMPLE_DIR KALDRA_SCRATCH_DIR KALDRA_GENERATOR KALDRA_CXX_COMPILER)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "build_example.cmake needs -D${input}=...")
  endif()
endforeach()

set(prefix ${KALDRA_SCRATCH_DIR}/prefix)
set(build ${KALDRA_SCRATCH_DIR}/build)
file(REMOVE_RECURSE ${KALDRA_SCRATCH_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "failed (${status}): ${command}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${KALDRA_BUILD_DIR} --prefix ${prefix})
# Only the installed prefix is searched for kaldra: the source tree is not on any path.
run(${CMAKE_COMMAND} -S ${KALDRA_EXAMPLE_DIR} -B ${build} -G ${KALDRA_GENERATOR}
    -DCMAKE_CXX_COMPILER=${KALDRA_CXX_COMPILER} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${build})
run(${build}/kaldra_example)
