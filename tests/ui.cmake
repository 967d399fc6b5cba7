velmor_add_test(ui_tests
    ui/ColourTest.cpp
    ui/ControlsTest.cpp
    ui/OperatorTest.cpp
    ui/PictureBoxTest.cpp
    LIBS velmor_ui velmor_platform)
