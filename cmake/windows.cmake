# Windows deliverables, statically linked so they need nothing but system DLLs.
set(RUVO_DEPS "${CMAKE_BINARY_DIR}/../deps/mingw" CACHE PATH "MinGW builds of libpng and libjpeg")
target_include_directories(ruvo_core PUBLIC ${RUVO_DEPS}/include)
target_link_libraries(ruvo_core PUBLIC ${RUVO_DEPS}/lib/libpng16.a ${RUVO_DEPS}/lib/libjpeg.a
  /usr/i686-w64-mingw32/lib/libz.a)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
set(RUVO_STATIC -static -static-libgcc -static-libstdc++)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Win32 half of the shared units, compiled once for the DLL and the tests that link them.
add_library(ruvo_win STATIC
  server/core/FileStream.cpp
  server/core/DesignerFileFormatUnit.cpp
  server/core/ExportGuard.cpp)
target_include_directories(ruvo_win PUBLIC server/core server)
target_link_libraries(ruvo_win PUBLIC ruvo_core)

add_library(Ruvo_Server SHARED
  server/Ruvo_Server.cpp
  server/ModuleExports.cpp
  server/Ruvo_Server.def)
set_target_properties(Ruvo_Server PROPERTIES PREFIX "" OUTPUT_NAME Ruvo_Server)
target_link_libraries(Ruvo_Server PRIVATE ruvo_win)
target_link_options(Ruvo_Server PRIVATE ${RUVO_STATIC} -Wl,--enable-stdcall-fixup)

add_executable(Ruvo_Presenter WIN32 launcher/Ruvo_Presenter.cpp)
target_link_options(Ruvo_Presenter PRIVATE ${RUVO_STATIC})

# GoogleTest from Debian's sources, cross-built.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB win_tests CONFIGURE_DEPENDS tests/win/*.cpp)
add_executable(ruvo_win_tests ${win_tests} tests/doubles/AddIn.cpp)
target_include_directories(ruvo_win_tests PRIVATE tests/doubles tests/win)
target_link_libraries(ruvo_win_tests PRIVATE ruvo_win gtest gtest_main)
target_link_options(ruvo_win_tests PRIVATE ${RUVO_STATIC})
add_dependencies(ruvo_win_tests Ruvo_Server Ruvo_Presenter)

add_executable(ruvo_demo tests/doubles/demo_main.cpp tests/doubles/AddIn.cpp)
target_include_directories(ruvo_demo PRIVATE tests/win)
target_include_directories(ruvo_demo PRIVATE tests/doubles)
target_link_libraries(ruvo_demo PRIVATE ruvo_core)
target_link_options(ruvo_demo PRIVATE ${RUVO_STATIC})
add_dependencies(ruvo_demo Ruvo_Server)

add_executable(bench_module_read tests/bench/bench_module_read.cpp)
target_link_libraries(bench_module_read PRIVATE ruvo_win)
target_link_options(bench_module_read PRIVATE ${RUVO_STATIC})
