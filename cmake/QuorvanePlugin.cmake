# quorvane_add_plugin: a mod's plug-in from its pages and the menu framework.
# This file travels in the installed package and serves this tree too; where
# the framework lies is told by global properties QUORVANE_MENU_*, which the
# tree (host/CMakeLists.txt) or the package's QuorvaneMenuConfig.cmake sets:
#   INCLUDE_DIRS        folders that hold host/ and menu/ headers
#   FRAMEWORK_SOURCES   the framework's .cpp files (DllMain, ScriptMain, the menu)
#   WINDOWS_SOURCES     what only the DLL compiles (host/windows/)
#   SOURCE_ROOT         the folder the framework's sources lie under
#   HOOK_DEF            the hook's import definitions (plain name == decorated name)
#   VERSION_RC          the version resource's template
#   FRAMEWORK_TARGET    (optional) an object library of the framework already built
include_guard(GLOBAL)

function(_quorvane_property key out)
  get_property(value GLOBAL PROPERTY QUORVANE_MENU_${key})
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# x.y.z, each part fitting the version resource's 16 bits.
function(_quorvane_check_version name version)
  if(NOT version MATCHES "^(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$")
    message(FATAL_ERROR "quorvane_add_plugin(${name}): VERSION \"${version}\" is not MAJOR.MINOR.PATCH "
                        "(three whole numbers, such as 1.2.0)")
  endif()
  foreach(part ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3})
    if(part GREATER 65535)
      message(FATAL_ERROR "quorvane_add_plugin(${name}): VERSION \"${version}\": ${part} does not fit "
                          "the DLL's version resource (at most 65535 each)")
    endif()
  endforeach()
endfunction()

# A file name Windows can hold and the script hook loads: NAME.asi, no folder.
function(_quorvane_check_file_name name file_name)
  if(NOT file_name MATCHES "^[^<>:\"/\\\\|?*]+\\.asi$")
    message(FATAL_ERROR "quorvane_add_plugin(${name}): FILE_NAME \"${file_name}\" is not a file name "
                        "ending in .asi (the script hook loads only .asi files from the game folder; "
                        "no folder, none of < > : \" / \\ | ? *)")
  endif()
  string(REGEX REPLACE "\\.asi$" "" stem "${file_name}")
  string(TOUPPER "${stem}" upper)
  if(stem MATCHES "[\\. ]$" OR upper MATCHES "^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$")
    message(FATAL_ERROR "quorvane_add_plugin(${name}): FILE_NAME \"${file_name}\" is a name Windows "
                        "refuses (a device name, or a dot or space before .asi)")
  endif()
endfunction()

# The framework's objects, compiled once for every plug-in of the build.
function(_quorvane_framework out)
  _quorvane_property(FRAMEWORK_TARGET framework)
  if(framework)
    set(${out} ${framework} PARENT_SCOPE)
    return()
  endif()
  _quorvane_property(FRAMEWORK_SOURCES sources)
  _quorvane_property(INCLUDE_DIRS includes)
  if(WIN32)
    _quorvane_property(WINDOWS_SOURCES windows_sources)
    list(APPEND sources ${windows_sources})
  endif()
  add_library(quorvane_menu_framework OBJECT ${sources})
  target_include_directories(quorvane_menu_framework PUBLIC ${includes})
  target_compile_features(quorvane_menu_framework PUBLIC cxx_std_20)
  _quorvane_object_options(quorvane_menu_framework)
  set_property(GLOBAL PROPERTY QUORVANE_MENU_FRAMEWORK_TARGET quorvane_menu_framework)
  set(${out} quorvane_menu_framework PARENT_SCOPE)
endfunction()

# How the plug-in's objects are compiled: for a module that can be loaded,
# unloaded and loaded again natively; with no build folder in the DLL's bytes.
function(_quorvane_object_options target)
  if(WIN32)
    _quorvane_property(SOURCE_ROOT root)
    target_compile_options(${target} PRIVATE -ffile-prefix-map=${root}=. -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                                             -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
    return()
  endif()
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden
                                              VISIBILITY_INLINES_HIDDEN ON)
  # Keeps the module unloadable, so each load builds its state afresh. Only gcc
  # makes unique symbols; clang neither needs nor knows the flag.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fno-gnu-unique)
  endif()
endfunction()

# The import library of ScriptHookRDR2.dll, made once from the definitions.
function(_quorvane_hook_import_lib out)
  set(library ${CMAKE_BINARY_DIR}/quorvane/libScriptHookRDR2.a)
  if(NOT TARGET quorvane_hook_import_lib)
    _quorvane_property(HOOK_DEF def)
    if(NOT CMAKE_DLLTOOL)
      find_program(CMAKE_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
    endif()
    add_custom_command(OUTPUT ${library}
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-lib ${library}
                       DEPENDS ${def}
                       COMMENT "Import library for ScriptHookRDR2.dll")
    add_custom_target(quorvane_hook_import_lib DEPENDS ${library})
  endif()
  set(${out} ${library} PARENT_SCOPE)
endfunction()

# The DLL's version resource and the name its export directory gives it.
function(_quorvane_names target file_name version product description authors copyright)
  string(REPLACE "." ";" parts "${version}")
  list(GET parts 0 QUORVANE_RC_MAJOR)
  list(GET parts 1 QUORVANE_RC_MINOR)
  list(GET parts 2 QUORVANE_RC_PATCH)
  set(QUORVANE_RC_VERSION "${version}")
  set(QUORVANE_RC_PRODUCT "${product}")
  set(QUORVANE_RC_DESCRIPTION "${product}")
  if(NOT description STREQUAL "")
    set(QUORVANE_RC_DESCRIPTION "${product}: ${description}")
  endif()
  set(QUORVANE_RC_AUTHORS "${authors}")
  set(QUORVANE_RC_COPYRIGHT "${copyright}")
  set(QUORVANE_RC_FILE_NAME "${file_name}")
  string(REGEX REPLACE "\\.asi$" "" QUORVANE_RC_INTERNAL_NAME "${file_name}")
  # A quote inside a resource string is written twice.
  foreach(value PRODUCT DESCRIPTION AUTHORS COPYRIGHT)
    string(REPLACE "\"" "\"\"" QUORVANE_RC_${value} "${QUORVANE_RC_${value}}")
  endforeach()
  _quorvane_property(VERSION_RC template)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}.quorvane)
  configure_file(${template} ${folder}/version.rc @ONLY)
  file(CONFIGURE OUTPUT ${folder}/module-name.def CONTENT "LIBRARY \"${file_name}\"\nEXPORTS\n")
  target_sources(${target} PRIVATE ${folder}/version.rc ${folder}/module-name.def)
endfunction()

# The real DLL, linked as the script hook expects it: no exports, the hook's
# functions by their decorated names, the C++ runtime inside, and the same
# bytes from any folder (no time stamp, no image base hashed from the path).
function(_quorvane_windows_plugin target file_name)
  _quorvane_hook_import_lib(hook)
  add_dependencies(${target} quorvane_hook_import_lib)
  string(REGEX REPLACE "\\.asi$" "" stem "${file_name}")
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "${stem}" SUFFIX ".asi")
  target_link_options(${target} PRIVATE -static -s -Wl,--exclude-all-symbols -Wl,--no-insert-timestamp
                                        -Wl,--disable-auto-image-base)
  target_link_libraries(${target} PRIVATE ${hook})
endfunction()

# NAME_release: the players' archive STEM-VERSION-win64.zip beside the build,
# holding the DLL under its own name, with a fixed time stamp.
function(_quorvane_release_target target file_name version)
  string(REGEX REPLACE "\\.asi$" "" stem "${file_name}")
  set(archive ${CMAKE_BINARY_DIR}/${stem}-${version}-win64.zip)
  add_custom_command(OUTPUT ${archive}
                     COMMAND ${CMAKE_COMMAND} -E tar cf ${archive} --format=zip "--mtime=2000-01-01 00:00:00 UTC"
                             $<TARGET_FILE_NAME:${target}>
                     WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
                     DEPENDS ${target}
                     COMMENT "Archive ${stem}-${version}-win64.zip"
                     VERBATIM)
  add_custom_target(${target}_release DEPENDS ${archive})
endfunction()

# quorvane_add_plugin(NAME SOURCES file... [FILE_NAME Name.asi] [VERSION x.y.z]
#                     [PRODUCT_NAME text] [DESCRIPTION text] [AUTHORS text] [COPYRIGHT text])
# Natively NAME is a module (NAME.so) the preview, the workbench and the
# session runner load; with the mingw-w64 toolchain it is the DLL FILE_NAME,
# and the target NAME_release packs it into STEM-VERSION-win64.zip.
# VERSION defaults to the project's; the names shown under the DLL's
# Properties > Details default to NAME and nothing.
function(quorvane_add_plugin name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FILE_NAME;VERSION;PRODUCT_NAME;DESCRIPTION;AUTHORS;COPYRIGHT"
                        "SOURCES")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quorvane_add_plugin(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "quorvane_add_plugin(${name}): no SOURCES (the files that define InitializeMenu and the pages)")
  endif()
  foreach(option FILE_NAME VERSION PRODUCT_NAME DESCRIPTION AUTHORS COPYRIGHT)
    if(${option} IN_LIST arg_KEYWORDS_MISSING_VALUES)
      message(FATAL_ERROR "quorvane_add_plugin(${name}): ${option} given without a value")
    endif()
  endforeach()
  if(NOT DEFINED arg_FILE_NAME)
    set(arg_FILE_NAME ${name}.asi)
  endif()
  if(NOT DEFINED arg_VERSION)
    set(arg_VERSION "${PROJECT_VERSION}")
  endif()
  if(arg_VERSION STREQUAL "")
    message(FATAL_ERROR "quorvane_add_plugin(${name}): no version: give VERSION x.y.z or project(... VERSION x.y.z)")
  endif()
  _quorvane_check_version(${name} "${arg_VERSION}")
  _quorvane_check_file_name(${name} "${arg_FILE_NAME}")
  if(NOT DEFINED arg_PRODUCT_NAME)
    set(arg_PRODUCT_NAME ${name})
  endif()

  _quorvane_framework(framework)
  add_library(${name} MODULE ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${framework})
  _quorvane_property(INCLUDE_DIRS includes)
  target_include_directories(${name} PRIVATE ${includes})
  target_compile_features(${name} PRIVATE cxx_std_20)
  _quorvane_object_options(${name})
  if(WIN32)
    # A mod's project() names only CXX; the DLL's version resource needs RC.
    enable_language(RC)
    _quorvane_windows_plugin(${name} "${arg_FILE_NAME}")
    _quorvane_names(${name} "${arg_FILE_NAME}" "${arg_VERSION}" "${arg_PRODUCT_NAME}" "${arg_DESCRIPTION}"
                    "${arg_AUTHORS}" "${arg_COPYRIGHT}")
    _quorvane_release_target(${name} "${arg_FILE_NAME}" "${arg_VERSION}")
  else()
    set_target_properties(${name} PROPERTIES PREFIX "")
    # The framework calls the mod's InitializeMenu: a module without one
    # fails here, not when the runner loads it.
    target_link_options(${name} PRIVATE -Wl,--require-defined=_Z14InitializeMenuv)
  endif()
endfunction()
