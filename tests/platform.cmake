velmor_add_test(platform_tests
    platform/TerminationSignalsTest.cpp
    platform/FilesTest.cpp
    platform/LanguageTest.cpp
    platform/SafeWriteTest.cpp
    ONE_PROCESS
    LIBS velmor_platform)
# The Russian catalogue is checked for texts left untranslated.
target_compile_definitions(platform_tests PRIVATE
    VELMOR_RUSSIAN_CATALOGUE="${PROJECT_SOURCE_DIR}/translations/velmor_ru.ts")
