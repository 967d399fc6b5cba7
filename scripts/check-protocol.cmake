# The protocol check (ctest "protocol_in_device"): only device/ (and sim/, which plays the unit)
# speaks the unit's protocol. A product file of any other folder of README.md's layer table takes a
# reply in through Reading.h and builds frames through Frames.h and LoadFrame.h; it never names
#   volts5Graph, volts5Manual, volts12(), volts33(), converterVolts, converterDigits()
#                        the formulas that turn a reading byte into volts (Conversions.h),
#   .volts(...)          UnitOutput's own byte-to-volts formula (Unit.h),
#   rangeEnd(...)        whether a reading byte lies at an end of the range (Unit.h),
#   ReplyFrame{...}, ControlFrame{...}
#                        a frame put together byte by byte,
#   loadCode, loadSetting(), load5Code, load12Code, load33Code, supplySwitch
#                        a control frame's bytes: the inverted load codes and the switch,
# so that the formulas, the byte order and the codes each stay in one place, and a correction of
# the unit's readings applied there reaches every window, record and report.
#   cmake -DSOURCE_DIR=<tree> -P scripts/check-protocol.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<source tree> -P check-protocol.cmake")
endif()

get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)
set(protocol_folders device sim)
set(names
    "volts5Graph" "volts5Manual" "[^A-Za-z0-9_.]volts12\\(" "[^A-Za-z0-9_.]volts33\\("
    "converterVolts" "[^A-Za-z0-9_]converterDigits\\(" "\\.volts\\(" "rangeEnd\\("
    "ReplyFrame *[A-Za-z0-9_]* *\\{" "ControlFrame *[A-Za-z0-9_]* *\\{"
    "loadCode" "loadSetting\\(" "load(5|12|33)Code" "supplySwitch")

file(STRINGS ${SOURCE_DIR}/README.md rows REGEX "^\\| [0-9]+ \\| `[a-z/]+/` \\|")
if(NOT rows)
    message(FATAL_ERROR "README.md has no layer table (rows `| level | `folder/` | ...`)")
endif()
set(found "")
set(checked 0)
foreach(row IN LISTS rows)
    string(REGEX MATCH "^\\| [0-9]+ \\| `([a-z/]+)/`" _ "${row}")
    set(folder ${CMAKE_MATCH_1})
    if(folder IN_LIST protocol_folders)
        continue()
    endif()
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        math(EXPR checked "${checked} + 1")
        file(READ ${source} text)
        string(REPLACE ";" "," text "${text}") # a list holds no ";"
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        foreach(name IN LISTS names)
            # A line whose first character is not "/": comments may speak of the bytes.
            string(REGEX MATCHALL "(^|\n) *([^/ \n][^\n]*)?${name}[^\n]*" hits "${text}")
            foreach(hit IN LISTS hits)
                string(STRIP "${hit}" hit)
                list(APPEND found "${shown}: ${hit}")
            endforeach()
        endforeach()
    endforeach()
endforeach()

list(REMOVE_DUPLICATES found)
if(found)
    list(JOIN found "\n  " shown)
    message(FATAL_ERROR "the unit's protocol outside device/ (use Reading.h, Frames.h, "
                        "LoadFrame.h):\n  ${shown}")
endif()
message(STATUS "protocol: ${checked} files outside device/ and sim/ leave the bytes to device/")
