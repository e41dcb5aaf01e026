# The fuzz build (-DVTA_FUZZ=ON, clang only): the libraries every file reader
# and writer lives in, built with libFuzzer's coverage and the address and
# undefined-behaviour checkers, then tests/fuzz.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VTA_FUZZ needs clang (CC=clang CXX=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_subdirectory(src/platform)
add_subdirectory(src/curves)
add_subdirectory(src/model)
add_subdirectory(render)
add_subdirectory(tools/vtafx)
add_subdirectory(tests/fuzz)
