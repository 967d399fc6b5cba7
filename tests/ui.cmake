velmor_add_test(ui_tests
    ui/ColourTest.cpp
    ui/ControlsTest.cpp
    ui/OperatorTest.cpp
    ui/PictureBoxTest.cpp
    ONE_PROCESS
    LIBS velmor_ui velmor_platform)
