# A PostgreSQL cluster freshly made by initdb, which the cases of this tree copy rather than each
# making their own (a copy takes a tenth of initdb's processor time). Made once, in a folder of
# its own then renamed into place, so that a second ctest at the same moment finds either no
# template or a whole one; the cases only read it.
#   cmake -DTEMPLATE=<folder> -P postgres-template.cmake
if(EXISTS "${TEMPLATE}/PG_VERSION")
    return()
endif()
set(bin /usr/lib/postgresql/15/bin)
string(RANDOM LENGTH 8 suffix)
set(making "${TEMPLATE}.${suffix}")
file(MAKE_DIRECTORY "${making}")
# The server refuses to run as root: as root, the cluster belongs to the postgres user (a copy made
# as root keeps its owner).
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(as_postgres "")
if(uid STREQUAL "0")
    execute_process(COMMAND chown postgres "${making}" COMMAND_ERROR_IS_FATAL ANY)
    set(as_postgres runuser -u postgres --)
endif()
execute_process(
    COMMAND ${as_postgres} ${bin}/initdb -D "${making}/data" -A trust -U bench --no-sync
    OUTPUT_QUIET RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
    file(REMOVE_RECURSE "${making}")
    message(FATAL_ERROR "initdb failed (${status}): ${error}")
endif()
file(RENAME "${making}/data" "${TEMPLATE}" RESULT renamed)
file(REMOVE_RECURSE "${making}")
if(NOT renamed EQUAL 0 AND NOT EXISTS "${TEMPLATE}/PG_VERSION")
    message(FATAL_ERROR "could not put the template in place: ${renamed}")
endif()
