# Cross-compiles the 32-bit Windows build with mingw-w64; its programs run
# under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
