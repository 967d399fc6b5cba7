# The test-run engine over a scripted port, and the sweep step on it driven by a list of readings.
velmor_add_test(run_tests
    run/TestRunTest.cpp
    run/SweepRunStepTest.cpp
    LIBS velmor_sweep velmor_graph)
