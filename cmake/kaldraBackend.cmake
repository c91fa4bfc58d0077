# The numerical back end of kaldra's headers, gathered in the imported target kaldra::backend: CBLAS and
# LAPACKE headers and libraries. KALDRA_BLAS (a CMake variable, else the environment variable of that
# name) chooses where they come from:
#   system            FindBLAS/FindLAPACK (honouring BLA_VENDOR) and the system's liblapacke (default);
#   scipy-openblas32  the OpenBLAS of PyPI's scipy-openblas32 package, whose CBLAS and LAPACKE symbols
#                     carry a prefix; the headers generated below map the standard names onto it, so
#                     the code calls cblas_... and LAPACKE_... whichever back end it is built on.
# Included by the build and by the installed kaldraConfig.cmake, so that a project using the installed
# headers finds the same pieces on its own machine. In the build a missing piece is an error; from the
# package configuration it marks the package as not found, with the reason. The back end's headers are
# system headers for every build that uses them: their warnings are no concern of kaldra's or its users'
# (under Clang with -Wpedantic, say, OpenBLAS's configuration header uses C99 complex types).

set(_kaldra_quiet "")
if(kaldra_FIND_QUIETLY)
  set(_kaldra_quiet QUIET)
endif()

if(NOT DEFINED KALDRA_BLAS)
  set(_kaldra_blas "$ENV{KALDRA_BLAS}")
  if(_kaldra_blas STREQUAL "")
    set(_kaldra_blas system)
  endif()
  if(_kaldra_from_config)
    set(KALDRA_BLAS "${_kaldra_blas}")
  else()
    set(KALDRA_BLAS "${_kaldra_blas}" CACHE STRING
      "BLAS back end: system (FindBLAS, honouring BLA_VENDOR) or scipy-openblas32 (PyPI's OpenBLAS)")
    set_property(CACHE KALDRA_BLAS PROPERTY STRINGS system scipy-openblas32)
  endif()
endif()

function(_kaldra_backend_failed reason)
  if(_kaldra_from_config)
    set(kaldra_FOUND FALSE PARENT_SCOPE)
    set(kaldra_NOT_FOUND_MESSAGE "${reason}" PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${reason}")
  endif()
endfunction()

if(KALDRA_BLAS STREQUAL "scipy-openblas32")
  # The package directory comes from the Python environment the build runs in, unless given.
  if(NOT KALDRA_SCIPY_OPENBLAS32_DIR)
    set(_kaldra_python "${Python_EXECUTABLE}")
    if(NOT _kaldra_python)
      set(_kaldra_python "${Python3_EXECUTABLE}")
    endif()
    if(NOT _kaldra_python)
      find_program(_kaldra_python NAMES python3 python)
    endif()
    # find_spec locates the package without importing it: its import loads the library.
    execute_process(
      COMMAND "${_kaldra_python}" -c
        "import importlib.util as u; s = u.find_spec('scipy_openblas32'); print(s.submodule_search_locations[0] if s else '')"
      OUTPUT_VARIABLE _kaldra_scipy_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(KALDRA_SCIPY_OPENBLAS32_DIR "${_kaldra_scipy_dir}" CACHE PATH "Directory of the scipy_openblas32 package")
  endif()
  set(_kaldra_dir "${KALDRA_SCIPY_OPENBLAS32_DIR}")
  set(_kaldra_pc "${_kaldra_dir}/lib/pkgconfig/scipy-openblas.pc")
  find_library(KALDRA_SCIPY_OPENBLAS_LIBRARY NAMES scipy_openblas PATHS "${_kaldra_dir}/lib" NO_DEFAULT_PATH)
  if(NOT EXISTS "${_kaldra_pc}" OR NOT EXISTS "${_kaldra_dir}/include/cblas.h" OR
     NOT EXISTS "${_kaldra_dir}/include/lapacke.h" OR NOT KALDRA_SCIPY_OPENBLAS_LIBRARY)
    _kaldra_backend_failed("kaldra: KALDRA_BLAS=scipy-openblas32, but no scipy_openblas32 package with its \
headers, library and pkg-config file was found (looked in '${_kaldra_dir}'): pip install scipy-openblas32 into \
the build's Python environment, or set KALDRA_SCIPY_OPENBLAS32_DIR")
    return()
  endif()

  # The prefix is the one the package announces to its users' compilers.
  file(STRINGS "${_kaldra_pc}" _kaldra_cflags REGEX "^Cflags:")
  file(STRINGS "${_kaldra_pc}" _kaldra_version REGEX "^version=")
  string(REGEX MATCH "-DBLAS_SYMBOL_PREFIX=([A-Za-z0-9_]+)" _kaldra_match "${_kaldra_cflags}")
  set(KALDRA_BLAS_SYMBOL_PREFIX "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "^version=" "" KALDRA_BLAS_VERSION "${_kaldra_version}")

  # Its cblas.h and lapacke.h declare the prefixed names only (they take no BLAS_SYMBOL_PREFIX of their
  # own). A header of the same name in front of each includes it and defines every standard name it
  # prefixes as the prefixed one, read off its declarations.
  set(_kaldra_shim_dir "${CMAKE_BINARY_DIR}/kaldra-backend/include")
  foreach(_kaldra_header IN ITEMS cblas lapacke)
    file(READ "${_kaldra_dir}/include/${_kaldra_header}.h" _kaldra_text)
    set(_kaldra_defines "")
    if(NOT KALDRA_BLAS_SYMBOL_PREFIX STREQUAL "")
      string(REGEX MATCHALL "[^A-Za-z0-9_]${KALDRA_BLAS_SYMBOL_PREFIX}[A-Za-z0-9_]+[ \t\r\n]*\\("
        _kaldra_names "${_kaldra_text}")
      list(TRANSFORM _kaldra_names REPLACE "^.(${KALDRA_BLAS_SYMBOL_PREFIX}[A-Za-z0-9_]+).*" "\\1")
      list(REMOVE_DUPLICATES _kaldra_names)
      list(SORT _kaldra_names)
      foreach(_kaldra_name IN LISTS _kaldra_names)
        string(REGEX REPLACE "^${KALDRA_BLAS_SYMBOL_PREFIX}" "" _kaldra_standard "${_kaldra_name}")
        string(APPEND _kaldra_defines "#define ${_kaldra_standard} ${_kaldra_name}\n")
      endforeach()
    endif()
    file(CONFIGURE OUTPUT "${_kaldra_shim_dir}/${_kaldra_header}.h" @ONLY CONTENT
"// Generated by kaldraBackend.cmake: ${_kaldra_header}.h of scipy-openblas32 ${KALDRA_BLAS_VERSION}, its \
routines under their standard names (symbol prefix '${KALDRA_BLAS_SYMBOL_PREFIX}').
#pragma once
#include \"${_kaldra_dir}/include/${_kaldra_header}.h\"
${_kaldra_defines}")
  endforeach()

  # The installed package carries these headers too, for builds that take kaldra in through kaldra.pc.
  set(KALDRA_BACKEND_SHIM_DIR "${_kaldra_shim_dir}")
  set(KALDRA_BACKEND_RUNTIME_LIBRARY "${KALDRA_SCIPY_OPENBLAS_LIBRARY}")
  if(NOT kaldra_FIND_QUIETLY)
    message(STATUS "kaldra: BLAS and LAPACKE from scipy-openblas32 ${KALDRA_BLAS_VERSION}: ${KALDRA_SCIPY_OPENBLAS_LIBRARY} \
(symbol prefix '${KALDRA_BLAS_SYMBOL_PREFIX}')")
  endif()
  if(NOT TARGET kaldra::backend)
    add_library(kaldra::backend INTERFACE IMPORTED)
    set_target_properties(kaldra::backend PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${_kaldra_shim_dir}"
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${_kaldra_shim_dir}"
      INTERFACE_LINK_LIBRARIES "${KALDRA_SCIPY_OPENBLAS_LIBRARY}")
  endif()
  return()
elseif(NOT KALDRA_BLAS STREQUAL "system")
  _kaldra_backend_failed("kaldra: KALDRA_BLAS is '${KALDRA_BLAS}'; it takes system or scipy-openblas32")
  return()
endif()

find_package(BLAS ${_kaldra_quiet})
find_package(LAPACK ${_kaldra_quiet})
find_path(KALDRA_CBLAS_INCLUDE_DIR cblas.h PATH_SUFFIXES openblas)
find_path(KALDRA_LAPACKE_INCLUDE_DIR lapacke.h PATH_SUFFIXES openblas)
find_library(KALDRA_LAPACKE_LIBRARY NAMES lapacke)

set(_kaldra_missing "")
foreach(_kaldra_piece IN ITEMS BLAS_FOUND LAPACK_FOUND KALDRA_CBLAS_INCLUDE_DIR KALDRA_LAPACKE_INCLUDE_DIR
                               KALDRA_LAPACKE_LIBRARY)
  if(NOT ${_kaldra_piece})
    list(APPEND _kaldra_missing ${_kaldra_piece})
  endif()
endforeach()
if(_kaldra_missing)
  _kaldra_backend_failed("kaldra: BLAS, LAPACK, cblas.h, lapacke.h or liblapacke not found (${_kaldra_missing}); \
without a system BLAS, KALDRA_BLAS=scipy-openblas32 builds on PyPI's OpenBLAS")
  return()
endif()
if(NOT kaldra_FIND_QUIETLY)
  message(STATUS "kaldra: BLAS ${BLAS_LIBRARIES}; LAPACK ${LAPACK_LIBRARIES}; LAPACKE ${KALDRA_LAPACKE_LIBRARY}")
  message(STATUS "kaldra: cblas.h in ${KALDRA_CBLAS_INCLUDE_DIR}; lapacke.h in ${KALDRA_LAPACKE_INCLUDE_DIR}")
endif()

if(NOT TARGET kaldra::backend)
  add_library(kaldra::backend INTERFACE IMPORTED)
  set_target_properties(kaldra::backend PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${KALDRA_CBLAS_INCLUDE_DIR};${KALDRA_LAPACKE_INCLUDE_DIR}"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${KALDRA_CBLAS_INCLUDE_DIR};${KALDRA_LAPACKE_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "${KALDRA_LAPACKE_LIBRARY};LAPACK::LAPACK;BLAS::BLAS")
endif()
