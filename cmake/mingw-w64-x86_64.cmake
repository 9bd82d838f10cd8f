# Cross-builds the Qt-free part for 64-bit Windows with Debian's MinGW-w64 (posix threads), and
# runs what it builds (tests, test discovery) through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

# GoogleTest cross-built into the build folder (scripts/windows-test.sh) is found beside the
# compiler's own libraries.
set(MF7_WINDOWS_DEPS "" CACHE PATH "Prefix of the libraries cross-built for Windows")
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX} ${MF7_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static runtime, so the programs run under Wine without copying DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

# A Wine prefix of the build's own, made on first use; Wine's log stays quiet.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all wine)
