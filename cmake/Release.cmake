# The released DLL: its version resource, a link that gives the same bytes from
# any folder, the archive target and the checks on both.
# Names and version: release/product.conf (cmake/Product.cmake).
enable_language(RC)

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/release/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/version.rc @ONLY)
target_sources(QuorvaneDevTools PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/version.rc)
# The export directory names the DLL too: as players have it, not as the build folder does.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/module-name.def CONTENT "LIBRARY \"@QDT_FILE_NAME@.asi\"\nEXPORTS\n" @ONLY)
target_sources(QuorvaneDevTools PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/module-name.def)

# No build folder may leak into the bytes: not the sources' (file names in
# macros), not the link's (the image base hashed from the output path, the
# time stamp of the link).
target_compile_options(QuorvaneDevTools PRIVATE
  -ffile-prefix-map=${CMAKE_CURRENT_SOURCE_DIR}=.
  -ffile-prefix-map=${CMAKE_CURRENT_BINARY_DIR}=.)
target_link_options(QuorvaneDevTools PRIVATE -Wl,--no-insert-timestamp -Wl,--disable-auto-image-base)

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
