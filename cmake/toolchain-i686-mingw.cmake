# Cross-build for Windows with mingw-w64 (i686). The -posix compilers carry
# std::mutex, which GoogleTest needs; everything links statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELLUMARK_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VELLUMARK_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELLUMARK_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELLUMARK_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELLUMARK_TRIPLET} ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${VELLUMARK_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
