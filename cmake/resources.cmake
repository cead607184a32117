# The program's resources, as res/torvane.rc lists them: the script is the
# one list of the images and the icon. Sets
#   TORVANE_IMAGES          NAME:FILE of every RCDATA image, in script order
#   TORVANE_RESOURCE_FILES  the full paths of the images and the icon
# and, for Windows builds, torvane_windows_resources(target), which compiles
# the script and the manifest into a program.
set(TORVANE_RES_DIR ${PROJECT_SOURCE_DIR}/res)
set(resource_script ${TORVANE_RES_DIR}/torvane.rc)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${resource_script})
file(STRINGS ${resource_script} resource_lines REGEX "^[A-Za-z0-9_]+[ \t]+(RCDATA|ICON)[ \t]+\"")
set(TORVANE_IMAGES "")
set(TORVANE_RESOURCE_FILES "")
foreach(line IN LISTS resource_lines)
  string(REGEX REPLACE "^([A-Za-z0-9_]+)[ \t]+([A-Z]+)[ \t]+\"([^\"]+)\".*$" "\\1;\\2;\\3" fields "${line}")
  list(GET fields 0 name)
  list(GET fields 1 type)
  list(GET fields 2 file)
  if(type STREQUAL "RCDATA")
    list(APPEND TORVANE_IMAGES "${name}:${file}")
  endif()
  list(APPEND TORVANE_RESOURCE_FILES ${TORVANE_RES_DIR}/${file})
endforeach()

if(WIN32)
  # The version block and the manifest take their numbers from the project
  # version; windres finds them, the images and the other scripts through
  # -I. It writes no dependency file, so the files the scripts read are listed.
  set(generated_res ${PROJECT_BINARY_DIR}/res)
  configure_file(${TORVANE_RES_DIR}/version.h.in ${generated_res}/version.h @ONLY)
  configure_file(${TORVANE_RES_DIR}/torvane.manifest.in ${generated_res}/torvane.manifest @ONLY)

  # Source properties belong to the folder that compiles the script.
  function(torvane_windows_resources target)
    target_sources(${target} PRIVATE ${resource_script} ${TORVANE_RES_DIR}/manifest.rc)
    target_include_directories(${target} PRIVATE ${TORVANE_RES_DIR} ${generated_res})
    set_source_files_properties(${resource_script} PROPERTIES OBJECT_DEPENDS
      "${TORVANE_RES_DIR}/resource.h;${generated_res}/version.h;${TORVANE_RESOURCE_FILES}")
    set_source_files_properties(${TORVANE_RES_DIR}/manifest.rc PROPERTIES
      OBJECT_DEPENDS ${generated_res}/torvane.manifest)
  endfunction()
endif()
