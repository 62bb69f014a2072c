# Windows deliverables, statically linked so they need nothing but system DLLs.
enable_language(RC)
set(RUVO_DEPS "${CMAKE_BINARY_DIR}/../deps/mingw" CACHE PATH "MinGW builds of libpng and libjpeg")
target_include_directories(ruvo_core PUBLIC ${RUVO_DEPS}/include)
target_link_libraries(ruvo_core PUBLIC ${RUVO_DEPS}/lib/libpng16.a ${RUVO_DEPS}/lib/libjpeg.a
  /usr/i686-w64-mingw32/lib/libz.a)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
set(RUVO_STATIC -static -static-libgcc -static-libstdc++)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Artwork resources; windres finds the pictures and the icon through the include path, CMake does
# not see them.
file(GLOB artwork CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/artwork/*.png
  ${PROJECT_SOURCE_DIR}/resources/artwork/*.jpg ${PROJECT_SOURCE_DIR}/resources/artwork/*.ico)
set_source_files_properties(resources/Ruvo_Server.rc tests/win/ruvo_win_tests.rc PROPERTIES OBJECT_DEPENDS "${artwork}")

add_subdirectory(win)
add_subdirectory(ui)
add_subdirectory(screens)
add_subdirectory(server)
add_subdirectory(launcher)

# GoogleTest from Debian's sources, cross-built.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB win_tests CONFIGURE_DEPENDS tests/win/*.cpp)
# The shared export families are linked in as well, so that a test can post and read one mailbox
# and look inside the progress forms the exports make.
add_executable(ruvo_win_tests ${win_tests} tests/doubles/AddIn.cpp)
target_include_directories(ruvo_win_tests PRIVATE tests/doubles tests/win server)
target_link_libraries(ruvo_win_tests PRIVATE ruvo_shared_exports ruvo_screens gtest gtest_main)
target_link_options(ruvo_win_tests PRIVATE ${RUVO_STATIC})
# The library's start and end steps with its artwork, so a test can run them in its own process.
target_sources(ruvo_win_tests PRIVATE server/Ruvo_Server.cpp server/PresenterExports.cpp
  tests/win/ruvo_win_tests.rc)
target_include_directories(ruvo_win_tests PRIVATE resources)
add_dependencies(ruvo_win_tests Ruvo_Server Ruvo_Presenter)

add_executable(ruvo_demo tests/demo/demo_main.cpp tests/doubles/AddIn.cpp)
target_include_directories(ruvo_demo PRIVATE tests/doubles ui)
target_link_libraries(ruvo_demo PRIVATE ruvo_core)
target_link_options(ruvo_demo PRIVATE ${RUVO_STATIC})
add_dependencies(ruvo_demo Ruvo_Server)

add_executable(bench_module_read tests/bench/bench_module_read.cpp)
target_link_libraries(bench_module_read PRIVATE ruvo_win)
target_link_options(bench_module_read PRIVATE ${RUVO_STATIC})

# The presenter's costs as the add-in meets them (scripts/bench.sh).
add_executable(bench_presenter tests/bench/bench_presenter.cpp tests/doubles/AddIn.cpp)
target_include_directories(bench_presenter PRIVATE tests/doubles ui)
target_link_libraries(bench_presenter PRIVATE ruvo_core psapi)
target_link_options(bench_presenter PRIVATE ${RUVO_STATIC})
add_dependencies(bench_presenter Ruvo_Server)

# Load benchmark: LoadLibrary time and private memory of the library, next to a DLL that only
# decodes the same background pictures once (scripts/bench-load.sh).
add_executable(bench_load tests/bench/bench_load.cpp)
target_link_libraries(bench_load PRIVATE psapi)
target_link_options(bench_load PRIVATE ${RUVO_STATIC})
add_library(bench_decode_once SHARED tests/bench/bench_decode_once.cpp resources/Ruvo_Server.rc)
set_target_properties(bench_decode_once PROPERTIES PREFIX "")
target_include_directories(bench_decode_once PRIVATE resources)
target_link_libraries(bench_decode_once PRIVATE ruvo_win)
target_link_options(bench_decode_once PRIVATE ${RUVO_STATIC})

# The presentation export and the slide-show window tracking, whose start and end steps the
# library's start runs; PowerPoint's stand-in, and a slide-show window in another process.
target_sources(ruvo_win_tests PRIVATE server/export/ExportPPTToModuleComponentsUnit.cpp server/export/WinProcUnit.cpp
  tests/doubles/FakePowerPoint.cpp)
target_include_directories(ruvo_win_tests PRIVATE server/export)
add_executable(fake_slide_show tests/doubles/fake_slide_show.cpp)
target_link_options(fake_slide_show PRIVATE ${RUVO_STATIC})
add_dependencies(ruvo_win_tests fake_slide_show)

# Export benchmark (scripts/bench-export.sh): the export through the DLL with the double, its copy
# phase with the unit's own code, and their floors.
add_executable(bench_export tests/bench/bench_export.cpp tests/doubles/AddIn.cpp tests/doubles/FakePowerPoint.cpp
  server/export/ExportPPTToModuleComponentsUnit.cpp)
target_include_directories(bench_export PRIVATE tests/doubles server server/export)
target_link_libraries(bench_export PRIVATE ruvo_screens)
target_link_options(bench_export PRIVATE ${RUVO_STATIC})
add_dependencies(bench_export Ruvo_Server)

# The launcher's PowerPoint: a local automation server registered as "PowerPoint.Application" in
# the test prefix, whose launch macro plays the add-in with Ruvo_Server.dll.
add_executable(fake_powerpoint WIN32 tests/doubles/fake_powerpoint_main.cpp tests/doubles/AddInStandIn.cpp
  tests/doubles/AddIn.cpp tests/doubles/FakePowerPoint.cpp)
target_include_directories(fake_powerpoint PRIVATE tests/doubles ui)
target_link_libraries(fake_powerpoint PRIVATE ruvo_core ole32 oleaut32 uuid gdi32)
target_link_options(fake_powerpoint PRIVATE ${RUVO_STATIC})
add_dependencies(fake_powerpoint Ruvo_Server)
add_dependencies(ruvo_win_tests fake_powerpoint)
# The launcher's splash window and its calls on PowerPoint, in the tests' own process. Their
# tests name the launcher's headers by folder, from the project root.
target_sources(ruvo_win_tests PRIVATE launcher/SplashUnit.cpp launcher/PowerPointCalls.cpp)
target_include_directories(ruvo_win_tests PRIVATE ${PROJECT_SOURCE_DIR})

# The main job's launcher part (scripts/demo.sh): a deck exported, then the whole system run from
# Ruvo_Presenter.exe with the PowerPoint double.
add_executable(launch_demo tests/demo/launch_demo_main.cpp tests/doubles/AddIn.cpp tests/doubles/FakePowerPoint.cpp)
target_include_directories(launch_demo PRIVATE tests/doubles ui)
target_link_libraries(launch_demo PRIVATE ruvo_core ole32 oleaut32 uuid gdi32)
target_link_options(launch_demo PRIVATE ${RUVO_STATIC})
add_dependencies(launch_demo Ruvo_Server Ruvo_Presenter fake_powerpoint)
