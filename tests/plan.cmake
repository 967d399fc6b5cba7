# The plan's step kinds, each driven by a list of readings.
velmor_add_test(plan_tests
    plan/HoldStepTest.cpp
    LIBS velmor_plan)
