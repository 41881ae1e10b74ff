# Cross-compiles for 64-bit Windows with Debian's x86_64 mingw-w64 (posix threads): the build tested where
# 32-bit programs cannot run.
set(ZARNOCK_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
