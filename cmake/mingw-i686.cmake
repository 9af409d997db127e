# The 32-bit build is the one that ships; this machine cannot run it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(YZ_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 for the byte search, and doubles computed in double precision rather
# than in the x87's extended precision.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
