# The test-run engine over a scripted port.
velmor_add_test(testrun_tests
    testrun/TestRunTest.cpp
    ONE_PROCESS
    LIBS velmor_run)
