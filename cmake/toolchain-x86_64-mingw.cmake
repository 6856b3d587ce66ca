# Cross-build for Windows with mingw-w64 (x86_64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELLUMARK_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)
