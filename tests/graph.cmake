velmor_add_test(graph_sweep_tests
    graph/DeviationTest.cpp
    graph/SweepTest.cpp
    graph/MapFileTest.cpp
    graph/MapsFolderTest.cpp
    graph/IconsTest.cpp
    graph/MapExportTest.cpp
    LIBS velmor_graph)

velmor_add_test(graph_window_tests
    graph/FormGrafTest.cpp
    graph/SaveMapTest.cpp
    graph/CrossLoadDataTest.cpp
    graph/HighDpiTest.cpp
    LIBS velmor_graph)

# Not a test: makes the picture of a finished sweep in docs/ (see the file's first lines).
add_executable(graph_window_shot graph/GraphWindowShot.cpp)
target_link_libraries(graph_window_shot PRIVATE velmor_app)
