# Every *.session file in a folder is a test of its own, session_<stem>
# (quorvane_add_sessions): the scenario program plays it on the module and
# checks its expectations. A new file joins at the next build; a stem with
# "shipped" in it depends on the shipped main page's rows and carries the
# label shipped.
function(qdt_session_tests folder module_target)
  file(GLOB sessions CONFIGURE_DEPENDS ${folder}/*.session)
  quorvane_add_sessions(${module_target} ${sessions} TEST_PREFIX session_)
  foreach(session ${sessions})
    get_filename_component(stem ${session} NAME_WLE)
    if(stem MATCHES "shipped")
      set_tests_properties(session_${stem} PROPERTIES LABELS shipped)
    endif()
  endforeach()
endfunction()
