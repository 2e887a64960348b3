# The released DLL's archive target and the checks on the DLL and the archive.
# quorvane_add_plugin gives the DLL its version resource and a link that gives
# the same bytes from any folder (voices/CMakeLists.txt).
set(QDT_DIST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/dist CACHE PATH "Where the release archive goes")
add_custom_target(release
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scripts/package.sh $<TARGET_FILE:QuorvaneDevTools>
          ${QDT_NATIVE_BUILD_DIR} ${QDT_DIST_DIR}
  DEPENDS QuorvaneDevTools
  USES_TERMINAL
  VERBATIM)

# Run after the Wine scenarios (label release): the archive's DLL must be the
# one they passed with. Both read the notes from the native build.
add_test(NAME release_archive
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_release.sh $<TARGET_FILE:QuorvaneDevTools>
                 ${QDT_NATIVE_BUILD_DIR} ${CMAKE_CURRENT_SOURCE_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR}/release-checks/archive ${CMAKE_CURRENT_BINARY_DIR}/wine
                 ${CMAKE_RC_COMPILER})
add_test(NAME release_reproducible
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_reproducible.sh ${CMAKE_CURRENT_SOURCE_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR} ${QDT_NATIVE_BUILD_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR}/release-checks/reproducible ${CMAKE_OBJDUMP})
set_tests_properties(release_archive release_reproducible PROPERTIES LABELS release TIMEOUT 1200)
# In a plain ctest run too.
set_tests_properties(release_archive PROPERTIES DEPENDS wine_scenarios)
