velmor_add_test(ui_tests
    ui/TwipsColourTest.cpp
    ui/ControlsTest.cpp
    ui/PictureBoxTest.cpp
    ui/FilesTest.cpp
    ui/LanguageTest.cpp
    ui/SafeWriteTest.cpp
    LIBS velmor_ui)
