velmor_add_test(manual_tests
    manual/MeasurementCycleTest.cpp
    manual/CommandsTest.cpp
    manual/LayoutTest.cpp
    manual/LinkLossTest.cpp
    manual/StartupTest.cpp
    LIBS velmor_manual velmor_app)
# The start-up test runs the program itself.
add_dependencies(manual_tests velmor-test)
