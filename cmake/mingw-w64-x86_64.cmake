# Cross build for 64-bit Windows with mingw-w64 (the POSIX thread model, which std::thread
# needs). The C and C++ run-times are linked statically, so the plug-in and the tools need
# only system DLLs. Programs built here run under wine during the build and the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARLIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARLIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARLIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARLIX_MINGW_TRIPLE}-windres)

# Headers and libraries come from the mingw sysroot only, never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${TARLIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config would hand out the Linux libraries: only the mingw sysroot's are searched.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${TARLIX_MINGW_TRIPLE}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Build-time programs (the bank compiler) and the tests run under wine, in a wine prefix of
# the build's own (never the user's ~/.wine).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
