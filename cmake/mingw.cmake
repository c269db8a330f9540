# What both mingw-w64 cross builds share; the toolchain files set
# CMAKE_SYSTEM_PROCESSOR and the Wine loader that runs their programs.
# The -posix compilers, because GoogleTest's std::mutex needs posix threads.
set(CMAKE_SYSTEM_NAME Windows)
set(kz_triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${kz_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kz_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${kz_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${kz_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No mingw run-time DLLs: everything but the system DLLs is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
