# A PostgreSQL cluster freshly made by initdb, which the cases of this tree copy rather than each
# making their own (a copy takes a tenth of initdb's processor time). Made once, by ctest's
# fixture or by the first case that finds none (tests/results/PgServer.h), in a folder of its own
# then renamed into place, so that another at the same moment finds either no template or a whole
# one; the cases only read it.
#   cmake -DTEMPLATE=<folder> -P postgres-template.cmake
set(initdb /usr/lib/postgresql/15/bin/initdb)
# Without the server the fixture passes: the cases that need it fail on their own, each saying
# so, and the others run.
if(EXISTS "${TEMPLATE}/PG_VERSION" OR NOT EXISTS ${initdb})
    return()
endif()
# initdb runs in the temporary folder, where the cases' servers run: as root it runs as the
# postgres user, who may not reach the build tree (under /root, say). The copy made as root keeps
# its owner.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(as_postgres "")
if(uid STREQUAL "0")
    execute_process(COMMAND chown postgres "${scratch}" COMMAND_ERROR_IS_FATAL ANY)
    set(as_postgres runuser -u postgres --)
endif()
execute_process(
    COMMAND ${as_postgres} ${initdb} -D "${scratch}/data" -A trust -U bench --no-sync
    WORKING_DIRECTORY "${scratch}" OUTPUT_QUIET RESULT_VARIABLE status ERROR_VARIABLE error)
if(status EQUAL 0)
    string(RANDOM LENGTH 8 suffix)
    set(making "${TEMPLATE}.${suffix}")
    execute_process(COMMAND cp -a "${scratch}/data" "${making}" RESULT_VARIABLE status
        ERROR_VARIABLE error)
endif()
file(REMOVE_RECURSE "${scratch}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "no template cluster (${status}): ${error}")
endif()
file(RENAME "${making}" "${TEMPLATE}" RESULT renamed)
if(NOT renamed EQUAL 0)
    file(REMOVE_RECURSE "${making}")
    if(NOT EXISTS "${TEMPLATE}/PG_VERSION")
        message(FATAL_ERROR "could not put the template cluster in place: ${renamed}")
    endif()
endif()
