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

# Boost serves the Python module alone: a C++-only build of kaldra configures without it, and the
# installed package and its headers neither look for it nor include it.
get_filename_component(source ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
run(${CMAKE_COMMAND} -S ${source} -B ${KALDRA_SCRATCH_DIR}/without-boost -G ${KALDRA_GENERATOR}
    -DCMAKE_CXX_COMPILER=${KALDRA_CXX_COMPILER} -DKALDRA_PYTHON=OFF -DBUILD_TESTING=OFF
    -DCMAKE_DISABLE_FIND_PACKAGE_Boost=ON)

run(${CMAKE_COMMAND} --install ${KALDRA_BUILD_DIR} --prefix ${prefix})
file(GLOB_RECURSE headers ${prefix}/include/kaldra/*)
foreach(header IN LISTS headers)
  file(STRINGS ${header} boost_includes REGEX "#[ \t]*include[ \t]*[<\"]boost/")
  if(boost_includes)
    message(FATAL_ERROR "installed header ${header} includes Boost: ${boost_includes}")
  endif()
endforeach()
# Only the installed prefix is searched for kaldra: the source tree is not on any path.
run(${CMAKE_COMMAND} -S ${KALDRA_EXAMPLE_DIR} -B ${build} -G ${KALDRA_GENERATOR}
    -DCMAKE_CXX_COMPILER=${KALDRA_CXX_COMPILER} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_DISABLE_FIND_PACKAGE_Boost=ON)
run(${CMAKE_COMMAND} --build ${build})
run(${build}/kaldra_example)
run(${build}/kaldra_tour)

# The C++ guide shows examples/cpp/tour.cpp as it is, from its #include lines on.
file(READ ${source}/docs/cpp.md guide)
file(READ ${KALDRA_EXAMPLE_DIR}/tour.cpp tour)
string(FIND "${tour}" "#include" start)
string(SUBSTRING "${tour}" ${start} -1 tour)
string(FIND "${guide}" "${tour}" shown)
if(shown EQUAL -1)
  message(FATAL_ERROR "docs/cpp.md does not show examples/cpp/tour.cpp as it is")
endif()
