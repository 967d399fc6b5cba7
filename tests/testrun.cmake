# The test-run engine over a scripted port.
velmor_add_test(testrun_tests
    testrun/TestRunTest.cpp
    LIBS velmor_run)
