# find_package(QuorvaneMenu 1 CONFIG REQUIRED): the installed menu framework
# (cmake/Install.cmake lays it out) and the two calls a mod makes,
# quorvane_add_plugin and quorvane_add_sessions. The framework is compiled in
# the mod's own build, natively or with this folder's mingw-w64.cmake.
get_filename_component(_quorvane_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
set(_quorvane_src ${_quorvane_prefix}/share/QuorvaneMenu/src)
file(GLOB _quorvane_sources ${_quorvane_src}/host/*.cpp ${_quorvane_src}/menu/*.cpp)
set(_quorvane_windows ${_quorvane_prefix}/lib/QuorvaneMenu/windows)
set(_quorvane_wine_runner "")
if(EXISTS ${_quorvane_windows}/qdt_scenarios.exe AND EXISTS ${_quorvane_windows}/ScriptHookRDR2.dll)
  set(_quorvane_wine_runner ${_quorvane_windows}/qdt_scenarios.exe)
endif()
foreach(_quorvane_property
    "INCLUDE_DIRS;${_quorvane_prefix}/include/quorvane"
    "FRAMEWORK_SOURCES;${_quorvane_sources}"
    "WINDOWS_SOURCES;${_quorvane_src}/host/windows/RuntimeMemory.cpp"
    "SOURCE_ROOT;${_quorvane_src}"
    "HOOK_DEF;${CMAKE_CURRENT_LIST_DIR}/ScriptHookRDR2.def"
    "VERSION_RC;${CMAKE_CURRENT_LIST_DIR}/version.rc.in"
    "RUNNER;${_quorvane_prefix}/bin/qdt_scenarios"
    "WINE_RUNNER;${_quorvane_wine_runner}"
    "WINE_SCRIPT;${_quorvane_windows}/session_under_wine.sh")
  list(POP_FRONT _quorvane_property _quorvane_key)
  set_property(GLOBAL PROPERTY QUORVANE_MENU_${_quorvane_key} ${_quorvane_property})
endforeach()

# The tools, for a mod's own custom commands.
foreach(_quorvane_tool qdt_preview qdt_workbench qdt_natives qdt_scenarios)
  if(NOT TARGET QuorvaneMenu::${_quorvane_tool})
    add_executable(QuorvaneMenu::${_quorvane_tool} IMPORTED)
    set_target_properties(QuorvaneMenu::${_quorvane_tool} PROPERTIES
                          IMPORTED_LOCATION ${_quorvane_prefix}/bin/${_quorvane_tool})
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/QuorvanePlugin.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/QuorvaneSessions.cmake)
