# Each product library is compiled a few files to a unit: what every file repeats (the precompiled
# header loaded, Qt's templates instantiated) is then done once a batch. Eight to a batch keeps a
# one-line change's rebuild to a few seconds.
set(velmor_unity_libraries
    velmor_platform velmor_device velmor_run velmor_sweep velmor_plan velmor_report
    velmor_results velmor_results_cli velmor_ui velmor_manual velmor_station
    velmor_web velmor_app velmor_sim velmor_runs velmor_unattended)
foreach(target ${velmor_unity_libraries})
    if(TARGET ${target})
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
        # gcc takes a file's own type in an anonymous namespace, held by a class of its header
        # (PortGuard's Watched), for a header's; in a unit every file is included like one.
        target_compile_options(${target} PRIVATE
            $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
    endif()
endforeach()

# The files that reach the serial port or D-Bus stay objects of their own. A program that needs
# only their neighbours (velmor-results needs the unit's output names) then links neither Qt
# SerialPort nor Qt D-Bus: in a unit with them, one name it needs brought both in.
set_source_files_properties(device/QtSerialPort.cpp device/PortList.cpp TARGET_DIRECTORY velmor_device
    PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
set_source_files_properties(platform/SleepInhibitor.cpp TARGET_DIRECTORY velmor_platform
    PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)

# A unit shares one anonymous namespace, so a file's local names are its own: its tr() struct is
# named after the file (CalibrateText), not Text, and so are helpers that another file of the
# library could name alike. A clash shows as a redefinition error naming both files. graph/ is left
# out whole: its icons name a colour as core/ does.
