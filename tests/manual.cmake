velmor_add_test(manual_tests
    manual/MeasurementCycleTest.cpp
    manual/CommandsTest.cpp
    manual/LayoutTest.cpp
    manual/LinkLossTest.cpp
    ONE_PROCESS
    LIBS velmor_manual velmor_app)
