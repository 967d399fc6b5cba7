velmor_add_test(core_tests
    core/TwipsTest.cpp
    ONE_PROCESS
    LIBS velmor_core)
