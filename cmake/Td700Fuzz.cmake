# The fuzz build: clang, coverage for libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# on everything compiled, an error of either ends the run. The ordinary build never sees these
# flags.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (CMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer -O1)
add_link_options(-fsanitize=address,undefined)
