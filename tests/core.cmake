velmor_add_test(core_tests
    core/TwipsTest.cpp
    LIBS velmor_core)
