# `cmake --install build/native --prefix PREFIX`: the package a mod builds
# against, found by find_package(QuorvaneMenu 1 CONFIG REQUIRED):
#   include/quorvane/        the framework's headers (#include "menu/Menu.h")
#   share/QuorvaneMenu/src/  its sources, built inside each mod's own build
#   share/QuorvaneMenu/sessions/  the preview's default session
#   lib/QuorvaneMenu/QuorvaneDevTools.so  the voice menu, which the tools load by default
#   lib/cmake/QuorvaneMenu/  the config, the two calls, the mingw-w64 toolchain
#                            file, the hook's import definitions, the version
#                            resource's template
#   lib/QuorvaneMenu/windows/  the Wine runner and stand-in ScriptHookRDR2.dll,
#                            copied from the Windows build, and its scripts
#   bin/                     qdt_preview, qdt_workbench, qdt_natives, qdt_scenarios
# The framework travels as sources: one package serves a mod's native and
# mingw-w64 builds, each compiling it with the mod's own compiler.
include(CMakePackageConfigHelpers)
set(QDT_PACKAGE_DIR lib/cmake/QuorvaneMenu)

foreach(folder host menu)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION include/quorvane/${folder}
          FILES_MATCHING PATTERN "*.h" PATTERN windows EXCLUDE)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION share/QuorvaneMenu/src/${folder}
          FILES_MATCHING PATTERN "*.cpp")
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/include/QuorvaneMenuVersion.h DESTINATION include/quorvane)

install(FILES ${PROJECT_SOURCE_DIR}/cmake/QuorvanePlugin.cmake ${PROJECT_SOURCE_DIR}/cmake/QuorvaneSessions.cmake
              ${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake ${PROJECT_SOURCE_DIR}/host/ScriptHookRDR2.def
              ${PROJECT_SOURCE_DIR}/release/version.rc.in
        DESTINATION ${QDT_PACKAGE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/QuorvaneMenuConfig.cmake DESTINATION ${QDT_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QuorvaneMenuConfigVersion.cmake VERSION ${QDT_VERSION}
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QuorvaneMenuConfigVersion.cmake DESTINATION ${QDT_PACKAGE_DIR})

install(TARGETS qdt_preview qdt_workbench qdt_natives qdt_scenarios RUNTIME DESTINATION bin)
# What the tools default to, so they need no source tree: the preview's
# session and our own plug-in module, the voice menu it plays (qdt_natives
# defaults to the installed host/NativeList.h).
install(FILES ${PROJECT_SOURCE_DIR}/tools/preview/sessions/default.session DESTINATION share/QuorvaneMenu/sessions)
install(TARGETS QuorvaneDevTools LIBRARY DESTINATION lib/QuorvaneMenu)

# The Wine runner cannot be built by a native build: it is taken from the
# Windows build of the same tree (scripts/run.sh builds it).
set(QDT_WINDOWS_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/windows CACHE PATH
    "Windows build whose Wine runner and stand-in hook DLL the package holds")
install(PROGRAMS ${PROJECT_SOURCE_DIR}/tests/scenarios/session_under_wine.sh
                 ${PROJECT_SOURCE_DIR}/tests/scenarios/wine.sh
        DESTINATION lib/QuorvaneMenu/windows)
install(FILES ${QDT_WINDOWS_BUILD_DIR}/qdt_scenarios.exe ${QDT_WINDOWS_BUILD_DIR}/ScriptHookRDR2.dll
        DESTINATION lib/QuorvaneMenu/windows OPTIONAL)
install(CODE "
  if(NOT EXISTS \"${QDT_WINDOWS_BUILD_DIR}/qdt_scenarios.exe\" OR NOT EXISTS \"${QDT_WINDOWS_BUILD_DIR}/ScriptHookRDR2.dll\")
    message(WARNING \"no Wine runner in ${QDT_WINDOWS_BUILD_DIR}: a mod's sessions will not play under Wine \"
                    \"(scripts/build.sh windows qdt_scenarios, then install again)\")
  endif()")
