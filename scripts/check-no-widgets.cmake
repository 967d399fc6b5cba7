# Fails when a program links Qt Widgets, directly or through another library: velmor-results
# runs where there is no display and no widget library.
#   cmake -DPROGRAM=<executable> -P scripts/check-no-widgets.cmake
if(NOT PROGRAM)
    message(FATAL_ERROR "usage: cmake -DPROGRAM=<executable> -P check-no-widgets.cmake")
endif()
set(refused "Widgets")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM linux+elf)
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PROGRAM}
    RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(library IN LISTS resolved unresolved)
    if(library MATCHES "${refused}")
        message(FATAL_ERROR "${PROGRAM} links ${library}")
    endif()
endforeach()
list(LENGTH resolved count)
message(STATUS "${PROGRAM}: ${count} libraries, none of them ${refused}")
