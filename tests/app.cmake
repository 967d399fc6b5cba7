velmor_add_test(app_tests
    app/WindowSwitcherTest.cpp
    app/KeyboardTest.cpp
    app/TerminationTest.cpp
    app/OptionsTest.cpp
    LIBS velmor_app velmor_platform)
