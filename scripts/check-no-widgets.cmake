# Fails when a program links Qt Widgets, directly or through another library: velmor-results
# runs where there is no display and no widget library. With LEAN set, Qt Gui, Qt Network and
# libpq are refused too: velmor-results' list and history start without them.
#   cmake -DPROGRAM=<executable> [-DLEAN=ON] -P scripts/check-no-widgets.cmake
if(NOT PROGRAM)
    message(FATAL_ERROR "usage: cmake -DPROGRAM=<executable> [-DLEAN=ON] -P check-no-widgets.cmake")
endif()
set(refused "Widgets")
if(LEAN)
    set(refused "Widgets|Qt6Gui|Qt6Network|libpq")
endif()
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
