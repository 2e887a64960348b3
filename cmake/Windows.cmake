# The Windows build: the product, QuorvaneDevTools.asi, and what runs it under
# Wine. Everything lands in the build folder's top, as in a game folder: the
# programs next to ScriptHookRDR2.dll and the DLLs they load.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
# A folder given on the command line wins (the reproducibility check puts the
# second build's DLL in a folder of its own).
if(NOT DEFINED CACHE{CMAKE_LIBRARY_OUTPUT_DIRECTORY})
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endif()

add_subdirectory(tools/cli)
add_subdirectory(host) # the plug-in's boundary and its source lists
add_subdirectory(sim)  # the stand-in ScriptHookRDR2.dll, as qdt_sim
add_subdirectory(driver)
add_subdirectory(readback)
add_subdirectory(session)
add_subdirectory(tests/scenarios)

# The product, QuorvaneDevTools.asi, a DLL that imports only the script hook
# and Windows system libraries, made by quorvane_add_plugin
# (cmake/QuorvanePlugin.cmake) as the example module below is.
add_subdirectory(voices)

# The host program: a game folder's worth of process around the real DLL. It
# lies next to ScriptHookRDR2.dll and QuorvaneDevTools.asi, as a game does.
# A mod's session tests run it under Wine (quorvane_add_sessions).
add_executable(qdt_scenarios tests/scenarios/main.cpp tests/scenarios/MachineWindows.cpp)
target_link_libraries(qdt_scenarios PRIVATE qdt_scenario_run qdt_command_line)
target_link_options(qdt_scenarios PRIVATE -static)
add_dependencies(qdt_scenarios QuorvaneDevTools)

# Inside a mod's build, nothing more.
if(NOT QUORVANE_BUILD_TESTS)
  return()
endif()
# The example module, QuorvaneExample.asi, for the example's sessions under Wine.
add_subdirectory(examples)
add_dependencies(qdt_scenarios QuorvaneExample)

enable_testing()
add_test(NAME dll_tables
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_dll_tables.sh ${CMAKE_OBJDUMP}
                 $<TARGET_FILE:QuorvaneDevTools>)
# Compared with the native build's records of the same scenarios; the
# release reads the players' notes from it too.
set(QDT_NATIVE_BUILD_DIR ${CMAKE_CURRENT_SOURCE_DIR}/build/native CACHE PATH
    "Native build whose scenario records the Wine run is compared with, and whose plug-in the notes are read from")
include(cmake/Release.cmake)

# Compared with the native build's records of the same scenarios and sessions:
# tests/sessions/ on the plug-in, examples/ on the example module. The
# sessions that read the shipped main page's rows are a test of their own,
# named and labelled for it, as natively.
foreach(part main shipped)
  set(name wine_scenarios)
  set(labels wine)
  if(part STREQUAL "shipped")
    set(name wine_sessions_shipped)
    set(labels "wine;shipped")
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/scenarios/compare_under_wine.sh ${part}
                   ${QDT_NATIVE_BUILD_DIR}/tests/qdt_scenarios $<TARGET_FILE:qdt_scenarios>
                   ${CMAKE_CURRENT_BINARY_DIR}/wine ${CMAKE_CURRENT_SOURCE_DIR}/tests/sessions
                   ${CMAKE_CURRENT_SOURCE_DIR}/examples ${QDT_NATIVE_BUILD_DIR}/examples/QuorvaneExample.so
                   $<TARGET_FILE:QuorvaneExample>)
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" RUN_SERIAL TRUE TIMEOUT 1200)
endforeach()

# The template mod from a package installed out of build/native (with this
# build's Wine runner), natively and under Wine: tests/check_standalone_mod.sh.
add_test(NAME standalone_mod
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_standalone_mod.sh ${CMAKE_CURRENT_SOURCE_DIR}
                 ${QDT_NATIVE_BUILD_DIR} ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/standalone-mod
                 ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER})
set_tests_properties(standalone_mod PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 1200)

# A script hook that reloads scripts frees and loads the DLL many times in
# one process: 200 cycles of load, open, free must stop growing its memory.
add_executable(qdt_reload tests/scenarios/ReloadWindows.cpp tests/scenarios/MachineWindows.cpp)
target_link_libraries(qdt_reload PRIVATE qdt_scenario_run)
target_link_options(qdt_reload PRIVATE -static)
add_dependencies(qdt_reload QuorvaneDevTools)
add_test(NAME wine_reload
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/scenarios/program_under_wine.sh $<TARGET_FILE:qdt_reload>
                 ${CMAKE_CURRENT_BINARY_DIR}/wine)
set_tests_properties(wine_reload PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 600)

# The stand-in's Windows fiber stops a script that waits inside a catch-all.
add_executable(qdt_waiting_script tests/scenarios/WaitingScriptWindows.cpp)
target_link_libraries(qdt_waiting_script PRIVATE qdt_driver)
target_link_options(qdt_waiting_script PRIVATE -static)
add_test(NAME wine_waiting_script
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/scenarios/program_under_wine.sh
                 $<TARGET_FILE:qdt_waiting_script> ${CMAKE_CURRENT_BINARY_DIR}/wine)
set_tests_properties(wine_waiting_script PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 300)
