# Writes the gzipped manual page of one program from its --help, with help2man (cmake -P).
# PROGRAM, SUMMARY, VERSION, MAPS_BUILT (the maps folder the program names from the build
# tree) and OUTPUT (the .1.gz) come in as -D definitions. The page names the folder an
# installed program uses instead of the build tree's.
execute_process(
    COMMAND help2man --no-info --version-string=${VERSION} --name=${SUMMARY}
            ${PROGRAM}
    OUTPUT_VARIABLE page
    RESULT_VARIABLE failed
    ERROR_VARIABLE errors)
if(failed)
    message(FATAL_ERROR "help2man ${PROGRAM}: ${errors}")
endif()
string(REPLACE "-" "\\-" escaped "${MAPS_BUILT}")
string(REPLACE "${escaped}" "~/.local/share/velmor\\-test/Graf" page "${page}")
string(REPLACE "${MAPS_BUILT}" "~/.local/share/velmor-test/Graf" page "${page}")
string(REGEX REPLACE "\\.gz$" "" page_file "${OUTPUT}")
file(WRITE ${page_file} "${page}")
execute_process(COMMAND gzip -9nf ${page_file} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip ${page_file} failed")
endif()
