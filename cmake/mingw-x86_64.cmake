# A 64-bit build of the same sources, which Wine runs for the tests where the
# machine cannot run 32-bit code (and so neither 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
