# Cross build for 32-bit Windows with Debian's mingw-w64 (posix threads).
# Its tests run under 32-bit Wine where the machine runs 32-bit programs
# (scripts/test.sh finds out); elsewhere it is compiled only, which still
# checks its layout assertions.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VTA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE arithmetic rounds every float operation to 32 bits, as the 64-bit
# builds do, so curve values are the same on both.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
