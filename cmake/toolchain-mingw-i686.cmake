# The Windows build for i686 (scripts/build.sh win32).
set(ZELVO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
