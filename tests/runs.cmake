# The automatic runs as composed for the command line and the station, on the simulated unit.
if(TARGET velmor_sim)
    velmor_add_test(runs_tests
        runs/AutomaticRunTest.cpp
        ONE_PROCESS
        LIBS velmor_runs velmor_sim)
endif()
