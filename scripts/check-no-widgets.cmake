# Fails when a program links Qt Widgets, directly or through another library: velmor-results
# runs where there is no display and no widget library.
#   cmake -DPROGRAM=<executable> -P scripts/check-no-widgets.cmake
# The dynamic loader lists every library the program loads in one run (ldd); reading each
# library's own list in turn (file(GET_RUNTIME_DEPENDENCIES)) took some 75 objdump runs.
if(NOT PROGRAM)
    message(FATAL_ERROR "usage: cmake -DPROGRAM=<executable> -P check-no-widgets.cmake")
endif()
set(refused "Widgets")
execute_process(COMMAND ldd ${PROGRAM}
    OUTPUT_VARIABLE listed ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "ldd ${PROGRAM}: ${errors}")
endif()
string(REGEX MATCHALL "[^\n]+" libraries "${listed}")
foreach(library IN LISTS libraries)
    if(library MATCHES "${refused}")
        message(FATAL_ERROR "${PROGRAM} links ${library}")
    endif()
endforeach()
list(LENGTH libraries count)
message(STATUS "${PROGRAM}: ${count} libraries, none of them ${refused}")
