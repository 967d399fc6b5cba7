# Plan files read and refused, the step kinds on lists of readings, and plan runs against the
# simulated supply with the test playing the engine.
velmor_add_test(plan_tests
    plan/PlanFileTest.cpp
    plan/PointsStepTest.cpp
    plan/HoldStepTest.cpp
    plan/PlanRunTest.cpp
    plan/GuardedAcceptanceTest.cpp
    LIBS velmor_plan velmor_sim)
target_compile_definitions(plan_tests PRIVATE VELMOR_PLANS="${PROJECT_SOURCE_DIR}/plans")
