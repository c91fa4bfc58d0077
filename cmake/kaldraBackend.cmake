# The numerical back end of kaldra's headers: BLAS and LAPACK (honouring BLA_VENDOR), the CBLAS and
# LAPACKE headers and the LAPACKE library, gathered in the imported target kaldra::backend. Included by
# the build and by the installed kaldraConfig.cmake, so that a project using the installed headers finds
# the same pieces on its own machine. In the build a missing piece is an error; from the package
# configuration it marks the package as not found, with the reason.

set(_kaldra_quiet "")
if(kaldra_FIND_QUIETLY)
  set(_kaldra_quiet QUIET)
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
  set(_kaldra_reason "kaldra: BLAS, LAPACK, cblas.h, lapacke.h or liblapacke not found (${_kaldra_missing})")
  if(_kaldra_from_config)
    set(kaldra_FOUND FALSE)
    set(kaldra_NOT_FOUND_MESSAGE "${_kaldra_reason}")
    return()
  endif()
  message(FATAL_ERROR "${_kaldra_reason}")
endif()
if(NOT kaldra_FIND_QUIETLY)
  message(STATUS "kaldra: BLAS ${BLAS_LIBRARIES}; LAPACK ${LAPACK_LIBRARIES}; LAPACKE ${KALDRA_LAPACKE_LIBRARY}")
  message(STATUS "kaldra: cblas.h in ${KALDRA_CBLAS_INCLUDE_DIR}; lapacke.h in ${KALDRA_LAPACKE_INCLUDE_DIR}")
endif()

if(NOT TARGET kaldra::backend)
  add_library(kaldra::backend INTERFACE IMPORTED)
  set_target_properties(kaldra::backend PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${KALDRA_CBLAS_INCLUDE_DIR};${KALDRA_LAPACKE_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "${KALDRA_LAPACKE_LIBRARY};LAPACK::LAPACK;BLAS::BLAS")
endif()
