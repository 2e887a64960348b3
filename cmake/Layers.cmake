# The layers every source is held to, written for the include check
# (tests/layers/) into the build folder as layers.txt.
#
# The plug-in is one target, so its layers are declared here by file, bottom
# to top: the boundary (the hook, Windows, the natives, the game's controls,
# the plug-in's keys and the game window's title), the menu, the pages, the entry (DllMain, ScriptMain and the
# process-wide state). Each may include itself and what is below it.
set(QDT_PLUGIN_LAYERS boundary menu pages entry)
set(QDT_PLUGIN_boundary
  host/ControlList.h host/GameControls.h host/GameWindow.h host/KeyStates.cpp host/KeyStates.h
  host/MenuArt.h host/MenuControls.h host/NativeInvoker.h host/NativeList.h host/Natives.h host/Platform.h host/PluginKeys.h
  host/ScriptHook.h host/SettingsDisk.cpp host/SettingsDisk.h host/SettingsFile.h host/windows/
  # The menu's places and sizes and its scale, which the read-back and the renderer read too.
  menu/Geometry.h)
set(QDT_PLUGIN_menu menu/)
# And the sources of every target made with qdt_page_objects, wherever they lie.
set(QDT_PLUGIN_pages voices/)
# What host/ holds besides the boundary.
set(QDT_PLUGIN_entry host/)
#
# Every other folder that builds a target is a layer of its own, and uses the
# layers of what its targets link: a plug-in target stands for the plug-in's
# entry (and so all of it), qdt_boundary for the boundary. A file goes with
# the target that compiles it, a header with its folder.

# Every target defined in dir and below.
function(qdt_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    qdt_targets_below(${subdir} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The layer a target counts as.
function(qdt_layer_of target out)
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()
  get_target_property(layer ${target} QDT_LAYER)
  if(NOT layer)
    get_target_property(dir ${target} SOURCE_DIR)
    file(RELATIVE_PATH layer ${PROJECT_SOURCE_DIR} ${dir})
  endif()
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

# Root-relative paths of a target's own source files.
function(qdt_sources_of target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(paths "")
  foreach(source IN LISTS sources)
    if(source MATCHES "^\\$<" OR source STREQUAL "sources-NOTFOUND")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} NORMALIZE)
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${source})
    if(NOT path MATCHES "^\\.\\.")
      list(APPEND paths ${path})
    endif()
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

# The project's targets a target links or takes objects from.
function(qdt_used_targets target out)
  set(used "")
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES SOURCES)
    get_target_property(items ${target} ${property})
    foreach(item IN LISTS items)
      if(item MATCHES "^\\$<(LINK_ONLY|TARGET_OBJECTS):([^>]+)>$")
        set(item ${CMAKE_MATCH_2})
      endif()
      if(TARGET ${item})
        get_target_property(imported ${item} IMPORTED)
        if(NOT imported)
          list(APPEND used ${item})
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} ${used} PARENT_SCOPE)
endfunction()

function(qdt_write_layers file)
  set(lines "# The layers the build declares (cmake/Layers.cmake): \"layer NAME USED...\", \"place PATH NAME\".")
  set(below "")
  foreach(layer IN LISTS QDT_PLUGIN_LAYERS)
    list(APPEND lines "layer plugin:${layer} ${below}")
    foreach(path IN LISTS QDT_PLUGIN_${layer})
      list(APPEND lines "place ${path} plugin:${layer}")
    endforeach()
    set(below plugin:${layer})
  endforeach()

  qdt_targets_below(${PROJECT_SOURCE_DIR} targets)
  set(folders "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "UTILITY")
      continue()
    endif()
    qdt_layer_of(${target} layer)
    if(layer STREQUAL "")
      message(FATAL_ERROR "${target} is defined in the root: build it in the folder it belongs to")
    endif()
    qdt_sources_of(${target} sources)
    get_target_property(declared ${target} QDT_LAYER)
    if(declared)
      # The plug-in's layers are declared above; pages are placed by their files.
      if(declared STREQUAL "plugin:pages")
        foreach(source IN LISTS sources)
          list(APPEND lines "place ${source} plugin:pages")
        endforeach()
      endif()
      continue()
    endif()
    list(APPEND folders ${layer})
    foreach(source IN LISTS sources)
      list(APPEND lines "place ${source} ${layer}")
    endforeach()
    qdt_used_targets(${target} used)
    foreach(other IN LISTS used)
      qdt_layer_of(${other} used_layer)
      if(NOT used_layer STREQUAL layer)
        list(APPEND uses_${layer} ${used_layer})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    list(REMOVE_DUPLICATES uses_${folder})
    list(SORT uses_${folder})
    list(JOIN uses_${folder} " " uses)
    list(APPEND lines "layer ${folder} ${uses}" "place ${folder}/ ${folder}")
  endforeach()
  list(JOIN lines "\n" text)
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n" @ONLY)
endfunction()

qdt_write_layers(${PROJECT_BINARY_DIR}/layers.txt)

# In the native stage, so CI runs it: a failure names each include by file and line.
add_test(NAME include_layers
         COMMAND qdt_layer_check ${PROJECT_BINARY_DIR}/layers.txt ${PROJECT_SOURCE_DIR})
