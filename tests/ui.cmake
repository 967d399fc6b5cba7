velmor_add_test(ui_tests
    ui/TwipsColourTest.cpp
    ui/ControlsTest.cpp
    ui/PictureBoxTest.cpp
    ui/FilesTest.cpp
    ui/LanguageTest.cpp
    ui/SafeWriteTest.cpp
    LIBS velmor_ui velmor_platform)
# The Russian catalogue is checked for texts left untranslated.
target_compile_definitions(ui_tests PRIVATE
    VELMOR_RUSSIAN_CATALOGUE="${PROJECT_SOURCE_DIR}/translations/velmor_ru.ts")
