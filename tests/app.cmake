velmor_add_test(app_tests
    app/WindowSwitcherTest.cpp
    app/KeyboardTest.cpp
    app/TerminationTest.cpp
    app/OptionsTest.cpp
    LIBS velmor_app velmor_platform)

# The plans shipped in plans/ are all good.
add_test(NAME shipped_plans_check
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:velmor-test> -DPLANS=${PROJECT_SOURCE_DIR}/plans
        -P ${CMAKE_CURRENT_SOURCE_DIR}/check-plans.cmake)
