velmor_add_test(app_tests
    app/WindowSwitcherTest.cpp
    app/KeyboardTest.cpp
    LIBS velmor_app)
