# cmake -DFILE=<executable> -P CheckNoQt.cmake: fails when the executable needs a Qt library.
execute_process(COMMAND readelf -d ${FILE} OUTPUT_VARIABLE _dynamic RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${FILE}")
endif()
if(_dynamic MATCHES "NEEDED[^\n]*Qt")
  message(FATAL_ERROR "${FILE} must not link Qt:\n${_dynamic}")
endif()
