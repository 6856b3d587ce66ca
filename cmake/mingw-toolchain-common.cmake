# What both mingw-w64 toolchains share; each sets CMAKE_SYSTEM_PROCESSOR and
# VELLUMARK_TRIPLET first. The -posix compilers carry std::mutex, which
# GoogleTest needs; everything links statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELLUMARK_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELLUMARK_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELLUMARK_TRIPLET}-windres)
# Cross-built dependencies (libjpeg) live in build/deps/<triplet>.
set(CMAKE_FIND_ROOT_PATH /usr/${VELLUMARK_TRIPLET} ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${VELLUMARK_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
