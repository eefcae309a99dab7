# Cross-building Windows executables with Debian's MinGW-w64 (posix threads,
# for std::thread and std::mutex), for the target named by `triple`. The C++
# runtime is linked in, so the programs need no DLL that Windows does not
# ship. Used through mingw-w64-i686.cmake or mingw-w64-x86_64.cmake.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests and examples run the programs through Wine (`wine`).
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine})
