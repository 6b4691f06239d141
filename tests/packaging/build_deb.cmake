# Builds the Debian package afresh into OUTPUT_DIR with the build tree's
# CPack configuration:
#   cmake -D CPACK=<cpack> -D CPACK_CONFIG=<CPackConfig.cmake> -D OUTPUT_DIR=<dir> -P build_deb.cmake
file(REMOVE_RECURSE ${OUTPUT_DIR})
execute_process(
    COMMAND ${CPACK} --config ${CPACK_CONFIG} -G DEB -B ${OUTPUT_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}")
endif()
