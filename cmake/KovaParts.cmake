# KOVA_PARTS limits a developer's build to some folders (e.g. "store;calc;data;kova-calc");
# folders of tests/, bench/ and tools/ with those names follow it. Default: everything.
set(KOVA_PARTS "all" CACHE STRING "Folders to build: all, or a list such as store;calc")

function(kova_part_enabled name out)
  if(KOVA_PARTS STREQUAL "all" OR name IN_LIST KOVA_PARTS)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt and is enabled.
function(kova_add_enabled_subdirs)
  file(GLOB dirs LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT dirs)
  foreach(dir ${dirs})
    kova_part_enabled(${dir} enabled)
    if(enabled AND NOT dir STREQUAL "support" AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
