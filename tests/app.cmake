velmor_add_test(app_tests
    app/WindowSwitcherTest.cpp
    LIBS velmor_app)
