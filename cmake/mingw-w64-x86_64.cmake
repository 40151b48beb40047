# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which std::thread and Qt need). scripts/windows uses it for Qt, for ICU's
# consumers and for the program.
#
# Folders that hold Windows libraries besides the toolchain's own (Qt, ICU,
# giflib) come from the environment variable MIROSUTA_WINDOWS_ROOTS, a
# semicolon-separated list, so that the same file serves every stage.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
find_program(CMAKE_AR ${_triple}-ar REQUIRED)
find_program(CMAKE_RANLIB ${_triple}-ranlib REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple} $ENV{MIROSUTA_WINDOWS_ROOTS})
# Build tools are the host's; libraries, headers and packages only Windows'.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test executables run under Wine.
find_program(_wine NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${_wine})
endif()
