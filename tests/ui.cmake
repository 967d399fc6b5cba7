velmor_add_test(ui_tests
    ui/TwipsColourTest.cpp
    ui/ControlsTest.cpp
    ui/PictureBoxTest.cpp
    ui/FilesTest.cpp
    LIBS velmor_ui)
