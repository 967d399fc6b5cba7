# The layering check (ctest "layering"): every `#include "..."` of a source folder may name only a
# header of its own folder or of a folder on a lower level of the table "Layout of the source" in
# README.md (rows `| level | `folder/` | ... |`). Headers are included by bare name, so a header's
# folder is where the file of that name is. The compiler refuses most upward includes already,
# since each folder is a library whose include directory only the libraries above it see; this
# also catches one that a lower library happens to reach through a link it should not have.
#   cmake -DSOURCE_DIR=<tree> -P scripts/check-layers.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<source tree> -P check-layers.cmake")
endif()

file(STRINGS ${SOURCE_DIR}/README.md rows REGEX "^\\| [0-9]+ \\| `[a-z/]+/` \\|")
if(NOT rows)
    message(FATAL_ERROR "README.md has no layer table (rows `| level | `folder/` | ...`)")
endif()
set(folders "")
foreach(row IN LISTS rows)
    string(REGEX MATCH "^\\| ([0-9]+) \\| `([a-z/]+)/`" _ "${row}")
    set(level_${CMAKE_MATCH_2} ${CMAKE_MATCH_1})
    list(APPEND folders ${CMAKE_MATCH_2})
endforeach()

# Where each header lives.
foreach(folder IN LISTS folders)
    file(GLOB headers RELATIVE ${SOURCE_DIR}/${folder} ${SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
        if(DEFINED home_${header})
            message(FATAL_ERROR "${header} is in both ${home_${header}}/ and ${folder}/")
        endif()
        set(home_${header} ${folder})
    endforeach()
endforeach()

set(upward "")
foreach(folder IN LISTS folders)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "\"([^\"]+)\"" _ "${line}")
            get_filename_component(header ${CMAKE_MATCH_1} NAME)
            if(NOT DEFINED home_${header})
                continue() # generated (a moc file) or from outside the table's folders
            endif()
            set(to ${home_${header}})
            if(NOT to STREQUAL folder AND NOT level_${to} LESS level_${folder})
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
                list(APPEND upward "${shown} includes ${to}/${header} (level ${level_${to}}, not below ${level_${folder}})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(upward)
    list(JOIN upward "\n  " shown)
    message(FATAL_ERROR "includes that do not go down the layers:\n  ${shown}")
endif()
list(LENGTH folders count)
message(STATUS "layering: ${count} folders, every include goes down")
