# The same sources for 64-bit Windows: what the Wine tests run on a Linux
# kernel that cannot execute 32-bit programs (and so no 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(wine wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
