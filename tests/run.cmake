# The test-run engine over a scripted port with a scripted step.
velmor_add_test(run_tests
    run/TestRunTest.cpp
    LIBS velmor_run)
