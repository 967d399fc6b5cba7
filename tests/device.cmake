velmor_add_test(device_tests
    device/FramesTest.cpp
    device/ConversionsTest.cpp
    device/LineSettingsTest.cpp
    LIBS velmor_device)
