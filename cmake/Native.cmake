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
  # Source-based coverage too, for the report of what the committed corpus reaches.
  # A run outside CTest writes its profile into the build tree, not where it was started.
  add_compile_options(-fprofile-instr-generate=${CMAKE_BINARY_DIR}/default.profraw -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
endif()

if(QUORVANE_BUILD_TESTS AND NOT QDT_FUZZ)
  find_package(GTest REQUIRED)
endif()
enable_testing()

# Plug-in objects, built the way a loadable module needs them. The include
# check counts them as the whole plug-in (cmake/Layers.cmake).
function(qdt_plugin_objects target)
  add_library(${target} OBJECT ${ARGN})
  target_link_libraries(${target} PUBLIC qdt_plugin_headers)
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    QDT_LAYER plugin:entry)
  # Keeps the module unloadable, so each load builds its state afresh. Only gcc
  # makes unique symbols; clang neither needs nor knows the flag.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fno-gnu-unique)
  endif()
endfunction()

# A build's own pages (list its headers too): the include check holds these
# files to the plug-in's page layer, wherever they lie.
function(qdt_page_objects target)
  qdt_plugin_objects(${target} ${ARGN})
  set_target_properties(${target} PROPERTIES QDT_LAYER plugin:pages)
endfunction()

# A plug-in made of such objects: a MODULE, loaded like the DLL, or a STATIC
# library, linked into a test.
function(qdt_plugin target kind)
  list(TRANSFORM ARGN REPLACE "(.+)" "$<TARGET_OBJECTS:\\1>" OUTPUT_VARIABLE objects)
  add_library(${target} ${kind} ${objects})
  target_link_libraries(${target} PUBLIC qdt_plugin_headers)
  set_target_properties(${target} PROPERTIES QDT_LAYER plugin:entry)
  if(kind STREQUAL "MODULE")
    set_target_properties(${target} PROPERTIES PREFIX "")
  endif()
endfunction()

# Programs that load the module must offer it the hook's functions.
function(qdt_module_host target)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  target_link_options(${target} PRIVATE -Wl,--whole-archive $<TARGET_FILE:qdt_sim> -Wl,--no-whole-archive)
  target_link_libraries(${target} PRIVATE qdt_driver)
  add_dependencies(${target} QuorvaneDevTools)
  # Installed, the tools load the package's copy (cmake/Install.cmake).
  target_compile_definitions(${target} PRIVATE QDT_PLUGIN_MODULE="$<TARGET_FILE:QuorvaneDevTools>"
                                               QDT_INSTALLED_PLUGIN_MODULE="lib/QuorvaneMenu/$<TARGET_FILE_NAME:QuorvaneDevTools>")
endfunction()

add_subdirectory(tools/cli)
add_subdirectory(host)
add_subdirectory(voices)
add_subdirectory(sim)
add_subdirectory(driver)

# The fuzz build ends here: the plug-in, the stand-in and the fuzzer.
if(QDT_FUZZ)
  add_subdirectory(tests/fuzz)
  return()
endif()

add_subdirectory(readback)
add_subdirectory(session)
# The session runner, qdt_scenarios, which a mod's session tests run too.
add_subdirectory(tests/scenarios)

if(QUORVANE_BUILD_TESTS)
  include(cmake/SessionTests.cmake)
  add_subdirectory(examples)
  add_subdirectory(nullhost)
  add_subdirectory(bench)
endif()

if(QUORVANE_BUILD_TOOLS)
  # The preview draws frames with Cairo and finds its fonts with fontconfig.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo fontconfig)
  add_subdirectory(tools/render)
  add_subdirectory(tools/preview)
  add_subdirectory(tools/workbench)
  add_subdirectory(tools/players_notes)
  add_subdirectory(tools/natives)
endif()

if(QUORVANE_BUILD_TESTS)
  add_subdirectory(tests)
  # Last, when every target is known: the layers, for the include check. The
  # sanitizer builds leave some targets out (the benchmarks, the window test), so
  # the check runs in the plain build, which has them all.
  if(NOT QDT_SANITIZE)
    include(cmake/Layers.cmake)
  endif()
endif()

if(PROJECT_IS_TOP_LEVEL AND QUORVANE_BUILD_TOOLS)
  include(cmake/Install.cmake)
endif()
