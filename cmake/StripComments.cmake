# Run by CPack on the installed tree before it packs: the compiler's version
# notes in .comment are of no use in an installed program (Debian's own
# packaging drops them too).
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*)
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_VANTREL_STRIP} --remove-section=.comment ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
