# Builds and runs a consumer of kaldra (tests/package/consumer) the four ways a C++ project takes it in:
#   package       find_package(kaldra) from an installation of this build, in a scratch prefix;
#   subdirectory  add_subdirectory of this source tree;
#   fetchcontent  FetchContent of this source tree;
#   pkg-config    the compiler alone, with the flags pkg-config gives for the installed kaldra.pc;
# each with -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast -Werror.
# examples/cpp, the example project of the C++ guide, is built against the installation too. When a
# second compiler is given (KALDRA_SECOND_CXX_COMPILER, Clang where the build's own is GCC), the
# find_package and pkg-config ways are built with it as well. Run by CTest with -P; the inputs arrive as
# -D definitions.
foreach(input IN ITEMS KALDRA_BUILD_DIR KALDRA_SCRATCH_DIR KALDRA_GENERATOR KALDRA_CXX_COMPILER KALDRA_BLAS)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "consumers.cmake needs -D${input}=...")
  endif()
endforeach()

get_filename_component(source ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(consumer ${CMAKE_CURRENT_LIST_DIR}/consumer)
set(prefix ${KALDRA_SCRATCH_DIR}/prefix)
file(REMOVE_RECURSE ${KALDRA_SCRATCH_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "failed (${status}): ${command}")
  endif()
endfunction()

set(strict -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast -Werror)
set(generator -G ${KALDRA_GENERATOR} -DCMAKE_CXX_COMPILER=${KALDRA_CXX_COMPILER})

run(${CMAKE_COMMAND} --install ${KALDRA_BUILD_DIR} --prefix ${prefix})
# Boost serves the Python module alone: no installed header includes it.
file(GLOB_RECURSE headers ${prefix}/include/kaldra/*)
foreach(header IN LISTS headers)
  file(STRINGS ${header} boost_includes REGEX "#[ \t]*include[ \t]*[<\"]boost/")
  if(boost_includes)
    message(FATAL_ERROR "installed header ${header} includes Boost: ${boost_includes}")
  endif()
endforeach()

# find_package: only the installed prefix is searched for kaldra, which brings its own back end along.
set(compilers ${KALDRA_CXX_COMPILER})
if(KALDRA_SECOND_CXX_COMPILER)
  list(APPEND compilers ${KALDRA_SECOND_CXX_COMPILER})
endif()
list(REMOVE_DUPLICATES compilers)
foreach(compiler IN LISTS compilers)
  get_filename_component(compiler_name ${compiler} NAME)
  set(build ${KALDRA_SCRATCH_DIR}/package-${compiler_name})
  run(${CMAKE_COMMAND} -S ${consumer} -B ${build} -G ${KALDRA_GENERATOR} -DCMAKE_CXX_COMPILER=${compiler}
      -DKALDRA_CONSUME=package -DCMAKE_PREFIX_PATH=${prefix})
  run(${CMAKE_COMMAND} --build ${build})
  run(${build}/consumer)
endforeach()
list(JOIN strict " " strict_flags)
run(${CMAKE_COMMAND} -S ${source}/examples/cpp -B ${KALDRA_SCRATCH_DIR}/examples ${generator}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=${strict_flags}"
    -DCMAKE_NO_SYSTEM_FROM_IMPORTED=ON)
run(${CMAKE_COMMAND} --build ${KALDRA_SCRATCH_DIR}/examples)
run(${KALDRA_SCRATCH_DIR}/examples/kaldra_example)
run(${KALDRA_SCRATCH_DIR}/examples/kaldra_tour)

# add_subdirectory and FetchContent: the source tree as a part of the consumer's build, on the back end
# of this build. The consumer names no build type: kaldra must not choose one for it.
foreach(way IN ITEMS subdirectory fetchcontent)
  run(${CMAKE_COMMAND} -S ${consumer} -B ${KALDRA_SCRATCH_DIR}/${way} ${generator}
      -DKALDRA_CONSUME=${way} -DKALDRA_SOURCE_DIR=${source}
      -DKALDRA_BLAS=${KALDRA_BLAS} -DKALDRA_SCIPY_OPENBLAS32_DIR=${KALDRA_SCIPY_OPENBLAS32_DIR})
  run(${CMAKE_COMMAND} --build ${KALDRA_SCRATCH_DIR}/${way})
  run(${KALDRA_SCRATCH_DIR}/${way}/consumer)
endforeach()

# pkg-config: the installed kaldra.pc, nothing of CMake.
find_program(pkg_config NAMES pkg-config pkgconf REQUIRED)
file(GLOB_RECURSE pc_file ${prefix}/kaldra.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
execute_process(COMMAND ${pkg_config} --cflags --libs kaldra
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config --cflags --libs kaldra failed (${status})")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
foreach(compiler IN LISTS compilers)
  get_filename_component(compiler_name ${compiler} NAME)
  set(program ${KALDRA_SCRATCH_DIR}/pkg-config-consumer-${compiler_name})
  run(${compiler} -std=c++20 ${strict} ${consumer}/consumer.cpp ${flags} -o ${program})
  run(${program})
endforeach()

# The C++ guide shows examples/cpp/tour.cpp as it is, from its #include lines on.
file(READ ${source}/docs/cpp.md guide)
file(READ ${source}/examples/cpp/tour.cpp tour)
string(FIND "${tour}" "#include" start)
string(SUBSTRING "${tour}" ${start} -1 tour)
string(FIND "${guide}" "${tour}" shown)
if(shown EQUAL -1)
  message(FATAL_ERROR "docs/cpp.md does not show examples/cpp/tour.cpp as it is")
endif()
