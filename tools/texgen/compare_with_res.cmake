# Regenerates the images into WORK_DIR with TEXGEN and fails unless every file
# is byte for byte the one in RES_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${TEXGEN} ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "texgen failed: ${status}")
endif()
foreach(name SKIN1.rgb SKIN2.rgb SKIN3.rgb SKIN4.rgb REFMAP2.rgb torvane.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${name} ${RES_DIR}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} differs from res/${name}: regenerate with texgen and commit")
  endif()
  message(STATUS "${name}: identical")
endforeach()
