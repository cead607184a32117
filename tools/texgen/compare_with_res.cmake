cmake_minimum_required(VERSION 3.25)
# Regenerates the images into WORK_DIR with TEXGEN and fails unless every
# file it draws is byte for byte the one in RES_DIR, and every file of
# LISTED (comma-separated paths: what the resource script names) is one it
# draws.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${TEXGEN} ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "texgen failed: ${status}")
endif()
file(GLOB drawn RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
foreach(name IN LISTS drawn)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${name} ${RES_DIR}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} differs from res/${name}: regenerate with texgen and commit")
  endif()
  message(STATUS "${name}: identical")
endforeach()
string(REPLACE "," ";" LISTED "${LISTED}")
foreach(path IN LISTS LISTED)
  get_filename_component(file ${path} NAME)
  if(NOT file IN_LIST drawn)
    message(FATAL_ERROR "res/torvane.rc lists ${file}, which texgen does not draw")
  endif()
endforeach()
