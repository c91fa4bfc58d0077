# Toolchain of kaldra's wheel: clang from PyPI's ziglang package, compiling against the headers and symbol
# versions of glibc 2.28 and linking its C++ standard library (libc++, libc++abi) into each module, so that
# the wheel needs nothing newer than glibc 2.28 and no C++ library from the system it lands on.
# scripts/build-wheel passes it as CMAKE_TOOLCHAIN_FILE; every other build keeps the system's compiler.
#   KALDRA_ZIG           the zig executable (default: the one of the ziglang package of the Python in PATH)
#   KALDRA_GLIBC_TARGET  the target triple with its glibc version (default x86_64-linux-gnu.2.28)

if(NOT KALDRA_ZIG)
  find_program(_kaldra_toolchain_python NAMES python3 python REQUIRED)
  execute_process(
    COMMAND "${_kaldra_toolchain_python}" -c
      "import os, ziglang; print(os.path.join(os.path.dirname(ziglang.__file__), 'zig'))"
    OUTPUT_VARIABLE _kaldra_zig OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE _kaldra_status)
  if(NOT _kaldra_status EQUAL 0 OR NOT EXISTS "${_kaldra_zig}")
    message(FATAL_ERROR "kaldra: the wheel's toolchain needs PyPI's ziglang package in the Python environment \
(${_kaldra_toolchain_python}): pip install -r requirements-dev.txt, or set KALDRA_ZIG to a zig executable")
  endif()
  set(KALDRA_ZIG "${_kaldra_zig}" CACHE FILEPATH "zig executable of the wheel's toolchain")
endif()
set(KALDRA_GLIBC_TARGET "x86_64-linux-gnu.2.28" CACHE STRING "Target triple and glibc version of the wheel")
# try_compile projects see the same two settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALDRA_ZIG KALDRA_GLIBC_TARGET)

set(CMAKE_C_COMPILER "${KALDRA_ZIG}" cc -target ${KALDRA_GLIBC_TARGET})
set(CMAKE_CXX_COMPILER "${KALDRA_ZIG}" c++ -target ${KALDRA_GLIBC_TARGET})
# The system's headers stay reachable (Boost.Hana comes from there), after the target's own C and C++
# headers; packages installed by Debian are found in its multiarch directories as with the system compiler.
set(CMAKE_LIBRARY_ARCHITECTURE x86_64-linux-gnu)
# CMake would look for clang-scan-deps, which the package does not carry; kaldra uses no C++ modules.
set(CMAKE_CXX_SCAN_FOR_MODULES OFF)
# Exceptions unwind through the system's libgcc_s, by its GCC_3.0 interface, which every manylinux policy
# allows and every glibc system has (glibc loads it itself to cancel threads): a refused call raises its
# error in half the time the unwinder linked in by default takes. Named by path: the driver would
# take -lgcc_s as its own unwinder.
find_file(KALDRA_LIBGCC_S libgcc_s.so.1 PATHS /lib/x86_64-linux-gnu /usr/lib/x86_64-linux-gnu /lib64 /usr/lib64
  NO_DEFAULT_PATH REQUIRED)
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${KALDRA_LIBGCC_S}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${KALDRA_LIBGCC_S}")
# libc++ drops std::is_literal_type and std::result_of from C++20 on; Debian's Boost.Hana still names them.
set(CMAKE_CXX_FLAGS_INIT "-D_LIBCPP_ENABLE_CXX20_REMOVED_TYPE_TRAITS")
