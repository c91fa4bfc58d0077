# kaldra.pc, so that `pkg-config --cflags --libs kaldra` builds a program on kaldra without CMake. It
# carries what kaldra::backend gives a CMake consumer: the include directories of cblas.h and lapacke.h
# and the libraries of the configured back end, read off the targets so that both say the same.
# Included by the build when it installs the package.

# The include flags and link items of a target and of the targets it links, in link order.
function(_kaldra_usage target cflags_var libs_var)
  set(cflags "${${cflags_var}}")
  set(libs "${${libs_var}}")
  get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
  foreach(dir IN LISTS includes)
    # The back end's directories are system directories, as for a CMake consumer (kaldraBackend.cmake);
    # written as one word, which pkg-config keeps together.
    if(dir STREQUAL KALDRA_BACKEND_SHIM_DIR)
      # The generated headers that give the back end's routines their standard names are installed too.
      list(APPEND cflags "-isystem\${includedir}/kaldra/backend")
    elseif(dir AND NOT dir IN_LIST CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
      # A directory the compiler searches anyway stays out: named with -isystem it would come before the
      # standard library's own headers.
      list(APPEND cflags "-isystem${dir}")
    endif()
  endforeach()
  get_target_property(items ${target} INTERFACE_LINK_LIBRARIES)
  foreach(item IN LISTS items)
    if(TARGET ${item})
      _kaldra_usage(${item} cflags libs)
    elseif(item MATCHES "^-" OR IS_ABSOLUTE "${item}")
      list(APPEND libs "${item}")
    elseif(item)
      list(APPEND libs "-l${item}")
    endif()
  endforeach()
  get_target_property(options ${target} INTERFACE_LINK_OPTIONS)
  if(options)
    list(APPEND libs ${options})
  endif()
  set(${cflags_var} "${cflags}" PARENT_SCOPE)
  set(${libs_var} "${libs}" PARENT_SCOPE)
endfunction()

set(_kaldra_cflags "")
set(_kaldra_libs "")
_kaldra_usage(kaldra::backend _kaldra_cflags _kaldra_libs)
list(REMOVE_DUPLICATES _kaldra_cflags)
list(REMOVE_DUPLICATES _kaldra_libs)
if(KALDRA_BACKEND_RUNTIME_LIBRARY)
  # A back end outside the loader's search path (scipy-openblas32 in a Python environment) is found at
  # run time through the path recorded in the program, as that package's own pkg-config file does.
  get_filename_component(_kaldra_runtime_dir "${KALDRA_BACKEND_RUNTIME_LIBRARY}" DIRECTORY)
  list(APPEND _kaldra_libs "-Wl,-rpath,${_kaldra_runtime_dir}")
endif()
if(KALDRA_BACKEND_SHIM_DIR)
  install(DIRECTORY "${KALDRA_BACKEND_SHIM_DIR}/" DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kaldra/backend)
endif()

set(KALDRA_PC_CFLAGS "")
foreach(_kaldra_flag IN LISTS _kaldra_cflags)
  string(APPEND KALDRA_PC_CFLAGS " ${_kaldra_flag}")
endforeach()
set(KALDRA_PC_LIBS "")
foreach(_kaldra_flag IN LISTS _kaldra_libs)
  string(APPEND KALDRA_PC_LIBS " ${_kaldra_flag}")
endforeach()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(KALDRA_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
else()
  set(KALDRA_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()

# The prefix is the one of the installation (cmake --install --prefix may change it), so the file is
# completed at install time.
set(KALDRA_PC_PREFIX "@KALDRA_INSTALL_PREFIX@")
configure_file(${CMAKE_CURRENT_LIST_DIR}/kaldra.pc.in ${CMAKE_CURRENT_BINARY_DIR}/kaldra.pc.in @ONLY)
install(CODE "
  set(KALDRA_INSTALL_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/kaldra.pc.in\" \"${CMAKE_CURRENT_BINARY_DIR}/kaldra.pc\" @ONLY)")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kaldra.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
