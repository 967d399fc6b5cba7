# End-to-end and fault tests: the real windows, the real serial port class and timers, against
# the simulated unit on a pseudo-terminal; the program itself where its exit status matters.
if(TARGET velmor_sim)
    velmor_add_test(e2e_tests
        e2e/ManualBenchTest.cpp
        e2e/GraphBenchTest.cpp
        e2e/LinkFaultTest.cpp
        e2e/OpenFaultTest.cpp
        e2e/WriteFaultTest.cpp
        e2e/SaveFaultTest.cpp
        e2e/SignalTest.cpp
        e2e/SupplyOffTest.cpp
        e2e/UnattendedSweepTest.cpp
        e2e/StationTest.cpp
        e2e/OnDisplay.h
        e2e/UnattendedPlanTest.cpp
        e2e/CalibrateTest.cpp
        e2e/ProcessMemory.h
        e2e/Bench.h
        e2e/SweepFrames.h
        LIBS velmor_app velmor_sim velmor_platform
        LONG CalibrateProgramTest.aSupplySixPercentLowFailsOnceTheUnitIsCalibrated 17
             StationRunTest.aStationRunSendsTheFramesOfAHeadlessPlanRun 13
             SweepProgramTest.unitThatPassedTheSameSweepBeforeIsToldOfTheRepeat 13
             StationOnDisplayTest.aScannedSerialRunsThePlanToItsVerdictBetweenTwoAllOffFrames 12
             StationRunTest.aUnitThatPassedThePlanIsWarnedAndRunsOnlyOnASecondEnter 12
             CalibrateProgramTest.aFitIsKeptThatCorrectsEveryPointOntoTheMeter 11
             CalibrateProgramTest.aWildPointRefusesTheFitAndKeepsNothing 10)
    target_include_directories(e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/e2e)
    # The largest suite, in two units: a change to one of its files rebuilds half of it, and the
    # two share the cores.
    set_target_properties(e2e_tests PROPERTIES UNITY_BUILD_BATCH_SIZE 7)
    add_dependencies(e2e_tests velmor-test)
endif()

# The reply fuzzer, in the clang sanitizer tree (scripts/lib.sh, tests/fuzz/run); never part of the
# normal build.
option(VELMOR_FUZZ "Build the reply fuzzer (clang, libFuzzer)" OFF)
if(VELMOR_FUZZ)
    add_subdirectory(fuzz)
endif()
