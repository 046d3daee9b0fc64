# Renders one manual page: scdoc turns the readable source into roff, gzip -9n
# compresses it the way Debian installs manual pages (no name, no time stamp).
#   cmake -DSCDOC=… -DGZIP=… -DSOURCE=page.1.scd -DOUTPUT=page.1.gz -P ScdocPage.cmake
get_filename_component(_roff ${OUTPUT} NAME_WLE)
set(_roff ${CMAKE_CURRENT_BINARY_DIR}/${_roff})
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${_roff} RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "scdoc could not render ${SOURCE}")
endif()
execute_process(COMMAND ${GZIP} -9n -c ${_roff} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${_roff}")
endif()
