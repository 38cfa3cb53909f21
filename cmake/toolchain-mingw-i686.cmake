# Cross-builds the 32-bit Windows DLL with Debian's g++-mingw-w64-i686. The POSIX thread model
# is the one whose standard library has std::mutex and thread_local.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(MELODARA_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MELODARA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MELODARA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MELODARA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MELODARA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into every binary: the player loads the component with
# no MinGW run-time DLL beside it, and the test programs run under Wine with none on the path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
# The released DLL carries no symbols (the static run-time's debug sections triple its size).
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")

# ctest runs the Windows programs through Wine.
find_program(MELODARA_WINE wine)
if(MELODARA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MELODARA_WINE})
endif()
