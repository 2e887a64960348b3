# quorvane_add_sessions: a mod's session files as CTest tests. Travels in the
# installed package beside QuorvanePlugin.cmake; the runners are told by
# global properties QUORVANE_MENU_*:
#   RUNNER        the native session runner (qdt_scenarios), a target or a file
#   WINE_RUNNER   qdt_scenarios.exe, with the stand-in ScriptHookRDR2.dll beside it
#   WINE_SCRIPT   session_under_wine.sh, which plays one session under Wine
include_guard(GLOBAL)

# quorvane_add_sessions(NAME file.session... [TEST_PREFIX prefix])
# Each session is a test TEST_PREFIX + the file's stem (NAME_ by default) that
# plays it on the plug-in NAME with its expectations: natively on the module,
# with the mingw-w64 toolchain on the DLL under Wine (label wine). A failed
# expectation fails the test and prints FILE:LINE. Each plays in a fresh game
# folder of its own, so a plug-in's settings file (NAME.ini) is the session's.
function(quorvane_add_sessions name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TEST_PREFIX" "")
  if(NOT TARGET ${name})
    message(FATAL_ERROR "quorvane_add_sessions(${name}): no target ${name}; make it with quorvane_add_plugin first")
  endif()
  if(NOT arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quorvane_add_sessions(${name}): no session files")
  endif()
  if(NOT DEFINED arg_TEST_PREFIX)
    set(arg_TEST_PREFIX ${name}_)
  endif()
  if(WIN32)
    _quorvane_property(WINE_RUNNER runner)
    _quorvane_property(WINE_SCRIPT script)
    if(NOT runner OR (NOT runner MATCHES "^\\$<" AND NOT EXISTS "${runner}"))
      message(FATAL_ERROR "quorvane_add_sessions(${name}): this QuorvaneMenu holds no Wine runner: install it "
                          "from a tree whose Windows build is built (scripts/build.sh windows qdt_scenarios)")
    endif()
    set(command bash ${script} ${runner} $<TARGET_FILE:${name}>)
  else()
    _quorvane_property(RUNNER runner)
    set(command ${runner} --check --plugin $<TARGET_FILE:${name}> --session)
  endif()
  foreach(session IN LISTS arg_UNPARSED_ARGUMENTS)
    cmake_path(ABSOLUTE_PATH session BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE)
    if(NOT EXISTS ${session})
      message(FATAL_ERROR "quorvane_add_sessions(${name}): no session file ${session}")
    endif()
    cmake_path(GET session STEM LAST_ONLY stem)
    set(test ${arg_TEST_PREFIX}${stem})
    if(WIN32)
      # One Wine prefix for the build's sessions, so they run one at a time.
      add_test(NAME ${test} COMMAND ${command} ${session} ${CMAKE_BINARY_DIR}/quorvane-wine)
      set_tests_properties(${test} PROPERTIES LABELS wine RUN_SERIAL TRUE TIMEOUT 600)
    else()
      add_test(NAME ${test} COMMAND ${command} ${session})
    endif()
  endforeach()
endfunction()
