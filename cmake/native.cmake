find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
target_link_libraries(ruvo_core PUBLIC PNG::PNG ZLIB::ZLIB)

option(RUVO_SANITIZE "Build native tests with AddressSanitizer and UBSan" ON)
option(RUVO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(RUVO_FUZZ)
  target_compile_options(ruvo_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined)
  target_link_options(ruvo_core PUBLIC -fsanitize=address,undefined)
  add_executable(fuzz_module_header tests/fuzz/fuzz_module_header.cpp)
  target_link_libraries(fuzz_module_header ruvo_core)
  target_link_options(fuzz_module_header PRIVATE -fsanitize=fuzzer)
  add_executable(fuzz_slide_block tests/fuzz/fuzz_slide_block.cpp)
  target_link_libraries(fuzz_slide_block ruvo_core)
  target_link_options(fuzz_slide_block PRIVATE -fsanitize=fuzzer)
  return()
endif()

if(RUVO_SANITIZE)
  target_compile_options(ruvo_core PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(ruvo_core PUBLIC -fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
file(GLOB native_tests CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(ruvo_native_tests ${native_tests})
target_link_libraries(ruvo_native_tests ruvo_core GTest::gtest_main)
target_include_directories(ruvo_native_tests PRIVATE tests/native)
target_compile_definitions(ruvo_native_tests PRIVATE RUVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

add_executable(bench_module_read tests/bench/bench_module_read.cpp)
target_link_libraries(bench_module_read ruvo_core)
