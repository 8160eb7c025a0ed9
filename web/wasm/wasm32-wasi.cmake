# Debian's clang 19 and lld 19 for WebAssembly, with wasi-libc and libc++.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
# No exceptions in Debian's libc++ for WASI; a failed allocation aborts.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
