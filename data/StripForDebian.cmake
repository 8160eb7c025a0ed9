# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on its staging tree, before it builds
# the package: strips every program in bin/ the way dh_strip does.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
if(NOT programs)
  message(FATAL_ERROR "no programs to strip under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_SORVANI_STRIP} --remove-section=.comment --remove-section=.note
                          ${program}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
