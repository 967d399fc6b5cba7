# The sweep and trip steps, and the engine paced by replies, against the simulated unit.
if(TARGET velmor_sim)
    velmor_add_test(plan_kinds_tests
        plan/SweepTripTest.cpp
        plan/UnitRun.h
        LIBS velmor_plan velmor_sim)
    target_compile_definitions(plan_kinds_tests PRIVATE VELMOR_PLANS="${PROJECT_SOURCE_DIR}/plans")
endif()
