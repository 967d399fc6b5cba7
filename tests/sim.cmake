if(TARGET velmor_sim)
    velmor_add_test(sim_tests
        sim/SupplyModelTest.cpp
        sim/FaultModeTest.cpp
        sim/PtyLinkTest.cpp
        sim/UnitSimProgramTest.cpp
        sim/TraceReplayTest.cpp
        ONE_PROCESS
        LIBS velmor_sim velmor_device velmor_manual
        LONG sim_tests 30)
    target_compile_definitions(sim_tests PRIVATE
        VELMOR_UNIT_SIM="$<TARGET_FILE:velmor-unit-sim>"
        VELMOR_TRACE_DATA="${CMAKE_CURRENT_SOURCE_DIR}/sim/data")
    add_dependencies(sim_tests velmor-unit-sim)
endif()
