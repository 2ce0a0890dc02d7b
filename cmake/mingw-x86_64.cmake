# Cross-compiles the 64-bit Windows build with mingw-w64; its programs run
# under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
