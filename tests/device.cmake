velmor_add_test(device_tests
    device/FramesTest.cpp
    device/ConversionsTest.cpp
    device/DeviationTest.cpp
    device/LineSettingsTest.cpp
    device/LinkTraceTest.cpp
    device/PortGuardTest.cpp
    device/SettlingTest.cpp
    device/UnitTest.cpp
    device/CalibrationTest.cpp
    ONE_PROCESS
    LIBS velmor_device)
