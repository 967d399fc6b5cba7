# Plan files read and refused, the step kinds on lists of readings, and plan runs against the
# simulated supply with the test playing the engine; the sweep and trip steps, and the engine
# paced by replies, against the simulated unit.
velmor_add_test(plan_tests
    plan/PlanFileTest.cpp
    plan/PointsStepTest.cpp
    plan/HoldStepTest.cpp
    plan/PlanRunTest.cpp
    plan/GuardedAcceptanceTest.cpp
    plan/SweepTripTest.cpp
    plan/PlanReferenceTest.cpp
    plan/UnitRun.h
    LIBS velmor_plan velmor_sim
    LONG SweepTripTest.aUnitThatAnswersOnlyFramesCompletesTheQuickPlanInEitherPace 17
         SweepTripTest.pacedByRepliesASweepJudgesOnlyReadingsTheSettleTimeAfterTheirLoads 12)
target_compile_definitions(plan_tests PRIVATE VELMOR_PLANS="${PROJECT_SOURCE_DIR}/plans"
    VELMOR_PLAN_REFERENCE="${PROJECT_SOURCE_DIR}/docs/plans.md")
