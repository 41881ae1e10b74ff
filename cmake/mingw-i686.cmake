# Cross-compiles for 32-bit Windows with Debian's i686 mingw-w64 (posix threads): the build that ships.
set(ZARNOCK_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
