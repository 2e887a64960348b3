# The native build: the plug-in against the stand-in host, for tests, benchmarks and the preview.
set(QDT_SANITIZE "" CACHE STRING "Sanitizers: empty, address,undefined, or thread")
if(QDT_SANITIZE)
  add_compile_options(-fsanitize=${QDT_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QDT_SANITIZE})
endif()

# The fuzz build (clang): coverage for libFuzzer on everything, sanitizers for
# its checks, and bounds-checked standard containers so a read past a table
# stops the run even within a vector's spare capacity.
option(QDT_FUZZ "Build the libFuzzer target and nothing else (clang only)" OFF)
if(QDT_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()

if(NOT QDT_FUZZ)
  find_package(GTest REQUIRED)
endif()
enable_testing()

# Plug-in objects, built the way a loadable module needs them.
function(qdt_plugin_objects target)
  add_library(${target} OBJECT ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Keeps the module unloadable, so each load builds its state afresh. Only gcc
  # makes unique symbols; clang neither needs nor knows the flag.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fno-gnu-unique)
  endif()
endfunction()

# Compiled once: the framework and the voice rows, then the page list apart,
# so other modules and tests can bring their own pages.
qdt_plugin_objects(qdt_framework_objects ${PLUGIN_FRAMEWORK_SOURCES})
qdt_plugin_objects(qdt_main_menu_objects ${PLUGIN_MAIN_MENU})
set(QDT_PLUGIN_OBJECTS $<TARGET_OBJECTS:qdt_framework_objects> $<TARGET_OBJECTS:qdt_main_menu_objects>)

# The plug-in as a module (loaded like the DLL) and as a library (for unit tests).
add_library(qdt_plugin STATIC ${QDT_PLUGIN_OBJECTS})
target_include_directories(qdt_plugin PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_library(QuorvaneDevTools MODULE ${QDT_PLUGIN_OBJECTS})
set_target_properties(QuorvaneDevTools PROPERTIES PREFIX "")

add_library(qdt_sim STATIC ${SIM_SOURCES} sim/ScriptFiber.cpp)
target_include_directories(qdt_sim PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(qdt_sim PROPERTIES POSITION_INDEPENDENT_CODE ON)
find_package(Threads REQUIRED)
target_link_libraries(qdt_sim PUBLIC Threads::Threads)

add_library(qdt_driver STATIC ${DRIVER_SOURCES})
target_link_libraries(qdt_driver PUBLIC qdt_sim ${CMAKE_DL_LIBS})

# The fuzz build ends here: the plug-in, the stand-in and the fuzzer.
if(QDT_FUZZ)
  add_subdirectory(tests/fuzz)
  return()
endif()

# Programs that load the module must offer it the hook's functions.
function(qdt_module_host target)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  target_link_options(${target} PRIVATE -Wl,--whole-archive $<TARGET_FILE:qdt_sim> -Wl,--no-whole-archive)
  target_link_libraries(${target} PRIVATE qdt_driver)
  add_dependencies(${target} QuorvaneDevTools)
  target_compile_definitions(${target} PRIVATE QDT_PLUGIN_MODULE="$<TARGET_FILE:QuorvaneDevTools>")
endfunction()

add_subdirectory(readback)
add_subdirectory(session)
include(cmake/SessionTests.cmake)
add_subdirectory(examples)

add_subdirectory(bench)
add_subdirectory(tests)

# The preview draws frames with Cairo and finds its fonts with fontconfig.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo fontconfig)
add_subdirectory(tools/preview)
add_subdirectory(tools/workbench)
add_subdirectory(tools/release)
add_subdirectory(tools/natives)
