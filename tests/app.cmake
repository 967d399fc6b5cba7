velmor_add_test(app_tests
    app/WindowSwitcherTest.cpp
    app/KeyboardTest.cpp
    app/OptionsTest.cpp
    app/StartupTest.cpp
    ONE_PROCESS
    LIBS velmor_app velmor_platform)
# The start-up test runs the program itself.
add_dependencies(app_tests velmor-test)

# The plans shipped in plans/ are all good.
add_test(NAME shipped_plans_check
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:velmor-test> -DPLANS=${PROJECT_SOURCE_DIR}/plans
        -P ${CMAKE_CURRENT_SOURCE_DIR}/check-plans.cmake)
