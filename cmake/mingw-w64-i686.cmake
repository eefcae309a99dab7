# The Windows build: 32-bit, as the Visual Basic 6 environment that loads
# the add-in is a 32-bit process.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
set(wine wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
