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

# A unit shares one anonymous namespace: files whose file-local names (a tr() context named Text,
# a helper of the same name and signature) match another's in their library compile alone.
# A file's tr() struct is named after the file (CalibrateText), not Text. graph/ is left out
# whole: its icons name a colour as core/ does.
function(velmor_compile_alone folder)
    list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/${folder}/)
    set_source_files_properties(${ARGN} DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}
        PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endfunction()
velmor_compile_alone(device SupplyGuardian.cpp)
velmor_compile_alone(sweep MapFile.cpp)
velmor_compile_alone(plan HoldStep.cpp SweepStep.cpp TripStep.cpp PlanTable.cpp)
velmor_compile_alone(report SessionReport.cpp TripPage.cpp StepPage.cpp)
velmor_compile_alone(app UnitOptions.cpp)
